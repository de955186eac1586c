// The tree view in both styles, for the gallery.
#pragma once

#include "apps/gallery/GalleryBoard.h"

void BuildTreePage(GalleryBoard& board);
