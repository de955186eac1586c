/// @class CPropertyObject
/// The first layer of every element: named string properties that a host can attach to an
/// element and read back (a tooltip, a command name, a data key) without subclassing it.
#pragma once

#include <map>
#include <string>

#include "host/CUnknown.h"

class CPropertyObject : public CUnknown {
 public:
  ///@{
  /// A copy has the same properties.
  CPropertyObject() = default;
  CPropertyObject(const CPropertyObject&) = default;
  CPropertyObject& operator=(const CPropertyObject&) = default;
  ///@}
  ~CPropertyObject() override = default;

  /// Returns 1; a null key is refused with 0, a null value removes the property.
  virtual int SetProperty(const wchar_t* key, const wchar_t* value);
  /// The value, or null when the property is not set. The pointer lives until the property changes.
  virtual const wchar_t* GetProperty(const wchar_t* key) const;

 private:
  std::map<std::wstring, std::wstring> m_mapProperties;
};
