#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/mfc/AfxModuleState.h"
#include "platform/mfc/CGdiObject.h"
#include "platform/mfc/CWinApp.h"
#include "platform/win32/WinRes.h"
#include "tests/support/Dib.h"
#include "tests/support/Pixels.h"
#include "tests/support/ScopedResourceModule.h"

namespace {

using trellis::test::BitmapPixel;
using trellis::test::MakeDib;
using trellis::test::ScopedResourceModule;

constexpr COLORREF kAppColour = RGB(200, 0, 0);
constexpr COLORREF kLibraryColour = RGB(0, 0, 200);

std::vector<BYTE> OnePixel(COLORREF colour) {
  return MakeDib(1, 1, 24, [colour](int, int) { return DWORD(colour); });
}

// An application module with bitmaps 1 and 2, and a library module with bitmaps 2 and 3 whose
// state the tests switch to. The app state's resource handle points at the application module
// for the length of a test.
class ModuleState : public ::testing::Test {
 protected:
  ModuleState() { AfxGetAppModuleState()->m_hCurrentResourceHandle = m_app.get(); }
  ~ModuleState() override { AfxGetAppModuleState()->m_hCurrentResourceHandle = m_previous; }

  // The colour of the bitmap that CBitmap::LoadBitmap finds for `id`, or CLR_INVALID.
  static COLORREF LoadedColour(UINT id) {
    CBitmap bitmap;
    return bitmap.LoadBitmap(id) ? BitmapPixel(bitmap, 0, 0) : CLR_INVALID;
  }

  const std::vector<BYTE> m_appPixel = OnePixel(kAppColour);
  const std::vector<BYTE> m_libraryPixel = OnePixel(kLibraryColour);
  ScopedResourceModule m_app{
      L"app", {{RT_BITMAP, MAKEINTRESOURCEW(1), m_appPixel.data(), m_appPixel.size()},
               {RT_BITMAP, MAKEINTRESOURCEW(2), m_appPixel.data(), m_appPixel.size()}}};
  ScopedResourceModule m_library{
      L"library", {{RT_BITMAP, MAKEINTRESOURCEW(2), m_libraryPixel.data(), m_libraryPixel.size()},
                   {RT_BITMAP, MAKEINTRESOURCEW(3), m_libraryPixel.data(), m_libraryPixel.size()}}};
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
      EXPECT_EQ(AfxGetModuleState(), &other);
      {
        AFX_MANAGE_STATE(nullptr);  // no state to switch to: the current one stays
        EXPECT_EQ(AfxGetModuleState(), &other);
      }
      EXPECT_EQ(AfxGetModuleState(), &other);
    }
    EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
    {
      AFX_MANAGE_STATE(&m_libraryState);  // re-entering the same state
      EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
    }
    EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
  }
  EXPECT_EQ(AfxGetModuleState(), AfxGetAppModuleState());
  EXPECT_EQ(AfxGetResourceHandle(), m_app.get());
}

TEST_F(ModuleState, EachThreadHasItsOwnCurrentState) {
  AFX_MANAGE_STATE(&m_libraryState);
  AFX_MODULE_STATE* seenByOtherThread = nullptr;
  std::thread([&] { seenByOtherThread = AfxGetModuleState(); }).join();
  EXPECT_EQ(seenByOtherThread, AfxGetAppModuleState());
  EXPECT_EQ(AfxGetModuleState(), &m_libraryState);
}

TEST_F(ModuleState, ResourcesResolveInTheCurrentModuleThenTheApplication) {
  EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(2), RT_BITMAP), m_app.get());
  EXPECT_EQ(LoadedColour(1), kAppColour);
  EXPECT_EQ(LoadedColour(2), kAppColour);
  EXPECT_EQ(LoadedColour(3), CLR_INVALID);  // only the library has it
  {
    AFX_MANAGE_STATE(&m_libraryState);
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(2), RT_BITMAP), m_library.get());
    EXPECT_EQ(LoadedColour(2), kLibraryColour);  // the library's copy wins inside its state
    EXPECT_EQ(LoadedColour(3), kLibraryColour);
    EXPECT_EQ(LoadedColour(1), kAppColour);  // what the library lacks comes from the app
    // Found nowhere: the current module is named, and loading from it fails.
    EXPECT_EQ(AfxFindResourceHandle(MAKEINTRESOURCEW(9), RT_BITMAP), m_library.get());
    EXPECT_EQ(LoadedColour(9), CLR_INVALID);
  }
  EXPECT_EQ(LoadedColour(2), kAppColour);
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

TEST_F(ModuleState, AnAppBelongsToTheStateCurrentWhenItIsMade) {
  EXPECT_EQ(AfxGetApp(), nullptr);
  {
    AFX_MANAGE_STATE(&m_libraryState);
    CWinApp app(L"Library");
    EXPECT_EQ(AfxGetApp(), &app);
    EXPECT_STREQ(app.m_pszAppName, L"Library");
    {
      AFX_MANAGE_STATE(AfxGetAppModuleState());
      EXPECT_EQ(AfxGetApp(), nullptr);
    }
  }
  // It withdrew when it was destroyed.
  EXPECT_EQ(m_libraryState.m_pCurrentWinApp, nullptr);
  CWinApp unnamed;
  EXPECT_EQ(unnamed.m_pszAppName, nullptr);
  EXPECT_EQ(AfxGetApp(), &unnamed);
}
