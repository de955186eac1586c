#include "apps/gallery/GalleryWindow.h"

#include <algorithm>
#include <climits>
#include <optional>

#include "apps/gallery/Pages.h"
#include "host/CGlobalEnv.h"

namespace {

// Where a scroll bar's request moves an offset that shows `page` pixels; nothing for a request
// that moves nothing. The offset is clamped later.
std::optional<int> Requested(WPARAM wParam, int offset, int page, int line) {
  switch (LOWORD(wParam)) {
    case SB_LEFT: return 0;
    case SB_RIGHT: return INT_MAX;
    case SB_LINELEFT: return offset - line;
    case SB_LINERIGHT: return offset + line;
    case SB_PAGELEFT: return offset - page;
    case SB_PAGERIGHT: return offset + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return HIWORD(wParam);
    default: return std::nullopt;
  }
}

}  // namespace

// The top-level window: it takes the screen's size, turns the wheel turns nobody else wanted
// into scrolling and hears the side bar.
class GalleryWindow::Viewport : public CElementHostWnd {
 public:
  explicit Viewport(GalleryWindow& owner) : m_owner(owner) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    switch (message) {
      case WM_DISPLAYCHANGE:
        MoveWindow(0, 0, LOWORD(lParam), HIWORD(lParam));
        return 0;
      case WM_MOUSEWHEEL: {
        const int step = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA * kWheelRows * kRowPixels;
        if (GET_KEYSTATE_WPARAM(wParam) & MK_SHIFT)
          m_owner.ScrollSidewaysTo(m_owner.SideOffset() - step);
        else
          m_owner.ScrollTo(m_owner.ScrollOffset() - step);
        return 0;
      }
      case WM_HSCROLL: {
        const auto to = Requested(wParam, m_owner.SideOffset(), m_owner.m_room.cx, kRowPixels);
        if (to) m_owner.ScrollSidewaysTo(*to);
        return 0;
      }
      case WM_SIZE: {
        const LRESULT result = CElementHostWnd::WindowProc(message, wParam, lParam);
        m_owner.Layout();
        return result;
      }
      default: return CElementHostWnd::WindowProc(message, wParam, lParam);
    }
  }

 private:
  GalleryWindow& m_owner;
};

// The scroll bar's parent element, which hears its reports.
class GalleryWindow::BarColumn : public CElementContainer {
 public:
  explicit BarColumn(GalleryWindow& owner) : m_owner(owner) {}

 protected:
  int OnControlMessage(DWORD, UINT msg, WPARAM wParam, LPARAM lParam) override {
    if (msg != WM_ELEMENT_VSCROLL || wParam != VSCROLL_REPORT_FIRST_ROW) return 0;
    m_owner.ScrollTo(int(lParam) * kRowPixels);
    return 1;
  }

 private:
  GalleryWindow& m_owner;
};

// The board's window: a key that moved the focus (Tab, say) brings the new focus into view.
class GalleryWindow::BoardHost : public CElementHostWnd {
 public:
  explicit BoardHost(GalleryWindow& owner) : m_owner(owner) {}

 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    CElementContainer* before = Host() ? Host()->Focus() : nullptr;
    const LRESULT result = CElementHostWnd::WindowProc(message, wParam, lParam);
    CElementContainer* after = Host() ? Host()->Focus() : nullptr;
    if (message == WM_KEYDOWN && after && after != before)
      m_owner.Reveal(after->GetContainerRect());
    return result;
  }

 private:
  GalleryWindow& m_owner;
};

namespace {
void SetKeyboardOperation(bool on) {
  if (const CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv()) env->SetKeyboardOperation(on);
}
}  // namespace

GalleryWindow::GalleryWindow(int boardWidth)
    : m_viewport(std::make_unique<Viewport>(*this)),
      m_column(std::make_unique<BarColumn>(*this)),
      m_boardWnd(std::make_unique<BoardHost>(*this)) {
  const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  m_viewport->CreateHost(L"Trellis gallery", screen, WS_POPUP | WS_VISIBLE);
  // A gallery to use from the keyboard too: on before the controls are made, as they decide
  // then whether they take keys (CGlobalEnv.h); off again with the window.
  SetKeyboardOperation(true);

  _CONTAINER_INFO info;
  info.SetSize(kBarWidth, screen.Height());
  info.SetParent(m_viewport->Root());
  m_column->InitObject(L"scroll column", &info);
  info.SetParent(m_column.get());
  m_bar.InitObject(L"scroll bar", &info);
  m_bar.InitVScrollBar(VSCROLL_STYLE_ARROWS | VSCROLL_STYLE_FRAME);
  m_bar.SetWidth(kBarWidth);
  m_sideBar.Create(WS_CHILD | SBS_HORZ, CRect(0, 0, screen.Width(), kBarWidth), m_viewport.get(),
                   0);

  m_view.CreateHost(L"view", screen, WS_CHILD | WS_VISIBLE, m_viewport->GetSafeHwnd());
  m_boardWnd->CreateHost(L"board", CRect(0, 0, boardWidth, 1), WS_CHILD | WS_VISIBLE,
                         m_view.GetSafeHwnd());
  m_board = std::make_unique<GalleryBoard>(m_boardWnd->Root(), boardWidth, true);
  BuildAllPages(*m_board);
  Layout();
}

GalleryWindow::~GalleryWindow() {
  m_board.reset();
  m_bar.ReleaseObject();
  m_column->ReleaseObject();
  SetKeyboardOperation(false);
}

CElementHostWnd& GalleryWindow::BoardWindow() { return *m_boardWnd; }

void GalleryWindow::Layout() {
  if (!m_board) return;  // the viewport is sized before there is a board
  CRect client;
  m_viewport->GetClientRect(&client);
  const CSize extent = m_board->Extent();
  // Each bar takes room from the other's direction, so one may bring the other.
  bool down = false, across = false;
  for (int pass = 0; pass < 2; ++pass) {
    down = extent.cy > client.Height() - (across ? kBarWidth : 0);
    across = extent.cx > client.Width() - (down ? kBarWidth : 0);
  }
  m_room = CSize(std::max(0, client.Width() - (down ? kBarWidth : 0)),
                 std::max(0, client.Height() - (across ? kBarWidth : 0)));
  m_view.MoveWindow(0, 0, m_room.cx, m_room.cy);

  m_column->MoveContainer(client.Width() - kBarWidth, 0, kBarWidth, m_room.cy);
  m_bar.MoveContainer(0, 0, kBarWidth, m_room.cy);
  m_bar.SetRowNumber((extent.cy + kRowPixels - 1) / kRowPixels);
  m_bar.SetPageSize(m_room.cy / kRowPixels);
  m_column->Show(down, 0);

  m_sideBar.MoveWindow(0, m_room.cy, m_room.cx, kBarWidth);
  SCROLLINFO range{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 0, int(extent.cx) - 1,
                   UINT(m_room.cx), 0, 0};
  m_sideBar.SetScrollInfo(&range);
  m_sideBar.ShowWindow(across ? SW_SHOW : SW_HIDE);
  PlaceBoard();
}

void GalleryWindow::ScrollTo(int offset) {
  m_nOffset = offset;
  PlaceBoard();
}

void GalleryWindow::ScrollSidewaysTo(int offset) {
  m_nSideOffset = offset;
  PlaceBoard();
}

void GalleryWindow::PlaceBoard() {
  const CSize extent = m_board->Extent();
  m_nOffset = std::clamp(m_nOffset, 0, std::max(0, int(extent.cy) - int(m_room.cy)));
  m_nSideOffset = std::clamp(m_nSideOffset, 0, std::max(0, int(extent.cx) - int(m_room.cx)));
  const CRect wanted(CPoint(-m_nSideOffset, -m_nOffset), extent);
  CRect place;
  m_boardWnd->GetWindowRect(&place);
  m_view.ScreenToClient(&place);
  if (place != wanted) m_boardWnd->MoveWindow(&wanted);
  // A row the bar cannot show exactly (the last, partial one) shows as the nearest below.
  m_bar.UpdateThumbPos((m_nOffset + kRowPixels - 1) / kRowPixels);
  m_bar.InvalidContainerRect(0, nullptr);
  SCROLLINFO pos{sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, m_nSideOffset, 0};
  m_sideBar.SetScrollInfo(&pos);
}

void GalleryWindow::Reveal(const CRect& place) {
  // Room for the caption under a cell and a little more.
  constexpr int kMargin = GalleryBoard::kCaptionHeight + GalleryBoard::kGap;
  const auto follow = [](int offset, int from, int to, int room) {
    if (to + kMargin > offset + room) offset = to + kMargin - room;
    return std::min(offset, from - kMargin);
  };
  m_nOffset = follow(m_nOffset, place.top, place.bottom, m_room.cy);
  m_nSideOffset = follow(m_nSideOffset, place.left, place.right, m_room.cx);
  PlaceBoard();
}
