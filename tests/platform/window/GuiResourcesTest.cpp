// GetGuiResources: the process's GDI and USER counts and their peaks follow every object made
// and destroyed; shared objects count for nobody; bad arguments are refused.
#include <functional>
#include <random>
#include <sstream>
#include <vector>

#include "platform/win32/WinBase.h"
#include "platform/win32/WinImm.h"
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

using GuiResources = WindowTest;

DWORD Count(DWORD flags) { return GetGuiResources(GetCurrentProcess(), flags); }

// One kind of object: what making one adds to each count, and how to make and destroy it.
struct Maker {
  const char* name;
  DWORD gdi, user;
  std::function<void*()> make;
  std::function<BOOL(void*)> destroy;
};

BOOL DeleteGdi(void* h) { return DeleteObject(static_cast<HGDIOBJ>(h)); }
HWND MakeWindow(DWORD style, HWND parent = nullptr) {
  return CreateWindowExW(0, kPlainClass, L"", style, 1, 1, 30, 20, parent, nullptr, nullptr,
                         nullptr);
}

BOOL Destroy(void* h) { return DestroyWindow(static_cast<HWND>(h)); }

const std::vector<Maker>& Makers() {
  static const std::vector<Maker> makers = {
      {"pen", 1, 0, []() -> void* { return CreatePen(PS_SOLID, 2, RGB(1, 2, 3)); },
       DeleteGdi},
      {"brush", 1, 0, []() -> void* { return CreateSolidBrush(RGB(4, 5, 6)); },
       DeleteGdi},
      {"font", 1, 0,
       []() -> void* {
         LOGFONTW lf{};
         lf.lfHeight = -12;
         return CreateFontIndirectW(&lf);
       },
       DeleteGdi},
      {"bitmap", 1, 0, []() -> void* { return CreateBitmap(3, 2, 1, 32, nullptr); },
       DeleteGdi},
      {"region", 1, 0, []() -> void* { return CreateRectRgn(0, 0, 5, 5); }, DeleteGdi},
      {"memory dc", 1, 0, []() -> void* { return CreateCompatibleDC(nullptr); },
       [](void* h) { return DeleteDC(static_cast<HDC>(h)); }},
      {"screen dc", 1, 0, []() -> void* { return GetDC(nullptr); },
       [](void* h) { return BOOL(ReleaseDC(nullptr, static_cast<HDC>(h))); }},
      {"window", 0, 1, []() -> void* { return MakeWindow(WS_POPUP); },
       Destroy},
      // Destroying the parent takes its child along.
      {"window with a child", 0, 2,
       []() -> void* {
         const HWND top = MakeWindow(WS_POPUP | WS_VISIBLE);
         MakeWindow(WS_CHILD | WS_VISIBLE, top);
         return top;
       },
       Destroy},
  };
  return makers;
}

struct Counts {
  DWORD gdi, user, gdiPeak, userPeak;
  bool operator==(const Counts&) const = default;
};

Counts Now() {
  return {Count(GR_GDIOBJECTS), Count(GR_USEROBJECTS), Count(GR_GDIOBJECTS_PEAK),
          Count(GR_USEROBJECTS_PEAK)};
}

std::ostream& operator<<(std::ostream& out, const Counts& c) {
  return out << "gdi " << c.gdi << " (peak " << c.gdiPeak << "), user " << c.user << " (peak "
             << c.userPeak << ")";
}

// Seeded makes and destroys of every kind, the counts checked against a model after each step:
// a count is what lives, a peak the most that ever lived at once.
TEST_F(GuiResources, CountsAndPeaksFollowEveryObjectMadeAndDestroyed) {
  constexpr unsigned kSeed = 26;
  std::mt19937 random(kSeed);
  struct Live {
    const Maker* maker;
    void* handle;
  };
  std::vector<Live> live;
  Counts model = Now();
  ASSERT_GE(model.gdiPeak, model.gdi);
  ASSERT_GE(model.userPeak, model.user);
  std::ostringstream steps;
  for (int step = 0; step < 400; ++step) {
    // Growing for the first half, so the peaks move; shrinking to nothing after.
    const bool grow = live.empty() || random() % 100 < (step < 200 ? 70u : 30u);
    if (grow) {
      const Maker& maker = Makers()[random() % Makers().size()];
      void* handle = maker.make();
      ASSERT_TRUE(handle) << maker.name;
      live.push_back({&maker, handle});
      model.gdi += maker.gdi, model.user += maker.user;
      steps << " +" << maker.name;
    } else {
      const auto it = live.begin() + random() % live.size();
      ASSERT_TRUE(it->maker->destroy(it->handle)) << it->maker->name;
      model.gdi -= it->maker->gdi, model.user -= it->maker->user;
      steps << " -" << it->maker->name;
      live.erase(it);
    }
    model.gdiPeak = std::max(model.gdiPeak, model.gdi);
    model.userPeak = std::max(model.userPeak, model.user);
    ASSERT_EQ(Now(), model) << "seed " << kSeed << ", step " << step << ":" << steps.str();
  }
  for (const Live& l : live) l.maker->destroy(l.handle);
}

// Objects every process shares (stock objects, system cursors, the desktop and its input
// context) count for nobody, and deleting a stock object changes nothing.
TEST_F(GuiResources, SharedObjectsCountForNobody) {
  const Counts before = Now();
  for (int stock : {WHITE_BRUSH, NULL_PEN, SYSTEM_FONT, DEFAULT_GUI_FONT})
    EXPECT_TRUE(DeleteObject(GetStockObject(stock)));
  const HDC dc = CreateCompatibleDC(nullptr);  // holds the shared 1x1 bitmap
  DeleteDC(dc);
  EXPECT_TRUE(LoadCursorW(nullptr, IDC_IBEAM));
  EXPECT_TRUE(ImmGetContext(GetDesktopWindow()));
  EXPECT_EQ(Now().gdi, before.gdi);
  EXPECT_EQ(Now().user, before.user);
}

// The current process's pseudo handle is the only process there is; the flags are one of four.
TEST_F(GuiResources, RefusesOtherProcessesAndFlags) {
  const HANDLE others[] = {nullptr, reinterpret_cast<HANDLE>(-2), reinterpret_cast<HANDLE>(4)};
  for (HANDLE process : others) {
    SetLastError(0);
    EXPECT_EQ(GetGuiResources(process, GR_GDIOBJECTS), 0u);
    EXPECT_EQ(GetLastError(), ERROR_INVALID_HANDLE);
  }
  const HWND window = Make(WS_POPUP, {0, 0, 10, 10});  // so that no count is 0 by chance
  for (DWORD flags : {3u, 5u, 8u, 0xFFFFFFFFu}) {
    SetLastError(0);
    EXPECT_EQ(Count(flags), 0u) << flags;
    EXPECT_EQ(GetLastError(), ERROR_INVALID_PARAMETER) << flags;
  }
  EXPECT_GE(Count(GR_USEROBJECTS), 1u);
  DestroyWindow(window);
}

}  // namespace
}  // namespace trellis::test
