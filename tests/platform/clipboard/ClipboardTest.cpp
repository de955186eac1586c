// The clipboard's open/close rules, text round trips and who owns the memory (the system
// clipboard's mirror is the SDL backend's test); global memory's refusals.
#include <cstring>
#include <cwchar>
#include <string>
#include <tuple>

#include "platform/gdi/HandleTable.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

HGLOBAL TextBlock(const std::wstring& text) {
  const HGLOBAL memory = GlobalAlloc(GHND, (text.size() + 1) * sizeof(wchar_t));
  auto* units = static_cast<wchar_t*>(GlobalLock(memory));
  std::wmemcpy(units, text.c_str(), text.size() + 1);
  GlobalUnlock(memory);
  return memory;
}

std::wstring Paste() {
  if (!OpenClipboard(nullptr)) return L"<not opened>";
  std::wstring text = L"<none>";
  if (const HGLOBAL memory = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(memory));
    GlobalUnlock(memory);
  }
  CloseClipboard();
  return text;
}

using Clipboard = WindowTest;

TEST_F(Clipboard, TheClipboardFreesWhatItWasGiven) {
  const std::size_t before = platform::Handles().LiveCount();
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  const HGLOBAL first = TextBlock(L"first");
  const HGLOBAL second = TextBlock(L"second");
  ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, first), first);  // again: no change
  // The clipboard's memory cannot be freed under it.
  EXPECT_EQ(GlobalFree(first), first);
  EXPECT_EQ(GlobalSize(first), 6 * sizeof(wchar_t));
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
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_EQ(GlobalSize(second), 0u);
  CloseClipboard();
  EXPECT_EQ(platform::Handles().LiveCount(), before);
}

// Seven bytes: one whole character and part of another, with no terminator written.
TEST_F(Clipboard, UnterminatedTextStillEndsInsideTheBlock) {
  const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, 7);
  auto* bytes = static_cast<BYTE*>(GlobalLock(memory));
  std::memset(bytes, 0x41, 7);
  EXPECT_EQ(std::wcslen(reinterpret_cast<const wchar_t*>(bytes)), 2u);
  GlobalUnlock(memory);
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  SetClipboardData(CF_UNICODETEXT, memory);
  CloseClipboard();
  EXPECT_EQ(Paste().size(), 2u);
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
