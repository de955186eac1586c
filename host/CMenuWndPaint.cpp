// The pop-up menu's look: theme colours and font, measuring, and painting.
#include "host/CMenuWnd.h"
#include "host/FrameworkTheme.h"
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
  // Our own copy of the font: the palette's may go with its environment while the menu is open.
  LOGFONTW lf{};
  CFont* themed = ThemeFont(L"Menu.Font");
  if (!themed || !themed->GetLogFont(&lf)) lf = FrameworkFont();
  m_font.CreateFontIndirect(&lf);

  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CFont* old = m_font.GetSafeHandle() ? dc.SelectObject(&m_font) : nullptr;
  TEXTMETRICW tm{};
  dc.GetTextMetrics(&tm);
  std::vector<int> widths;
  for (const MenuItem& item : m_track.items)
    widths.push_back(dc.GetTextExtent(item.strText.c_str(), int(item.strText.size())).cx);
  if (old) dc.SelectObject(old);
  m_layout = MenuLayout(m_track.items, widths, tm.tmHeight);
}

void CMenuWnd::OnPaint() {
  CPaintDC dc(this);
  const int saved = dc.SaveDC();
  if (m_font.GetSafeHandle()) dc.SelectObject(&m_font);
  dc.SetBkMode(TRANSPARENT);
  PaintBackground(dc);
  for (int i = 0; i < m_layout.Count(); ++i) {
    CRect row = m_layout.RowRect(i);
    if (dc.RectVisible(&row)) PaintRow(dc, i);
  }
  dc.RestoreDC(saved);
  PaintFrame();
}

void CMenuWnd::PaintBackground(CDC& dc) const {
  CRect client;
  GetClientRect(&client);
  if (!m_track.gradient || client.Height() < 2) return dc.FillSolidRect(&client, m_look.background);
  const COLORREF bottom = Mix(m_look.background, m_look.separator, kGradientDepth);
  for (int y = client.top; y < client.bottom; ++y)
    dc.FillSolidRect(client.left, y, client.Width(), 1,
                     Mix(m_look.background, bottom, double(y) / (client.Height() - 1)));
}

void CMenuWnd::PaintRow(CDC& dc, int index) const {
  const MenuItem& item = m_track.items[std::size_t(index)];
  if (item.IsSeparator()) {
    const CRect line = m_layout.SeparatorLine(index);
    dc.FillSolidRect(&line, m_look.separator);
    return;
  }
  const bool hot = index == m_nHot;
  if (hot) {
    const CRect row = m_layout.RowRect(index);
    dc.FillSolidRect(&row, m_look.selBack);
  }
  dc.SetTextColor(!item.IsChoosable() ? m_look.textDisabled : hot ? m_look.selText : m_look.text);
  CRect text = m_layout.TextRect(index);
  dc.DrawText(item.strText.c_str(), int(item.strText.size()), &text,
              DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
}

void CMenuWnd::PaintFrame() const {
  // The platform draws WS_BORDER in its own grey; the menu's frame has the theme's colour.
  const HDC hdc = ::GetWindowDC(m_hWnd);
  if (!hdc) return;
  RECT window;
  ::GetWindowRect(m_hWnd, &window);
  const RECT frame{0, 0, window.right - window.left, window.bottom - window.top};
  CBrush brush(m_look.frame);
  ::FrameRect(hdc, &frame, brush);
  ::ReleaseDC(m_hWnd, hdc);
}
