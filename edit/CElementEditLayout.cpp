// Where the edit box's text sits: its rectangles, measuring, hit testing, horizontal scrolling,
// and the colours of each state.
#include "edit/CElementEdit.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "edit/EditGeometry.h"
#include "foundation/CLightCanvas.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"
#include "platform/win32/WinImm.h"

namespace {

// Insets from the draw rectangle: a one-pixel frame around the field, text drawn from 4 pixels
// in at the sides and 3 at the top and bottom, clipped one pixel further out than that.
constexpr int kFrameWidth = 1;
constexpr int kClipInset = 3;
constexpr int kTextInsetX = 4;
constexpr int kTextInsetY = 3;
// Hit testing counts from the left of the draw rectangle shrunk by this on every side.
constexpr int kHitInset = 4;
// How far a glyph's ink may reach past its advance, beyond the font's height.
constexpr int kInkMargin = 16;

// The theme's colours, state by state in the order they are loaded: the border has one colour
// in every state, the field one of its own in each.
constexpr ThemeColorRow kThemeColors[] = {
    {COLOR_PART_FRAME, COLOR_STATE_NORMAL, L"Edit.BackGround"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_NORMAL, L"Edit.TextBack.normal"},
    {COLOR_PART_FRAME, COLOR_STATE_HOVER, L"Edit.BackGround"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_HOVER, L"Edit.TextBack.hover"},
    {COLOR_PART_FRAME, COLOR_STATE_PUSH, L"Edit.BackGround"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_PUSH, L"Edit.TextBack.push"},
    {COLOR_PART_FRAME, COLOR_STATE_FOCUS, L"Edit.BackGround"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_FOCUS, L"Edit.TextBack.focus"},
    {COLOR_PART_FRAME, COLOR_STATE_DISABLE, L"Edit.BackGround"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_DISABLE, L"Edit.TextBack.diasble"},
};

}  // namespace

CRect CElementEdit::GetFieldRect() const {
  CRect r = GetDrawRect();
  r.DeflateRect(kFrameWidth, kFrameWidth);
  return r;
}

CRect CElementEdit::GetClipRect() const {
  CRect r = GetDrawRect();
  r.DeflateRect(kClipInset, kClipInset);
  return r;
}

CRect CElementEdit::GetTextArea() const {
  CRect r = GetDrawRect();
  r.DeflateRect(kTextInsetX, kTextInsetY);
  return r;
}

int CElementEdit::OnSize(UINT, int, int) {
  m_rcText = GetDrawRect();
  m_rcText.DeflateRect(kHitInset, kHitInset);
  Redraw();
  return 1;
}

int CElementEdit::OnSetFont() {
  m_widths.Clear();
  m_nMeasuredRevision = -1;
  Redraw();
  return 1;
}

bool CElementEdit::MeasureWithFont(const std::function<void(HDC)>& measure) {
  CDC* dc = GetDC();
  bool measured = false;
  {
    CLightCanvas measuring(dc);
    LOGFONTW lf{};
    GetFont(&lf);
    if (dc && measuring.SetFont(lf)) {
      measure(measuring.GetSafeHdc());
      measured = true;
    }
  }
  ReleaseDC(dc);
  return measured;
}

std::span<const int> CElementEdit::PrefixWidths() {
  if (m_nMeasuredRevision == m_model.Revision()) return m_widths.Widths();
  // What changed since the widths were last in step; all of it without widths to keep.
  const std::optional<EditTextModel::Change> change = m_model.TakeChange();
  const bool inStep = m_nMeasuredRevision >= 0;
  // Typing characters the widths have met needs no measuring context.
  if (inStep && (!change || m_widths.UpdateFromKnownAdvances(m_model.Text(), *change))) {
    m_nMeasuredRevision = m_model.Revision();
    return m_widths.Widths();
  }
  const bool measured = MeasureWithFont([&](HDC dc) {
    if (inStep) m_widths.Update(dc, m_model.Text(), *change);
    else m_widths.Measure(dc, m_model.Text());
  });
  // Without a context the change is lost with the widths: the next call measures the whole text.
  m_nMeasuredRevision = measured ? m_model.Revision() : -1;
  return m_widths.Widths();
}

bool CElementEdit::IsShowText(const wchar_t* text) const {
  // The address answers for the callers that pass the edit's own text; comparing the characters
  // costs far less than measuring them.
  return text == m_model.Text().c_str() || (text && m_model.Text() == text);
}

int CElementEdit::ShowTextScrollOffset(int areaWidth) {
  return ScrollOffsetFor(PrefixWidths(), m_model.Caret(), areaWidth, m_nScrollOffset);
}

int CElementEdit::CalcTextPos(const wchar_t* text, int x) {
  // A point far outside the edit hits its start or end rather than overflowing.
  const long long wide = static_cast<long long>(x) + 1 + m_nScrollOffset - m_rcText.left;
  const int target = static_cast<int>(std::clamp<long long>(wide, INT_MIN, INT_MAX));
  if (IsShowText(text)) return HitTestPrefixWidths(PrefixWidths(), target);
  if (!text) return 0;
  std::vector<int> widths;
  MeasureWithFont([&](HDC dc) { widths = EditPrefixWidths::MeasureAll(dc, text); });
  return HitTestPrefixWidths(widths, target);
}

int CElementEdit::CalcDrawPos(CLightCanvas& canvas, const CRect& area, const wchar_t* text) {
  if (IsShowText(text)) return ShowTextScrollOffset(area.Width());
  if (!text) return 0;
  const std::vector<int> widths = EditPrefixWidths::MeasureAll(canvas.GetSafeHdc(), text);
  const int caret = std::min(m_model.Caret(), int(widths.size()) - 1);
  return ScrollOffsetFor(widths, caret, area.Width(), m_nScrollOffset);
}

void CElementEdit::Redraw() {
  m_nScrollOffset = ShowTextScrollOffset(GetTextArea().Width());
  InvalidContainerRect(0, nullptr);
  if (m_bFocused) TellInputMethod();
}

CRect CElementEdit::GetCaretRect() {
  LOGFONTW lf{};
  GetFont(&lf);
  const int x = GetTextArea().left - m_nScrollOffset + PrefixWidths()[std::size_t(m_model.Caret())];
  const int top = (GetDrawRect().Height() - int(lf.lfHeight)) / 2;
  return CRect(x, top, x + 1, top + int(lf.lfHeight));
}

void CElementEdit::TellInputMethod() {
  const HWND window = GetVMWindow();
  const HIMC context = ::ImmGetContext(window);
  if (!context) return;
  CRect caret = GetCaretRect();
  caret.NormalizeRect();
  const CRect place = GetContainerRect();
  caret.OffsetRect(place.left, place.top);
  COMPOSITIONFORM composition{CFS_POINT, caret.TopLeft(), {0, 0, 0, 0}};
  ::ImmSetCompositionWindow(context, &composition);
  CANDIDATEFORM candidates{0, CFS_EXCLUDE, caret.TopLeft(), caret};
  ::ImmSetCandidateWindow(context, &candidates);
  LOGFONTW lf{};
  GetFont(&lf);
  ::ImmSetCompositionFontW(context, &lf);
  ::ImmReleaseContext(window, context);
}

void CElementEdit::RedrawFrom(int first, int scrollBefore) {
  m_nScrollOffset = ShowTextScrollOffset(GetTextArea().Width());
  if (m_bFocused) TellInputMethod();
  if (m_nScrollOffset != scrollBefore) return InvalidContainerRect(0, nullptr);
  const std::span<const int> widths = PrefixWidths();
  const int start = widths[std::size_t(std::clamp(first, 0, int(widths.size()) - 1))];
  // Ink reaches past a character's advance on either side (italics, wide bearings): the
  // characters before the change may reach into it and the new ones out of it.
  LOGFONTW lf{};
  GetFont(&lf);
  const int margin = kInkMargin + std::abs(int(lf.lfHeight));
  const CRect all = GetDrawRect();
  const long long left = static_cast<long long>(GetTextArea().left) - m_nScrollOffset + start -
                         margin;
  CRect changed(int(std::clamp<long long>(left, all.left, all.right)), all.top, all.right,
                all.bottom);
  if (!changed.IsRectEmpty()) InvalidContainerRect(0, &changed);
}

// ---- colours

COLORREF CElementEdit::GetColorEx(const wchar_t* key) const { return ThemeColor(key); }

void CElementEdit::SetShowColor(DWORD state) {
  m_dwShowState = state;
  m_clrBackground = GetColor(COLOR_PART_BACKGROUND, state);
  m_clrFrame = GetColor(COLOR_PART_FRAME, state);
  m_clrText = GetColor(COLOR_PART_TEXT, state);
  m_clrTextBack = GetColor(COLOR_PART_TEXTBACK, state);
  m_clrSelBack = GetColor(COLOR_PART_SELBACK, state);
  m_clrSelText = GetColor(COLOR_PART_SELTEXT, state);
}

int CElementEdit::ResetDefaultColor() {
  LoadThemeColors(*this, kThemeColors);
  SetShowColor(m_dwShowState);
  if (IsActive()) InvalidContainerRect(0, nullptr);
  return 1;
}
