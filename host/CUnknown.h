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

/// The reference count under an interface `I`: the object deletes itself when Release drops
/// the last reference. Hold counted objects in CComPtr, or AddRef and Release them in pairs.
template <class I>
class CUnknownTmp : public I {
 public:
  /// A new object has no references: the first holder adds one.
  CUnknownTmp() = default;
  /// A copy is a new object: it starts with no references of its own.
  CUnknownTmp(const CUnknownTmp&) : I() {}
  /// Assigning leaves the count alone: the references are to this object, not its value.
  CUnknownTmp& operator=(const CUnknownTmp&) { return *this; }

  /// Only IID_IUnknown is answered; anything else fails with E_FAIL and leaves *ppv alone.
  HRESULT QueryInterface(REFIID riid, void** ppv) override {
    if (!ppv || !IsEqualIID(riid, IID_IUnknown)) return E_FAIL;
    AddRef();
    *ppv = static_cast<IUnknown*>(this);
    return S_OK;
  }
  /// Adds a reference and answers the new count.
  ULONG AddRef() override { return static_cast<ULONG>(m_nRefCount.fetch_add(1) + 1); }
  /// Drops a reference and answers the new count; dropping the last deletes the object.
  ULONG Release() override {
    const LONG count = m_nRefCount.fetch_sub(1) - 1;
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
  }
  /// Release deletes it; delete it directly only when nobody holds a reference.
  virtual ~CUnknownTmp() = default;
  /// Hands out the object as IUnknown with a reference added; E_POINTER for a null `out`.
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
  /// A counted object with no name.
  CUnknown() = default;
  ///@{
  /// A copy has the same name and no references of its own.
  CUnknown(const CUnknown& other);
  CUnknown& operator=(const CUnknown& other);
  ///@}
  /// Frees the name.
  ~CUnknown() override;

  ///@{
  /// The object's name: an element's is the one given to InitObject. GetName answers null until
  /// one is set; SetName copies it (null clears it) and returns 1.
  virtual const wchar_t* GetName();
  virtual int SetName(const wchar_t* name);
  ///@}

 private:
  wchar_t* m_pName = nullptr;  ///< owned; null until set
};
