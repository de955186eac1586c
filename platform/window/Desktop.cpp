#include "platform/window/Desktop.h"

#include "platform/gdi/DeviceContext.h"
#include "platform/window/WindowManager.h"

namespace platform {

namespace {

constexpr COLORREF kDesktopColor = RGB(0x3A, 0x6E, 0xA5);
constexpr wchar_t kDesktopClass[] = L"#32769";

// Never destroyed, like the handle table: a screen held in a global resets the desktop from its
// destructor, which may run after any other static is gone.
std::unique_ptr<Desktop>& Slot() {
  static auto* const desktop = new std::unique_ptr<Desktop>;
  return *desktop;
}

WindowClass* DesktopClass() {
  if (WindowClass* c = Classes().Find(kDesktopClass)) return c;
  WNDCLASSEXW wc{};
  wc.cbSize = sizeof(wc);
  wc.lpfnWndProc = DefWindowProcW;
  wc.lpszClassName = kDesktopClass;
  Classes().Register(wc);
  return Classes().Find(kDesktopClass);
}

// Frees a window tree without messages: its windows were destroyed before a reset, so only
// the desktop window and bookkeeping are left.
void DropTree(Window* w) {
  for (Window* child : w->children) DropTree(child);
  w->children.clear();
  --w->windowClass->liveWindows;
  Handles().Erase(w->handle);
}

}  // namespace

Desktop& Desktop::Current() {
  auto& slot = Slot();
  if (!slot) slot.reset(new Desktop(kDefaultWidth, kDefaultHeight));
  return *slot;
}

void Desktop::Reset(int width, int height) {
  auto& slot = Slot();
  if (slot) slot->DestroyAllWindows();
  slot.reset();
  slot.reset(new Desktop(width, height));
}

Desktop::Desktop(int width, int height) {
  auto root = std::make_unique<Window>();
  root->windowClass = DesktopClass();
  ++root->windowClass->liveWindows;
  root->proc = DefWindowProcW;
  root->style = WS_VISIBLE | WS_CLIPCHILDREN;
  root->backing = std::make_unique<Surface>();
  root->shared = true;
  m_root = root.get();
  Handles().Insert(std::move(root));
  if (!ShapeRoot(width, height)) ShapeRoot(kDefaultWidth, kDefaultHeight);
}

bool Desktop::ShapeRoot(int width, int height) {
  if (!Surface::SizeAllowed(width, height) || !m_root->backing->Allocate(width, height))
    return false;
  m_root->rect = {0, 0, width, height};
  const Pixel fill = PixelFromColor(kDesktopColor);
  for (int y = 0; y < height; ++y) std::fill_n(m_root->backing->Row(y), width, fill);
  return true;
}

void Desktop::Resize(int width, int height) {
  if (width == Width() && height == Height()) return;
  if (!ShapeRoot(width, height)) return;
  RefreshWindowDcs();  // a context drawing on the desktop keeps within its new size
  // A handler may create or destroy top-level windows: tell those there were at the start.
  std::vector<HWND> tops;
  for (Window* w : m_root->children) tops.push_back(w->Handle());
  for (HWND h : tops)
    if (IsWindow(h)) SendMessageW(h, WM_DISPLAYCHANGE, 32, MAKELPARAM(width, height));
}

Desktop::~Desktop() {
  for (const WindowDc& entry : dcs) {
    if (DeviceContext* dc = ResolveDC(entry.hdc)) {
      dc->surface = nullptr;
      dc->bounds = {0, 0, 0, 0};
    }
  }
  DropTree(m_root);
}

void Desktop::DestroyAllWindows() {
  std::vector<HWND> tops;
  for (Window* w : m_root->children) tops.push_back(w->Handle());
  for (HWND h : tops) DestroyWindow(h);
}

const Surface& Desktop::Compose() {
  const Surface& desktop = *m_root->backing;
  if (m_screen.Width() != desktop.Width() || m_screen.Height() != desktop.Height())
    m_screen.Allocate(desktop.Width(), desktop.Height());
  if (m_screen.Empty()) return m_screen;
  for (int y = 0; y < m_screen.Height(); ++y)
    std::copy_n(desktop.Row(y), m_screen.Width(), m_screen.Row(y));
  const RECT screenRect = m_screen.Bounds();
  for (auto it = m_root->children.rbegin(); it != m_root->children.rend(); ++it) {
    const Window& w = **it;
    if (!(w.style & WS_VISIBLE) || !w.backing || w.backing->Empty()) continue;
    RECT r = ScreenRectOf(w);
    const POINT origin{r.left, r.top};
    if (!IntersectInto(r, screenRect)) continue;
    for (int y = r.top; y < r.bottom; ++y)
      std::copy_n(w.backing->Row(y - origin.y) + (r.left - origin.x), r.right - r.left,
                  m_screen.Row(y) + r.left);
  }
  return m_screen;
}

}  // namespace platform
