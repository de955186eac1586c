#include <gtest/gtest.h>

#include <vector>

#include "foundation/CTrellisApp.h"
#include "platform/mfc/CGdiObject.h"
#include "platform/win32/WinRes.h"
#include "resources/TrellisResources.h"
#include "tests/support/Dib.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using trellis::test::MakeDib;
using trellis::test::ScopedResourceModule;

CSize LoadedSize(UINT id) {
  CBitmap bitmap;
  BITMAP bm{};
  return bitmap.LoadBitmap(id) && bitmap.GetBitmap(&bm) ? CSize(bm.bmWidth, bm.bmHeight)
                                                        : CSize(0, 0);
}

}  // namespace

// A host program whose own resources use the library's ids, here a 2 x 2 bitmap with the id of
// the line-style closed button (9 x 9 in the library).
TEST(CTrellisApp, HostBitmapsWithLibraryIdsDoNotShadowTheLibrarysInsideTheGuard) {
  const std::vector<BYTE> dib = MakeDib(2, 2, 24, [](int, int) { return DWORD(RGB(255, 0, 0)); });
  ScopedResourceModule host(
      L"host", {{RT_BITMAP, MAKEINTRESOURCEW(IDB_TREE_CLOSE_LINE), dib.data(), dib.size()},
                {RT_BITMAP, MAKEINTRESOURCEW(100), dib.data(), dib.size()}});
  HINSTANCE previous = AfxGetResourceHandle();
  AfxSetResourceHandle(host.get());

  EXPECT_EQ(LoadedSize(IDB_TREE_CLOSE_LINE), CSize(2, 2));
  EXPECT_EQ(LoadedSize(IDB_TREE_CHECK_NO), CSize(0, 0));  // the host has no such bitmap
  {
    AFX_MANAGE_STATE(AfxGetStaticModuleState());
    EXPECT_EQ(LoadedSize(IDB_TREE_CLOSE_LINE), CSize(9, 9));
    EXPECT_EQ(LoadedSize(IDB_TREE_CHECK_NO), CSize(13, 13));
    EXPECT_EQ(LoadedSize(100), CSize(2, 2));  // what the library lacks still comes from the host
  }
  EXPECT_EQ(LoadedSize(IDB_TREE_CLOSE_LINE), CSize(2, 2));

  AfxSetResourceHandle(previous);
}
