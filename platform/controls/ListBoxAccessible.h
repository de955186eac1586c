// The list box as assistive technology reads it: a list whose rows are list items, named by
// their strings (LBS_HASSTRINGS), the selected one selected and, while the list has the focus,
// focused. A row's default action is the click that picks it. Rows scrolled out of view are
// off screen.
#pragma once

#include "platform/accessibility/WindowAccessible.h"

namespace platform {

class ListBoxAccessible : public ClientAccessible {
 public:
  using ClientAccessible::ClientAccessible;

 protected:
  void Describe(AccessibleFacts& facts) const override;
  LONG ItemCount() const override;
  void DescribeItem(LONG item, AccessibleFacts& facts) const override;
  AccessibleChild Focus() const override;
  AccessibleChild Selection() const override;
  HRESULT DoDefaultAction(LONG child) override;
};

}  // namespace platform
