#include "host/CUnknown.h"

#include <cwchar>

CUnknown::CUnknown(const CUnknown& other) : CUnknownTmp(other) { SetName(other.m_pName); }

CUnknown& CUnknown::operator=(const CUnknown& other) {
  if (this != &other) SetName(other.m_pName);
  return *this;
}

CUnknown::~CUnknown() { delete[] m_pName; }

const wchar_t* CUnknown::GetName() { return m_pName; }

int CUnknown::SetName(const wchar_t* name) {
  // Copy before freeing: the new name may be the old one.
  wchar_t* copy = nullptr;
  if (name) {
    const std::size_t length = std::wcslen(name);
    copy = new wchar_t[length + 1];
    std::wmemcpy(copy, name, length + 1);
  }
  delete[] m_pName;
  m_pName = copy;
  return 1;
}
