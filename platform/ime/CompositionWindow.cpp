#include "platform/ime/CompositionWindow.h"

#include <algorithm>
#include <vector>

#include "platform/controls/ControlPaint.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

// The caret is one pixel wide; a caret after the last character needs that column too.
constexpr int kCaretWidth = 1;

// The font the composition is drawn in: the one the window set, else the platform's GUI font.
// The caller deletes a font it was given back with `owned` set.
HFONT CompositionFont(const InputContext& context, bool& owned) {
  owned = false;
  if (context.font) {
    LOGFONTW lf = *context.font;
    if (const HFONT font = CreateFontIndirectW(&lf)) {
      owned = true;
      return font;
    }
  }
  return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

// Selects the composition's font into `dc` for the life of the object.
class FontSelection {
 public:
  FontSelection(HDC dc, const InputContext& context) : m_dc(dc) {
    m_font = CompositionFont(context, m_owned);
    m_old = SelectObject(dc, m_font);
  }
  ~FontSelection() {
    SelectObject(m_dc, m_old);
    if (m_owned) DeleteObject(m_font);
  }
  FontSelection(const FontSelection&) = delete;
  FontSelection& operator=(const FontSelection&) = delete;

 private:
  HDC m_dc;
  HFONT m_font = nullptr;
  HGDIOBJ m_old = nullptr;
  bool m_owned = false;
};

// widths[k]: the first k characters.
std::vector<int> PrefixWidths(HDC dc, const std::wstring& text) {
  std::vector<int> widths(text.size() + 1, 0);
  SIZE extent{};
  if (!text.empty())
    GetTextExtentExPointW(dc, text.c_str(), int(text.size()), -1, nullptr, widths.data() + 1,
                          &extent);
  return widths;
}

int LineHeight(HDC dc) {
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  return int(metrics.tmHeight);
}

// The clause being converted: the run of characters marked as the target.
std::pair<int, int> TargetClause(const std::vector<BYTE>& attributes) {
  const auto first = std::find(attributes.begin(), attributes.end(), ATTR_TARGET_CONVERTED);
  const auto end = std::find_if(first, attributes.end(),
                                [](BYTE a) { return a != ATTR_TARGET_CONVERTED; });
  return {int(first - attributes.begin()), int(end - first)};
}

void Paint(HWND hwnd, const InputContext& context) {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd, &ps);
  if (!dc) return;
  {
    const FontSelection font(dc, context);
    const std::wstring& text = context.composition;
    const std::vector<int> widths = PrefixWidths(dc, text);
    const auto [from, length] = TargetClause(context.attributes);
    const CompositionLayout layout =
        LayoutComposition(widths, LineHeight(dc), context.cursor, from, length);
    const int height = layout.size.cy;
    RECT client{};
    GetClientRect(hwnd, &client);
    FillColor(dc, client, control_colors::kWindow);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, control_colors::kWindowText);
    TextOutW(dc, 0, 0, text.c_str(), int(text.size()));
    // The target clause stands out as a selection does; the rest reads as text being typed.
    if (!IsRectEmpty(&layout.target)) {
      FillColor(dc, layout.target, control_colors::kHighlight);
      SetTextColor(dc, control_colors::kHighlightText);
      TextOutW(dc, layout.target.left, 0, text.c_str() + from, length);
    }
    // Underlined from end to end, so the composition reads apart from the text under it.
    FillColor(dc, {0, height - 1, widths.back(), height}, control_colors::kWindowText);
    FillColor(dc, {layout.caretX, 0, layout.caretX + kCaretWidth, height},
              control_colors::kWindowText);
  }
  EndPaint(hwnd, &ps);
}

}  // namespace

CompositionLayout LayoutComposition(std::span<const int> widths, int height, int caret,
                                    int targetStart, int targetLength) {
  CompositionLayout layout;
  if (widths.empty()) return layout;
  const int last = int(widths.size()) - 1;
  layout.size = {widths.back() + kCaretWidth, height};
  layout.caretX = widths[std::size_t(std::clamp(caret, 0, last))];
  const int from = std::clamp(targetStart, 0, last);
  const int to = std::clamp(targetStart + std::max(targetLength, 0), from, last);
  if (to > from) layout.target = {widths[std::size_t(from)], 0, widths[std::size_t(to)], height};
  return layout;
}

LRESULT CALLBACK CompositionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_PAINT:
      if (const InputContext* shown = Desktop::Current().inputMethod.Shown()) {
        Paint(hwnd, *shown);
        return 0;
      }
      break;
    // Clicking the composition leaves the keyboard and the activation where they are.
    case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
    default: break;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

CompositionWindow::~CompositionWindow() {
  if (IsWindow(m_hwnd)) DestroyWindow(m_hwnd);
}

HWND CompositionWindow::Handle() const { return IsWindow(m_hwnd) ? m_hwnd : nullptr; }

RECT CompositionWindow::Area(const InputContext& context, HWND hwnd) {
  SIZE size{};
  const HDC dc = CreateCompatibleDC(nullptr);
  {
    const FontSelection font(dc, context);
    size = LayoutComposition(PrefixWidths(dc, context.composition), LineHeight(dc), 0, 0, 0).size;
  }
  DeleteDC(dc);
  const COMPOSITIONFORM& form = context.compositionForm;
  POINT at{0, 0};
  if (form.dwStyle & (CFS_POINT | CFS_FORCE_POSITION)) at = form.ptCurrentPos;
  ClientToScreen(hwnd, &at);
  return {at.x, at.y, at.x + size.cx, at.y + size.cy};
}

void CompositionWindow::Show(const InputContext& context) {
  if (context.composition.empty() || !IsWindow(context.composingIn)) {
    Hide();
    return;
  }
  const RECT area = Area(context, context.composingIn);
  const int width = area.right - area.left, height = area.bottom - area.top;
  if (!Handle()) {
    m_hwnd = CreateWindowExW(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, kCompositionWindowClass, L"",
                             WS_POPUP, area.left, area.top, width, height, nullptr, nullptr,
                             nullptr, nullptr);
    if (!m_hwnd) return;
  }
  SetWindowPos(m_hwnd, HWND_TOPMOST, area.left, area.top, width, height,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  InvalidateRect(m_hwnd, nullptr, FALSE);
}

void CompositionWindow::Hide() {
  if (const HWND hwnd = Handle()) ShowWindow(hwnd, SW_HIDE);
}

}  // namespace platform
