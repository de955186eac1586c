/// @class AccessibleAnnouncer
/// Announces what changed in a host window's elements, so that no control has to.
///
/// Every change a user could notice repaints the element, so a repaint request marks the
/// element and the elements it is a part of; after the host has routed a message, each marked
/// element is described again and compared with what it said before:
/// @code{.unparsed}
///   invisible state           EVENT_OBJECT_SHOW or EVENT_OBJECT_HIDE
///   any other state, or an    EVENT_OBJECT_STATECHANGE
///   item's state
///   name                      EVENT_OBJECT_NAMECHANGE
///   value                     EVENT_OBJECT_VALUECHANGE
///   items added or renamed    EVENT_OBJECT_REORDER
///   selected item             EVENT_OBJECT_SELECTION
///   focused item, while the   EVENT_OBJECT_FOCUS
///   element has the focus
///   caret or text selection   EVENT_OBJECT_TEXTSELECTIONCHANGED
/// @endcode
/// each on the element's child id in the window's OBJID_CLIENT object. The focus moving to
/// another element is announced by the host as it moves. Nothing is described, kept or compared
/// while no hook hears these events.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/accessibility/AccessibleObject.h"

class CElementContainer;

class AccessibleAnnouncer {
 public:
  /// The announcer of the host window `window`.
  explicit AccessibleAnnouncer(HWND window) : m_hWnd(window) {}

  /// The element's child id in the window's client object: negative, unique in the window
  /// while the element is in it.
  LONG IdOf(CElementContainer* element);
  /// The element of a child id, or null.
  CElementContainer* ElementOf(LONG id) const;

  /// Before a message is routed: starts describing the tree when hooks began to listen.
  void Begin(CElementContainer& root);
  /// A repaint of the element was asked for.
  void Changed(CElementContainer* element);
  /// After a message was routed: announces what the marked elements changed.
  void Announce();
  /// The focus moved to an element in the focused window.
  void Focused(CElementContainer* element);
  /// An element and its descendants leave the window.
  void Forget(const CElementContainer* element);

 private:
  struct Snapshot {
    platform::AccessibleFacts facts;
    std::vector<std::pair<DWORD, std::wstring>> items;  // state and name of each
    int focusItem = 0;
    int selectedItem = 0;
    std::optional<platform::AccessibleTextCaret> caret;
  };
  static Snapshot Take(const CElementContainer& element);
  void Record(CElementContainer& element);
  void Compare(CElementContainer* element, const Snapshot& before, const Snapshot& now);
  void Notify(DWORD event, CElementContainer* element);

  HWND m_hWnd;
  bool m_bListening = false;
  std::map<const CElementContainer*, Snapshot> m_mapSnapshots;
  std::set<CElementContainer*> m_setChanged;
  std::map<const CElementContainer*, LONG> m_mapIds;
  std::map<LONG, CElementContainer*> m_mapElements;
  LONG m_nextId = -1;
};
