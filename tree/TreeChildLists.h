/// @class TreeChildLists
/// The direct children of every record of the tree's store, each list ascending. Most records of
/// a big tree are leaves: a leaf costs one bit here, and only a record with children owns a list,
/// so a million records carry neither a million empty vectors nor a million indexes.
#pragma once

/// @file
/// The child lists of the tree's store.

#include <cstddef>
#include <unordered_map>
#include <vector>

class TreeChildLists {
 public:
  /// Records, the root included.
  std::size_t size() const { return m_hasList.size(); }
  /// The children of record `id`; an empty list for a leaf.
  const std::vector<int>& operator[](int id) const {
    return m_hasList[std::size_t(id)] ? m_lists.find(id)->second : kNoChildren;
  }
  /// The children of record `id`, to be changed; a leaf gets its list here. The reference lasts
  /// until that record's list goes, whatever happens to the others.
  std::vector<int>& Own(int id);
  /// A new record, with no children yet.
  void AddRecord() { m_hasList.push_back(false); }
  /// No records at all.
  void Clear();

  ///@{
  /// Removal, as the store closes up its records in one pass: a removed record's list goes, a
  /// kept one moves down to its new id, and the ids past the last kept one go.
  void Drop(int id);
  void Move(int from, int to);
  void Truncate(std::size_t records) { m_hasList.resize(records); }
  ///@}
  /// Calls f(list) for every list a record owns, to renumber the ids in them.
  template <class F>
  void ForEachList(F f) {
    for (auto& [id, list] : m_lists) f(list);
  }

 private:
  /// What a leaf answers.
  static inline const std::vector<int> kNoChildren;

  std::vector<bool> m_hasList;                        ///< per record
  std::unordered_map<int, std::vector<int>> m_lists;  ///< by record id
};
