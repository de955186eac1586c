// A list box apart from its window: the rows, the selection, the caret (the row the keyboard
// moves from and the focus frame marks), the first row shown, and the arithmetic of rows,
// pages, keys and the wheel. The control's messages are thin calls on it; tests drive it
// without a screen.
//
// Rows are fixed height. The view shows PageRows() whole rows; the first row shown never goes
// past MaxTop(), so the last page is full when there are rows enough to fill it.
//
// The rows' texts lie end to end in one pool, so that filling a long list costs no allocation
// per row; a deleted row's text stays in the pool until the dead texts outweigh the live ones.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/win32/WinDef.h"

namespace platform {

class ListBoxModel {
 public:
  // ---- rows; indexes out of range are refused (-1 or false) and change nothing
  int Count() const { return static_cast<int>(m_rows.size()); }
  bool IsRow(int index) const { return index >= 0 && index < Count(); }
  // A row's text and value; the text lasts until the next change of the rows.
  std::wstring_view TextAt(int index) const {
    const Row& row = m_rows[static_cast<std::size_t>(index)];
    return std::wstring_view(m_texts).substr(row.offset, row.length);
  }
  ULONG_PTR DataAt(int index) const { return m_rows[static_cast<std::size_t>(index)].data; }
  // Appends; the new row's index. Adding and inserting may throw std::bad_alloc, changing
  // nothing.
  int Add(std::wstring_view text, ULONG_PTR data);
  // Room for `more` rows beyond the ones there are and `characters` more of their texts; the
  // rows there is room for. May throw std::bad_alloc, changing nothing.
  int Reserve(int more, std::size_t characters = 0);
  // Before `index`; -1 or Count() append. The new row's index, or -1.
  int Insert(int index, std::wstring_view text, ULONG_PTR data);
  // The rows left, or -1.
  int Delete(int index);
  // The value of a row, or with -1 of every row; false for another index.
  bool SetData(int index, ULONG_PTR data);
  void Reset();

  // ---- selection and caret; -1 is none
  int Selected() const { return m_selected; }
  int Caret() const { return m_caret; }
  // Selects a row (its caret too) or, with -1, nothing (the caret stays). False for any other
  // index. Does not scroll.
  bool Select(int index);

  // ---- the view
  int ItemHeight() const { return m_itemHeight; }
  // 1 to 255 pixels; false otherwise.
  bool SetItemHeight(int height);
  int ViewHeight() const { return m_viewHeight; }
  void SetViewHeight(int height);
  int Top() const { return m_top; }
  // Clamped to 0..MaxTop().
  void SetTop(int top);
  int PageRows() const;
  int MaxTop() const;
  // The rows at least partly shown: Top() to LastShown() inclusive (LastShown() < Top() when none).
  int LastShown() const;
  // The row starts above the bottom of the view: it shows unless it lies above the top. The
  // same as index <= LastShown() for a row, without a division.
  bool StartsAboveViewBottom(int index) const {
    return static_cast<long long>(index - m_top) * m_itemHeight < m_viewHeight;
  }
  // Scrolls the least that shows the whole row.
  void ScrollIntoView(int index);
  // The row at a height in the view: the nearest row, clamped to the rows there are, and whether
  // a row really lies there. -1 when there are no rows.
  int RowAtY(int y, bool* onRow = nullptr) const;
  // The row's top in the view (may lie outside it).
  int RowTop(int index) const { return (index - m_top) * m_itemHeight; }

  // ---- commands
  // The row a navigation key moves the caret to (Up, Down, Page Up, Page Down, Home, End); -1
  // for other keys or an empty list.
  int KeyTarget(UINT vk) const;
  // The first row shown after a WM_VSCROLL request (`pos` for the thumb codes).
  int ScrollTarget(WORD code, int pos) const;
  // Adds a wheel turn (WHEEL_DELTA a notch, positive away from the user) and returns the rows
  // to scroll (positive: towards the end). Part-notches add up.
  int Wheel(int delta);

 private:
  struct Row {
    std::uint32_t offset = 0;  // in m_texts
    std::uint32_t length = 0;
    ULONG_PTR data = 0;
  };
  void RoomForOneRow();
  // The row for a text, its characters appended to the pool.
  Row Store(std::wstring_view text, ULONG_PTR data);
  // The pool rebuilt with the live texts only, once the dead ones outweigh them.
  void DropDeadTexts();

  std::vector<Row> m_rows;
  std::wstring m_texts;
  std::size_t m_deadCharacters = 0;  // of deleted rows, still in m_texts
  int m_selected = -1;
  int m_caret = -1;
  int m_top = 0;
  int m_itemHeight = 16;
  int m_viewHeight = 0;
  int m_wheelRest = 0;
};

}  // namespace platform
