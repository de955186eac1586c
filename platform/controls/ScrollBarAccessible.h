// The scroll bar as assistive technology reads it: a scroll bar whose value is its position
// and whose description is its range (ScrollRangeText). Its value changes are announced.
#pragma once

#include "platform/accessibility/WindowAccessible.h"

namespace platform {

class ScrollBarAccessible : public ClientAccessible {
 public:
  using ClientAccessible::ClientAccessible;

 protected:
  void Describe(AccessibleFacts& facts) const override;
};

}  // namespace platform
