// The date picker's life cycle, its date, colours, layout and the handlers that are neither
// painting nor the calendar.
#include "datepicker/CElementDatePicker.h"

#include <string>

#include "datepicker/DatePickerLayout.h"
#include "datepicker/DateValue.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"

namespace {

constexpr ThemeColorRow kThemeFrame[] = {
    {COLOR_PART_FRAME, COLOR_STATE_NORMAL, L"Datepicker.frame.normal"},
    {COLOR_PART_FRAME, COLOR_STATE_HOVER, L"Datepicker.frame.hover"},
};
// The field, and through it the calendar: a dark background, black text, grey days of the
// neighbouring months. Black on that grey is hard to read, so a theme may give the field and its
// text colours of its own; the constants stay for a theme that does not.
constexpr COLORREF kBackground = 0x00424242;
constexpr COLORREF kText = 0x00000000;
constexpr COLORREF kTextBack = 0x00424242;
constexpr COLORREF kTrailingDays = 0x00999999;
constexpr ThemeColorRow kThemeField[] = {
    {COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL, L"Datepicker.field.normal"},
    {COLOR_PART_TEXTBACK, COLOR_STATE_NORMAL, L"Datepicker.field.normal"},
    {COLOR_PART_TEXT, COLOR_STATE_NORMAL, L"Datepicker.fieldtext.normal"},
};

// A black down-pointing triangle, small.
constexpr const wchar_t* kDropGlyph = L"\u25BC";
constexpr LONG kDropGlyphHeight = 9;
constexpr const wchar_t* kDropButtonSuffix = L"_dropbutton";

}  // namespace

CElementDatePicker::CElementDatePicker()
    : m_nDate(TodayOr(0)),
      m_pMonthCal(std::make_unique<CMonthCal32>(this)),
      m_pDropButton(new CElementButtonSys) {
  LoadThemeColors(*this, kThemeFrame);
  CElementControl::SetColor(kBackground, COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL);
  CElementControl::SetColor(kText, COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  CElementControl::SetColor(kTextBack, COLOR_PART_TEXTBACK, COLOR_STATE_NORMAL);
  CElementControl::SetColor(kTrailingDays, COLOR_PART_SHADE, COLOR_STATE_NORMAL);
  LoadDefinedThemeColors(*this, kThemeField);
}

CElementDatePicker::CElementDatePicker(const CElementDatePicker& other)
    : CElementControl(other),
      ICalInterop(other),
      m_nDate(other.m_nDate),
      m_pMonthCal(std::make_unique<CMonthCal32>(this)),
      m_rcDropButton(other.m_rcDropButton),
      m_rcText(other.m_rcText),
      m_pDropButton(other.m_pDropButton) {}

CElementDatePicker& CElementDatePicker::operator=(const CElementDatePicker& other) {
  if (this == &other) return *this;
  CElementControl::operator=(other);
  m_nDate = other.m_nDate;
  m_rcDropButton = other.m_rcDropButton;
  m_rcText = other.m_rcText;
  m_pDropButton = other.m_pDropButton;
  // The calendar stays this picker's own; an open one shows the new date.
  if (m_pMonthCal && m_pMonthCal->m_hWnd) m_pMonthCal->SetCurSelDate(m_nDate);
  return *this;
}

CElementDatePicker::~CElementDatePicker() {
  DestroyCalendar();
}

int CElementDatePicker::SetDate(int date) {
  if (!IsValidDate(date)) return 0;
  m_nDate = date;
  if (m_pMonthCal && m_pMonthCal->m_hWnd) m_pMonthCal->SetCurSelDate(date);
  Repaint();
  return 1;
}

int CElementDatePicker::ResetColor() {
  const COLORREF background = ThemeColor(L"DatePicker.Background");
  const COLORREF text = ThemeColor(L"DatePicker.Text");
  CElementButtonSys& button = *m_pDropButton;
  button.ResetColor();
  for (const DWORD state : {COLOR_STATE_NORMAL, COLOR_STATE_HOVER, COLOR_STATE_PUSH}) {
    button.SetColor(background, COLOR_PART_FRAME, state);
    button.SetColor(background, COLOR_PART_BACKGROUND, state);
  }
  button.SetColor(text, COLOR_PART_TEXT, COLOR_STATE_NORMAL);
  button.SetColor(text, COLOR_PART_TEXT, COLOR_STATE_PUSH);
  // SetShowColor leaves a picture button's colours alone by itself.
  button.SetShowColor(COLOR_STATE_NORMAL);
  button.InvalidContainerRect(0, nullptr);
  Repaint();
  return 1;
}

int CElementDatePicker::SetColor(COLORREF color, DWORD part, DWORD state) {
  CElementControl::SetColor(color, part, state);
  return 1;
}

int CElementDatePicker::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info || !CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  const wchar_t* own = GetName();
  const std::wstring buttonName = std::wstring(own ? own : L"") + kDropButtonSuffix;
  const CRect place = LayoutDatePicker(GetDrawRect()).dropButton;
  _CONTAINER_INFO buttonInfo = *info;
  buttonInfo.SetName(buttonName.c_str());
  buttonInfo.SetParent(this);
  buttonInfo.SetPosition(place.left, place.top);
  buttonInfo.SetSize(place.Width(), place.Height());
  m_pDropButton->InitObject(nullptr, &buttonInfo);
  m_pDropButton->SetText(kDropGlyph);
  LOGFONTW font{};
  m_pDropButton->GetFont(&font);
  font.lfHeight = kDropGlyphHeight;
  m_pDropButton->SetFont(font);
  // Laid out now: a picker made at its final size gets no resize to lay it out by.
  Layout();
  return 1;
}

int CElementDatePicker::ReleaseObject() {
  DestroyCalendar();
  return CElementControl::ReleaseObject();
}

void CElementDatePicker::_SendNotify(int code, UINT wParam) {
  NMHDR header{nullptr, GetID(), UINT(code)};
  SendControlMessage(WM_NOTIFY, wParam, reinterpret_cast<LPARAM>(&header));
}

void CElementDatePicker::Layout() {
  const DatePickerLayout layout = LayoutDatePicker(GetDrawRect());
  m_rcDropButton = layout.dropButton;
  m_rcText = layout.text;
  m_pDropButton->MoveContainer(m_rcDropButton);
}

int CElementDatePicker::OnSize(UINT, int, int) {
  Layout();
  return 1;
}

// A press on the field stops here instead of reaching the parent, and changes nothing: nothing
// is pressed, so nothing may hold the mouse that no release would ever let go.
int CElementDatePicker::OnLButtonDown(POINT) { return 1; }

int CElementDatePicker::OnEnable() {
  CElementControl::OnEnable();
  const int enabled = IsEnable();
  m_pDropButton->Enable(enabled);
  // Last (ElementWatch.h): a disabled calendar loses the focus, which closes it with a notice.
  if (m_pMonthCal && m_pMonthCal->m_hWnd) m_pMonthCal->EnableWindow(enabled);
  return enabled;
}
