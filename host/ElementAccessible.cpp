#include "host/ElementAccessible.h"

#include "host/CElementContainer.h"
#include "host/CElementHost.h"
#include "platform/accessibility/WindowAccessible.h"

using platform::AccessibleChild;
using platform::AccessibleFacts;

AccessibleChild FocusWithin(CElementContainer& within) {
  CElementHost* host = within.GetHost();
  CElementContainer* focus = host ? host->Focus() : nullptr;
  if (!focus || ::GetFocus() != host->Window()) return {CHILDID_SELF, {}, true};
  for (const CElementContainer* e = focus; e; e = e->GetParent()) {
    if (e != &within) continue;
    if (focus == &within) return {LONG(within.GetAccessibleFocusItem()), {}, false};
    return {CHILDID_SELF, focus->GetAccessibleObject(), false};
  }
  return {CHILDID_SELF, {}, true};
}

HRESULT ElementAccessible::QueryInterface(REFIID riid, void** out) {
  return AccessibleObject::QueryInterface(riid, out);
}
ULONG ElementAccessible::AddRef() { return AccessibleObject::AddRef(); }
ULONG ElementAccessible::Release() { return AccessibleObject::Release(); }

void* ElementAccessible::OtherInterface(REFIID riid) {
  platform::AccessibleTextCaret caret;
  if (IsEqualIID(riid, IID_IAccessibleText) && m_pElement &&
      m_pElement->GetAccessibleTextCaret(caret))
    return static_cast<IAccessibleText*>(this);
  return nullptr;
}

void ElementAccessible::Describe(AccessibleFacts& facts) const {
  m_pElement->DescribeAccessible(facts);
}

LONG ElementAccessible::ItemCount() const { return m_pElement->GetAccessibleItemCount(); }

void ElementAccessible::DescribeItem(LONG item, AccessibleFacts& facts) const {
  m_pElement->DescribeAccessibleItem(int(item), facts);
}

std::vector<CComPtr<IAccessible>> ElementAccessible::ChildObjects() const {
  std::vector<CComPtr<IAccessible>> objects;
  for (CElementContainer* child : m_pElement->GetChildren())
    if (CComPtr<IAccessible> object = child->GetAccessibleObject()) objects.push_back(object);
  for (CComPtr<IAccessible>& popup : m_pElement->GetAccessiblePopups()) objects.push_back(popup);
  return objects;
}

CComPtr<IAccessible> ElementAccessible::Parent() const {
  CElementContainer* parent = m_pElement->GetParent();
  if (!parent) return {};
  // The root fills the client area: the window's client object stands for it.
  if (!parent->GetParent()) {
    CElementHost* host = m_pElement->GetHost();
    return host ? platform::ClientObjectOf(host->Window()) : CComPtr<IAccessible>();
  }
  return parent->GetAccessibleObject();
}

AccessibleChild ElementAccessible::Focus() const { return FocusWithin(*m_pElement); }

AccessibleChild ElementAccessible::Selection() const {
  const int item = m_pElement->GetAccessibleSelectedItem();
  return {LONG(item), {}, item == 0};
}

HRESULT ElementAccessible::DoDefaultAction(LONG child) {
  return m_pElement->DoAccessibleAction(int(child));
}

HRESULT ElementAccessible::Select(LONG flags, LONG child) {
  AccessibleFacts facts;
  Describe(facts);
  if (child != CHILDID_SELF || flags != SELFLAG_TAKEFOCUS ||
      !(facts.state & STATE_SYSTEM_FOCUSABLE) || (facts.state & STATE_SYSTEM_UNAVAILABLE))
    return DISP_E_MEMBERNOTFOUND;
  m_pElement->SetFocus();
  return S_OK;
}

// ---- the text of an edit box

bool ElementAccessible::TextState(std::wstring& text, platform::AccessibleTextCaret& caret) const {
  if (!m_pElement || !m_pElement->GetAccessibleTextCaret(caret)) return false;
  AccessibleFacts facts;
  Describe(facts);
  text = facts.value;
  return true;
}

HRESULT ElementAccessible::get_nCharacters(LONG* count) {
  if (!count) return E_POINTER;
  std::wstring text;
  platform::AccessibleTextCaret caret;
  if (!TextState(text, caret)) return E_FAIL;
  *count = LONG(text.size());
  return S_OK;
}

HRESULT ElementAccessible::get_text(LONG start, LONG end, BSTR* out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  std::wstring text;
  platform::AccessibleTextCaret caret;
  if (!TextState(text, caret)) return E_FAIL;
  if (start < 0 || start > end || std::size_t(end) > text.size()) return E_INVALIDARG;
  *out = SysAllocStringLen(text.data() + start, UINT(end - start));
  return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT ElementAccessible::get_caretOffset(LONG* offset) {
  if (!offset) return E_POINTER;
  std::wstring text;
  platform::AccessibleTextCaret caret;
  if (!TextState(text, caret)) return E_FAIL;
  *offset = caret.caret;
  return S_OK;
}

HRESULT ElementAccessible::get_nSelections(LONG* count) {
  if (!count) return E_POINTER;
  std::wstring text;
  platform::AccessibleTextCaret caret;
  if (!TextState(text, caret)) return E_FAIL;
  *count = caret.selectionStart != caret.selectionEnd ? 1 : 0;
  return S_OK;
}

HRESULT ElementAccessible::get_selection(LONG index, LONG* start, LONG* end) {
  if (!start || !end) return E_POINTER;
  std::wstring text;
  platform::AccessibleTextCaret caret;
  if (!TextState(text, caret)) return E_FAIL;
  if (index != 0 || caret.selectionStart == caret.selectionEnd) return E_INVALIDARG;
  *start = caret.selectionStart;
  *end = caret.selectionEnd;
  return S_OK;
}
