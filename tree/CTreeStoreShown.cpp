// The list of shown items, in the order the rows appear.
#include "tree/CTreeStore.h"

#include <algorithm>

#include "tree/TreeWalk.h"

void CTreeStore::CalcShowItems() {
  // The entries set last time sit at the ids shown last time, whatever those ids name now.
  for (const int id : m_vecShowItems)
    if (std::size_t(id) < m_vecShowPos.size()) m_vecShowPos[std::size_t(id)] = -1;
  m_vecShowPos.resize(m_vecItems.size(), -1);
  m_vecShowItems.clear();
  for (const int top : m_vecChildren[0]) {
    m_vecShowItems.push_back(top);
    SearchItems(top, m_vecChildren[top]);
  }
  m_nShowCount = int(m_vecShowItems.size());
  for (int k = 0; k < m_nShowCount; ++k)
    m_vecShowPos[std::size_t(m_vecShowItems[std::size_t(k)])] = k;
  if (m_nFirstShow >= m_nShowCount) m_nFirstShow = 0;
}

int CTreeStore::SearchItems(int id, const std::vector<int>& list) {
  if (!IsItem(id) || list.empty() || m_vecItems[id].nOpen != 1) return 0;
  if (!std::all_of(list.begin(), list.end(), [this](int c) { return IsItem(c); })) return 0;
  WalkDown(
      m_vecChildren, list, [this](int c) { m_vecShowItems.push_back(c); },
      [this](int c) { return m_vecItems[c].nOpen == 1; });
  return 1;
}
