#include "apps/gallery/Pages.h"

void BuildAllPages(GalleryBoard& board) { BuildFrameworkPage(board); }
