// An edit box in the host window, and what its tests measure and check.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "edit/CElementEdit.h"
#include "host/CElementHost.h"
#include "platform/mfc/CPaintDC.h"
#include "tests/support/HostFixture.h"
#include "tests/support/Pixels.h"

namespace trellis::test {

inline constexpr DWORD kId = 7;
inline constexpr int kTextLeft = 4;  // where the text starts in the edit, unscrolled
inline constexpr UINT kFocus = CElementEdit::EDIT_NOTIFY_SETFOCUS;
inline constexpr UINT kBlur = CElementEdit::EDIT_NOTIFY_KILLFOCUS;
inline constexpr UINT kChange = CElementEdit::EDIT_NOTIFY_CHANGE;
inline constexpr UINT kReturn = CElementEdit::EDIT_NOTIFY_RETURN;

// The edit with the helpers a subclass may call.
class OpenEdit : public CElementEdit {
 public:
  using CElementEdit::CalcTextPos, CElementEdit::OnMenuCommand, CElementEdit::SetSelectedEnd,
      CElementEdit::SetSelectedStart;
  // The bounds of the latest paint, in element coordinates.
  CRect painted;
  int OnPaint(CPaintDC* dc) override {
    dc->GetClipBox(&painted);
    return CElementEdit::OnPaint(dc);
  }
};

class EditBox : public HostFixture {
 protected:
  OpenEdit& Make(const wchar_t* text, int cx = 200, int cy = 24) {
    _CONTAINER_INFO info = Info(10, 10, cx, cy, kId);
    info.SetText(text);
    edit.InitObject(L"edit", &info);
    Pump();
    return edit;
  }

  // The width of a text in the edit's font.
  int Width(std::wstring_view text) const {
    LOGFONTW lf{};
    edit.GetFont(&lf);
    CFont font;
    font.CreateFontIndirect(&lf);
    const Canvas canvas(1, 1);
    SelectObject(canvas.dc(), font);
    SIZE size{};
    GetTextExtentPoint32W(canvas.dc(), text.data(), int(text.size()), &size);
    return size.cx;
  }

  // The x of the boundary after the first n characters of the text, as shown now.
  int BoundaryX(int n) const {
    const std::wstring text = edit.GetTextString().GetString();
    return kTextLeft + Width(std::wstring_view(text).substr(0, std::size_t(n))) -
           edit.GetScrollOffset();
  }

  // Where a click puts the caret at boundary n: hit testing counts one pixel past the pointer.
  int At(int n) const { return BoundaryX(n) - 1; }

  std::wstring Text() const { return edit.GetTextString().GetString(); }

  void ExpectPositions(int caret, int start, int end) const {
    EXPECT_EQ(edit.GetCaret(), caret);
    EXPECT_EQ(edit.GetSelectedStart(), start);
    EXPECT_EQ(edit.GetSelectedEnd(), end);
  }

  // Selects from boundary `from` to boundary `to` with the mouse.
  void Drag(int from, int to) {
    Press(edit, At(from), 12);
    MoveTo(edit, At(to), 12);
    Release(edit, At(to), 12);
    Advance(1000);  // no double click with the next press
  }

  void LoseFocus() {
    window.Host()->SetFocus(nullptr);
    Pump();
  }

  OpenEdit edit;
};

}  // namespace trellis::test
