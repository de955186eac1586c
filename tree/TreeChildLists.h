// The direct children of every record of the tree's store, each list ascending. Most records of
// a big tree are leaves: a leaf costs one index here, and only a record with children owns a
// list, so a million records do not carry a million empty vectors.
#pragma once

#include <cstddef>
#include <vector>

class TreeChildLists {
 public:
  // Records, the root included.
  std::size_t size() const { return m_listOf.size(); }
  // The children of record `id`; an empty list for a leaf.
  const std::vector<int>& operator[](int id) const {
    const int list = m_listOf[std::size_t(id)];
    return list < 0 ? kNoChildren : m_lists[std::size_t(list)];
  }
  // The children of record `id`, to be changed; a leaf gets its list here.
  std::vector<int>& Own(int id);
  // A new record, with no children yet.
  void AddRecord() { m_listOf.push_back(-1); }
  void Clear();

  // Removal, as the store closes up its records in one pass: a removed record's list goes, a
  // kept one moves down to its new id, and the ids past the last kept one go.
  void Drop(int id);
  void Move(int from, int to);
  void Truncate(std::size_t records) { m_listOf.resize(records); }
  // Every list a record owns (and emptied ones waiting for a record), to renumber the ids.
  std::vector<std::vector<int>>& Lists() { return m_lists; }

 private:
  static inline const std::vector<int> kNoChildren;

  std::vector<int> m_listOf;              // per record: its list in m_lists, or -1
  std::vector<std::vector<int>> m_lists;  // lists of the records with children
  std::vector<int> m_unused;              // emptied lists, taken before m_lists grows
};
