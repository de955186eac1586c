// Who owns the clipboard's memory (the system clipboard's mirror is the SDL backend's test), and
// global memory's refusals.
#include <cstring>
#include <cwchar>
#include <tuple>

#include "platform/gdi/HandleTable.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

using Clipboard = WindowTest;

// Seven bytes of text are one whole character and part of another, with no room for a
// terminator: the block still ends the text inside itself.
TEST_F(Clipboard, TheClipboardFreesWhatItWasGiven) {
  const std::size_t before = platform::Handles().LiveCount();
  const HGLOBAL first = GlobalAlloc(GMEM_MOVEABLE, 12);
  const HGLOBAL second = GlobalAlloc(GMEM_MOVEABLE, 7);
  std::memset(GlobalLock(second), 0x41, 7);
  GlobalUnlock(second);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);  // again: no change
  // The clipboard's memory cannot be freed under it.
  EXPECT_EQ(GlobalFree(first), first);
  EXPECT_EQ(GlobalSize(first), 12u);
  // Replacing a format frees the block it held.
  ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, second), second);
  EXPECT_EQ(GlobalSize(first), 0u);
  // One block under two formats would be freed twice.
  constexpr UINT kOtherFormat = 0xC000;
  EXPECT_EQ(SetClipboardData(kOtherFormat, second), nullptr);
  EXPECT_EQ(GetClipboardData(kOtherFormat), nullptr);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, nullptr), nullptr);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, first), nullptr);  // stale
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), second);
  EXPECT_EQ(std::wcslen(static_cast<const wchar_t*>(GlobalLock(second))), 2u);
  GlobalUnlock(second);
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_EQ(GlobalSize(second), 0u);
  CloseClipboard();
  EXPECT_EQ(platform::Handles().LiveCount(), before);
}

// Fixed memory does not exist here; memory is zeroed even without GMEM_ZEROINIT; locks count.
TEST(GlobalMemory, RefusesBadRequestsAndHandles) {
  for (const auto& [flags, size, error] :
       {std::tuple{UINT(0), SIZE_T(16), DWORD(ERROR_INVALID_PARAMETER)},
        std::tuple{UINT(GMEM_MOVEABLE | 0x2000), SIZE_T(16), DWORD(ERROR_INVALID_PARAMETER)},
        std::tuple{UINT(GMEM_MOVEABLE), SIZE_T(-1), DWORD(ERROR_NOT_ENOUGH_MEMORY)}}) {
    EXPECT_EQ(GlobalAlloc(flags, size), nullptr);
    EXPECT_EQ(GetLastError(), error);
  }
  const HGLOBAL empty = GlobalAlloc(GMEM_MOVEABLE, 0);
  EXPECT_EQ(GlobalLock(empty), nullptr);
  EXPECT_EQ(GlobalFree(empty), nullptr);
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 3);
  void* first = GlobalLock(memory);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(static_cast<BYTE*>(first)[2], 0);
  EXPECT_EQ(GlobalLock(memory), first);
  EXPECT_TRUE(GlobalUnlock(memory));
  SetLastError(123);
  EXPECT_FALSE(GlobalUnlock(memory));  // the last lock: not an error
  EXPECT_EQ(GetLastError(), ERROR_SUCCESS);
  EXPECT_FALSE(GlobalUnlock(memory));
  EXPECT_EQ(GetLastError(), ERROR_NOT_LOCKED);
  EXPECT_EQ(GlobalFree(memory), nullptr);
  const HGLOBAL madeUp = reinterpret_cast<HGLOBAL>(std::uintptr_t(0x7777001));
  const HGLOBAL font = reinterpret_cast<HGLOBAL>(GetStockObject(DEFAULT_GUI_FONT));
  for (HGLOBAL bad : {HGLOBAL(nullptr), memory, madeUp, font}) {
    EXPECT_EQ(GlobalLock(bad), nullptr);
    EXPECT_FALSE(GlobalUnlock(bad));
    EXPECT_EQ(GlobalSize(bad), 0u);
    EXPECT_EQ(GlobalFree(bad), bad);
  }
}

}  // namespace
}  // namespace trellis::test
