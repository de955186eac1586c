// The drop lists in every look, for the gallery.
#pragma once

#include "apps/gallery/GalleryBoard.h"

void BuildDropListPage(GalleryBoard& board);
