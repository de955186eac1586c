// The date picker: closed on today, on a set date, with the pointer on its drop button,
// disabled, and (in the picture) open with its month calendar.
#include "apps/gallery/DatePickerPage.h"

#include "datepicker/CElementDatePicker.h"

namespace {

constexpr int kPickerWidth = 150;
constexpr int kPickerHeight = 24;
// On the drop button, in the picker's coordinates.
constexpr POINT kDropButton{kPickerWidth - 10, kPickerHeight / 2};
// The calendar opens under the picker, its right edge on the picker's. Its cell keeps the room
// free, so the calendar covers no other control in the picture.
constexpr int kCalendarRoomWidth = 200;
constexpr int kCalendarRoomHeight = 200;

CElementDatePicker* MakePicker(GalleryBoard& board, const wchar_t* caption, int room = 0) {
  auto* picker = board.Make<CElementDatePicker>();
  _CONTAINER_INFO info = board.Cell(kPickerWidth, kPickerHeight + room, caption);
  info.SetSize(kPickerWidth, kPickerHeight);
  picker->InitObject(L"datepicker", &info);
  return picker;
}

}  // namespace

void BuildDatePickerPage(GalleryBoard& board) {
  board.Section(L"Date picker");
  MakePicker(board, L"today");
  MakePicker(board, L"a set date")->SetDate(20260105);
  board.Pose(MakePicker(board, L"hover on the button"), PoseKind::Hover, kDropButton);
  MakePicker(board, L"disabled")->Enable(0);
  if (board.Live()) return;  // every picker above opens the calendar

  CElementDatePicker* open = MakePicker(board, L"open", kCalendarRoomHeight);
  const CRect place = open->GetContainerRect();
  board.PoseCustom(
      open,
      [open](GalleryActor& actor) {
        actor.Press(*open, kDropButton);
        actor.Release(*open, kDropButton);
      },
      [](GalleryActor& actor) { actor.Key(VK_ESCAPE); },
      CRect(place.right - kCalendarRoomWidth, place.top, place.right,
            place.bottom + kCalendarRoomHeight));
}
