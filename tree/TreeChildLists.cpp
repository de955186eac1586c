#include "tree/TreeChildLists.h"

#include <utility>

std::vector<int>& TreeChildLists::Own(int id) {
  m_hasList[std::size_t(id)] = true;
  return m_lists[id];
}

void TreeChildLists::Clear() {
  m_hasList.clear();
  m_lists.clear();
}

void TreeChildLists::Drop(int id) {
  if (!m_hasList[std::size_t(id)]) return;
  m_lists.erase(id);
  m_hasList[std::size_t(id)] = false;
}

void TreeChildLists::Move(int from, int to) {
  Drop(to);
  if (!m_hasList[std::size_t(from)]) return;
  // The list's node changes its key only, so a reference to it stays good.
  auto node = m_lists.extract(from);
  node.key() = to;
  m_lists.insert(std::move(node));
  m_hasList[std::size_t(from)] = false;
  m_hasList[std::size_t(to)] = true;
}
