// An environment variable set (or unset, for null) while this lives, then put back as it was.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

namespace trellis::test {

class ScopedVariable {
 public:
  ScopedVariable(const char* name, const char* value) : m_name(name) {
    if (const char* was = std::getenv(name)) m_was = was;
    Set(value);
  }
  ~ScopedVariable() { Set(m_was ? m_was->c_str() : nullptr); }
  ScopedVariable(const ScopedVariable&) = delete;
  ScopedVariable& operator=(const ScopedVariable&) = delete;

  void Set(const char* value) const { value ? setenv(m_name, value, 1) : unsetenv(m_name); }

 private:
  const char* m_name;
  std::optional<std::string> m_was;
};

}  // namespace trellis::test
