/// @class CUnknown
/// The counted base of every element, canvas and notification package. It belongs to the element
/// framework, whose classes derive from it, so it lives here, below the library that uses it.
///
/// Slot order is part of the contract with the host framework, which calls the slots after the
/// destructor by position: QueryInterface, AddRef, Release, the deleting destructor, GetUnknown,
/// GetName, SetName.
#pragma once

#include <atomic>

#include "platform/com/IUnknown.h"

template <class I>
class CUnknownTmp : public I {
 public:
  CUnknownTmp() = default;
  /// A copy is a new object: it starts with no references of its own.
  CUnknownTmp(const CUnknownTmp&) : I() {}
  CUnknownTmp& operator=(const CUnknownTmp&) { return *this; }

  /// Only IID_IUnknown is answered; anything else fails with E_FAIL and leaves *ppv alone.
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv || !IsEqualIID(riid, IID_IUnknown)) return E_FAIL;
    AddRef();
    *ppv = static_cast<IUnknown*>(this);
    return S_OK;
  }
  ULONG AddRef() override { return static_cast<ULONG>(m_nRefCount.fetch_add(1) + 1); }
  ULONG Release() override {
    const LONG count = m_nRefCount.fetch_sub(1) - 1;
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
  }
  virtual ~CUnknownTmp() = default;
  virtual HRESULT GetUnknown(IUnknown** out) {
    if (!out) return E_POINTER;
    AddRef();
    *out = static_cast<IUnknown*>(this);
    return S_OK;
  }

 private:
  std::atomic<LONG> m_nRefCount{0};
};

class CUnknown : public CUnknownTmp<IUnknown> {
 public:
  CUnknown() = default;
  CUnknown(const CUnknown& other);
  CUnknown& operator=(const CUnknown& other);
  ~CUnknown() override;

  virtual const wchar_t* GetName();
  virtual int SetName(const wchar_t* name);

 private:
  wchar_t* m_pName = nullptr;  ///< owned; null until set
};
