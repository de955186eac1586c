#include "datepicker/CMonthCal32.h"

#include "datepicker/DateValue.h"

IMPLEMENT_DYNAMIC(CMonthCal32, CMonthCalCtrl)

namespace {
constexpr DWORD kPopupStyle = WS_POPUP | WS_CLIPSIBLINGS | WS_BORDER;
}  // namespace

BOOL CMonthCal32::CreatePopup(CWnd* owner, CWnd* fallbackOwner) {
  if (m_hWnd) return FALSE;
  CWnd* chosen = owner && owner->m_hWnd ? owner : fallbackOwner;
  if (!chosen || !::IsWindow(chosen->m_hWnd)) return FALSE;
  const HWND hwnd = ::CreateWindowExW(0, MONTHCAL_CLASSW, L"", kPopupStyle, 0, 0, 0, 0,
                                      chosen->m_hWnd, nullptr, nullptr, nullptr);
  if (!hwnd) return FALSE;
  if (!SubclassWindow(hwnd)) {
    ::DestroyWindow(hwnd);
    return FALSE;
  }
  return TRUE;
}

void CMonthCal32::ApplyColors(COLORREF background, COLORREF text, COLORREF shade) {
  SetColor(MCSC_BACKGROUND, background);
  SetColor(MCSC_MONTHBK, background);
  SetColor(MCSC_TITLETEXT, background);
  SetColor(MCSC_TEXT, text);
  SetColor(MCSC_TITLEBK, text);
  SetColor(MCSC_TRAILINGTEXT, shade);
}

int CMonthCal32::GetCurSelDate(int unchanged) const {
  SYSTEMTIME st{};
  if (!m_hWnd || !GetCurSel(&st)) return unchanged;
  const int value = DateFromSystemTime(st);
  return value ? value : unchanged;
}

BOOL CMonthCal32::SetCurSelDate(int value) {
  SYSTEMTIME st{};
  if (!m_hWnd || !SystemTimeFromDate(value, &st)) return FALSE;
  return SetCurSel(&st);
}

LRESULT CMonthCal32::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KILLFOCUS && m_pInterop) {
    m_pInterop->OnLostFocus();
    return 0;
  }
  return CMonthCalCtrl::WindowProc(message, wParam, lParam);
}

BOOL CMonthCal32::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) {
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (message == WM_NOTIFY && header && header->code == MCN_SELECT && m_pInterop) {
    m_pInterop->DateSelected();
    if (result) *result = 0;
    return TRUE;
  }
  return CMonthCalCtrl::OnChildNotify(message, wParam, lParam, result);
}
