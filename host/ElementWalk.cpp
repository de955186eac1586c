// The walk that painting and hit testing share.
#include "host/ElementWalk.h"

#include <algorithm>

std::vector<PlacedElement> PaintOrder(CElementContainer* root) {
  std::vector<PlacedElement> order;
  if (!root->IsActive()) return order;
  root->EnsureLaidOut();
  const CRect all = root->GetDrawRect();
  std::vector<PlacedElement> stack{{root, all, all}};
  while (!stack.empty()) {
    const PlacedElement placed = stack.back();
    stack.pop_back();
    order.push_back(placed);
    const auto& children = placed.element->GetChildren();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
      CElementContainer* child = *it;
      if (!child->IsActive()) continue;
      child->EnsureLaidOut();
      CRect place = child->GetRectInParent();
      place.OffsetRect(placed.place.left, placed.place.top);
      stack.push_back({child, place, place & placed.visible});
    }
  }
  std::stable_sort(order.begin(), order.end(), [](const PlacedElement& a, const PlacedElement& b) {
    return a.element->GetLayer() < b.element->GetLayer();
  });
  return order;
}

CElementContainer* TopmostAt(const std::vector<PlacedElement>& order, POINT pt) {
  for (auto it = order.rbegin(); it != order.rend(); ++it)
    if (it->visible.PtInRect(pt)) return it->element;
  return nullptr;
}
