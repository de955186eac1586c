#include "platform/controls/StandardClasses.h"

#include "platform/controls/ListBoxControl.h"
#include "platform/controls/MonthCalendar.h"
#include "platform/controls/ScrollBarControl.h"
#include "platform/ime/CompositionWindow.h"
#include "platform/win32/WinCommCtrl.h"

namespace platform {

namespace {

struct StandardClass {
  const wchar_t* name;
  WNDPROC proc;
  int background;  // stock brush, or -1 for none
};

// Each control keeps its state behind the first pointer of its window's extra bytes.
constexpr StandardClass kStandardClasses[] = {
    {WC_LISTBOXW, &ListBoxWndProc, WHITE_BRUSH},
    {WC_SCROLLBARW, &ScrollBarWndProc, -1},
    {MONTHCAL_CLASSW, &MonthCalendarWndProc, -1},
    {kCompositionWindowClass, &CompositionWindowProc, -1},
};

}  // namespace

void RegisterStandardClasses(ClassRegistry& registry) {
  for (const StandardClass& c : kStandardClasses) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = c.proc;
    wc.cbWndExtra = sizeof(void*);
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = c.background >= 0 ? static_cast<HBRUSH>(GetStockObject(c.background)) : nullptr;
    wc.lpszClassName = c.name;
    registry.Register(wc);
  }
}

}  // namespace platform
