/// @class SharedBitmapTable
/// The default bitmaps that every control of one kind shares, and the count of live controls
/// that keeps them. A control joins when it is made or copied and leaves when it goes; the last
/// to leave empties the table, and frees the bitmaps too when the table owns them. Filling the
/// table is each kind's own business (from the palette, from the library's resources), done
/// when a control first needs it.
#pragma once

#include <atomic>
#include <map>

#include "platform/mfc/CGdiObject.h"
#include "platform/win32/WinDef.h"

/// `Entry` holds the bitmap as `CBitmap* pBitmap`.
template <class Key, class Entry>
class SharedBitmapTable {
 public:
  /// Whether the table frees its bitmaps (Owned) or another keeps them (Borrowed: the palette).
  enum class Ownership { Borrowed, Owned };
  /// The entries by key.
  using Table = std::map<Key, Entry>;

  /// An empty table that owns its bitmaps or not, for the whole of its life.
  explicit SharedBitmapTable(Ownership ownership) : m_ownership(ownership) {}
  SharedBitmapTable(const SharedBitmapTable&) = delete;
  SharedBitmapTable& operator=(const SharedBitmapTable&) = delete;

  ///@{
  /// A control of the kind was made or copied (Join), or went (Leave); the last to leave
  /// empties the table.
  void Join() { ++live; }
  void Leave() {
    // Never below zero, even if something unbalanced the count.
    UINT count = live.load();
    while (count > 0 && !live.compare_exchange_weak(count, count - 1)) {
    }
    if (count == 1) Release();
  }
  ///@}
  /// Sets the entry of `key`, freeing the bitmap it replaces when the table owns its bitmaps.
  void Put(const Key& key, const Entry& entry) {
    Entry& slot = table[key];
    if (m_ownership == Ownership::Owned && slot.pBitmap != entry.pBitmap) delete slot.pBitmap;
    slot = entry;
  }

  Table table;  ///< the entries; each kind fills it when a control first needs it
  std::atomic<UINT> live{0};  ///< controls of the kind alive

 private:
  void Release() {
    if (m_ownership == Ownership::Owned)
      for (auto& [key, entry] : table) {
        delete entry.pBitmap;
        entry.pBitmap = nullptr;
      }
    table.clear();
  }

  const Ownership m_ownership;
};
