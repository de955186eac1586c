// The date picker's calendar pop-up: opened under the field by a click on the drop button (or,
// with the environment's keyboard operation on, by F4 or Alt+Down on it), closed by a pick or
// by a loss of the focus.
#include "datepicker/CElementDatePicker.h"

#include "datepicker/CalendarPlacement.h"
#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/ElementWatch.h"
#include "host/ThemeLookup.h"

namespace {
constexpr const wchar_t* kCalendarFont = L"Trade.Info.HSONGTI12";
}  // namespace

int CElementDatePicker::OnControlMessage(DWORD fromId, UINT msg, WPARAM, LPARAM lParam) {
  if (fromId != m_pDropButton->GetID()) return 0;
  const auto* header = reinterpret_cast<const NMHDR*>(lParam);
  if (msg == WM_NOTIFY && header && header->code == BN_CLICKED && IsEnable() && !IsCalendarShown())
    OpenCalendar();
  return 1;
}

int CElementDatePicker::OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam,
                                     LPARAM lParam) {
  if (child != m_pDropButton.p || msg != WM_KEYDOWN || !CGlobalEnv::IsOpenKey(UINT(wParam)) ||
      !CGlobalEnv::KeyboardOperation())
    return CElementControl::OnChildsProc(child, msg, wParam, lParam);
  if (IsEnable() && !IsCalendarShown()) OpenCalendar();
  return 1;
}

void CElementDatePicker::OpenCalendar() {
  // A released picker has no calendar, and one outside any window has nowhere to open it.
  if (!m_pMonthCal || !GetVMWindow()) return;
  if (m_pMonthCal->m_hWnd) m_pMonthCal->DestroyWindow();  // a hidden leftover
  const ElementWatch alive(*this);
  _SendNotify(DTN_DROPDOWN, 0);
  // The parent may have destroyed, released or disabled the picker in the notice, or opened it.
  if (!alive.Alive() || !m_pMonthCal || !GetVMWindow() || !IsEnable() || m_pMonthCal->m_hWnd)
    return;
  CMonthCal32& calendar = *m_pMonthCal;
  if (!calendar.CreatePopup(MainWindow(), GetWndContainer())) return;
  if (ThemePalette()) {
    CFont* font = ThemeFont(kCalendarFont);
    calendar.SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(font ? font->GetSafeHandle() : nullptr),
                         TRUE);
  }
  calendar.SizeMinReq();
  RECT minimum{};
  calendar.GetMinReqRect(&minimum);
  const SIZE screen{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  const CRect field = GetContainerRect();
  POINT corner{field.left, field.top};
  ::ClientToScreen(GetVMWindow(), &corner);
  const RECT onScreen{corner.x, corner.y, corner.x + field.Width(), corner.y + field.Height()};
  const RECT at = PlaceCalendar(
      onScreen, {minimum.right - minimum.left, minimum.bottom - minimum.top}, screen);
  calendar.MoveWindow(at.left, at.top, at.right - at.left, at.bottom - at.top, TRUE);
  const DWORD state = ColorState();
  calendar.ApplyColors(GetColor(COLOR_PART_BACKGROUND, state), GetColor(COLOR_PART_TEXT, state),
                       GetColor(COLOR_PART_SHADE, state));
  // Showing moves the focus, and whoever hears of that may end or release the picker too.
  calendar.ShowWindow(SW_SHOW);
  if (alive.Alive() && m_pMonthCal && m_nDate != 0) m_pMonthCal->SetCurSelDate(m_nDate);
}

CWnd* CElementDatePicker::MainWindow() {
  const CComPtr<CGlobalEnv> env = CGlobalEnv::GetGlobalEnv();
  const HWND main = env ? env->GetMainWindow() : nullptr;
  return main && ::IsWindow(main) ? CWnd::FromHandlePermanent(main) : nullptr;
}

bool CElementDatePicker::IsCalendarShown() const {
  return m_pMonthCal && m_pMonthCal->m_hWnd && m_pMonthCal->IsWindowVisible();
}

void CElementDatePicker::CloseCalendar() {
  // Hidden first: the focus loss that hiding and destroying cause then finds nothing to close.
  m_pMonthCal->ShowWindow(SW_HIDE);
  m_pMonthCal->DestroyWindow();
}

void CElementDatePicker::DestroyCalendar() {
  if (!m_pMonthCal) return;
  m_pMonthCal->m_pInterop = nullptr;
  if (m_pMonthCal->m_hWnd) CloseCalendar();
  m_pMonthCal.reset();
}

void CElementDatePicker::DateSelected() {
  if (!m_pMonthCal || !m_pMonthCal->m_hWnd) return;
  // Hiding hands the focus back, and whoever hears of that may end or release the picker too.
  const ElementWatch alive(*this);
  m_pMonthCal->ShowWindow(SW_HIDE);
  if (!alive.Alive() || !m_pMonthCal) return;
  // A day that is not a date leaves the date as it was.
  const int picked = m_pMonthCal->GetCurSelDate(m_nDate);
  if (picked != m_nDate) {
    m_nDate = picked;
    Repaint();
  }
  m_pMonthCal->DestroyWindow();
  _SendNotify(DTN_DATETIMECHANGE, UINT(m_nDate));
}

void CElementDatePicker::OnLostFocus() {
  // Destroying the window loses the focus once more, by then hidden: this only acts once.
  if (!IsCalendarShown()) return;
  CloseCalendar();
  _SendNotify(DTN_CLOSEUP, 0);
}
