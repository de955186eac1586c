// What a backend with a system clipboard provides, so the platform clipboard follows it.
#pragma once

#include <string>
#include <string_view>

namespace platform {

class SystemClipboard {
 public:
  virtual ~SystemClipboard() = default;
  // The system's current text; empty when it has none.
  virtual std::wstring Text() = 0;
  virtual void SetText(std::wstring_view text) = 0;
};

}  // namespace platform
