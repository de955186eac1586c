// Sections: identity and counting; reading; choosing and acting; the children.
#include "platform/accessibility/AccessibleObject.h"

#include <algorithm>

namespace platform {

namespace {

bool IsSelf(const VARIANT& child) { return child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

BSTR MakeText(const std::wstring& text) {
  return SysAllocStringLen(text.data(), UINT(text.size()));
}

bool Contains(const RECT& r, LONG x, LONG y) {
  return x >= r.left && x < r.right && y >= r.top && y < r.bottom;
}

}  // namespace

std::wstring TextWithoutPrefix(std::wstring_view text) {
  std::wstring shown;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    shown += text[i];
  }
  return shown;
}

HRESULT ToVariant(const AccessibleChild& child, VARIANT* out) {
  VariantInit(out);
  if (child.none) return S_FALSE;
  if (child.object) {
    out->vt = VT_DISPATCH;
    out->pdispVal = child.object;
    child.object->AddRef();
  } else {
    out->vt = VT_I4;
    out->lVal = child.id;
  }
  return S_OK;
}

// ---- identity and counting

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch) ||
      IsEqualIID(riid, IID_IAccessible))
    *out = static_cast<IAccessible*>(this);
  else
    *out = OtherInterface(riid);
  if (!*out) return E_NOINTERFACE;
  AddRef();
  return S_OK;
}

ULONG AccessibleObject::AddRef() { return ++m_refs; }

ULONG AccessibleObject::Release() {
  const ULONG left = --m_refs;
  if (left == 0) delete this;
  return left;
}

void* AccessibleObject::OtherInterface(REFIID) { return nullptr; }

// ---- reading

void AccessibleObject::DescribeItem(LONG, AccessibleFacts&) const {}

CComPtr<IAccessible> AccessibleObject::FindObject(LONG) const { return {}; }

bool AccessibleObject::FactsOf(const VARIANT& child, AccessibleFacts& facts) const {
  if (child.vt != VT_I4) return false;
  if (child.lVal == CHILDID_SELF) {
    Describe(facts);
    return true;
  }
  if (child.lVal < 1 || child.lVal > ItemCount()) return false;
  DescribeItem(child.lVal, facts);
  return true;
}

CComPtr<IAccessible> AccessibleObject::ObjectOf(LONG id) const {
  const LONG items = ItemCount();
  if (id > items) {
    const auto objects = ChildObjects();
    if (std::size_t(id - items) <= objects.size()) return objects[std::size_t(id - items - 1)];
  }
  return id < 0 ? FindObject(id) : CComPtr<IAccessible>();
}

HRESULT AccessibleObject::Text(const VARIANT& child, BSTR* out,
                               std::wstring AccessibleFacts::* field) const {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  const std::wstring& text = facts.*field;
  if (text.empty()) return S_FALSE;
  *out = MakeText(text);
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT AccessibleObject::get_accParent(IDispatch** parent) {
  if (!parent) return E_POINTER;
  *parent = nullptr;
  if (!IsAlive()) return E_FAIL;
  CComPtr<IAccessible> p = Parent();
  if (!p) return S_FALSE;
  *parent = p.Detach();
  return S_OK;
}

HRESULT AccessibleObject::get_accChildCount(LONG* count) {
  if (!count) return E_POINTER;
  *count = 0;
  if (!IsAlive()) return E_FAIL;
  *count = ItemCount() + LONG(ChildObjects().size());
  return S_OK;
}

HRESULT AccessibleObject::get_accChild(VARIANT child, IDispatch** object) {
  if (!object) return E_POINTER;
  *object = nullptr;
  if (!IsAlive()) return E_FAIL;
  if (child.vt != VT_I4) return E_INVALIDARG;
  if (child.lVal >= 1 && child.lVal <= ItemCount()) return S_FALSE;
  CComPtr<IAccessible> found = ObjectOf(child.lVal);
  if (!found) return E_INVALIDARG;
  *object = found.Detach();
  return S_OK;
}

HRESULT AccessibleObject::get_accName(VARIANT child, BSTR* name) {
  return Text(child, name, &AccessibleFacts::name);
}

HRESULT AccessibleObject::get_accValue(VARIANT child, BSTR* value) {
  return Text(child, value, &AccessibleFacts::value);
}

HRESULT AccessibleObject::get_accDescription(VARIANT child, BSTR* description) {
  return Text(child, description, &AccessibleFacts::description);
}

HRESULT AccessibleObject::get_accDefaultAction(VARIANT child, BSTR* action) {
  return Text(child, action, &AccessibleFacts::defaultAction);
}

HRESULT AccessibleObject::get_accRole(VARIANT child, VARIANT* role) {
  if (!role) return E_POINTER;
  VariantInit(role);
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  role->vt = VT_I4;
  role->lVal = LONG(facts.role);
  return S_OK;
}

HRESULT AccessibleObject::get_accState(VARIANT child, VARIANT* state) {
  if (!state) return E_POINTER;
  VariantInit(state);
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  state->vt = VT_I4;
  state->lVal = LONG(facts.state);
  return S_OK;
}

// Nothing here has help texts, help files or keyboard shortcuts of its own.
HRESULT AccessibleObject::get_accHelp(VARIANT child, BSTR* help) {
  if (!help) return E_POINTER;
  *help = nullptr;
  AccessibleFacts facts;
  if (!IsAlive()) return E_FAIL;
  return FactsOf(child, facts) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::get_accHelpTopic(BSTR* helpFile, VARIANT child, LONG* topic) {
  if (!helpFile || !topic) return E_POINTER;
  *helpFile = nullptr;
  *topic = -1;
  AccessibleFacts facts;
  if (!IsAlive()) return E_FAIL;
  return FactsOf(child, facts) ? S_FALSE : E_INVALIDARG;
}

HRESULT AccessibleObject::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
  return get_accHelp(child, shortcut);
}

HRESULT AccessibleObject::accLocation(LONG* left, LONG* top, LONG* width, LONG* height,
                                      VARIANT child) {
  if (!left || !top || !width || !height) return E_POINTER;
  *left = *top = *width = *height = 0;
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  *left = facts.screen.left;
  *top = facts.screen.top;
  *width = facts.screen.right - facts.screen.left;
  *height = facts.screen.bottom - facts.screen.top;
  return S_OK;
}

// ---- choosing and acting

AccessibleChild AccessibleObject::Focus() const {
  AccessibleFacts facts;
  Describe(facts);
  AccessibleChild self;
  self.none = !(facts.state & STATE_SYSTEM_FOCUSED);
  return self;
}

AccessibleChild AccessibleObject::Selection() const { return {CHILDID_SELF, {}, true}; }

HRESULT AccessibleObject::get_accFocus(VARIANT* focused) {
  if (!focused) return E_POINTER;
  VariantInit(focused);
  if (!IsAlive()) return E_FAIL;
  return ToVariant(Focus(), focused);
}

HRESULT AccessibleObject::get_accSelection(VARIANT* selected) {
  if (!selected) return E_POINTER;
  VariantInit(selected);
  if (!IsAlive()) return E_FAIL;
  return ToVariant(Selection(), selected);
}

HRESULT AccessibleObject::DoDefaultAction(LONG) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleObject::Select(LONG, LONG) { return DISP_E_MEMBERNOTFOUND; }
HRESULT AccessibleObject::PutValue(const std::wstring&) { return DISP_E_MEMBERNOTFOUND; }

HRESULT AccessibleObject::accDoDefaultAction(VARIANT child) {
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  if (facts.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
  return DoDefaultAction(child.lVal);
}

HRESULT AccessibleObject::accSelect(LONG flags, VARIANT child) {
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  if (!FactsOf(child, facts)) return E_INVALIDARG;
  return Select(flags, child.lVal);
}

HRESULT AccessibleObject::put_accName(VARIANT, BSTR) { return E_NOTIMPL; }

HRESULT AccessibleObject::put_accValue(VARIANT child, BSTR value) {
  if (!IsAlive()) return E_FAIL;
  if (!IsSelf(child)) return DISP_E_MEMBERNOTFOUND;
  return PutValue(std::wstring(value ? value : L"", SysStringLen(value)));
}

// ---- the children

std::vector<VARIANT> AccessibleObject::Children() const {
  std::vector<VARIANT> children;
  for (LONG item = 1; item <= ItemCount(); ++item) {
    VARIANT v;
    ToVariant({item, {}, false}, &v);
    children.push_back(v);
  }
  for (const CComPtr<IAccessible>& object : ChildObjects()) {
    VARIANT v;
    ToVariant({CHILDID_SELF, object, false}, &v);
    children.push_back(v);
  }
  return children;
}

HRESULT AccessibleObject::accHitTest(LONG left, LONG top, VARIANT* child) {
  if (!child) return E_POINTER;
  VariantInit(child);
  if (!IsAlive()) return E_FAIL;
  AccessibleFacts facts;
  Describe(facts);
  if (!Contains(facts.screen, left, top)) return S_FALSE;
  // Objects lie over items (a tree's scroll bar over its rows), and later objects over earlier.
  const auto objects = ChildObjects();
  for (auto it = objects.rbegin(); it != objects.rend(); ++it) {
    VARIANT self{};
    self.vt = VT_I4;
    LONG x, y, w, h;
    VARIANT state;
    if (FAILED((*it)->accLocation(&x, &y, &w, &h, self)) ||
        FAILED((*it)->get_accState(self, &state)) || (state.lVal & STATE_SYSTEM_INVISIBLE))
      continue;
    if (left >= x && left < x + w && top >= y && top < y + h)
      return ToVariant({CHILDID_SELF, *it, false}, child);
  }
  for (LONG item = 1; item <= ItemCount(); ++item) {
    AccessibleFacts itemFacts;
    DescribeItem(item, itemFacts);
    if (!(itemFacts.state & STATE_SYSTEM_INVISIBLE) && Contains(itemFacts.screen, left, top))
      return ToVariant({item, {}, false}, child);
  }
  return ToVariant({}, child);
}

HRESULT AccessibleObject::accNavigate(LONG direction, VARIANT start, VARIANT* end) {
  if (!end) return E_POINTER;
  VariantInit(end);
  if (!IsAlive()) return E_FAIL;
  if (start.vt != VT_I4) return E_INVALIDARG;
  std::vector<VARIANT> children = Children();
  const LONG count = LONG(children.size());
  LONG target = -1;
  // Children keep reading order, so the spatial directions move as the logical ones do.
  switch (direction) {
    case NAVDIR_FIRSTCHILD: target = IsSelf(start) ? 0 : -1; break;
    case NAVDIR_LASTCHILD: target = IsSelf(start) ? count - 1 : -1; break;
    case NAVDIR_NEXT:
    case NAVDIR_DOWN:
    case NAVDIR_RIGHT: target = start.lVal >= 1 ? start.lVal : -1; break;
    case NAVDIR_PREVIOUS:
    case NAVDIR_UP:
    case NAVDIR_LEFT: target = start.lVal >= 2 ? start.lVal - 2 : -1; break;
    default:
      for (VARIANT& v : children) VariantClear(&v);
      return E_INVALIDARG;
  }
  HRESULT result = S_FALSE;
  if (target >= 0 && target < count) {
    *end = children[std::size_t(target)];
    children[std::size_t(target)].vt = VT_EMPTY;
    result = S_OK;
  }
  for (VARIANT& v : children) VariantClear(&v);
  return result;
}

}  // namespace platform

HRESULT AccessibleChildren(IAccessible* container, LONG start, LONG count, VARIANT* children,
                           LONG* obtained) {
  if (!container || !children || !obtained || start < 0 || count < 0) return E_INVALIDARG;
  *obtained = 0;
  LONG total = 0;
  if (HRESULT hr = container->get_accChildCount(&total); FAILED(hr)) return hr;
  for (LONG i = start; i < total && *obtained < count; ++i) {
    VARIANT& out = children[*obtained];
    VARIANT id{};
    id.vt = VT_I4;
    id.lVal = i + 1;
    IDispatch* object = nullptr;
    VariantInit(&out);
    if (container->get_accChild(id, &object) == S_OK && object) {
      out.vt = VT_DISPATCH;
      out.pdispVal = object;
    } else {
      out = id;
    }
    ++*obtained;
  }
  return *obtained == count ? S_OK : S_FALSE;
}
