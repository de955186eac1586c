#include "platform/backend/headless/HeadlessScreen.h"

#include <utility>

#include "platform/window/Desktop.h"
#include "platform/window/MessageLoop.h"

namespace platform::headless {

HeadlessScreen::HeadlessScreen(int width, int height) { Desktop::Reset(width, height); }

HeadlessScreen::~HeadlessScreen() {
  Desktop::Reset(Desktop::kDefaultWidth, Desktop::kDefaultHeight);
}

int HeadlessScreen::Width() const { return Desktop::Current().Width(); }
int HeadlessScreen::Height() const { return Desktop::Current().Height(); }
void HeadlessScreen::Resize(int width, int height) { Desktop::Current().Resize(width, height); }

void HeadlessScreen::Queue(RawInput input) { Desktop::Current().input.Push(std::move(input)); }

void HeadlessScreen::MoveIfElsewhere(int x, int y) {
  const POINT at = Desktop::Current().input.Cursor();
  if (at.x != x || at.y != y) MouseMove(x, y);
}

void HeadlessScreen::MouseMove(int x, int y) {
  RawInput input;
  input.kind = RawInput::Kind::MouseMove;
  input.pt = {x, y};
  Queue(input);
}

void HeadlessScreen::MouseDown(int x, int y, MouseButton button) {
  MoveIfElsewhere(x, y);
  RawInput input;
  input.kind = RawInput::Kind::ButtonDown;
  input.pt = {x, y};
  input.button = button;
  Queue(input);
}

void HeadlessScreen::MouseUp(int x, int y, MouseButton button) {
  MoveIfElsewhere(x, y);
  RawInput input;
  input.kind = RawInput::Kind::ButtonUp;
  input.pt = {x, y};
  input.button = button;
  Queue(input);
}

void HeadlessScreen::Click(int x, int y, MouseButton button) {
  MouseDown(x, y, button);
  MouseUp(x, y, button);
}

void HeadlessScreen::MouseWheel(int delta) {
  RawInput input;
  input.kind = RawInput::Kind::Wheel;
  input.pt = Desktop::Current().input.Cursor();
  input.wheelDelta = delta;
  Queue(input);
}

void HeadlessScreen::KeyDown(UINT vk) {
  RawInput input;
  input.kind = RawInput::Kind::KeyDown;
  input.vk = vk;
  Queue(input);
}

void HeadlessScreen::KeyUp(UINT vk) {
  RawInput input;
  input.kind = RawInput::Kind::KeyUp;
  input.vk = vk;
  Queue(input);
}

void HeadlessScreen::KeyPress(UINT vk) {
  KeyDown(vk);
  KeyUp(vk);
}

void HeadlessScreen::TypeText(std::wstring_view text) {
  for (wchar_t ch : text) {
    RawInput input;
    input.kind = RawInput::Kind::Char;
    input.ch = ch;
    Queue(input);
  }
}

void HeadlessScreen::ImeComposition(std::wstring_view text, int caret, int targetStart,
                                    int targetLength) {
  RawInput input;
  input.kind = RawInput::Kind::ImeComposition;
  input.text = text;
  input.imeCaret = caret;
  input.imeTargetStart = targetStart;
  input.imeTargetLength = targetLength;
  Queue(std::move(input));
}

void HeadlessScreen::ImeResult(std::wstring_view text) {
  RawInput input;
  input.kind = RawInput::Kind::ImeResult;
  input.text = text;
  Queue(std::move(input));
}

void HeadlessScreen::KeyboardFocus(bool gained) {
  RawInput input;
  input.kind = gained ? RawInput::Kind::FocusGained : RawInput::Kind::FocusLost;
  Queue(input);
}

ULONGLONG HeadlessScreen::Now() const { return Desktop::Current().Now(); }

void HeadlessScreen::AdvanceTime(DWORD milliseconds) {
  Desktop& desktop = Desktop::Current();
  const ULONGLONG target = desktop.Now() + milliseconds;
  PumpUntilIdle();
  // Taking a WM_TIMER restarts its period from the current time, so each step moves forward.
  for (auto due = desktop.timers.NextDue(); due && *due <= target; due = desktop.timers.NextDue()) {
    desktop.SetNow(*due);
    if (!PumpUntilIdle()) return;
  }
  desktop.SetNow(target);
  PumpUntilIdle();
}

bool HeadlessScreen::PumpUntilIdle() { return platform::PumpUntilIdle(); }

int HeadlessScreen::QuitCode() const { return Desktop::Current().quitCode.value_or(0); }

void HeadlessScreen::FixLocalTime(const SYSTEMTIME& now) { Desktop::Current().fixedLocalTime = now; }

COLORREF HeadlessScreen::PixelAt(int x, int y) {
  const Surface& s = Composed();
  if (x < 0 || y < 0 || x >= s.Width() || y >= s.Height()) return CLR_INVALID;
  return ColorFromPixel(s.Row(y)[x]);
}

const Surface& HeadlessScreen::Composed() { return Desktop::Current().Compose(); }

}  // namespace platform::headless
