// What a screen reader reads of the accessibility model, for tests: an object's (or an item's)
// facts through IAccessible alone, its children, and the win events a hook hears.
#pragma once

#include <string>
#include <vector>

#include "platform/accessibility/OleAcc.h"
#include "platform/accessibility/WinEvent.h"
#include "platform/com/CComPtr.h"

namespace trellis::test {

// One object or item as read through its IAccessible.
struct Reading {
  DWORD role = 0;
  DWORD state = 0;
  std::wstring name, value, description, action;
  RECT place{};  // accLocation, as a rectangle
  LONG childCount = 0;
};
Reading Read(IAccessible* object, LONG child = CHILDID_SELF);

// A child of an object: an item (`object` null) or an object of its own.
struct Child {
  LONG id = CHILDID_SELF;
  CComPtr<IAccessible> object;
};
// The children AccessibleChildren gives, in order.
std::vector<Child> ChildrenOf(IAccessible* object);
// The client object of a window, as AccessibleObjectFromWindow gives it.
CComPtr<IAccessible> ClientObject(HWND hwnd);
// Whether two objects are the same (compared as IUnknown).
bool Same(IAccessible* a, IAccessible* b);

// A heard event, and the object and child id it names (AccessibleObjectFromEvent).
struct Heard {
  DWORD event;
  HWND hwnd;
  LONG idObject, idChild;
  CComPtr<IAccessible> object;
  LONG child = CHILDID_SELF;
};

// A hook on every event while it lives; the events are delivered as the thread pumps.
class EventLog {
 public:
  EventLog();
  ~EventLog();
  EventLog(const EventLog&) = delete;
  EventLog& operator=(const EventLog&) = delete;

  // The events heard since the last Take, each resolved as it was heard.
  std::vector<Heard> Take();
  // Whether `event` was heard on `object` (and, for an item, on child id `child`).
  static bool Has(const std::vector<Heard>& heard, DWORD event, IAccessible* object,
                  LONG child = CHILDID_SELF);

 private:
  static void Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD,
                   DWORD);
  HWINEVENTHOOK m_hook;
};

}  // namespace trellis::test
