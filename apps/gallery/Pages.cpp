#include "apps/gallery/Pages.h"

#include "apps/gallery/ChoicePage.h"
#include "apps/gallery/DatePickerPage.h"
#include "apps/gallery/DropListPage.h"
#include "apps/gallery/EditPage.h"
#include "apps/gallery/TreePage.h"

void BuildAllPages(GalleryBoard& board) {
  BuildFrameworkPage(board);
  board.Section(L"Radio, radio group and system button");
  const CSize size = ChoicePage::Size();
  const POINT origin = board.Area(size.cx, size.cy);
  board.Keep(std::make_shared<ChoicePage>(board.Root(), origin, TRELLIS_GALLERY_IMAGES));
  // The edit box comes last but one: its context menu falls on the menu page's empty space.
  BuildDropListPage(board);
  BuildDatePickerPage(board);
  BuildTreePage(board);
  BuildEditPage(board);
  BuildMenuPage(board);
  board.NumberElements();
}
