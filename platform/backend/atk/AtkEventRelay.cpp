// Index: hearing; what each event says in ATK's terms.
#include "platform/backend/atk/AtkEventRelay.h"

#include <utility>

#include "platform/backend/atk/AtkAccessible.h"
#include "platform/backend/atk/AtkTree.h"

namespace platform::atk {

namespace {

// The hook's procedure carries no data of ours: the one relay that listens is held here.
AtkEventRelay* g_relay = nullptr;

// Announces each state that differs from the ones announced before.
void AnnounceStates(AtkObject* object) {
  AtkStateSet* now = atk_object_ref_state_set(object);
  AtkStateSet* before = ExchangeToldStates(object, ATK_STATE_SET(g_object_ref(now)));
  for (int state = ATK_STATE_INVALID + 1; before && state < ATK_STATE_LAST_DEFINED; ++state) {
    const auto type = AtkStateType(state);
    const bool on = atk_state_set_contains_state(now, type);
    if (on != bool(atk_state_set_contains_state(before, type)))
      atk_object_notify_state_change(object, type, on);
  }
  if (before) g_object_unref(before);
  g_object_unref(now);
}

void AnnounceValue(AtkObject* object) {
  if (ATK_IS_TEXT(object)) {
    // The whole text is new: what was there went, and what is there came.
    AtkAccessibleData* data = LiveData(object);
    const gint count = atk_text_get_character_count(ATK_TEXT(object));
    if (data && data->textLength > 0)
      g_signal_emit_by_name(object, "text-changed::delete", 0, data->textLength);
    if (data) data->textLength = count;
    if (count > 0) g_signal_emit_by_name(object, "text-changed::insert", 0, count);
  }
  g_object_notify(G_OBJECT(object), "accessible-value");
  // A combo box is read by what it shows: its name changed with it.
  if (atk_object_get_role(object) == ATK_ROLE_COMBO_BOX)
    g_object_notify(G_OBJECT(object), "accessible-name");
}

void AnnounceTextSelection(AtkObject* object) {
  if (!ATK_IS_TEXT(object)) return;
  g_signal_emit_by_name(object, "text-caret-moved", atk_text_get_caret_offset(ATK_TEXT(object)));
  g_signal_emit_by_name(object, "text-selection-changed");
}

}  // namespace

// ---- hearing

AtkEventRelay::AtkEventRelay(AtkTree& tree) : m_tree(tree) {
  m_hook = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hear, 0, 0, WINEVENT_OUTOFCONTEXT);
  g_relay = this;
}

AtkEventRelay::~AtkEventRelay() {
  if (m_focused) g_object_unref(m_focused);
  if (m_hook) UnhookWinEvent(m_hook);
  if (g_relay == this) g_relay = nullptr;
}

void AtkEventRelay::Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild,
                         DWORD, DWORD) {
  if (g_relay) g_relay->Relay(event, hwnd, idObject, idChild);
}

// ---- what each event says in ATK's terms

void AtkEventRelay::Relay(DWORD event, HWND hwnd, LONG idObject, LONG idChild) {
  IAccessible* found = nullptr;
  VARIANT child;
  VariantInit(&child);
  if (FAILED(AccessibleObjectFromEvent(hwnd, DWORD(idObject), DWORD(idChild), &found, &child)))
    return;
  CComPtr<IAccessible> object;
  object.Attach(found);
  const std::optional<AccessibleNode> node = NodeFromVariant({object, CHILDID_SELF}, child);
  VariantClear(&child);
  if (!node) return;
  if (event == EVENT_OBJECT_DESTROY) {
    if (AtkObject* gone = m_tree.ObjectFor(*node)) Children(event, gone);
    m_tree.Forget(*node);
    return;
  }
  AtkObject* target = m_tree.ObjectFor(*node);
  if (!target) return;
  switch (event) {
    case EVENT_OBJECT_FOCUS: {
      // A control names itself; what holds the focus within it may be one of its items.
      const std::optional<AccessibleNode> within = Focused(*node);
      AtkObject* focused = within ? m_tree.ObjectFor(*within) : nullptr;
      Focus(focused ? focused : target);
      break;
    }
    case EVENT_OBJECT_STATECHANGE:
    case EVENT_SYSTEM_MENUPOPUPSTART:
    case EVENT_SYSTEM_MENUPOPUPEND: AnnounceStatesWithin(*node, target); break;
    case EVENT_OBJECT_NAMECHANGE: g_object_notify(G_OBJECT(target), "accessible-name"); break;
    case EVENT_OBJECT_VALUECHANGE: AnnounceValue(target); break;
    case EVENT_OBJECT_SELECTION: {
      // The control names itself: its selected item changed.
      AnnounceStatesWithin(*node, target);
      AtkObject* holder = ATK_IS_SELECTION(target) ? target : atk_object_get_parent(target);
      if (holder && ATK_IS_SELECTION(holder)) g_signal_emit_by_name(holder, "selection-changed");
      break;
    }
    case EVENT_OBJECT_REORDER: g_signal_emit_by_name(target, "visible-data-changed"); break;
    case EVENT_OBJECT_TEXTSELECTIONCHANGED: AnnounceTextSelection(target); break;
    case EVENT_OBJECT_SHOW:
    case EVENT_OBJECT_HIDE:
    case EVENT_OBJECT_CREATE:
      Children(event, target);
      AnnounceStates(target);
      break;
    default: break;
  }
}

void AtkEventRelay::AnnounceStatesWithin(const AccessibleNode& node, AtkObject* object) {
  AnnounceStates(object);
  for (AtkObject* item : m_tree.MadeItemsOf(node)) AnnounceStates(item);
}

void AtkEventRelay::Focus(AtkObject* object) {
  // The one that had the focus hears it went before the new one hears it came; atk-bridge
  // sends the focus event for the state turning on.
  AtkObject* before = std::exchange(m_focused, ATK_OBJECT(g_object_ref(object)));
  // One that went meanwhile is defunct, which the reader was told.
  if (before && before != object && LiveData(before)) AnnounceStates(before);
  if (before) g_object_unref(before);
  AnnounceStates(object);
}

void AtkEventRelay::Children(DWORD event, AtkObject* object) {
  AtkObject* holder = atk_object_get_parent(object);
  if (!holder) return;
  const bool added = event == EVENT_OBJECT_SHOW || event == EVENT_OBJECT_CREATE;
  const gint index = added ? atk_object_get_index_in_parent(object) : -1;
  g_signal_emit_by_name(holder, added ? "children-changed::add" : "children-changed::remove",
                        index, object);
}

}  // namespace platform::atk
