#include "tests/support/AccessibleReader.h"

#include <gtest/gtest.h>

#include <utility>

#include "platform/com/CComVariant.h"

namespace trellis::test {

namespace {

std::wstring Text(HRESULT (IAccessible::*get)(VARIANT, BSTR*), IAccessible* object, LONG child) {
  BSTR text = nullptr;
  const HRESULT hr = (object->*get)(CComVariant(child), &text);
  std::wstring read = SUCCEEDED(hr) && text ? std::wstring(text, SysStringLen(text)) : L"";
  SysFreeString(text);
  return read;
}

DWORD Number(HRESULT (IAccessible::*get)(VARIANT, VARIANT*), IAccessible* object, LONG child) {
  VARIANT v;
  VariantInit(&v);
  const HRESULT hr = (object->*get)(CComVariant(child), &v);
  EXPECT_TRUE(SUCCEEDED(hr) && v.vt == VT_I4) << "child " << child;
  return v.vt == VT_I4 ? DWORD(v.lVal) : 0;
}

std::vector<Heard>& Log() {
  static std::vector<Heard> heard;
  return heard;
}

}  // namespace

Reading Read(IAccessible* object, LONG child) {
  Reading r;
  r.role = Number(&IAccessible::get_accRole, object, child);
  r.state = Number(&IAccessible::get_accState, object, child);
  r.name = Text(&IAccessible::get_accName, object, child);
  r.value = Text(&IAccessible::get_accValue, object, child);
  r.description = Text(&IAccessible::get_accDescription, object, child);
  r.action = Text(&IAccessible::get_accDefaultAction, object, child);
  LONG x = 0, y = 0, cx = 0, cy = 0;
  if (SUCCEEDED(object->accLocation(&x, &y, &cx, &cy, CComVariant(child))))
    r.place = {x, y, x + cx, y + cy};
  if (child == CHILDID_SELF) object->get_accChildCount(&r.childCount);
  return r;
}

std::vector<Child> ChildrenOf(IAccessible* object) {
  LONG count = 0;
  object->get_accChildCount(&count);
  std::vector<VARIANT> raw(std::size_t(count > 0 ? count : 0));
  LONG obtained = 0;
  if (count > 0) AccessibleChildren(object, 0, count, raw.data(), &obtained);
  EXPECT_EQ(obtained, count);
  std::vector<Child> children;
  for (LONG i = 0; i < obtained; ++i) {
    VARIANT& v = raw[std::size_t(i)];
    Child c;
    if (v.vt == VT_I4) {
      c.id = v.lVal;
    } else if (v.vt == VT_DISPATCH && v.pdispVal) {
      v.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&c.object));
    }
    children.push_back(c);
    VariantClear(&v);
  }
  return children;
}

CComPtr<IAccessible> ClientObject(HWND hwnd) {
  CComPtr<IAccessible> object;
  AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), IID_IAccessible,
                             reinterpret_cast<void**>(&object));
  return object;
}

bool Same(IAccessible* a, IAccessible* b) {
  if (!a || !b) return a == b;
  CComPtr<IUnknown> ua, ub;
  a->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ua));
  b->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&ub));
  return ua.p == ub.p;
}

EventLog::EventLog()
    : m_hook(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, &EventLog::Hear, 0, 0,
                             WINEVENT_OUTOFCONTEXT)) {
  Log().clear();
}

EventLog::~EventLog() {
  UnhookWinEvent(m_hook);
  Log().clear();
}

std::vector<Heard> EventLog::Take() { return std::exchange(Log(), {}); }

bool EventLog::Has(const std::vector<Heard>& heard, DWORD event, IAccessible* object,
                   LONG child) {
  for (const Heard& h : heard)
    if (h.event == event && Same(h.object, object) && h.child == child) return true;
  return false;
}

void EventLog::Hear(HWINEVENTHOOK, DWORD event, HWND hwnd, LONG idObject, LONG idChild, DWORD,
                    DWORD) {
  Heard h{event, hwnd, idObject, idChild, {}, CHILDID_SELF};
  VARIANT child;
  VariantInit(&child);
  if (SUCCEEDED(AccessibleObjectFromEvent(hwnd, DWORD(idObject), DWORD(idChild), &h.object,
                                          &child)) &&
      child.vt == VT_I4)
    h.child = child.lVal;
  VariantClear(&child);
  Log().push_back(std::move(h));
}

}  // namespace trellis::test
