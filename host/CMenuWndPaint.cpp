// The pop-up menu's look: theme colours and font, measuring, and painting.
#include "host/CMenuWnd.h"
#include "host/FrameworkTheme.h"
#include "host/OffscreenDC.h"
#include "host/PaintCanvas.h"
#include "host/ThemeLookup.h"
#include "platform/mfc/CPaintDC.h"

namespace {

// `part` of the way (0..1) from one colour to another, channel by channel.
COLORREF Mix(COLORREF from, COLORREF to, double part) {
  const auto channel = [part](int a, int b) { return int(a + (b - a) * part + 0.5); };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

// How far towards the separator colour the gradient background gets at the bottom.
constexpr double kGradientDepth = 0.5;

}  // namespace

void CMenuWnd::Prepare() {
  m_look = {ThemeColor(L"Menu.Background"), ThemeColor(L"Menu.Frame"),
            ThemeColor(L"Menu.Text"),       ThemeColor(L"Menu.Text.diasble"),
            ThemeColor(L"Menu.SelBack"),    ThemeColor(L"Menu.SelText"),
            ThemeColor(L"Menu.Separator")};
  // The font by description, not the palette's object: that may go with its environment while
  // the menu is open.
  CFont* themed = ThemeFont(L"Menu.Font");
  if (!themed || !themed->GetLogFont(&m_lfFont)) m_lfFont = FrameworkFont();

  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  PaintCanvas measuring(&dc);
  measuring.SetFont(m_lfFont);
  TEXTMETRICW tm{};
  dc.GetTextMetrics(&tm);
  std::vector<int> widths;
  for (const MenuItem& item : m_track.items)
    widths.push_back(dc.GetTextExtent(item.strText.c_str(), int(item.strText.size())).cx);
  m_layout = MenuLayout(m_track.items, widths, tm.tmHeight);
}

void CMenuWnd::OnPaint() {
  CPaintDC paint(this);
  CRect clip;
  paint.GetClipBox(&clip);
  OffscreenDC dc(&paint, &clip);
  PaintCanvas canvas(&dc);
  canvas.SetFont(m_lfFont);
  canvas.SetBkMode(TRANSPARENT);
  CRect client;
  GetClientRect(&client);
  PaintBackground(canvas, client);
  for (int i = 0; i < m_layout.Count(); ++i) {
    CRect row = m_layout.RowRect(i);
    if (dc.RectVisible(&row)) PaintRow(canvas, i);
  }
  canvas.Restore();
  PaintFrame();
}

void CMenuWnd::PaintBackground(PaintCanvas& canvas, const CRect& client) const {
  if (!m_track.gradient || client.Height() < 2) {
    canvas.FillRect(client, m_look.background);
    return;
  }
  const COLORREF bottom = Mix(m_look.background, m_look.separator, kGradientDepth);
  for (int y = client.top; y < client.bottom; ++y)
    canvas.FillRect(CRect(client.left, y, client.right, y + 1),
                    Mix(m_look.background, bottom, double(y) / (client.Height() - 1)));
}

void CMenuWnd::PaintRow(PaintCanvas& canvas, int index) const {
  const MenuItem& item = m_track.items[std::size_t(index)];
  if (item.IsSeparator()) {
    canvas.FillRect(m_layout.SeparatorLine(index), m_look.separator);
    return;
  }
  // Greyed rows show disabled; a pushed row looks like a hot one.
  const DWORD look = PartLook(m_press, PartOfRow(index), item.IsChoosable());
  const bool hot = look == COLOR_STATE_HOVER || look == COLOR_STATE_PUSH;
  if (hot) canvas.FillRect(m_layout.RowRect(index), m_look.selBack);
  canvas.SetTextColor(look == COLOR_STATE_DISABLE ? m_look.textDisabled
                      : hot                      ? m_look.selText
                                                 : m_look.text);
  CRect text = m_layout.TextRect(index);
  canvas.DrawText(item.strText.c_str(), int(item.strText.size()), &text,
                  DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CMenuWnd::PaintFrame() const {
  // The platform draws WS_BORDER in its own grey; the menu's frame has the theme's colour.
  const HDC hdc = ::GetWindowDC(m_hWnd);
  if (!hdc) return;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  const RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
  PaintCanvas(CDC::FromHandle(hdc)).FrameRect(frame, m_look.frame);
  ::ReleaseDC(m_hWnd, hdc);
}
