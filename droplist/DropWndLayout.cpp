#include "droplist/DropWndLayout.h"

#include <algorithm>

int DropWndLayout::PopupHeight(int itemCount, int pageCount) {
  const int rows = std::clamp(itemCount, 0, PageRows(pageCount));
  return rows * kRowHeight + 2 * kBorder;
}

RECT DropWndLayout::PlacePopup(const RECT& control, int height, const RECT& desktop) {
  RECT popup{control.left, 0, control.right, 0};
  if (control.bottom - kBorder + height <= desktop.bottom) {
    popup.top = control.bottom - kBorder;
    popup.bottom = popup.top + height;
  } else {
    popup.bottom = control.top + kBorder;
    popup.top = popup.bottom - height;
  }
  return popup;
}

DropWndLayout::Parts DropWndLayout::SplitClient(const RECT& client, int itemCount, int rowHeight) {
  Parts parts;
  const long long total = static_cast<long long>(std::max(itemCount, 0)) * std::max(rowHeight, 1);
  const int inner = client.bottom - client.top - 2 * kBorder;
  parts.scrollShown = inner < total;
  const int listRight = parts.scrollShown ? client.right - kScrollWidth : client.right - kBorder;
  parts.list = {client.left + kBorder, client.top + kBorder,
                std::max(listRight, client.left + kBorder), client.bottom - kBorder};
  if (parts.list.bottom < parts.list.top) parts.list.bottom = parts.list.top;
  // The bar runs from the top border down to the bottom one, covering the right border.
  if (parts.scrollShown)
    parts.scroll = {client.right - kScrollWidth, client.top, client.right, client.bottom};
  return parts;
}

int DropWndLayout::VisibleRows(int viewHeight, int rowHeight) {
  return std::max(viewHeight, 0) / std::max(rowHeight, 1);
}

int DropWndLayout::FirstRowFor(int selection, int itemCount, int visibleRows) {
  const int lastTop = std::max(itemCount - std::max(visibleRows, 1), 0);
  return std::clamp(selection, 0, lastTop);
}

int DropWndLayout::ArrowTarget(UINT vk, int top, int current, int visibleRows, int itemCount) {
  if (itemCount <= 0 || (vk != VK_UP && vk != VK_DOWN)) return -1;
  const int last = top + std::max(visibleRows, 1) - 1;
  if (current < top || current > last) return std::clamp(top, 0, itemCount - 1);
  const int target = vk == VK_UP ? current - 1 : current + 1;
  return target >= 0 && target < itemCount ? target : -1;
}
