// The gallery's picture mode: builds the board on a headless screen, acts out each pose in turn
// and photographs it into one picture.
#pragma once

#include <functional>
#include <string>

#include "apps/gallery/GalleryBoard.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/headless/HeadlessScreen.h"

// Sees each pose once it has settled, before it is photographed; `area` is the screen area the
// photograph takes. Tests look at the poses through it.
using PoseObserver = std::function<void(platform::headless::HeadlessScreen& screen,
                                        const GalleryPose& pose, const CRect& area)>;

// Returns false when the picture cannot be written.
bool PhotographBoard(platform::headless::HeadlessScreen& screen, CElementHostWnd& window,
                     GalleryBoard& board, const std::string& path,
                     const PoseObserver& observe = {});

// "Today" in the pictures, so that they do not change with the date.
inline constexpr SYSTEMTIME kGalleryToday{2026, 12, 2, 15, 10, 0, 0, 0};

// The whole gallery as one picture of the given width, as tall as its pages need.
bool DrawGalleryPicture(int width, const std::string& path, const PoseObserver& observe = {});
