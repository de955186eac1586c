#include "host/ThemeError.h"

std::wstring ThemeError::Describe() const {
  if (nLine <= 0) return strReason;
  return L"line " + std::to_wstring(nLine) + L": " + strReason;
}
