#include "host/HostAccessible.h"

#include "host/CElementHost.h"
#include "host/ElementAccessible.h"

std::vector<CComPtr<IAccessible>> HostAccessible::ChildObjects() const {
  std::vector<CComPtr<IAccessible>> objects;
  for (CElementContainer* child : m_pHost->Root()->GetChildren())
    if (CComPtr<IAccessible> object = child->GetAccessibleObject()) objects.push_back(object);
  for (CComPtr<IAccessible>& window : ClientAccessible::ChildObjects()) objects.push_back(window);
  return objects;
}

CComPtr<IAccessible> HostAccessible::FindObject(LONG id) const {
  CElementContainer* element = m_pHost->Accessibility().ElementOf(id);
  return element ? element->GetAccessibleObject() : CComPtr<IAccessible>();
}

platform::AccessibleChild HostAccessible::Focus() const {
  const platform::AccessibleChild inElements = FocusWithin(*m_pHost->Root());
  // The root holding the focus itself is the window's client area holding it.
  if (!inElements.none && inElements.object) return inElements;
  return ClientAccessible::Focus();
}
