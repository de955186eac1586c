#include <cstdio>
#include <filesystem>
#include <string>
#include <type_traits>

#include "datepicker/CMonthCal32.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropList.h"
#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "foundation/CUnknown.h"
#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "platform/com/CComPtr.h"
#include "tree/CElementTree.h"

// Hosts that include the counted base by the library's name for it get the framework's class.
static_assert(std::is_base_of_v<CUnknown, CLightCanvas>);

// Code written to the documented interface compiles: the plain names, and a row painter that
// hides one of the drawing helpers and calls them all on its own device context.
static_assert(DROPLIST_NM_DROPDOWN == 1 && DROPLIST_NM_SELECT == 8 && DROPLIST_NM_SELECTDONE == 0);
static_assert(DROPWND_CLR_BACKGROUND == 0 && DROPWND_CLR_TEXT_SELECTED == 4 &&
              std::is_enum_v<ELEMENTDROPWND_CLR>);
static_assert(TREE_TIMER_SHOW == 419 && TREE_TIMER_HIDE == 420);
static_assert(std::is_same_v<decltype(&CDropWnd::PreTranslateMessage), BOOL (CDropWnd::*)(MSG*)>);

class OwnRowPainter : public CTreeItem {
 public:
  void DrawParts(CDC* dc, CRect rc) {
    DrawGradientItem(dc, rc, RGB(0, 0, 0), RGB(0, 0, 70));
    DrawPixLine(rc, dc);
    DrawCheckBox(rc, dc);
    DrawBtnUseBitmap(TREE_STYLE_LINE, rc.left, dc, rc.top);
    DrawFocusItemFrame(dc, rc);
  }

 protected:
  void DrawFocusItemFrame(CDC* dc, CRect& rc) { CTreeItem::DrawFocusItemFrame(dc, rc); }
};

int main() {
  CDC dc;
  dc.CreateCompatibleDC(nullptr);
  CBitmap bitmap;
  bitmap.CreateCompatibleBitmap(&dc, 8, 8);
  CBitmap* old = dc.SelectObject(&bitmap);
  {
    const RECT all{0, 0, 8, 8};
    CMemDC mem(&dc, &all);
    CLightCanvas canvas(&mem);
    canvas.FillRect(all, RGB(1, 2, 3));
    canvas.Restore();
  }
  bool ok = dc.GetPixel(4, 4) == RGB(1, 2, 3);
  OwnRowPainter().DrawParts(&dc, CRect(0, 0, 8, 8));
  CTreeItem::DrawGradient(&dc, CRect(0, 0, 8, 8), RGB(0, 0, 0), RGB(0, 0, 70), 1);
  ok = ok && dc.GetPixel(0, 4) == RGB(0, 0, 0) && dc.GetPixel(7, 4) == RGB(0, 0, 70);
  ok = ok && CMonthCal32().IsKindOf(RUNTIME_CLASS(CWnd));
  dc.SelectObject(old);
  if (!ok) {
    std::puts("consumer: wrong pixel or run-time class");
    return 1;
  }

  // The installed library finds the themes installed beside it, not those of its source tree.
  const std::filesystem::path theme = FindThemeFile(L"default");
  const bool installed = theme.string().find("/share/trellis/themes/") != std::string::npos;
  CComPtr<CThemePalette> palette(new CThemePalette);
  if (!installed || palette->LoadFile(theme)) {
    std::printf("consumer: the installed default theme was not found or not loaded (%s)\n",
                theme.c_str());
    return 1;
  }
  std::puts("consumer: ok");
  return 0;
}
