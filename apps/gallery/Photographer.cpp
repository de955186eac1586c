#include "apps/gallery/Photographer.h"

#include <cstring>

#include "apps/gallery/Pages.h"
#include "platform/image/Png.h"

namespace {

class HeadlessActor : public GalleryActor {
 public:
  HeadlessActor(platform::headless::HeadlessScreen& screen, CElementHostWnd& window)
      : m_screen(screen), m_window(window) {}

  void MoveTo(const CElementContainer& e, POINT pt) override {
    const POINT at = ToScreen(e, pt);
    m_screen.MouseMove(at.x, at.y);
  }
  void Press(const CElementContainer& e, POINT pt) override {
    const POINT at = ToScreen(e, pt);
    m_screen.MouseDown(at.x, at.y);
  }
  void Release(const CElementContainer& e, POINT pt) override {
    const POINT at = ToScreen(e, pt);
    m_screen.MouseUp(at.x, at.y);
  }
  void RightClick(const CElementContainer& e, POINT pt) override {
    const POINT at = ToScreen(e, pt);
    m_screen.Click(at.x, at.y, platform::MouseButton::Right);
  }
  void Key(UINT vk) override { m_screen.KeyPress(vk); }
  void Settle() override {
    m_screen.PumpUntilIdle();
    // Long enough for a caret to show and for double clicks to expire between poses.
    m_screen.AdvanceTime(600);
    m_screen.PumpUntilIdle();
  }
  // Parks the pointer where no element is.
  void Away() { m_screen.MouseMove(m_screen.Width() - 1, m_screen.Height() - 1); }

 private:
  POINT ToScreen(const CElementContainer& e, POINT pt) const {
    const CRect place = e.GetContainerRect();
    POINT at{place.left + pt.x, place.top + pt.y};
    ::ClientToScreen(m_window.m_hWnd, &at);
    return at;
  }

  platform::headless::HeadlessScreen& m_screen;
  CElementHostWnd& m_window;
};

// Copies a rectangle of the screen (screen coordinates) into the picture at the same place
// relative to the window's client origin.
void CopyArea(const platform::Surface& screen, platform::Surface& picture, const CRect& area,
              POINT clientOrigin) {
  CRect r = area;
  r &= CRect(0, 0, screen.Width(), screen.Height());
  for (int y = r.top; y < r.bottom; ++y) {
    const int py = y - clientOrigin.y;
    if (py < 0 || py >= picture.Height()) continue;
    for (int x = r.left; x < r.right; ++x) {
      const int px = x - clientOrigin.x;
      if (px >= 0 && px < picture.Width()) picture.Row(py)[px] = screen.Row(y)[x];
    }
  }
}

}  // namespace

bool PhotographBoard(platform::headless::HeadlessScreen& screen, CElementHostWnd& window,
                     GalleryBoard& board, const std::string& path, const PoseObserver& observe) {
  HeadlessActor actor(screen, window);
  actor.Away();
  actor.Settle();
  CRect client;
  window.GetClientRect(&client);
  POINT origin{0, 0};
  ::ClientToScreen(window.m_hWnd, &origin);
  platform::Surface picture;
  if (!picture.Allocate(client.Width(), client.Height())) return false;
  CopyArea(screen.Composed(), picture, CRect(origin, client.Size()), origin);

  for (const GalleryPose& pose : board.Poses()) {
    CElementContainer& e = *pose.element;
    switch (pose.kind) {
      case PoseKind::Hover: actor.MoveTo(e, pose.point); break;
      case PoseKind::Pushed: actor.Press(e, pose.point); break;
      case PoseKind::Focused: e.SetFocus(); break;
      case PoseKind::Custom: pose.act(actor); break;
    }
    actor.Settle();
    CRect area = pose.area.IsRectEmpty() ? e.GetContainerRect() : pose.area;
    area.OffsetRect(origin);
    if (observe) observe(screen, pose, area);
    CopyArea(screen.Composed(), picture, area, origin);
    switch (pose.kind) {
      case PoseKind::Pushed: actor.Release(e, {-10000, -10000}); break;
      case PoseKind::Focused: window.Host()->SetFocus(nullptr); break;
      case PoseKind::Custom: pose.undo(actor); break;
      default: break;
    }
    actor.Away();
    actor.Settle();
  }
  return platform::SavePng(picture, path);
}

bool DrawGalleryPicture(int width, const std::string& path, const PoseObserver& observe) {
  // Room below the last section for the menu it opens.
  constexpr int kPopupRoom = 150;
  constexpr int kScreenHeight = 2000;
  constexpr int kInset = 20;
  platform::headless::HeadlessScreen screen(width + 2 * kInset, kScreenHeight);
  // Today, as the date picker shows it and its calendar marks it, is the same in every picture.
  screen.FixLocalTime(kGalleryToday);
  CElementHostWnd window;
  window.CreateHost(L"Trellis gallery", CRect(kInset, kInset, kInset + width, kInset + 100));
  GalleryBoard board(window.Root(), width);
  BuildAllPages(board);
  const int height = std::min(board.Extent().cy + kPopupRoom, kScreenHeight - 2 * kInset);
  CRect frame;
  window.GetWindowRect(&frame);
  window.MoveWindow(frame.left, frame.top, frame.Width(), frame.Height() - 100 + height);
  return PhotographBoard(screen, window, board, path, observe);
}
