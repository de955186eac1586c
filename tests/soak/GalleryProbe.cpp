#include "tests/soak/GalleryProbe.h"

#include <algorithm>
#include <cwchar>
#include <set>

#include "host/CElementHost.h"
#include "platform/window/Desktop.h"

namespace soak {
namespace {

POINT PointIn(const CRect& r, uint32_t u, uint32_t v) {
  return {r.left + int(u % uint32_t(std::max(1, r.Width()))),
          r.top + int(v % uint32_t(std::max(1, r.Height())))};
}

void Collect(CElementContainer* e, bool shownOnly, std::vector<CElementContainer*>& out) {
  for (CElementContainer* child : e->GetChildren())
    if (!shownOnly || child->IsActive()) out.push_back(child), Collect(child, shownOnly, out);
}

std::optional<std::string> CheckHost(CElementHost* host, bool settled) {
  std::set<CElementContainer*> seen{host->Root()};
  std::vector<CElementContainer*> todo{host->Root()};
  while (!todo.empty()) {
    CElementContainer* e = todo.back();
    todo.pop_back();
    if (e->GetHost() != host) return "an element reports another host";
    for (CElementContainer* child : e->GetChildren()) {
      if (child->GetParent() != e) return "a child names another parent";
      if (!seen.insert(child).second) return "an element is in the tree twice";
      todo.push_back(child);
    }
  }
  const auto absent = [&](CElementContainer* e) { return e && !seen.count(e); };
  for (CElementContainer* e : {host->Focus(), host->Hover(), host->Capture()})
    if (absent(e)) return "the focus, hover or capture is on an element out of the tree";
  if (settled && host->Capture()) return "an element holds the capture after the settle";
  for (const auto& [element, id] : host->Timers())
    if (absent(element)) return "a timer runs for an element out of the tree";
  return std::nullopt;
}

}  // namespace

uint64_t Mix(uint64_t x) {
  x += 0x9E3779B97F4A7C15ull;
  x = (x ^ (x >> 30)) * 0xBF58476D1CE4E5B9ull;
  x = (x ^ (x >> 27)) * 0x94D049BB133111EBull;
  return x ^ (x >> 31);
}

std::vector<CElementContainer*> GalleryElements(GalleryWindow& gallery, bool shownOnly) {
  std::vector<CElementContainer*> all;
  Collect(gallery.BoardWindow().Root(), shownOnly, all);
  Collect(gallery.ScrollBar().GetHost()->Root(), shownOnly, all);
  return all;
}

std::vector<HWND> OpenPopUps(GalleryWindow& gallery) {
  const HWND viewport = gallery.ScrollBar().GetVMWindow();
  std::vector<HWND> found;
  for (platform::Window* w : platform::Desktop::Current().Root().children)
    if (w->Handle() != viewport && ::IsWindowVisible(w->Handle())) found.push_back(w->Handle());
  return found;
}

POINT Aim(GalleryWindow& gallery, const CRect& screen, uint32_t how, uint32_t u, uint32_t v) {
  const std::vector<HWND> popUps = OpenPopUps(gallery);
  const std::vector<CElementContainer*> shown = GalleryElements(gallery, true);
  CRect r;
  if (how % 20 >= 12 && how % 20 < 16 && !popUps.empty())
    return ::GetWindowRect(popUps[how / 20 % popUps.size()], &r), PointIn(r, u, v);
  if (how % 20 == 18)
    return {(u & 1) ? -1 - int(v % 60) : screen.right + int(v % 60), PointIn(screen, 0, u / 2).y};
  if (how % 20 == 16 || how % 20 == 17 || shown.empty()) return PointIn(screen, u, v);
  CElementContainer* e = shown[how / 20 % shown.size()];
  const CRect place = e->GetContainerRect();
  // Scrolls the board as a person would to reach a control below the fold.
  const int offset = gallery.ScrollOffset();
  if (e->GetVMWindow() == gallery.BoardWindow().GetSafeHwnd() &&
      (place.top < offset || place.bottom > offset + screen.Height()))
    gallery.ScrollTo(place.top - 8);
  POINT pt = PointIn(place, u, v);
  ::ClientToScreen(e->GetVMWindow(), &pt);
  return pt;
}

std::optional<POINT> EmptySpot(GalleryWindow& gallery, const CRect& screen) {
  CElementContainer* board = gallery.BoardWindow().Root();
  const HWND boardWnd = gallery.BoardWindow().GetSafeHwnd();
  // The board's left margin is empty wherever it is scrolled to.
  for (int y = 2; y < screen.Height(); y += 7)
    for (int x = 2; x < 16 && x < screen.Width(); x += 4) {
      POINT client{x, y};
      ::ScreenToClient(boardWnd, &client);
      if (::WindowFromPoint({x, y}) == boardWnd && board->HitTest(client) == board)
        return POINT{x, y};
    }
  return std::nullopt;
}

std::optional<std::string> CheckGallery(GalleryWindow& gallery, bool settled) {
  for (CElementHost* host : {gallery.BoardWindow().Host(), gallery.ScrollBar().GetHost()})
    if (auto fault = CheckHost(host, settled)) return fault;
  if (!settled) return std::nullopt;
  if (::GetCapture()) return "a window holds the capture after the settle";
  for (HWND popUp : OpenPopUps(gallery)) {
    // Its class alone rarely tells which control left it: its place and size do.
    wchar_t name[64] = L"";
    ::GetClassNameW(popUp, name, 64);
    CRect r;
    ::GetWindowRect(popUp, &r);
    return "a pop-up is open after the settle: " + std::string(name, name + wcslen(name)) +
           " at " + std::to_string(r.left) + "," + std::to_string(r.top) + " size " +
           std::to_string(r.Width()) + "x" + std::to_string(r.Height());
  }
  return std::nullopt;
}

}  // namespace soak
