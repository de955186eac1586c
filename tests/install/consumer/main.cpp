#include <cstdio>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"

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
  std::puts(ok ? "consumer: ok" : "consumer: wrong pixel");
  return ok ? 0 : 1;
}
