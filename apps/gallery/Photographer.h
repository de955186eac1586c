// The gallery's picture mode: builds the board on a headless screen, acts out each pose in turn
// and photographs it into one picture.
#pragma once

#include <string>

#include "apps/gallery/GalleryBoard.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

// Returns false when the picture cannot be written.
bool PhotographBoard(platform::headless::HeadlessScreen& screen, CElementHostWnd& window,
                     GalleryBoard& board, const std::string& path);
