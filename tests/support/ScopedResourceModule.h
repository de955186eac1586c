// A resource module registered for the length of a test.
#pragma once

#include <initializer_list>

#include "platform/resource/ResourceModule.h"

namespace trellis::test {

class ScopedResourceModule {
 public:
  ScopedResourceModule(LPCWSTR name, std::initializer_list<platform::ResourceEntry> entries)
      : m_module(platform::RegisterResourceModule(name, entries)) {}
  ~ScopedResourceModule() {
    if (m_module) platform::UnregisterResourceModule(m_module);
  }
  ScopedResourceModule(const ScopedResourceModule&) = delete;
  ScopedResourceModule& operator=(const ScopedResourceModule&) = delete;

  HINSTANCE get() const { return m_module; }

 private:
  HINSTANCE m_module = nullptr;
};

}  // namespace trellis::test
