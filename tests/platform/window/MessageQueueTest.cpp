// Sending and posting, the queue's order and filters, and the end of the loop.
#include "tests/platform/window/WindowTesting.h"

namespace trellis::test {
namespace {

class MessageQueue : public WindowTest {};

TEST_F(MessageQueue, SendRunsNowWhilePostWaitsForThePump) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  On(w, WM_APP, [w](WPARAM, LPARAM) {
    PostMessageW(w, WM_APP + 1, 0, 0);
    SendMessageW(w, WM_APP + 2, 0, 0);
    return LRESULT(5);
  });
  ClearLog();
  EXPECT_EQ(SendMessageW(w, WM_APP, 0, 0), 5);
  EXPECT_EQ(MessagesTo(w), (std::vector<UINT>{WM_APP, WM_APP + 2}));
  PostMessageW(w, WM_APP + 3, 0, 0);
  screen.PumpUntilIdle();
  EXPECT_EQ(MessagesTo(w), (std::vector<UINT>{WM_APP, WM_APP + 2, WM_APP + 1, WM_APP + 3}));
}

TEST_F(MessageQueue, PeekFiltersByWindowAndRangeAndCanLeaveTheMessage) {
  HWND a = Make(WS_POPUP, {0, 0, 10, 10});
  HWND b = Make(WS_POPUP, {0, 0, 10, 10});
  PostMessageW(a, WM_APP, 1, 0);
  PostMessageW(b, WM_APP + 5, 2, 0);
  PostMessageW(nullptr, WM_APP + 9, 3, 0);
  MSG msg{};
  EXPECT_TRUE(PeekMessageW(&msg, b, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, WM_APP + 1, WM_APP + 9, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 2u);
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.wParam, 1u);
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.hwnd, nullptr);
  EXPECT_EQ(msg.wParam, 3u);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_FALSE(PeekMessageW(nullptr, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, PostedMessagesComeBeforeInputAndInputBeforePaint) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  screen.PumpUntilIdle();
  InvalidateRect(w, nullptr, FALSE);
  screen.MouseMove(10, 10);
  PostMessageW(w, WM_APP, 0, 0);
  ClearLog();
  screen.PumpUntilIdle();
  EXPECT_EQ(MessagesTo(w, {WM_APP, WM_MOUSEMOVE, WM_PAINT}),
            (std::vector<UINT>{WM_APP, WM_MOUSEMOVE, WM_PAINT}));
}

TEST_F(MessageQueue, PaintIsOfferedUntilValidated) {
  HWND w = Make(WS_POPUP | WS_VISIBLE, {0, 0, 100, 100});
  screen.PumpUntilIdle();
  MSG msg{};
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  InvalidateRect(w, nullptr, FALSE);
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(msg.message, UINT(WM_PAINT));
  EXPECT_TRUE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));  // still invalid
  ValidateRect(w, nullptr);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
  // A hidden window's invalid area waits until it shows.
  ShowWindow(w, SW_HIDE);
  InvalidateRect(w, nullptr, FALSE);
  EXPECT_FALSE(PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(MessageQueue, QuitEndsTheLoopWithItsCode) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  PostMessageW(w, WM_APP, 0, 0);
  PostQuitMessage(3);
  MSG msg{};
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), TRUE);
  EXPECT_EQ(msg.message, WM_APP);
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), FALSE);
  EXPECT_EQ(msg.message, WM_QUIT);
  EXPECT_EQ(msg.wParam, 3u);
  // Headless, an empty queue can never fill by itself: GetMessage fails instead of hanging.
  EXPECT_EQ(GetMessageW(&msg, nullptr, 0, 0), -1);
  PostQuitMessage(4);
  EXPECT_FALSE(screen.PumpUntilIdle());
  EXPECT_EQ(screen.QuitCode(), 4);
}

TEST_F(MessageQueue, AMessageThatRepostsItselfDoesNotHangThePump) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  On(w, WM_APP, [w](WPARAM, LPARAM) {
    PostMessageW(w, WM_APP, 0, 0);
    return LRESULT(0);
  });
  PostMessageW(w, WM_APP, 0, 0);
  EXPECT_FALSE(screen.PumpUntilIdle());
}

TEST_F(MessageQueue, MessagesForADestroyedWindowAreDropped) {
  HWND w = Make(WS_POPUP, {0, 0, 10, 10});
  PostMessageW(w, WM_APP, 0, 0);
  DestroyWindow(w);
  ClearLog();
  EXPECT_TRUE(screen.PumpUntilIdle());
  EXPECT_TRUE(MessagesTo(w).empty());
}

}  // namespace
}  // namespace trellis::test
