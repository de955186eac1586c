#include "apps/gallery/GalleryWindow.h"

#include <algorithm>

#include "apps/gallery/Pages.h"

// The top-level window: it takes the screen's size and turns the wheel turns nobody else
// wanted into scrolling.
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
        const int notches = GET_WHEEL_DELTA_WPARAM(wParam) / WHEEL_DELTA;
        m_owner.ScrollTo(m_owner.ScrollOffset() - notches * kWheelRows * kRowPixels);
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

GalleryWindow::GalleryWindow(int boardWidth)
    : m_viewport(std::make_unique<Viewport>(*this)), m_column(std::make_unique<BarColumn>(*this)) {
  const CRect screen(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  m_viewport->CreateHost(L"Trellis gallery", screen, WS_POPUP | WS_VISIBLE);

  _CONTAINER_INFO info;
  info.SetSize(kBarWidth, screen.Height());
  info.SetParent(m_viewport->Root());
  m_column->InitObject(L"scroll column", &info);
  info.SetParent(m_column.get());
  m_bar.InitObject(L"scroll bar", &info);
  m_bar.InitVScrollBar(VSCROLL_STYLE_ARROWS | VSCROLL_STYLE_FRAME);
  m_bar.SetWidth(kBarWidth);

  m_boardWnd.CreateHost(L"board", CRect(0, 0, boardWidth, 1), WS_CHILD | WS_VISIBLE,
                        m_viewport->GetSafeHwnd());
  m_board = std::make_unique<GalleryBoard>(m_boardWnd.Root(), boardWidth);
  BuildAllPages(*m_board);
  Layout();
}

GalleryWindow::~GalleryWindow() {
  m_board.reset();
  m_bar.ReleaseObject();
  m_column->ReleaseObject();
}

int GalleryWindow::MaxOffset() const {
  CRect client;
  m_viewport->GetClientRect(&client);
  return std::max(0, int(m_board ? m_board->Extent().cy : 0) - client.Height());
}

void GalleryWindow::Layout() {
  if (!m_board) return;  // the viewport is sized before there is a board
  CRect client;
  m_viewport->GetClientRect(&client);
  const CSize extent = m_board->Extent();
  m_column->MoveContainer(client.Width() - kBarWidth, 0, kBarWidth, client.Height());
  m_bar.MoveContainer(0, 0, kBarWidth, client.Height());
  m_bar.SetRowNumber((extent.cy + kRowPixels - 1) / kRowPixels);
  m_bar.SetPageSize(client.Height() / kRowPixels);
  m_column->Show(extent.cy > client.Height(), 0);
  ScrollTo(m_nOffset);
}

void GalleryWindow::ScrollTo(int offset) {
  m_nOffset = std::clamp(offset, 0, MaxOffset());
  // The board's window stops short of the scroll bar, which it would cover.
  CRect client;
  m_viewport->GetClientRect(&client);
  const CSize extent = m_board->Extent();
  const int room = client.Width() - (m_column->IsActive() ? kBarWidth : 0);
  const int width = std::min(int(extent.cx), room);
  const CRect wanted(0, -m_nOffset, std::max(width, 0), extent.cy - m_nOffset);
  CRect place;
  m_boardWnd.GetWindowRect(&place);
  m_viewport->ScreenToClient(&place);
  if (place != wanted) m_boardWnd.MoveWindow(&wanted);
  // A row the bar cannot show exactly (the last, partial one) shows as the nearest below.
  m_bar.UpdateThumbPos((m_nOffset + kRowPixels - 1) / kRowPixels);
  m_bar.InvalidContainerRect(0, nullptr);
}
