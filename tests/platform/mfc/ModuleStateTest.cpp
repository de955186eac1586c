// How resources resolve inside and outside a module state is CTrellisAppTest's, with the
// library's own module; here the guard itself, threads, and loading into a used object.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/mfc/AfxModuleState.h"
#include "platform/mfc/CGdiObject.h"
#include "platform/win32/WinRes.h"
#include "tests/support/Dib.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using trellis::test::ScopedResourceModule;

// An application module with bitmaps 1 and 2, and a library module whose state the tests
// switch to. The app state's resource handle points at the application module for the length
// of a test.
class ModuleState : public ::testing::Test {
 protected:
  ModuleState() { AfxGetAppModuleState()->m_hCurrentResourceHandle = m_app.get(); }
  ~ModuleState() override { AfxGetAppModuleState()->m_hCurrentResourceHandle = m_previous; }

  const std::vector<BYTE> m_pixel =
      trellis::test::MakeDib(1, 1, 24, [](int, int) { return DWORD(RGB(200, 0, 0)); });
  ScopedResourceModule m_app{
      L"app", {{RT_BITMAP, MAKEINTRESOURCEW(1), m_pixel.data(), m_pixel.size()},
               {RT_BITMAP, MAKEINTRESOURCEW(2), m_pixel.data(), m_pixel.size()}}};
  ScopedResourceModule m_library{L"library", {}};
  AFX_MODULE_STATE m_libraryState{m_library.get()};
  HINSTANCE m_previous = AfxGetAppModuleState()->m_hCurrentResourceHandle;
};

}  // namespace

TEST_F(ModuleState, GuardSwitchesForItsScopeAndRestoresNestedStates) {
  AFX_MODULE_STATE other(nullptr);
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
  {
    AFX_MANAGE_STATE(&m_libraryState);
    EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
    EXPECT_EQ(AfxGetResourceHandle(), m_library.get());
    EXPECT_EQ(AfxGetInstanceHandle(), m_library.get());
    {
      AFX_MANAGE_STATE(&other);
      {
        AFX_MANAGE_STATE(nullptr);  // no state to switch to: the current one stays
        EXPECT_EQ(AfxGetModuleState(), &other);
      }
      EXPECT_EQ(AfxGetModuleState(), &other);
    }
    {
      AFX_MANAGE_STATE(&m_libraryState);  // re-entering the same state, which leaving keeps
    }
    EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
    // Setting the resource handle changes only the current state.
    AfxSetResourceHandle(m_app.get());
    EXPECT_EQ(AfxGetInstanceHandle(), m_library.get());
    // Each thread has its own current state.
    AFX_MODULE_STATE* seenByOtherThread = nullptr;
    std::thread([&] { seenByOtherThread = AfxGetModuleState(); }).join();
    EXPECT_EQ(seenByOtherThread, AfxGetAppModuleState());
  }
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
  EXPECT_EQ(m_libraryState.m_hCurrentResourceHandle, m_app.get());
}

TEST_F(ModuleState, LoadBitmapIntoAnOccupiedObjectFailsWithoutLeaking) {
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.LoadBitmap(1));
  HGDIOBJ first = bitmap.GetSafeHandle();
  const std::size_t live = platform::Handles().LiveCount();
  EXPECT_FALSE(bitmap.LoadBitmap(2));
  EXPECT_EQ(bitmap.GetSafeHandle(), first);
  EXPECT_EQ(platform::Handles().LiveCount(), live);
  EXPECT_FALSE(CBitmap().LoadBitmap(L"no such bitmap"));
  EXPECT_FALSE(CBitmap().LoadBitmap(0u));
}
