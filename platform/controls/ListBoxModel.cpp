#include "platform/controls/ListBoxModel.h"

#include <algorithm>
#include <climits>
#include <new>

#include "platform/win32/WinInput.h"

namespace platform {

namespace {

constexpr int kWheelRowsPerNotch = 3;  // the platform's default wheel setting
constexpr int kMaxItemHeight = 255;

}  // namespace

void ListBoxModel::RoomForOneRow() {
  // Made before the text goes into the pool, so that running out of room changes nothing.
  if (m_rows.size() == m_rows.capacity())
    m_rows.reserve(std::max<std::size_t>(16, 2 * m_rows.size()));
}

ListBoxModel::Row ListBoxModel::Store(std::wstring_view text, ULONG_PTR data) {
  // Offsets and lengths are 32 bits: a pool that would outgrow them is out of room.
  if (m_texts.size() + text.size() > UINT32_MAX) throw std::bad_alloc();
  const Row row{std::uint32_t(m_texts.size()), std::uint32_t(text.size()), data};
  m_texts.append(text);
  return row;
}

int ListBoxModel::Add(std::wstring_view text, ULONG_PTR data) {
  RoomForOneRow();
  m_rows.push_back(Store(text, data));
  return Count() - 1;
}

int ListBoxModel::Reserve(int more, std::size_t characters) {
  // Room past what a string can hold is room there is not.
  if (characters > m_texts.max_size() - m_texts.size()) throw std::bad_alloc();
  if (more > 0) m_rows.reserve(m_rows.size() + std::size_t(more));
  m_texts.reserve(m_texts.size() + characters);
  return static_cast<int>(std::min<std::size_t>(m_rows.capacity(), INT_MAX));
}

int ListBoxModel::Insert(int index, std::wstring_view text, ULONG_PTR data) {
  if (index == -1) index = Count();
  if (index < 0 || index > Count()) return -1;
  RoomForOneRow();
  m_rows.insert(m_rows.begin() + index, Store(text, data));
  // The selected row keeps its text: it moves down with the rows after the insertion.
  if (m_selected >= index) ++m_selected;
  if (m_caret >= index) ++m_caret;
  return index;
}

int ListBoxModel::Delete(int index) {
  if (!IsRow(index)) return -1;
  m_deadCharacters += m_rows[std::size_t(index)].length;
  m_rows.erase(m_rows.begin() + index);
  if (m_deadCharacters > m_texts.size() / 2) {
    try {
      DropDeadTexts();
    } catch (const std::bad_alloc&) {
      // The dead texts stay a while longer; the next deletion tries again.
    }
  }
  if (m_selected == index) m_selected = -1;
  else if (m_selected > index) --m_selected;
  if (m_caret > index || m_caret >= Count()) --m_caret;
  SetTop(m_top);
  return Count();
}

bool ListBoxModel::SetData(int index, ULONG_PTR data) {
  if (index == -1) {
    for (Row& row : m_rows) row.data = data;
    return true;
  }
  if (!IsRow(index)) return false;
  m_rows[static_cast<std::size_t>(index)].data = data;
  return true;
}

void ListBoxModel::DropDeadTexts() {
  std::wstring live;
  live.reserve(m_texts.size() - m_deadCharacters);
  for (Row& row : m_rows) {
    const std::size_t offset = live.size();
    live.append(m_texts, row.offset, row.length);
    row.offset = std::uint32_t(offset);
  }
  m_texts = std::move(live);
  m_deadCharacters = 0;
}

void ListBoxModel::Reset() {
  m_rows.clear();
  // The pool keeps its room, as the rows do, for the list that is filled again.
  m_texts.clear();
  m_deadCharacters = 0;
  m_selected = m_caret = -1;
  m_top = 0;
}

bool ListBoxModel::Select(int index) {
  if (index != -1 && !IsRow(index)) return false;
  m_selected = index;
  if (index != -1) m_caret = index;
  return true;
}

bool ListBoxModel::SetItemHeight(int height) {
  if (height < 1 || height > kMaxItemHeight) return false;
  m_itemHeight = height;
  SetTop(m_top);
  return true;
}

void ListBoxModel::SetViewHeight(int height) {
  m_viewHeight = std::max(height, 0);
  SetTop(m_top);
}

void ListBoxModel::SetTop(int top) { m_top = std::clamp(top, 0, MaxTop()); }

int ListBoxModel::PageRows() const { return std::max(1, m_viewHeight / m_itemHeight); }

int ListBoxModel::MaxTop() const { return std::max(0, Count() - PageRows()); }

int ListBoxModel::LastShown() const {
  const int shown = (m_viewHeight + m_itemHeight - 1) / m_itemHeight;
  return std::min(Count(), m_top + shown) - 1;
}

void ListBoxModel::ScrollIntoView(int index) {
  if (!IsRow(index)) return;
  if (index < m_top) SetTop(index);
  else if (index >= m_top + PageRows()) SetTop(index - PageRows() + 1);
}

int ListBoxModel::RowAtY(int y, bool* onRow) const {
  if (onRow) *onRow = false;
  if (m_rows.empty()) return -1;
  // Floor division, so that a point above the view means a row above the first one shown.
  const int offset = y >= 0 ? y / m_itemHeight : -((-y + m_itemHeight - 1) / m_itemHeight);
  const long long row = static_cast<long long>(m_top) + offset;
  if (onRow) *onRow = row >= 0 && row < Count();
  return static_cast<int>(std::clamp<long long>(row, 0, Count() - 1));
}

int ListBoxModel::KeyTarget(UINT vk) const {
  if (m_rows.empty()) return -1;
  const int last = Count() - 1;
  const int page = PageRows();
  // Without a caret every key starts from before the first row.
  const int from = m_caret;
  switch (vk) {
    case VK_UP: return std::max(from - 1, 0);
    case VK_DOWN: return std::min(from + 1, last);
    case VK_PRIOR: return std::max(from - page + 1, 0);
    case VK_NEXT: return std::clamp(from + page - 1, 0, last);
    case VK_HOME: return 0;
    case VK_END: return last;
    default: return -1;
  }
}

int ListBoxModel::ScrollTarget(WORD code, int pos) const {
  const int page = PageRows();
  switch (code) {
    case SB_LINEUP: return m_top - 1;
    case SB_LINEDOWN: return m_top + 1;
    case SB_PAGEUP: return m_top - page;
    case SB_PAGEDOWN: return m_top + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: return pos;
    case SB_TOP: return 0;
    case SB_BOTTOM: return MaxTop();
    default: return m_top;
  }
}

int ListBoxModel::Wheel(int delta) {
  m_wheelRest += delta;
  const int notches = m_wheelRest / WHEEL_DELTA;
  m_wheelRest -= notches * WHEEL_DELTA;
  // A view smaller than the rows a notch asks for scrolls by its page.
  return -notches * std::min(kWheelRowsPerNotch, PageRows());
}

}  // namespace platform
