// MFC's month calendar control object over the platform's "SysMonthCal32" window class
// (platform/win32/WinCommCtrl.h describes the control and its messages).
#pragma once

#include "platform/mfc/CWnd.h"
#include "platform/win32/WinCommCtrl.h"

class CMonthCalCtrl : public CWnd {
  DECLARE_DYNAMIC(CMonthCalCtrl)

 public:
  // A child calendar, as MFC's Create makes one.
  BOOL Create(DWORD style, const RECT& rect, CWnd* parent, UINT id) {
    return CWnd::Create(MONTHCAL_CLASSW, nullptr, style, rect, parent, id);
  }

  BOOL GetCurSel(LPSYSTEMTIME out) const {
    return BOOL(::SendMessageW(m_hWnd, MCM_GETCURSEL, 0, reinterpret_cast<LPARAM>(out)));
  }
  BOOL SetCurSel(const SYSTEMTIME* date) {
    return BOOL(SendMessage(MCM_SETCURSEL, 0, reinterpret_cast<LPARAM>(date)));
  }
  COLORREF GetColor(int index) const {
    return COLORREF(::SendMessageW(m_hWnd, MCM_GETCOLOR, WPARAM(index), 0));
  }
  COLORREF SetColor(int index, COLORREF color) {
    return COLORREF(SendMessage(MCM_SETCOLOR, WPARAM(index), LPARAM(color)));
  }
  BOOL GetMinReqRect(LPRECT out) const {
    return BOOL(::SendMessageW(m_hWnd, MCM_GETMINREQRECT, 0, reinterpret_cast<LPARAM>(out)));
  }
  // Gives the window its minimum size, keeping its position.
  BOOL SizeMinReq(BOOL repaint = TRUE) {
    RECT r{};
    if (!GetMinReqRect(&r)) return FALSE;
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    if (repaint) Invalidate(FALSE);
    return TRUE;
  }
  // A null limit leaves that side open.
  BOOL SetRange(const SYSTEMTIME* min, const SYSTEMTIME* max) {
    SYSTEMTIME limits[2]{};
    WPARAM flags = 0;
    if (min) {
      limits[0] = *min;
      flags |= GDTR_MIN;
    }
    if (max) {
      limits[1] = *max;
      flags |= GDTR_MAX;
    }
    return BOOL(SendMessage(MCM_SETRANGE, flags, reinterpret_cast<LPARAM>(limits)));
  }
  // The GDTR_ flags of the limits that exist; each is stored through its non-null pointer.
  DWORD GetRange(LPSYSTEMTIME min, LPSYSTEMTIME max) const {
    SYSTEMTIME limits[2]{};
    const auto flags = DWORD(::SendMessageW(m_hWnd, MCM_GETRANGE, 0, reinterpret_cast<LPARAM>(limits)));
    if (min && (flags & GDTR_MIN)) *min = limits[0];
    if (max && (flags & GDTR_MAX)) *max = limits[1];
    return flags;
  }
};
