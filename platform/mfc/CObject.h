// MFC's root object and its run-time class information: a class that declares itself dynamic
// (DECLARE_DYNAMIC in the class, IMPLEMENT_DYNAMIC in one source file) has a CRuntimeClass
// record naming it and its base, which RUNTIME_CLASS finds by class and GetRuntimeClass by
// object, so that IsKindOf answers for a class and every class below it.
#pragma once

#include "platform/win32/WinDef.h"

class CObject;

struct CRuntimeClass {
  LPCSTR m_lpszClassName;
  int m_nObjectSize;
  UINT m_wSchema;                     // 0xFFFF: not serialisable
  CObject* (*m_pfnCreateObject)();    // null: not created by name
  const CRuntimeClass* m_pBaseClass;  // null for CObject

  // Whether this is `base` or a class below it.
  BOOL IsDerivedFrom(const CRuntimeClass* base) const;
};

#define RUNTIME_CLASS(class_name) (const_cast<CRuntimeClass*>(&class_name::class##class_name))

#define DECLARE_DYNAMIC(class_name)                 \
 public:                                            \
  static const CRuntimeClass class##class_name;     \
  CRuntimeClass* GetRuntimeClass() const override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                         \
  const CRuntimeClass class_name::class##class_name = {                                       \
      #class_name, int(sizeof(class_name)), 0xFFFF, nullptr, RUNTIME_CLASS(base_class_name)}; \
  CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); }

class CObject {
 public:
  virtual ~CObject() = default;

  static const CRuntimeClass classCObject;
  virtual CRuntimeClass* GetRuntimeClass() const;
  // Whether the object's class is `cls` or a class below it.
  BOOL IsKindOf(const CRuntimeClass* cls) const;

 protected:
  CObject() = default;
  CObject(const CObject&) = default;
  CObject& operator=(const CObject&) = default;
};
