#include "tests/soak/SoakWorld.h"

#include <algorithm>
#include <iterator>
#include <set>

#include "datepicker/CElementDatePicker.h"
#include "droplist/CElementDropList.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "platform/window/Desktop.h"
#include "tree/CElementTree.h"

namespace soak {
namespace {

constexpr int kBoardWidth = 960;
constexpr UINT kKeys[] = {VK_LEFT, VK_RIGHT, VK_UP,    VK_DOWN,  VK_TAB,   VK_RETURN, VK_ESCAPE,
                          VK_HOME, VK_END,   VK_PRIOR, VK_NEXT,  VK_DELETE, VK_BACK,  VK_SPACE,
                          VK_F1,   VK_F1 + 3, VK_F1 + 4, VK_F1 + 9, VK_F1 + 11, 'A', 'C', 'V', 'X',
                          'Z',     'Q',      'M',      '0',      '9'};
constexpr UINT kModifiers[] = {0, 0, 0, VK_CONTROL, VK_SHIFT, VK_MENU};
const wchar_t* const kTexts[] = {
    L"a", L"Hello, world", L"中文输入法", L"😀🎉 emoji", L"\b\t\r\x1b", L"\x01\x02\x7f\x1f",
    L"line\nbreak", L"", L"\xD800 half", L"Ünïcödé ß", L"0123456789012345678901234567890123456789"
    L"0123456789012345678901234567890123456789012345678901234567890123456789"};
constexpr DWORD kDelays[] = {1, 10, 16, 50, 100, 250, 400, 500, 800, 1000, 1500, 3000};

template <class T, size_t N>
const T& Pick(const T (&table)[N], uint32_t r) { return table[r % N]; }

void Collect(CElementContainer* e, bool shownOnly, std::vector<CElementContainer*>& out) {
  for (CElementContainer* child : e->GetChildren()) {
    if (shownOnly && !child->IsActive()) continue;
    out.push_back(child);
    Collect(child, shownOnly, out);
  }
}

template <class T>
std::vector<T*> OfType(const std::vector<CElementContainer*>& all) {
  std::vector<T*> found;
  for (CElementContainer* e : all)
    if (auto* t = dynamic_cast<T*>(e)) found.push_back(t);
  return found;
}

}  // namespace

SoakWorld::SoakWorld() : m_gallery(std::make_unique<GalleryWindow>(kBoardWidth)) {
  m_screen.PumpUntilIdle();
}

SoakWorld::~SoakWorld() {
  m_gallery.reset();
  CGlobalEnv::ResetGlobalEnv();
}

std::vector<CElementContainer*> SoakWorld::Elements(bool shownOnly) const {
  std::vector<CElementContainer*> all;
  Collect(m_gallery->BoardWindow().Root(), shownOnly, all);
  Collect(m_gallery->ScrollBar().GetHost()->Root(), shownOnly, all);
  return all;
}

std::vector<HWND> SoakWorld::PopUps() const {
  const HWND viewport = ::GetParent(m_gallery->BoardWindow().GetSafeHwnd());
  std::vector<HWND> found;
  for (platform::Window* w : platform::Desktop::Current().Root().children)
    if (w->Handle() != viewport && ::IsWindowVisible(w->Handle())) found.push_back(w->Handle());
  return found;
}

POINT SoakWorld::InElement(CElementContainer* e, uint32_t u, uint32_t v) {
  CRect place = e->GetContainerRect();
  // Scrolls the board as a person would to reach a control below the fold.
  const int offset = m_gallery->ScrollOffset();
  if (e->GetVMWindow() == m_gallery->BoardWindow().GetSafeHwnd() &&
      (place.top < offset || place.bottom > offset + m_screen.Height()))
    m_gallery->ScrollTo(place.top - 8);
  POINT pt{place.left + int(u % uint32_t(std::max(1, place.Width()))),
           place.top + int(v % uint32_t(std::max(1, place.Height())))};
  ::ClientToScreen(e->GetVMWindow(), &pt);
  return pt;
}

POINT SoakWorld::Target(uint32_t how, uint32_t u, uint32_t v) {
  const int w = m_screen.Width(), h = m_screen.Height();
  const std::vector<HWND> popUps = PopUps();
  const uint32_t where = how % 20;
  if (where >= 12 && where < 16 && !popUps.empty()) {
    CRect r;
    ::GetWindowRect(popUps[how / 20 % popUps.size()], &r);
    return {r.left + int(u % uint32_t(std::max(1, r.Width()))),
            r.top + int(v % uint32_t(std::max(1, r.Height())))};
  }
  if (where == 16 || where == 17) return {int(u % uint32_t(w)), int(v % uint32_t(h))};
  if (where == 18) return {(u & 1) ? -1 - int(v % 60) : w + int(v % 60), int(u / 2 % uint32_t(h))};
  const std::vector<CElementContainer*> shown = Elements(true);
  if (shown.empty()) return {int(u % uint32_t(w)), int(v % uint32_t(h))};
  return InElement(shown[how / 20 % shown.size()], u, v);
}

void SoakWorld::Drag(const Event& e) {
  const POINT from = Target(e.a, e.b, e.c);
  const POINT to = Target(e.d, e.c ^ e.a, e.b ^ e.d);
  m_screen.MouseDown(from.x, from.y);
  for (int step = 1; step <= 3; ++step)
    m_screen.MouseMove(from.x + (to.x - from.x) * step / 3, from.y + (to.y - from.y) * step / 3);
  // Off the window and back, with time passing out there (auto-scrolling, repeats).
  if (e.d & 1) {
    m_screen.MouseMove(-20, to.y);
    m_screen.PumpUntilIdle();
    m_screen.AdvanceTime(Pick(kDelays, e.b >> 8));
    m_screen.MouseMove(to.x, to.y);
  }
  m_screen.MouseUp(to.x, to.y);
}

void SoakWorld::Key(uint32_t which, uint32_t modifiers) {
  const UINT modifier = Pick(kModifiers, modifiers);
  if (modifier) m_screen.KeyDown(modifier);
  m_screen.KeyPress(Pick(kKeys, which));
  if (modifier) m_screen.KeyUp(modifier);
}

void SoakWorld::Apply(const Event& e) {
  const auto at = [&] { return Target(e.a, e.b, e.c); };
  switch (e.kind) {
    case Kind::Move: { const POINT p = at(); m_screen.MouseMove(p.x, p.y); break; }
    case Kind::Click: { const POINT p = at(); m_screen.Click(p.x, p.y); break; }
    case Kind::DoubleClick: {
      const POINT p = at();
      m_screen.Click(p.x, p.y);
      m_screen.Click(p.x, p.y);
      break;
    }
    case Kind::RightClick: {
      const POINT p = at();
      m_screen.Click(p.x, p.y, platform::MouseButton::Right);
      break;
    }
    case Kind::Press: { const POINT p = at(); m_screen.MouseDown(p.x, p.y); break; }
    case Kind::Release: { const POINT p = at(); m_screen.MouseUp(p.x, p.y); break; }
    case Kind::Drag: Drag(e); break;
    case Kind::Wheel: {
      const POINT p = at();
      m_screen.MouseMove(p.x, p.y);
      m_screen.MouseWheel((e.d & 1 ? 1 : -1) * WHEEL_DELTA * int(1 + e.d / 2 % 3));
      break;
    }
    case Kind::Key: Key(e.a, e.b); break;
    case Kind::Text: m_screen.TypeText(Pick(kTexts, e.a)); break;
    case Kind::Ime: m_screen.ImeResult(Pick(kTexts, e.a)); break;
    case Kind::Time: m_screen.AdvanceTime(Pick(kDelays, e.a)); break;
    case Kind::Resize:
      // Now and then a size no surface can have, which the screen refuses.
      if (e.c % 16 == 0) m_screen.Resize(int(e.a % 3) - 1, int(e.b % 40));
      else m_screen.Resize(120 + int(e.a % 1300), 90 + int(e.b % 900));
      break;
    default: HostAction(e); break;
  }
  m_screen.PumpUntilIdle();
}

void SoakWorld::Flip(std::vector<CElementContainer*>& off, const Event& e, Toggle set) {
  const std::vector<CElementContainer*> all = Elements(false);
  // An element the stream turned off may have left with its owner (a control's own parts).
  std::erase_if(off, [&](CElementContainer* x) { return std::ranges::find(all, x) == all.end(); });
  if (!off.empty() && e.b % 3 != 0) {
    const auto it = off.begin() + e.c % off.size();
    set(*it, true);
    off.erase(it);
  } else if (!all.empty()) {
    CElementContainer* target = all[e.c % all.size()];
    set(target, false);
    if (std::ranges::find(off, target) == off.end()) off.push_back(target);
  }
}

void SoakWorld::ChangeItems(const Event& e) {
  const std::vector<CElementContainer*> all = Elements(false);
  const std::vector<CElementDropList*> lists = OfType<CElementDropList>(all);
  const std::vector<CElementTree*> trees = OfType<CElementTree>(all);
  const wchar_t* text = Pick(kTexts, e.d);
  if (e.a % 2 && !lists.empty()) {
    CElementDropList* list = lists[e.a / 2 % lists.size()];
    const int count = list->GetCount();
    const int index = int(e.c % uint32_t(count + 2)) - 1;  // one before and one past the ends
    switch (count > 80 ? 2 : e.b % 4) {
      case 0: list->AddString(text); break;
      case 1: list->InsertString(index, text); break;
      case 2: list->DeleteString(unsigned(index)); break;
      default: list->SetCurSel(index); break;
    }
  } else if (!trees.empty()) {
    CElementTree* tree = trees[e.a / 2 % trees.size()];
    const int id = int(e.c % uint32_t(tree->GetItem() + 1));
    _TREE_ITEM parent;
    if (tree->GetItem() < 200 && e.b % 3 != 0 && tree->GetItemById(id, parent)) {
      _TREE_ITEM item;
      item.strText = text;
      item.eCheck = TREE_ITEM_CHECK(e.d % 3);
      tree->InsertItem(item, &parent);
    } else {
      tree->DelItemChild(id);
    }
    tree->RecalcAndRefresh();
  }
}

void SoakWorld::SwitchTheme() {
  CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
  auto* palette = env ? dynamic_cast<CThemePalette*>(env->GetPalette()) : nullptr;
  if (!palette) return;
  m_dark = !m_dark;
  palette->LoadFile(FindThemeFile(m_dark ? L"dark" : L"default"));
  ::InvalidateRect(::GetParent(m_gallery->BoardWindow().GetSafeHwnd()), nullptr, TRUE);
}

void SoakWorld::HostAction(const Event& e) {
  switch (e.kind) {
    case Kind::Enable:
      Flip(m_disabled, e, [](CElementContainer* x, bool on) { x->Enable(on); });
      break;
    case Kind::Show:
      Flip(m_hidden, e, [](CElementContainer* x, bool on) { x->Show(on, 1); });
      break;
    case Kind::SetText: {
      const std::vector<CElementContainer*> all = Elements(false);
      if (!all.empty()) all[e.c % all.size()]->SetText(Pick(kTexts, e.b));
      break;
    }
    case Kind::Items: ChangeItems(e); break;
    case Kind::Date:
      for (CElementDatePicker* picker : OfType<CElementDatePicker>(Elements(false))) {
        // Mostly real days, some that no calendar has.
        const int date = e.b % 4 ? int(19000000 + e.c % 2000 * 10000 + e.d % 13 * 100 + e.a % 32)
                                 : int(e.c);
        picker->SetDate(date);
      }
      break;
    case Kind::Theme: SwitchTheme(); break;
    case Kind::Rebuild:
      m_gallery.reset();
      m_hidden.clear();
      m_disabled.clear();
      m_gallery = std::make_unique<GalleryWindow>(kBoardWidth);
      break;
    default: break;
  }
}

bool SoakWorld::Settle() {
  m_screen.KeyPress(VK_ESCAPE);
  m_screen.PumpUntilIdle();
  CElementContainer* board = m_gallery->BoardWindow().Root();
  const HWND boardWnd = m_gallery->BoardWindow().GetSafeHwnd();
  // The board's left margin is empty wherever it is scrolled to.
  for (int y = 2; y < m_screen.Height(); y += 7) {
    for (int x = 2; x < 16 && x < m_screen.Width(); x += 4) {
      POINT client{x, y};
      ::ScreenToClient(boardWnd, &client);
      if (::WindowFromPoint({x, y}) != boardWnd || board->HitTest(client) != board) continue;
      m_screen.MouseUp(x, y);
      m_screen.Click(x, y);
      m_screen.PumpUntilIdle();
      return true;
    }
  }
  return false;
}

std::optional<std::string> SoakWorld::CheckHost(CElementHost* host, bool settled) const {
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
  if (absent(host->Focus())) return "the focus is on an element out of the tree";
  if (absent(host->Hover())) return "the hover is on an element out of the tree";
  if (absent(host->Capture())) return "the capture is on an element out of the tree";
  if (settled && host->Capture()) return "an element holds the capture after the settle";
  for (const auto& [element, id] : host->Timers())
    if (absent(element)) return "a timer runs for an element out of the tree";
  return std::nullopt;
}

std::optional<std::string> SoakWorld::Check(bool settled) {
  for (CElementHost* host : {m_gallery->BoardWindow().Host(), m_gallery->ScrollBar().GetHost()})
    if (auto fault = CheckHost(host, settled)) return fault;
  if (!settled) return std::nullopt;
  if (::GetCapture()) return "a window holds the capture after the settle";
  for (HWND popUp : PopUps()) {
    wchar_t name[64] = L"";
    ::GetClassNameW(popUp, name, 64);
    const std::wstring wide(name);
    return "a pop-up is open after the settle: " + std::string(wide.begin(), wide.end());
  }
  return std::nullopt;
}

}  // namespace soak
