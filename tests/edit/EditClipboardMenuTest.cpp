// The edit box with the clipboard, the input method and its context menu.
#include "host/CMenuWnd.h"
#include "platform/win32/WinClipboard.h"
#include "tests/edit/EditBoxFixture.h"

using namespace trellis::test;

namespace {

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<closed>";
  if (const HGLOBAL data = GetClipboardData(CF_UNICODETEXT)) {
    text = static_cast<const wchar_t*>(GlobalLock(data));
    GlobalUnlock(data);
  }
  CloseClipboard();
  return text;
}

// Item indexes of the menu of an edit with text.
enum : int { kUndo, kCut, kCopy, kPaste, kDelete, kSelectAll };

class EditClipboard : public EditBox {
 protected:
  EditClipboard() { OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard(); }
  void Ctrl(UINT letter) {
    screen.KeyDown(VK_CONTROL);
    Key(letter);
    screen.KeyUp(VK_CONTROL);
    Pump();
  }
  // Right-clicks the edit; the menu that opened, or null.
  CMenuWnd* OpenMenu() {
    RightClick(edit, 20, 12);
    m_hMenu = ::GetFocus();
    return CMenuWnd::FromMenuWindow(m_hMenu);
  }
  void Choose(CMenuWnd* menu, int item) {
    const CPoint at = menu->GetItemRect(item).CenterPoint();
    screen.Click(at.x, at.y);
    Pump();
  }

  HWND m_hMenu = nullptr;
};

}  // namespace

// Copy, cut and paste through the keys; only letters are commands (F11 shares its key code
// with a lower-case 'z' but is no undo); a cut the clipboard cannot take keeps the text; an
// input method's result goes in at the caret; a read-only edit takes none of it.
TEST_F(EditClipboard, KeysCopyCutAndPasteTheSelectionAndNothingWithoutOneOrWhenReadOnly) {
  Make(L"hello world");
  Drag(0, 5);
  Ctrl('C');
  EXPECT_EQ(ClipboardText(), L"hello");
  Key(VK_END);
  Ctrl('V');
  Ctrl(VK_F1 + 10);
  EXPECT_EQ(Text(), L"hello worldhello");
  // The selection collapses after the pasted text, so Delete has nothing after it to take.
  ExpectPositions(16, 16, 16);
  Key(VK_DELETE);
  // With nothing selected, copy and cut leave the clipboard and the text alone.
  Key(VK_HOME);
  Ctrl('C');
  Ctrl('X');
  EXPECT_EQ(ClipboardText(), L"hello");
  EXPECT_EQ(Text(), L"hello worldhello");
  Drag(5, 11);
  ASSERT_TRUE(OpenClipboard(window.m_hWnd));  // held open by another window
  Ctrl('X');
  CloseClipboard();
  EXPECT_EQ(Text(), L"hello worldhello");
  Ctrl('X');
  EXPECT_EQ(ClipboardText(), L" world");
  EXPECT_EQ(Text(), L"hellohello");
  ExpectPositions(5, 5, 5);
  screen.ImeResult(L"中文");
  Pump();
  EXPECT_EQ(Text(), L"hello中文hello");
  ExpectPositions(7, 7, 7);
  // Copying tells the parent nothing; paste, cut (even of nothing), Delete and the input do.
  EXPECT_EQ(parent.NotifyCodes(),
            (std::vector<UINT>{kFocus, kChange, kChange, kChange, kChange, kChange, kChange}));

  // Read-only, it takes no keys, copies nothing and opens no menu, but the mouse selects.
  OpenClipboard(nullptr), EmptyClipboard(), CloseClipboard();
  parent.notices.clear();
  edit.SetReadOnly(1);
  Drag(1, 3);
  Type(L"z");
  Key(VK_DELETE);
  Key(VK_HOME);
  Ctrl('C');
  EXPECT_EQ(Text(), L"hello中文hello");
  ExpectPositions(3, 1, 3);
  EXPECT_EQ(ClipboardText(), L"");
  EXPECT_EQ(OpenMenu(), nullptr);
  EXPECT_TRUE(parent.notices.empty());
}

TEST_F(EditClipboard, TheMenuOffersWhatTheStateAllows) {
  Make(L"");
  CMenuWnd* menu = OpenMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_TRUE(edit.IsFocus());
  EXPECT_TRUE(menu->GetItemRect(kSelectAll).IsRectEmpty());  // no Delete in an empty edit
  // Cut is greyed without a selection: choosing it does nothing.
  Choose(menu, kCut);
  EXPECT_TRUE(menu->IsWindowVisible());
  Key(VK_ESCAPE);
  EXPECT_FALSE(::IsWindow(m_hMenu));
  LoseFocus();

  // Focus comes back with the text as the undo snapshot.
  edit.SetText(L"hello world");
  Drag(0, 5);
  menu = OpenMenu();
  ASSERT_NE(menu, nullptr);
  EXPECT_FALSE(menu->GetItemRect(kSelectAll).IsRectEmpty());
  Choose(menu, kCut);
  EXPECT_EQ(Text(), L" world");
  EXPECT_EQ(ClipboardText(), L"hello");
  Choose(OpenMenu(), kPaste);
  EXPECT_EQ(Text(), L"hello world");
  Choose(OpenMenu(), kSelectAll);
  ExpectPositions(5, 0, 11);
  Choose(OpenMenu(), kDelete);
  EXPECT_EQ(Text(), L"");
  Choose(OpenMenu(), kUndo);
  EXPECT_EQ(Text(), L"hello world");
  // Menu commands tell the parent nothing.
  EXPECT_EQ(parent.NotifyCodes(), (std::vector<UINT>{kFocus, kBlur, kFocus}));
}
