// The gallery's pages: each lays out one family of controls in every look.
#pragma once

#include "apps/gallery/GalleryBoard.h"

void BuildFrameworkPage(GalleryBoard& board);

// Every page, in the gallery's order.
void BuildAllPages(GalleryBoard& board);
