#include "tests/soak/SoakWorld.h"

#include <algorithm>

#include "datepicker/CElementDatePicker.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/FontCache.h"
#include "host/OffscreenBuffers.h"
#include "host/ThemeFiles.h"
#include "platform/win32/WinBase.h"
#include "platform/window/Desktop.h"
#include "platform/window/Window.h"
#include "tests/soak/GalleryProbe.h"
#include "tree/CElementTree.h"

namespace soak {
namespace {

// Each kind's name and share of the stream, in 2000ths, in the order of Kind. Rebuilding the
// whole gallery is the slowest event by far, so it is the rarest.
constexpr Weighted kKinds[] = {
    {"move", 300},  {"click", 240}, {"double", 70}, {"right", 70},  {"press", 60},
    {"release", 60}, {"drag", 80},  {"wheel", 90},  {"key", 300},   {"text", 110},
    {"ime", 50},    {"time", 240},  {"resize", 30}, {"enable", 60}, {"show", 60},
    {"settext", 40}, {"items", 60}, {"date", 20},   {"theme", 8},   {"rebuild", 2},
};

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

template <class T>
std::vector<T*> OfType(const std::vector<CElementContainer*>& all) {
  std::vector<T*> found;
  for (CElementContainer* e : all)
    if (auto* t = dynamic_cast<T*>(e)) found.push_back(t);
  return found;
}

// Turns an element off (hides or disables it, by the event's kind), or one it turned off back on.
void Flip(const std::vector<CElementContainer*>& all, std::vector<CElementContainer*>& off,
          const Event& e) {
  const auto set = [&e](CElementContainer* x, bool on) {
    e.kind == Kind::Show ? x->Show(on, 1) : x->Enable(on);
  };
  // An element the stream turned off may have left with its owner (a control's own parts).
  std::erase_if(off, [&](CElementContainer* x) { return std::ranges::find(all, x) == all.end(); });
  if (!off.empty() && e.b % 3 != 0) {
    const auto it = off.begin() + e.c % off.size();
    set(*it, true), off.erase(it);
  } else if (!all.empty()) {
    CElementContainer* target = all[e.c % all.size()];
    if (set(target, false); std::ranges::find(off, target) == off.end()) off.push_back(target);
  }
}

void ChangeItems(const std::vector<CElementContainer*>& all, const Event& e) {
  const std::vector<CElementDropList*> lists = OfType<CElementDropList>(all);
  const std::vector<CElementTree*> trees = OfType<CElementTree>(all);
  const wchar_t* text = Pick(kTexts, e.d);
  if (e.a % 2 && !lists.empty()) {
    CElementDropList* list = lists[e.a / 2 % lists.size()];
    const int count = list->GetCount(), index = int(e.c % uint32_t(count + 2)) - 1;  // ends included
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
      _TREE_ITEM item{.eCheck = TREE_ITEM_CHECK(e.d % 3), .strText = text};
      tree->InsertItem(item, &parent);
    } else {
      tree->DelItemChild(id);
    }
    tree->RecalcAndRefresh();
  }
}

}  // namespace

Event EventAt(uint64_t seed, uint64_t index) {
  uint64_t state = Mix(Mix(seed) ^ index);
  auto next = [&state] { return state = Mix(state); };
  const size_t k = PickWeighted(kKinds, next());
  return {Kind(k), uint32_t(next()), uint32_t(next()), uint32_t(next()), uint32_t(next())};
}

std::string KindName(Kind kind) { return kKinds[size_t(kind)].name; }

// The palette keeps every theme it loaded, objects and all, for the controls that still hold
// them, and brings one back when it is loaded again. Both are loaded here, so that a switch in
// the stream makes no object and the counts before and after a batch compare as they are.
SoakWorld::SoakWorld() : m_gallery(std::make_unique<GalleryWindow>(kBoardWidth)) {
  LoadTheme(true), LoadTheme(false);
  m_screen.PumpUntilIdle();
}

void SoakWorld::LoadTheme(bool dark) {
  if (CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
      auto* palette = env ? dynamic_cast<CThemePalette*>(env->GetPalette()) : nullptr)
    palette->LoadFile(FindThemeFile(dark ? L"dark" : L"default"));
}

SoakWorld::~SoakWorld() { m_gallery.reset(), CGlobalEnv::ResetGlobalEnv(); }

// What the gallery may keep from one batch to the next, made the first time it is needed and
// kept for good (or until its control goes with a rebuild):
// - the shared font cache: a font for each description painted, so a batch that first shows a
//   face or a size ends with more fonts;
// - the off-screen bitmaps kept between paints, a few of the sizes painted last;
// - a drop list's scroll bar, made the first time its pop-up has more rows than it shows and
//   then hidden when not needed: its window and its four bitmaps (arrows, thumb, track);
// - a tree's tip window, made the first time a tip shows and then hidden between tips: a
//   hidden pop-up of the gallery with no children, one for each tree at most.
// Everything else a batch makes, its controls delete.
GuiObjects SoakWorld::HeldObjects() const {
  constexpr unsigned long kScrollBarBitmaps = 4;
  const HANDLE self = ::GetCurrentProcess();
  GuiObjects held{::GetGuiResources(self, GR_GDIOBJECTS) - FontCache::Shared().Size() -
                      OffscreenBuffers::Shared().KeptCount(),
                  ::GetGuiResources(self, GR_USEROBJECTS)};
  const std::vector<CElementContainer*> all = Elements(false);
  for (CElementDropList* list : OfType<CElementDropList>(all))
    if (CDropWnd* drop = list->GetDropWnd(); drop && drop->GetScrollBar().m_hWnd)
      held.gdi -= kScrollBarBitmaps, held.user -= 1;
  unsigned long tips = 0;
  for (const platform::Window* w : platform::Desktop::Current().Root().children)
    tips += w->owner == m_gallery->ScrollBar().GetVMWindow() && w->children.empty() &&
            !::IsWindowVisible(w->Handle());
  held.user -= std::min<unsigned long>(tips, OfType<CElementTree>(all).size());
  return held;
}

std::vector<CElementContainer*> SoakWorld::Elements(bool shownOnly) const {
  return GalleryElements(*m_gallery, shownOnly);
}

POINT SoakWorld::Target(uint32_t how, uint32_t u, uint32_t v) {
  return Aim(*m_gallery, CRect(0, 0, m_screen.Width(), m_screen.Height()), how, u, v);
}

void SoakWorld::Drag(const Event& e) {
  const POINT from = Target(e.a, e.b, e.c), to = Target(e.d, e.c ^ e.a, e.b ^ e.d);
  m_screen.MouseDown(from.x, from.y);
  for (int step = 1; step <= 3; ++step)
    m_screen.MouseMove(from.x + (to.x - from.x) * step / 3, from.y + (to.y - from.y) * step / 3);
  // Off the window and back, with time passing out there (auto-scrolling, repeats).
  if (e.d & 1) {
    m_screen.MouseMove(-20, to.y), m_screen.PumpUntilIdle();
    m_screen.AdvanceTime(Pick(kDelays, e.b >> 8)), m_screen.MouseMove(to.x, to.y);
  }
  m_screen.MouseUp(to.x, to.y);
}

void SoakWorld::Apply(const Event& e) {
  const POINT p = e.kind <= Kind::Wheel && e.kind != Kind::Drag ? Target(e.a, e.b, e.c) : POINT{};
  switch (e.kind) {
    case Kind::Move: m_screen.MouseMove(p.x, p.y); break;
    case Kind::DoubleClick: m_screen.Click(p.x, p.y); [[fallthrough]];
    case Kind::Click: m_screen.Click(p.x, p.y); break;
    case Kind::RightClick: m_screen.Click(p.x, p.y, platform::MouseButton::Right); break;
    case Kind::Press: m_screen.MouseDown(p.x, p.y); break;
    case Kind::Release: m_screen.MouseUp(p.x, p.y); break;
    case Kind::Drag: Drag(e); break;
    case Kind::Wheel:
      m_screen.MouseMove(p.x, p.y), m_screen.MouseWheel((e.d & 1 ? 1 : -1) * WHEEL_DELTA * int(1 + e.d / 2 % 3));
      break;
    case Kind::Key:
      if (const UINT modifier = Pick(kModifiers, e.b)) m_screen.KeyDown(modifier);
      m_screen.KeyPress(Pick(kKeys, e.a));
      if (const UINT modifier = Pick(kModifiers, e.b)) m_screen.KeyUp(modifier);
      break;
    case Kind::Text: m_screen.TypeText(Pick(kTexts, e.a)); break;
    case Kind::Ime: m_screen.ImeResult(Pick(kTexts, e.a)); break;
    case Kind::Time: m_screen.AdvanceTime(Pick(kDelays, e.a)); break;
    case Kind::Resize:  // now and then to a size no surface can have, which the screen refuses
      if (e.c % 16 == 0) m_screen.Resize(int(e.a % 3) - 1, int(e.b % 40));
      else m_screen.Resize(120 + int(e.a % 1300), 90 + int(e.b % 900));
      break;
    // what the host does between events
    case Kind::Enable: Flip(Elements(false), m_disabled, e); break;
    case Kind::Show: Flip(Elements(false), m_hidden, e); break;
    case Kind::SetText:
      if (const auto all = Elements(false); !all.empty()) all[e.c % all.size()]->SetText(Pick(kTexts, e.b));
      break;
    case Kind::Items: ChangeItems(Elements(false), e); break;
    case Kind::Date:
      // Mostly real days, some that no calendar has.
      for (CElementDatePicker* picker : OfType<CElementDatePicker>(Elements(false)))
        picker->SetDate(e.b % 4 ? int(19000000 + e.c % 2000 * 10000 + e.d % 13 * 100 + e.a % 32) : int(e.c));
      break;
    case Kind::Theme:
      LoadTheme(m_dark = !m_dark);
      ::InvalidateRect(m_gallery->ScrollBar().GetVMWindow(), nullptr, TRUE);
      break;
    case Kind::Rebuild:
      m_gallery.reset(), m_hidden.clear(), m_disabled.clear();
      m_gallery = std::make_unique<GalleryWindow>(kBoardWidth);
      break;
  }
  m_screen.PumpUntilIdle();
}

bool SoakWorld::Settle() {
  m_screen.KeyPress(VK_ESCAPE), m_screen.PumpUntilIdle();
  const auto spot = EmptySpot(*m_gallery, CRect(0, 0, m_screen.Width(), m_screen.Height()));
  if (!spot) return false;
  m_screen.MouseUp(spot->x, spot->y), m_screen.Click(spot->x, spot->y), m_screen.PumpUntilIdle();
  return true;
}

std::optional<std::string> SoakWorld::Check(bool settled) {
  return CheckGallery(*m_gallery, settled);
}

}  // namespace soak
