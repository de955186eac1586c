// The edit box in every look, for the gallery.
#pragma once

#include "apps/gallery/GalleryBoard.h"

void BuildEditPage(GalleryBoard& board);
