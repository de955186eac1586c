// The framework's message routing, driven as a user would: input at screen coordinates
// through the host window, the platform clock, and pixels read back.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "host/CElementHost.h"
#include "platform/mfc/CPaintDC.h"
#include "tests/support/HostFixture.h"

using trellis::test::HostFixture;

namespace {

// Logs each handler call as a short line, so tests can check order as well as arrival.
class Probe : public CElementControl {
 public:
  std::vector<std::string> log;
  CRect lastClip;
  CPoint lastOrigin;
  LRESULT dialogCode = 0;  // the answer to WM_GETDLGCODE
  int paints = 0;
  COLORREF fill = RGB(0, 128, 0);
  int inset = 0;  // how far inside its edges the paint stops

  using CElementContainer::RegisterMessage;

 protected:
  int OnLButtonDown(POINT pt) override { return Note("down", pt); }
  int OnLButtonUp(POINT pt) override { return Note("up", pt); }
  int OnDBClick(int, POINT pt) override { return Note("dbl", pt); }
  int OnRButtonDown(POINT pt) override { return Note("rdown", pt); }
  int OnMouseWheel(UINT, int delta, POINT) override { return Note("wheel" + std::to_string(delta)); }
  int OnSize(UINT, int cx, int cy) override { return Note("size", {cx, cy}); }
  int OnWindowProc(UINT msg, WPARAM, LPARAM, POINT) override {
    return msg == WM_GETDLGCODE ? int(dialogCode) : 0;
  }
  int OnMouseMove(int x, int y, DWORD) override { return Note("move", {x, y}); }
  int OnMouseLeave() override { return Note("leave"); }
  int OnSetFocus(int gained) override { return Note(gained ? "focus" : "blur"); }
  int OnTimer(DWORD id) override { return Note("timer" + std::to_string(id)); }
  // Leaves every key unhandled, so the framework's own key handling may follow.
  int OnKeyDown(UINT vk, UINT, UINT) override { Note("key" + std::to_string(vk)); return 0; }
  int OnChar(UINT ch, int, int) override { return Note("char" + std::to_string(ch)); }
  int OnUserMessage(UINT msg, WPARAM w, LPARAM) override {
    return Note("user" + std::to_string(msg) + ":" + std::to_string(w));
  }
  int OnPaint(CPaintDC* dc) override {
    dc->GetClipBox(&lastClip);
    lastOrigin = dc->GetViewportOrg();
    CRect all = GetDrawRect();
    all.DeflateRect(inset, inset);
    dc->FillSolidRect(&all, fill);
    ++paints;
    return 1;
  }

 private:
  int Note(const std::string& what, POINT pt) {
    return Note(what + "@" + std::to_string(pt.x) + "," + std::to_string(pt.y));
  }
  int Note(const std::string& what) { log.push_back(what); return 1; }
};

class Routing : public HostFixture {
 protected:
  // A probe at (x, y) in its owner that registered exactly the given messages.
  void Place(Probe& p, int x, int y, int cx, int cy, std::initializer_list<UINT> msgs, DWORD id = 0,
             CElementContainer* owner = nullptr) {
    _CONTAINER_INFO info = Info(x, y, cx, cy, id);
    if (owner) info.SetParent(owner);
    p.InitObject(L"probe", &info);
    for (UINT m : msgs) p.RegisterMessage(m);
    Pump();
    p.log.clear();
  }
};

}  // namespace

using Log = std::vector<std::string>;

TEST_F(Routing, OnlyRegisteredMessagesArriveCaptureKeepsTheMouseAndHoverEndsWhenItGoes) {
  Probe p, other;
  Place(p, 10, 10, 50, 30, {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE});
  Place(other, 100, 10, 50, 30, {WM_MOUSEMOVE, WM_LBUTTONUP});
  Press(p, 5, 5);
  p.SetCapture();
  MoveTo(other, 10, 10);
  Release(other, 10, 10);
  // Points stay in the capturing element's coordinates, outside it too; the pointer has left it
  // all the same.
  EXPECT_EQ(p.log, (Log{"move@5,5", "down@5,5", "leave", "move@100,10", "up@100,10"}));
  p.ReleaseCapture();
  Click(other, 11, 10);  // its press is not registered
  screen.MouseMove(700, 500);  // leaving the window altogether
  Pump();
  EXPECT_EQ(other.log, (Log{"move@11,10", "up@11,10", "leave"}));  // nothing while captured
  // Hover ends too when another window takes the mouse.
  MoveTo(other, 5, 5);
  CElementHostWnd elsewhere;
  ASSERT_TRUE(elsewhere.CreateHost(L"elsewhere", CRect(600, 500, 650, 550)));
  ::SetCapture(elsewhere.m_hWnd);
  MoveTo(other, 6, 6);
  EXPECT_EQ(other.log, (Log{"move@11,10", "up@11,10", "leave", "move@5,5", "leave"}));
  ::ReleaseCapture();
}

TEST_F(Routing, FocusTakesTheKeysAndTabMovesItBeforeTheElementSeesItUnlessItAsks) {
  Probe a, b, disabled, hidden, c;
  Place(a, 10, 10, 50, 30, {WM_SETFOCUS, WM_KEYDOWN, WM_CHAR});
  Place(disabled, 60, 10, 50, 30, {WM_SETFOCUS});
  Place(b, 110, 10, 50, 30, {WM_SETFOCUS, WM_KEYDOWN, WM_CHAR});
  Place(hidden, 160, 10, 50, 30, {WM_SETFOCUS});
  Place(c, 210, 10, 50, 30, {WM_KEYDOWN});  // takes no focus
  disabled.Enable(0);
  hidden.Show(0, 0);
  a.SetFocus();
  Key('X');
  Key(VK_TAB);
  EXPECT_TRUE(b.IsFocus());
  // Neither the Tab key nor its character reached anyone.
  EXPECT_EQ(a.log, (Log{"focus", "key88", "char120", "blur"}));
  EXPECT_EQ(b.log, (Log{"focus"}));
  Key(VK_TAB);  // wraps around
  EXPECT_TRUE(a.IsFocus());
  screen.KeyDown(VK_SHIFT);
  Key(VK_TAB);
  screen.KeyUp(VK_SHIFT);
  EXPECT_TRUE(b.IsFocus());
  // An element that asks for Tab keeps the focus and gets the key.
  b.dialogCode = DLGC_WANTTAB;
  b.RegisterMessage(WM_GETDLGCODE);
  b.log.clear();
  Key(VK_TAB);
  EXPECT_TRUE(b.IsFocus());
  EXPECT_EQ(b.log, (Log{"key9", "char9"}));
}

TEST_F(Routing, TheSecondPressOfADoubleClickIsAPressUnlessDoubleClicksAreRegistered) {
  Probe presses, doubles;
  Place(presses, 10, 10, 50, 30, {WM_LBUTTONDOWN, WM_RBUTTONDOWN});
  Place(doubles, 100, 10, 50, 30, {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK});
  for (Probe* p : {&presses, &doubles}) {
    Click(*p, 5, 5);
    Click(*p, 5, 5);
    RightClick(*p, 6, 6);
    RightClick(*p, 6, 6);
    Advance(1000);
  }
  EXPECT_EQ(presses.log, (Log{"down@5,5", "down@5,5", "rdown@6,6", "rdown@6,6"}));
  EXPECT_EQ(doubles.log, (Log{"down@5,5", "dbl@5,5"}));
}

TEST_F(Routing, PaintGetsTheOriginAndInvalidPartAndTheElementPaintedOnTopGetsTheClick) {
  // A child on a lower layer than its parent is painted under it, and so lies under it.
  Probe over, under, sibling;
  Place(over, 10, 20, 80, 60, {WM_PAINT, WM_LBUTTONDOWN});
  Place(sibling, 10, 20, 80, 60, {WM_LBUTTONDOWN});
  under.fill = RGB(200, 0, 0);
  Place(under, 10, 10, 30, 20, {WM_PAINT, WM_LBUTTONDOWN}, 0, &over);
  over.SetLayer(5);
  under.SetLayer(1);
  sibling.SetLayer(1);
  Pump();
  over.InvalidContainerRect(0, CRect(50, 5, 60, 15));
  over.paints = 0;
  Pump();
  ASSERT_EQ(over.paints, 1);
  EXPECT_EQ(over.lastClip, CRect(50, 5, 60, 15));
  EXPECT_EQ(over.lastOrigin, CPoint(10, 20));
  EXPECT_NE(PixelAt(over, 80, 0), RGB(0, 128, 0));  // the paint stops at the element's edge
  Click(over, 15, 15);
  EXPECT_EQ(over.log, (Log{"down@15,15"}));
  EXPECT_TRUE(under.log.empty() && sibling.log.empty());
  // And what shows there is the parent's paint.
  EXPECT_EQ(PixelAt(over, 15, 15), RGB(0, 128, 0));
  // A hidden element lets clicks through.
  over.Show(0, 0);
  Advance(1000);  // not a double click
  Click(sibling, 4, 4);
  EXPECT_EQ(sibling.log, (Log{"down@4,4"}));
}

// Elements that paint every pixel of their rectangle spare the host the background under them.
// Seeded random places, some overlapping, some beyond the window, one not opaque: after
// every move, each pixel shows the topmost element over it, or else the window's background.
TEST_F(Routing, TheBackgroundShowsWhereNoElementPaintsAndNowhereElse) {
  constexpr unsigned kSeed = 20261207;
  std::mt19937 random(kSeed);
  const auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
  // Straight on the window's root, the fixture's parent out of sight: nothing else paints.
  parent.Show(0, 0);
  Probe probes[4];
  const COLORREF fills[] = {RGB(200, 0, 0), RGB(0, 0, 200), RGB(0, 160, 0), RGB(90, 90, 0)};
  for (int k = 0; k < 4; ++k) {
    probes[k].fill = fills[k];
    // The last one leaves a ring unpainted, and says so.
    probes[k].SetOpaque(k != 3);
    probes[k].inset = k == 3 ? 3 : 0;
    Place(probes[k], 0, 0, 10, 10, {WM_PAINT}, 0, window.Root());
  }
  const COLORREF background = window.Root()->GetColor(COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  const CRect client = window.Root()->GetDrawRect();
  for (int round = 0; round < 30; ++round) {
    CRect places[4];
    for (int k = 0; k < 4; ++k) {
      const int x = pick(client.Width() + 40) - 20, y = pick(client.Height() + 40) - 20;
      places[k] = CRect(x, y, x + 8 + pick(160), y + 8 + pick(120));
      probes[k].MoveContainer(places[k]);
    }
    const std::vector<COLORREF> shown = Shown(*window.Root(), client);
    for (int y = 0; y < client.Height(); ++y) {
      for (int x = 0; x < client.Width(); ++x) {
        COLORREF expected = background;
        for (int k = 0; k < 4; ++k) {
          CRect painted = places[k];
          painted.DeflateRect(probes[k].inset, probes[k].inset);
          if (painted.PtInRect({x, y})) expected = fills[k];
        }
        ASSERT_EQ(shown[std::size_t(y * client.Width() + x)], expected)
            << "seed " << kSeed << ", round " << round << ", at " << x << "," << y;
      }
    }
  }
}

TEST_F(Routing, TheWheelGoesToTheElementUnderThePointerOrOverAPopupToTheFocus) {
  Probe under, focused;
  Place(under, 10, 10, 100, 60, {WM_MOUSEWHEEL});
  Place(focused, 150, 10, 50, 30, {WM_MOUSEWHEEL, WM_SETFOCUS});
  focused.SetFocus();
  MoveTo(under, 5, 5);
  screen.MouseWheel(-WHEEL_DELTA);
  Pump();
  // A pop-up of another window now lies over `under`; the host keeps the keyboard focus.
  CElementHostWnd popup;
  const POINT corner = ScreenPoint(under, 0, 0);
  ASSERT_TRUE(popup.CreateHost(L"popup", CRect(corner.x, corner.y, corner.x + 60, corner.y + 40)));
  ::SetFocus(window.m_hWnd);
  MoveTo(under, 6, 6);
  screen.MouseWheel(WHEEL_DELTA);
  Pump();
  EXPECT_EQ(under.log, (std::vector<std::string>{"wheel-120"}));
  EXPECT_EQ(focused.log, (std::vector<std::string>{"focus", "wheel120"}));
}

TEST_F(Routing, AnElementMadeAtItsFinalSizeIsLaidOutBeforeItIsFirstSeen) {
  Probe p;
  _CONTAINER_INFO info = Info(10, 10, 40, 20);
  p.InitObject(L"probe", &info);
  p.RegisterMessage(WM_SIZE);
  Pump();
  p.MoveContainer(10, 10, 40, 20);  // the same size: nothing to lay out
  p.MoveContainer(10, 10, 50, 20);
  EXPECT_EQ(p.log, (Log{"size@40,20", "size@50,20"}));
}

#if !defined(NDEBUG) && defined(__GNUC__) && !defined(__clang__)
TEST_F(Routing, ADebugBuildNamesHandlersThatCanNeverRun) {
  Probe p;
  testing::internal::CaptureStderr();
  Place(p, 10, 10, 50, 30, {WM_PAINT, WM_LBUTTONDOWN, WM_LBUTTONUP, WM_MOUSEMOVE, WM_SETFOCUS,
                            WM_KEYDOWN, WM_CHAR, WM_LBUTTONDBLCLK, WM_RBUTTONDOWN, WM_SIZE,
                            WM_MOUSEWHEEL});
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  Probe q;
  testing::internal::CaptureStderr();
  Place(q, 60, 10, 50, 30, {WM_PAINT});
  const std::string named = testing::internal::GetCapturedStderr();
  EXPECT_NE(named.find("OnLButtonDown"), std::string::npos);
  EXPECT_NE(named.find("OnSize"), std::string::npos);
  EXPECT_EQ(named.find("OnPaint"), std::string::npos);
}
#endif

TEST_F(Routing, ElementsReachEachOtherById) {
  Probe a, b;
  Place(a, 10, 10, 50, 30, {}, 11);
  Place(b, 60, 10, 50, 30, {}, 12);
  a.SendMessageW(12, WM_USER + 1, 5, 0);
  EXPECT_EQ(b.log, (Log{"user1025:5"}));
  EXPECT_EQ(a.SendMessageW(99, WM_USER, 0, 0), 0);  // nobody has that id
}

TEST_F(Routing, TimersTickAndStopAndAnElementThatGoesLeavesNothingBehind) {
  auto* p = new Probe;
  Probe released;
  Place(*p, 10, 10, 50, 30, {WM_LBUTTONDOWN, WM_SETFOCUS, WM_TIMER});
  Place(released, 60, 10, 50, 30, {WM_TIMER});
  p->StartTimer(7, 100);
  Advance(350);
  p->StopTimer(7);
  Advance(500);
  EXPECT_EQ(p->log, (Log{"timer7", "timer7", "timer7"}));
  // A released element's timers die with its place in the window.
  released.StartTimer(8, 50);
  released.ReleaseObject();
  Advance(200);
  EXPECT_TRUE(released.log.empty());
  // Destroyed while focused, captured and timing.
  p->SetFocus();
  p->SetCapture();
  p->StartTimer(1, 10);
  delete p;
  EXPECT_EQ(window.Host()->Focus(), nullptr);
  EXPECT_EQ(window.Host()->Capture(), nullptr);
  screen.Click(40, 50);
  Key(VK_SPACE);
  Advance(100);
}
