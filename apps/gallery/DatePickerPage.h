// The date picker in every look, for the gallery.
#pragma once

#include "apps/gallery/GalleryBoard.h"

void BuildDatePickerPage(GalleryBoard& board);
