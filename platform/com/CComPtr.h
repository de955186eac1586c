// A counted smart pointer: holds one reference to a COM-style object and drops it when it goes.
#pragma once

#include <memory>
#include <utility>

template <class T>
class CComPtr {
 public:
  CComPtr() = default;
  CComPtr(T* p) : p(p) {  // NOLINT: adopts a new reference as ATL's does
    if (p) p->AddRef();
  }
  CComPtr(const CComPtr& o) : CComPtr(o.p) {}
  CComPtr(CComPtr&& o) noexcept : p(std::exchange(o.p, nullptr)) {}
  ~CComPtr() { Release(); }
  CComPtr& operator=(T* q) {
    if (q) q->AddRef();
    Release();
    p = q;
    return *this;
  }
  CComPtr& operator=(const CComPtr& o) { return *this = o.p; }
  CComPtr& operator=(CComPtr&& o) noexcept {
    // operator& gives the address of the held pointer, not of the CComPtr.
    if (this != std::addressof(o)) {
      Release();
      p = std::exchange(o.p, nullptr);
    }
    return *this;
  }

  void Release() {
    if (T* q = std::exchange(p, nullptr)) q->Release();
  }
  // Takes over a reference the caller already holds.
  void Attach(T* q) {
    Release();
    p = q;
  }
  T* Detach() { return std::exchange(p, nullptr); }
  T** operator&() { return &p; }  // NOLINT: for out-parameters, as ATL's
  T* operator->() const { return p; }
  T& operator*() const { return *p; }
  operator T*() const { return p; }  // NOLINT
  explicit operator bool() const { return p != nullptr; }

  T* p = nullptr;
};
