/// @class CElementDatePicker
/// A windowless date field: a framed box showing one date as "year-month-day" and, at its right
/// edge, a drop button (a CElementButtonSys) whose click opens a month calendar pop-up
/// (CMonthCal32). The date is one integer, year * 10000 + month * 100 + day (DateValue.h); it
/// changes only through the calendar and SetDate. It takes no keys of its own; with the
/// environment's keyboard operation on (CGlobalEnv.h), F4 or Alt+Down on the focused drop button
/// opens the calendar, and Space or Enter there clicks the button.
///
/// What happens, and what the parent hears (WM_NOTIFY with an NMHDR of the picker's id):
///
/// @code{.unparsed}
///  event                               effect                                   notice, wParam
///  drop button clicked, enabled,       the calendar opens under the field (above DTN_DROPDOWN, 0,
///  calendar not shown                  without room), set to the date            before the window
///                                                                                exists
///  day picked in the calendar          calendar hidden, the day read and stored  DTN_DATETIMECHANGE,
///                                      (one that is not a date is refused),      the date, also
///                                      calendar destroyed                        when unchanged
///  the calendar loses the focus (a     calendar hidden and destroyed             DTN_CLOSEUP, 0
///  click elsewhere, Escape)
///  click on the field                  nothing, and nothing is held              -
///  SetDate(valid)                      stored, shown, the open calendar follows  -
///  disable, enable                     the button and the calendar window        DTN_CLOSEUP, 0,
///                                      follow; a disabled calendar loses the     when it was open
///                                      focus, which closes it
///  ReleaseObject, destructor           the calendar closed and destroyed once    -
/// @endcode
///
/// Every notice goes out last, once the picker is done with itself (ElementWatch.h). The opening
/// has more to do after DTN_DROPDOWN and after showing the calendar, and a pick after hiding it:
/// each watches the picker across that call and goes no further when it has ended there.
///
/// Copies share the drop button (one more reference) and each has its own calendar.
///
/// Set-up: InitObject() (it makes the drop button, a child with the picker's id), then
/// SetDate().
/// The calendar's month and weekday names are Chinese. How to read each notice (DTN_DROPDOWN,
/// DTN_DATETIMECHANGE with the date in wParam, DTN_CLOSEUP): the
/// @ref index "notification reference".
#pragma once

#include <memory>

#include "button/CElementButtonSys.h"
#include "datepicker/CMonthCal32.h"
#include "datepicker/ICalInterop.h"
#include "host/CElementControl.h"
#include "platform/com/CComPtr.h"

class CElementDatePicker : public CElementControl, public ICalInterop {
 public:
  /// A picker showing today's date (0 when the clock cannot be read), in the theme's colours.
  CElementDatePicker();
  ///@{
  /// A copy has the date and colours; it shares the drop button and has its own calendar.
  CElementDatePicker(const CElementDatePicker& other);
  CElementDatePicker& operator=(const CElementDatePicker& other);
  ///@}
  /// Closes and destroys the calendar once, silently.
  ~CElementDatePicker() override;

  /// The date shown, year * 10000 + month * 100 + day (20261215 for 15 December 2026); split
  /// it with SplitDate (DateValue.h). It is also the wParam of DTN_DATETIMECHANGE.
  int GetDate() const { return m_nDate; }

  /// A drop list whose value is the date as the field shows it ("2026-12-7"), with a pop-up,
  /// expanded while the calendar is shown; its default action ("Open") clicks the drop button,
  /// which is its child.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;
  /// Clicks the drop button.
  HRESULT DoAccessibleAction(int item) override;
  /// The calendar while it is shown: its month as a table of days.
  std::vector<CComPtr<IAccessible>> GetAccessiblePopups() const override;
  /// 1 and a repaint for a valid date; 0, changing nothing, otherwise. No notice.
  int SetDate(int date);
  /// No reference is taken for the caller.
  CElementButtonSys* GetDropButton() const { return m_pDropButton; }
  /// Colours the drop button from the palette's "DatePicker.Background" and "DatePicker.Text",
  /// and repaints both. Returns 1.
  int ResetColor();
  /// The field's colour of a part in a state, as the element's; the calendar takes the
  /// background, text and shade colours when it next opens. Returns 1.
  virtual int SetColor(COLORREF color, DWORD part, DWORD state);

  /// 0 for a null creation record.
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;
  /// Closes and destroys the calendar, then leaves the element tree. Returns 1.
  int ReleaseObject() override;

  /// ICalInterop: the calendar's pick and focus loss.
  void DateSelected() override;
  void OnLostFocus() override;

 protected:
  /// Sends the parent WM_NOTIFY with `code` (DTN_*) in an NMHDR and `wParam`.
  void _SendNotify(int code, UINT wParam);

  int OnPaint(CPaintDC* dc) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnLButtonDown(POINT pt) override;
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;
  /// Only with the environment's keyboard operation on (CGlobalEnv.h): F4 or Alt+Down on the
  /// focused drop button opens the calendar as the button's click does.
  int OnChildsProc(CElementContainer* child, UINT msg, WPARAM wParam, LPARAM lParam) override;
  int OnEnable() override;

 private:
  static constexpr UINT kMessages[] = {WM_PAINT, WM_SIZE, WM_LBUTTONDOWN};

  void OpenCalendar();
  /// Hides, then destroys the calendar's window; no notice.
  void CloseCalendar();
  /// The calendar object goes, its window first, without calling back.
  void DestroyCalendar();
  bool IsCalendarShown() const;
  /// The calendar's owner, which hears its picks and reflects them back to it: the host's main
  /// window when it is a window object of ours (only those reflect); null otherwise, and the
  /// picker's own host window owns it.
  static CWnd* MainWindow();
  /// The picker and its calendar show only enabled and disabled.
  DWORD ColorState() const { return IsEnable() ? COLOR_STATE_NORMAL : COLOR_STATE_DISABLE; }
  void Layout();
  void Repaint() { InvalidContainerRect(0, nullptr); }

  int m_nDate = 0;
  std::unique_ptr<CMonthCal32> m_pMonthCal;
  CRect m_rcDropButton;
  CRect m_rcText;
  CComPtr<CElementButtonSys> m_pDropButton;
};
