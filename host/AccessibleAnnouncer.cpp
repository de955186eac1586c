#include "host/AccessibleAnnouncer.h"

#include "host/CElementContainer.h"

namespace {

// The focus and the look under the pointer change with every move; the host announces focus
// itself, and neither is a change of what the element is.
constexpr DWORD kUncompared = STATE_SYSTEM_FOCUSED | STATE_SYSTEM_HOTTRACKED;

bool Listening() {
  return IsWinEventHookInstalled(EVENT_OBJECT_STATECHANGE) ||
         IsWinEventHookInstalled(EVENT_OBJECT_FOCUS);
}

bool InSubtree(const CElementContainer* e, const CElementContainer* root) {
  for (; e; e = e->GetParent())
    if (e == root) return true;
  return false;
}

}  // namespace

LONG AccessibleAnnouncer::IdOf(CElementContainer* element) {
  const auto [it, added] = m_mapIds.try_emplace(element, m_nextId);
  if (added) m_mapElements[m_nextId--] = element;
  return it->second;
}

CElementContainer* AccessibleAnnouncer::ElementOf(LONG id) const {
  const auto it = m_mapElements.find(id);
  return it == m_mapElements.end() ? nullptr : it->second;
}

AccessibleAnnouncer::Snapshot AccessibleAnnouncer::Take(const CElementContainer& element) {
  Snapshot s;
  element.DescribeAccessible(s.facts);
  s.facts.state &= ~kUncompared;
  for (int item = 1, n = element.GetAccessibleItemCount(); item <= n; ++item) {
    platform::AccessibleFacts facts;
    element.DescribeAccessibleItem(item, facts);
    s.items.emplace_back(facts.state & ~kUncompared, facts.name);
  }
  s.focusItem = element.GetAccessibleFocusItem();
  s.selectedItem = element.GetAccessibleSelectedItem();
  platform::AccessibleTextCaret caret;
  if (element.GetAccessibleTextCaret(caret)) s.caret = caret;
  return s;
}

void AccessibleAnnouncer::Record(CElementContainer& element) {
  m_mapSnapshots[&element] = Take(element);
  for (CElementContainer* child : element.GetChildren()) Record(*child);
}

void AccessibleAnnouncer::Begin(CElementContainer& root) {
  if (!Listening()) {
    m_bListening = false;
    m_mapSnapshots.clear();
    m_setChanged.clear();
    return;
  }
  if (m_bListening) return;
  m_bListening = true;
  for (CElementContainer* child : root.GetChildren()) Record(*child);
}

void AccessibleAnnouncer::Changed(CElementContainer* element) {
  if (!m_bListening) return;
  // A control made of parts may describe itself from them without repainting itself: the date
  // picker is expanded as its drop button opens the calendar, a drop-down's value is its edit
  // box's text. The root is no one's part.
  for (; element && element->GetParent(); element = element->GetParent())
    m_setChanged.insert(element);
}

void AccessibleAnnouncer::Announce() {
  if (!m_bListening) return;
  // Each comparison may describe elements, which changes nothing: the set stays as it is.
  for (CElementContainer* element : std::exchange(m_setChanged, {})) {
    Snapshot now = Take(*element);
    const auto it = m_mapSnapshots.find(element);
    if (it != m_mapSnapshots.end()) Compare(element, it->second, now);
    m_mapSnapshots[element] = std::move(now);
  }
}

void AccessibleAnnouncer::Compare(CElementContainer* element, const Snapshot& before,
                                  const Snapshot& now) {
  const DWORD changed = before.facts.state ^ now.facts.state;
  if (changed & STATE_SYSTEM_INVISIBLE)
    Notify(now.facts.state & STATE_SYSTEM_INVISIBLE ? EVENT_OBJECT_HIDE : EVENT_OBJECT_SHOW,
           element);
  bool itemStates = before.items.size() == now.items.size();
  bool itemsSame = itemStates;
  for (std::size_t i = 0; itemsSame && i < now.items.size(); ++i) {
    itemsSame = before.items[i].second == now.items[i].second;
    itemStates = itemStates && before.items[i].first == now.items[i].first;
  }
  if ((changed & ~STATE_SYSTEM_INVISIBLE) || (itemsSame && !itemStates))
    Notify(EVENT_OBJECT_STATECHANGE, element);
  if (before.facts.name != now.facts.name) Notify(EVENT_OBJECT_NAMECHANGE, element);
  if (before.facts.value != now.facts.value) Notify(EVENT_OBJECT_VALUECHANGE, element);
  if (!itemsSame) Notify(EVENT_OBJECT_REORDER, element);
  if (before.selectedItem != now.selectedItem && now.selectedItem != 0)
    Notify(EVENT_OBJECT_SELECTION, element);
  if (before.focusItem != now.focusItem && (now.facts.state & STATE_SYSTEM_FOCUSABLE)) {
    platform::AccessibleFacts facts;
    element->DescribeAccessible(facts);
    if (facts.state & STATE_SYSTEM_FOCUSED) Notify(EVENT_OBJECT_FOCUS, element);
  }
  if (before.caret != now.caret && before.caret && now.caret)
    Notify(EVENT_OBJECT_TEXTSELECTIONCHANGED, element);
}

void AccessibleAnnouncer::Focused(CElementContainer* element) {
  if (element && IsWinEventHookInstalled(EVENT_OBJECT_FOCUS)) Notify(EVENT_OBJECT_FOCUS, element);
}

void AccessibleAnnouncer::Notify(DWORD event, CElementContainer* element) {
  NotifyWinEvent(event, m_hWnd, OBJID_CLIENT, IdOf(element));
}

void AccessibleAnnouncer::Forget(const CElementContainer* element) {
  std::erase_if(m_mapSnapshots, [&](const auto& e) { return InSubtree(e.first, element); });
  std::erase_if(m_setChanged, [&](CElementContainer* e) { return InSubtree(e, element); });
  for (auto it = m_mapIds.begin(); it != m_mapIds.end();) {
    if (InSubtree(it->first, element)) {
      m_mapElements.erase(it->second);
      it = m_mapIds.erase(it);
    } else {
      ++it;
    }
  }
}
