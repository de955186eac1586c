#include "tests/support/HostFixture.h"

#include <algorithm>
#include <string>

#include "host/CGlobalEnv.h"
#include "platform/win32/WinCommCtrl.h"
#include "tests/support/Pixels.h"

namespace trellis::test {
namespace {

using Screen = platform::headless::HeadlessScreen;

// A press, release or click at a point of an element, then everything it causes.
void ButtonAt(HostFixture& f, const CElementContainer& e, int x, int y,
              void (Screen::*input)(int, int, platform::MouseButton),
              platform::MouseButton button = platform::MouseButton::Left) {
  const POINT pt = f.ScreenPoint(e, x, y);
  (f.screen.*input)(pt.x, pt.y, button);
  f.Pump();
}

}  // namespace

std::vector<UINT> RecordingParent::NotifyCodes() const {
  std::vector<UINT> codes;
  for (const Notice& n : notices)
    if (n.msg == WM_NOTIFY) codes.push_back(n.code);
  return codes;
}

std::vector<std::pair<DWORD, UINT>> RecordingParent::Notifications() const {
  std::vector<std::pair<DWORD, UINT>> heard;
  for (const Notice& n : notices) {
    EXPECT_TRUE(n.msg == WM_NOTIFY && n.wParam == 0);
    heard.push_back({n.from, n.code});
  }
  return heard;
}

void RecordingParent::ReactOnce(std::function<bool(const Notice&)> matches,
                                std::function<void()> act) {
  reacted = false;
  react = [this, matches = std::move(matches), act = std::move(act)](Notice n) {
    if (!reacted && matches(n)) reacted = true, act();
  };
}

int RecordingParent::OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) {
  const UINT code = msg == WM_NOTIFY && lParam ? reinterpret_cast<const NMHDR*>(lParam)->code : 0;
  notices.push_back({fromId, msg, wParam, lParam, code});
  if (react) react(notices.back());
  return 1;
}

HostFixture::HostFixture() { OpenWindow(); }

void HostFixture::OpenWindow() {
  window.CreateHost(L"test host",
                    CRect(kWindowX, kWindowY, kWindowX + kWindowWidth, kWindowY + kWindowHeight));
  _CONTAINER_INFO info;
  info.SetSize(kWindowWidth, kWindowHeight);
  info.SetParent(window.Root());
  parent.InitObject(L"parent", &info);
  Pump();
}

void HostFixture::ExpectWindowEnded() {
  EXPECT_FALSE(::IsWindow(window.m_hWnd));
  EXPECT_EQ(window.Host(), nullptr);
  screen.Click(kWindowX + 40, kWindowY + 40);
  Pump();
}

HostFixture::~HostFixture() {
  window.DestroyWindow();
  // Each test starts from the default environment, whatever the previous one installed.
  CGlobalEnv::ResetGlobalEnv();
}

_CONTAINER_INFO HostFixture::Info(int x, int y, int cx, int cy, DWORD id, ULONG_PTR style) {
  _CONTAINER_INFO info;
  info.SetPosition(x, y);
  info.SetSize(cx, cy);
  info.SetId(id);
  info.SetStyle(style);
  info.SetParent(&parent);
  return info;
}

POINT HostFixture::ScreenPoint(const CElementContainer& element, int x, int y) const {
  const CRect place = element.GetContainerRect();
  POINT pt{place.left + x, place.top + y};
  // An element may live in another host window of the test (one nested in `window`, say).
  const HWND host = element.GetVMWindow();
  ::ClientToScreen(host ? host : window.m_hWnd, &pt);
  return pt;
}

void HostFixture::MoveTo(const CElementContainer& e, int x, int y) {
  const POINT pt = ScreenPoint(e, x, y);
  screen.MouseMove(pt.x, pt.y);
  Pump();
}

void HostFixture::Press(const CElementContainer& e, int x, int y) {
  ButtonAt(*this, e, x, y, &Screen::MouseDown);
}
void HostFixture::Release(const CElementContainer& e, int x, int y) {
  ButtonAt(*this, e, x, y, &Screen::MouseUp);
}
void HostFixture::Click(const CElementContainer& e, int x, int y) {
  ButtonAt(*this, e, x, y, &Screen::Click);
}
void HostFixture::RightClick(const CElementContainer& e, int x, int y) {
  ButtonAt(*this, e, x, y, &Screen::Click, platform::MouseButton::Right);
}

void HostFixture::Key(UINT vk) { screen.KeyPress(vk), Pump(); }
void HostFixture::Type(std::wstring_view text) { screen.TypeText(text), Pump(); }

COLORREF HostFixture::PixelAt(const CElementContainer& e, int x, int y) {
  Pump();
  const POINT pt = ScreenPoint(e, x, y);
  return screen.PixelAt(pt.x, pt.y);
}

std::vector<COLORREF> HostFixture::Shown(const CElementContainer& e, const RECT& rect) {
  return Colors(ScreenPart(screen, CRect(rect) + ScreenPoint(e, 0, 0)));
}

int HostFixture::PixelsOtherThan(const CElementContainer& e, const RECT& rect, COLORREF color) {
  const std::vector<COLORREF> shown = Shown(e, rect);
  return int(std::count_if(shown.begin(), shown.end(), [color](COLORREF c) { return c != color; }));
}

HWND OpenCalendar() {
  const HWND focus = ::GetFocus();
  wchar_t name[32]{};
  ::GetClassNameW(focus, name, 32);
  return std::wstring(name) == MONTHCAL_CLASSW && ::IsWindowVisible(focus) ? focus : nullptr;
}

}  // namespace trellis::test
