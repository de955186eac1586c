// The one implementation of IAccessible: reference counting, child ids, VARIANTs and BSTRs,
// hit testing, navigation and the children list, all in terms of a few questions a concrete
// object answers about itself and its simple children (its items).
//
// Child ids: CHILDID_SELF is the object, 1 to ItemCount() its items; after the items come the
// child objects. An object may also resolve ids of its own beyond those (FindObject), as a
// host window's client object does for the elements that its events name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/accessibility/OleAcc.h"
#include "platform/com/CComPtr.h"

namespace platform {

// What assistive technology reads of an object or an item.
struct AccessibleFacts {
  DWORD role = ROLE_SYSTEM_CLIENT;
  DWORD state = 0;
  std::wstring name;
  std::wstring value;
  std::wstring description;
  std::wstring defaultAction;  // empty: none
  RECT screen{};               // where it is on the screen
};

// Where an editable text's caret and selection stand, in characters from 0 (IAccessibleText).
struct AccessibleTextCaret {
  LONG caret = 0;
  LONG selectionStart = 0;
  LONG selectionEnd = 0;  // equal to the start: nothing selected
  bool operator==(const AccessibleTextCaret&) const = default;
};

// A child as a VARIANT names it: an item by its id, or an object.
struct AccessibleChild {
  LONG id = CHILDID_SELF;
  CComPtr<IAccessible> object;
  bool none = false;  // neither: no focus, no selection here
};

class AccessibleObject : public IAccessible {
 public:
  AccessibleObject(const AccessibleObject&) = delete;
  AccessibleObject& operator=(const AccessibleObject&) = delete;

  HRESULT QueryInterface(REFIID riid, void** out) override;
  ULONG AddRef() override;
  ULONG Release() override;

  HRESULT get_accParent(IDispatch** parent) override;
  HRESULT get_accChildCount(LONG* count) override;
  HRESULT get_accChild(VARIANT child, IDispatch** object) override;
  HRESULT get_accName(VARIANT child, BSTR* name) override;
  HRESULT get_accValue(VARIANT child, BSTR* value) override;
  HRESULT get_accDescription(VARIANT child, BSTR* description) override;
  HRESULT get_accRole(VARIANT child, VARIANT* role) override;
  HRESULT get_accState(VARIANT child, VARIANT* state) override;
  HRESULT get_accHelp(VARIANT child, BSTR* help) override;
  HRESULT get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) override;
  HRESULT get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
  HRESULT get_accFocus(VARIANT* focused) override;
  HRESULT get_accSelection(VARIANT* selected) override;
  HRESULT get_accDefaultAction(VARIANT child, BSTR* action) override;
  HRESULT accSelect(LONG flags, VARIANT child) override;
  HRESULT accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override;
  HRESULT accNavigate(LONG direction, VARIANT start, VARIANT* end) override;
  HRESULT accHitTest(LONG left, LONG top, VARIANT* child) override;
  HRESULT accDoDefaultAction(VARIANT child) override;
  HRESULT put_accName(VARIANT child, BSTR name) override;
  HRESULT put_accValue(VARIANT child, BSTR value) override;

 protected:
  AccessibleObject() = default;
  virtual ~AccessibleObject() = default;

  // False once what the object describes has gone: every member then answers E_FAIL.
  virtual bool IsAlive() const = 0;
  virtual void Describe(AccessibleFacts& facts) const = 0;
  virtual LONG ItemCount() const { return 0; }
  // `item` runs from 1 to ItemCount().
  virtual void DescribeItem(LONG item, AccessibleFacts& facts) const;
  virtual std::vector<CComPtr<IAccessible>> ChildObjects() const { return {}; }
  virtual CComPtr<IAccessible> Parent() const = 0;
  // An object named by an id that is neither self, an item nor a child's place.
  virtual CComPtr<IAccessible> FindObject(LONG id) const;
  // Where the focus is within: by default this object when its state says so.
  virtual AccessibleChild Focus() const;
  // The selected item or child; none by default.
  virtual AccessibleChild Selection() const;
  // Each answers S_OK, or DISP_E_MEMBERNOTFOUND when there is no such thing to do.
  virtual HRESULT DoDefaultAction(LONG child);
  virtual HRESULT Select(LONG flags, LONG child);
  virtual HRESULT PutValue(const std::wstring& value);
  // Interfaces beyond IAccessible: null when the object has none of that id.
  virtual void* OtherInterface(REFIID riid);

 private:
  // Fills `facts` for a child id; false for an id the object does not know.
  bool FactsOf(const VARIANT& child, AccessibleFacts& facts) const;
  // The id's object when the id names a child object (a place after the items, or FindObject).
  CComPtr<IAccessible> ObjectOf(LONG id) const;
  HRESULT Text(const VARIANT& child, BSTR* out, std::wstring AccessibleFacts::* field) const;
  // The children in order: items as VT_I4, then objects as VT_DISPATCH (references added).
  std::vector<VARIANT> Children() const;

  ULONG m_refs = 1;
};

// A text as the user reads it where it is drawn with access keys: "&&" is one '&', and a single
// '&' only marks the key under it.
std::wstring TextWithoutPrefix(std::wstring_view text);

// A scroll bar's description: the least and the greatest position it can take, as "0-90".
inline std::wstring ScrollRangeText(int min, int maxPos) {
  return std::to_wstring(min) + L"-" + std::to_wstring(maxPos);
}

// Puts an AccessibleChild into a VARIANT (a reference added for an object); S_FALSE for none.
HRESULT ToVariant(const AccessibleChild& child, VARIANT* out);

}  // namespace platform
