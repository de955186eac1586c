// Index: identity; texts; numbers; the tree.
#include "platform/backend/atk/AccessibleNode.h"

#include "platform/com/CComVariant.h"
#include "platform/text/Utf8.h"

namespace platform::atk {

namespace {

// A BSTR handed to us, as UTF-8, freed.
std::string Take(HRESULT hr, BSTR text) {
  std::string utf8;
  if (SUCCEEDED(hr) && text) utf8 = Utf8FromWide(std::wstring_view(text, SysStringLen(text)));
  SysFreeString(text);
  return utf8;
}

template <class Getter>
std::string Text(const AccessibleNode& node, Getter getter) {
  BSTR text = nullptr;
  const HRESULT hr = (node.object.p->*getter)(CComVariant(node.child), &text);
  return Take(hr, text);
}

LONG Number(const AccessibleNode& node, HRESULT (IAccessible::*getter)(VARIANT, VARIANT*)) {
  VARIANT v;
  VariantInit(&v);
  if (FAILED((node.object.p->*getter)(CComVariant(node.child), &v))) return 0;
  const LONG number = v.vt == VT_I4 ? v.lVal : 0;
  VariantClear(&v);
  return number;
}

// The node a VARIANT out-parameter names, cleared.
std::optional<AccessibleNode> Take(const AccessibleNode& from, VARIANT& v) {
  std::optional<AccessibleNode> node = NodeFromVariant(from, v);
  VariantClear(&v);
  return node;
}

}  // namespace

// ---- identity

namespace {

// An object's identity is its IUnknown; the node holds the object, so the pointer stays its.
IUnknown* Identity(IAccessible* object) {
  IUnknown* unknown = nullptr;
  if (!object || FAILED(object->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&unknown))))
    return nullptr;
  unknown->Release();
  return unknown;
}

bool SameRect(const RECT& a, const RECT& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

bool SameObject(const AccessibleNode& a, const AccessibleNode& b) {
  return a.child == b.child && Identity(a.object) == Identity(b.object);
}

bool SameThing(const AccessibleNode& a, const AccessibleNode& b) {
  if (a.child != b.child) return false;
  if (SameObject(a, b)) return true;
  return SameRect(Location(a), Location(b)) && Role(a) == Role(b) && Name(a) == Name(b);
}

bool Alive(const AccessibleNode& node) {
  VARIANT role;
  VariantInit(&role);
  const CComVariant self(node.child);
  if (!node.object || FAILED(node.object->get_accRole(self, &role))) return false;
  VariantClear(&role);
  return true;
}

std::optional<AccessibleNode> NodeFromVariant(const AccessibleNode& from, const VARIANT& v) {
  if (v.vt == VT_I4) return AccessibleNode{from.object, v.lVal};
  if ((v.vt != VT_DISPATCH && v.vt != VT_UNKNOWN) || !v.punkVal) return std::nullopt;
  CComPtr<IAccessible> object;
  if (FAILED(v.punkVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object))))
    return std::nullopt;
  return AccessibleNode{object, CHILDID_SELF};
}

// ---- texts

std::string Name(const AccessibleNode& node) { return Text(node, &IAccessible::get_accName); }

std::string Description(const AccessibleNode& node) {
  return Text(node, &IAccessible::get_accDescription);
}

std::string Value(const AccessibleNode& node) { return Text(node, &IAccessible::get_accValue); }

std::string DefaultAction(const AccessibleNode& node) {
  return Text(node, &IAccessible::get_accDefaultAction);
}

// ---- numbers

LONG Role(const AccessibleNode& node) { return Number(node, &IAccessible::get_accRole); }

DWORD State(const AccessibleNode& node) {
  return DWORD(Number(node, &IAccessible::get_accState));
}

RECT Location(const AccessibleNode& node) {
  LONG left = 0, top = 0, width = 0, height = 0;
  if (FAILED(node.object->accLocation(&left, &top, &width, &height, CComVariant(node.child))))
    return RECT{};
  return RECT{left, top, left + width, top + height};
}

// ---- the tree

std::vector<AccessibleNode> Children(const AccessibleNode& node) {
  std::vector<AccessibleNode> children;
  if (!node.IsSelf()) return children;
  LONG count = 0;
  if (FAILED(node.object->get_accChildCount(&count)) || count <= 0) return children;
  std::vector<VARIANT> items(static_cast<std::size_t>(count));
  LONG obtained = 0;
  if (FAILED(AccessibleChildren(node.object, 0, count, items.data(), &obtained))) obtained = 0;
  for (LONG i = 0; i < obtained; ++i) {
    if (auto child = Take(node, items[std::size_t(i)])) children.push_back(*child);
  }
  return children;
}

std::optional<AccessibleNode> Parent(const AccessibleNode& node) {
  if (!node.IsSelf()) return AccessibleNode{node.object, CHILDID_SELF};
  CComPtr<IDispatch> parent;
  if (node.object->get_accParent(&parent) != S_OK || !parent) return std::nullopt;
  CComPtr<IAccessible> object;
  if (FAILED(parent->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object))))
    return std::nullopt;
  return AccessibleNode{object, CHILDID_SELF};
}

std::optional<AccessibleNode> Focused(const AccessibleNode& node) {
  VARIANT v;
  VariantInit(&v);
  if (node.object->get_accFocus(&v) != S_OK) return std::nullopt;
  return Take(node, v);
}

std::optional<AccessibleNode> Selected(const AccessibleNode& node) {
  VARIANT v;
  VariantInit(&v);
  if (node.object->get_accSelection(&v) != S_OK) return std::nullopt;
  return Take(node, v);
}

}  // namespace platform::atk
