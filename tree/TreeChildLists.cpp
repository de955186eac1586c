#include "tree/TreeChildLists.h"

std::vector<int>& TreeChildLists::Own(int id) {
  int& list = m_listOf[std::size_t(id)];
  if (list < 0) {
    if (m_unused.empty()) {
      list = int(m_lists.size());
      m_lists.emplace_back();
    } else {
      list = m_unused.back();
      m_unused.pop_back();
    }
  }
  return m_lists[std::size_t(list)];
}

void TreeChildLists::Clear() {
  m_listOf.clear();
  m_lists.clear();
  m_unused.clear();
}

void TreeChildLists::Drop(int id) {
  int& list = m_listOf[std::size_t(id)];
  if (list < 0) return;
  // The memory goes with the record; the slot waits for the next parent.
  std::vector<int>().swap(m_lists[std::size_t(list)]);
  m_unused.push_back(list);
  list = -1;
}

void TreeChildLists::Move(int from, int to) {
  Drop(to);
  m_listOf[std::size_t(to)] = m_listOf[std::size_t(from)];
  m_listOf[std::size_t(from)] = -1;
}
