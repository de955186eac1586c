// Device contexts on windows (GetDC, GetWindowDC, BeginPaint) and the platform-drawn frame.
//
// A window DC draws on its top-level window's backing surface. Its bounds are the visible part
// of the window: inside every ancestor's client area, less the children (WS_CLIPCHILDREN) and
// the siblings above it (WS_CLIPSIBLINGS) where cutting them out leaves a rectangle, and for a
// paint DC only the invalid area. The bounds are the DC's own limit, below any clip region the
// painter selects, so selecting no clip region cannot paint outside them.
#include <algorithm>

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

constexpr COLORREF kFrameColor = RGB(100, 100, 100);

// Cuts out children and upper siblings (all in w's client coordinates).
void ClipRelatives(const Window& w, RECT& area) {
  if (w.style & WS_CLIPCHILDREN)
    for (const Window* child : w.children)
      if (child->style & WS_VISIBLE) SubtractRect(&area, &area, &child->rect);
  if ((w.style & WS_CLIPSIBLINGS) && !IsTopLevel(w) && !IsDesktop(w)) {
    const int f = FrameWidth(w);
    for (const Window* sibling : w.parent->children) {
      if (sibling == &w) break;
      if (!(sibling->style & WS_VISIBLE)) continue;
      const RECT cut = Shifted(sibling->rect, -w.rect.left - f, -w.rect.top - f);
      SubtractRect(&area, &area, &cut);
    }
  }
}

void ApplyLimits(const WindowDc& entry) {
  DeviceContext* dc = ResolveDC(entry.hdc);
  if (!dc) return;
  dc->surface = nullptr;
  dc->bounds = {0, 0, 0, 0};
  Window* w = FindWindowObject(entry.hwnd);
  if (!w) return;
  Window& top = TopLevelOf(*w);
  if (!top.backing || top.backing->Empty()) return;
  // Device (0, 0) is the window's or the client area's top-left corner.
  const POINT windowOffset = IsDesktop(*w) ? POINT{0, 0} : OffsetInTopLevel(*w);
  const int f = entry.wholeWindow ? 0 : FrameWidth(*w);
  const POINT origin{windowOffset.x + f, windowOffset.y + f};
  RECT area;
  if (entry.wholeWindow) {
    const RECT screen = ScreenRectOf(*w);
    area = Shifted(ClipToAncestors(*w, screen), -screen.left, -screen.top);
  } else {
    area = VisibleClientArea(*w);
    ClipRelatives(*w, area);
    if (entry.paintArea) IntersectInto(area, *entry.paintArea);
  }
  // The bounds never leave the surface, whatever the arithmetic above.
  IntersectInto(area, Shifted(top.backing->Bounds(), -origin.x, -origin.y));
  if (RectIsEmpty(area)) return;
  dc->surface = top.backing.get();
  dc->surfaceOffset = origin;
  dc->bounds = area;
}

HDC MakeWindowDc(Window& w, bool wholeWindow, std::optional<RECT> paintArea) {
  auto dc = std::make_unique<DeviceContext>();
  dc->Select(StockObject(BLACK_PEN));
  dc->Select(StockObject(WHITE_BRUSH));
  dc->Select(StockObject(SYSTEM_FONT));
  const HDC hdc = Register<DeviceContext, HDC>(std::move(dc));
  Desktop& desktop = Desktop::Current();
  desktop.dcs.push_back({hdc, w.Handle(), wholeWindow, paintArea});
  ApplyLimits(desktop.dcs.back());
  return hdc;
}

}  // namespace

void RefreshWindowDcs() {
  auto& dcs = Desktop::Current().dcs;
  std::erase_if(dcs, [](const WindowDc& e) { return !ResolveDC(e.hdc); });
  for (const WindowDc& entry : dcs) ApplyLimits(entry);
}

void DrawFrame(Window& w) {
  w.frameOwed = false;
  Window& top = TopLevelOf(w);
  if (!(w.style & WS_BORDER) || !top.backing || top.backing->Empty()) return;
  const RECT screen = ScreenRectOf(w);
  const RECT topScreen = ScreenRectOf(top);
  RECT visible = ClipToAncestors(w, screen);
  if (RectIsEmpty(visible)) return;
  // Frame edges in surface coordinates, each clipped to what is visible.
  const RECT r = Shifted(screen, -topScreen.left, -topScreen.top);
  visible = Shifted(visible, -topScreen.left, -topScreen.top);
  const Pixel color = PixelFromColor(kFrameColor);
  const RECT edges[] = {{r.left, r.top, r.right, r.top + 1},
                        {r.left, r.bottom - 1, r.right, r.bottom},
                        {r.left, r.top, r.left + 1, r.bottom},
                        {r.right - 1, r.top, r.right, r.bottom}};
  for (RECT edge : edges) {
    if (!IntersectInto(edge, visible)) continue;
    for (int y = edge.top; y < edge.bottom; ++y)
      std::fill_n(top.backing->Row(y) + edge.left, edge.right - edge.left, color);
  }
}

}  // namespace platform

using namespace platform;

HDC GetDC(HWND hwnd) {
  Window* w = hwnd ? RequireWindow(hwnd) : &Desktop::Current().Root();
  return w ? MakeWindowDc(*w, false, std::nullopt) : nullptr;
}

HDC GetWindowDC(HWND hwnd) {
  Window* w = hwnd ? RequireWindow(hwnd) : &Desktop::Current().Root();
  return w ? MakeWindowDc(*w, true, std::nullopt) : nullptr;
}

int ReleaseDC(HWND hwnd, HDC hdc) {
  auto& dcs = Desktop::Current().dcs;
  const HWND owner = hwnd ? hwnd : Desktop::Current().RootHandle();
  const auto it = std::find_if(dcs.begin(), dcs.end(),
                               [&](const WindowDc& e) { return e.hdc == hdc && e.hwnd == owner; });
  if (it == dcs.end()) return 0;
  dcs.erase(it);
  DeleteDC(hdc);
  return 1;
}

HDC BeginPaint(HWND hwnd, LPPAINTSTRUCT ps) {
  Window* w = RequireWindow(hwnd);
  if (!w || !ps) return nullptr;
  if (w->frameOwed) DrawFrame(*w);
  RECT area = w->invalid;
  if (!IntersectInto(area, ClientRectOf(*w))) area = {0, 0, 0, 0};
  const bool erase = w->eraseOwed;
  w->invalid = {0, 0, 0, 0};
  w->eraseOwed = false;
  const HDC hdc = MakeWindowDc(*w, false, area);
  RECT drawn{};
  GetClipBox(hdc, &drawn);
  // Children the painter may cover (where they could not be cut out) repaint after it.
  for (Window* child : w->children) InvalidateChildUnder(*child, drawn, true);
  *ps = {};
  ps->hdc = hdc;
  ps->rcPaint = area;
  if (erase) ps->fErase = SendMessageW(hwnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(hdc), 0) ? FALSE : TRUE;
  return hdc;
}

BOOL EndPaint(HWND hwnd, const PAINTSTRUCT* ps) {
  if (!ps) return FALSE;
  ReleaseDC(hwnd, ps->hdc);
  return TRUE;
}
