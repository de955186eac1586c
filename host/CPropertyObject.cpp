#include "host/CPropertyObject.h"

int CPropertyObject::SetProperty(const wchar_t* key, const wchar_t* value) {
  if (!key) return 0;
  if (value) m_mapProperties[key] = value;
  else m_mapProperties.erase(key);
  return 1;
}

const wchar_t* CPropertyObject::GetProperty(const wchar_t* key) const {
  if (!key) return nullptr;
  const auto it = m_mapProperties.find(key);
  return it == m_mapProperties.end() ? nullptr : it->second.c_str();
}
