/// @file
/// One walk of the element tree serves painting and hit testing, so the element painted on top
/// at a point is the one that gets the click there.
#pragma once

#include <vector>

#include "host/CElementContainer.h"

/// An element of a walk and where it lies.
struct PlacedElement {
  CElementContainer* element = nullptr;  ///< not owned
  CRect place;    ///< in the coordinates of the walk's root
  CRect visible;  ///< the part of it that its ancestors leave visible
};

/// The shown elements under `root` (itself first) in paint order: by layer, and within a layer
/// parents before children and siblings in their order. A hidden element hides its subtree.
/// Each element is laid out before it is listed.
std::vector<PlacedElement> PaintOrder(CElementContainer* root);

/// The element painted last at a point in the root's coordinates; null outside the root.
CElementContainer* TopmostAt(const std::vector<PlacedElement>& order, POINT pt);
