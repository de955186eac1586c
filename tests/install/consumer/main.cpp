#include <cstdio>
#include <filesystem>
#include <string>
#include <type_traits>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "foundation/CUnknown.h"
#include "host/CThemePalette.h"
#include "host/ThemeFiles.h"
#include "platform/com/CComPtr.h"

// Hosts that include the counted base by the library's name for it get the framework's class.
static_assert(std::is_base_of_v<CUnknown, CLightCanvas>);

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
  const bool ok = dc.GetPixel(4, 4) == RGB(1, 2, 3);
  dc.SelectObject(old);
  if (!ok) {
    std::puts("consumer: wrong pixel");
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
