/// @class MenuAccessible
/// An open pop-up menu as assistive technology reads it: a pop-up menu whose items are its
/// rows, menu items named by their text or separators; greyed rows are unavailable; the
/// highlighted row is focused and hot. A row's default action ("Execute") is the click that
/// chooses it.
#pragma once

#include "platform/accessibility/WindowAccessible.h"

class MenuAccessible : public platform::ClientAccessible {
 public:
  using ClientAccessible::ClientAccessible;

 protected:
  ///@{
  /// The menu and its rows, as the class says; the focus is the highlighted row while the
  /// menu has the keyboard.
  void Describe(platform::AccessibleFacts& facts) const override;
  LONG ItemCount() const override;
  void DescribeItem(LONG item, platform::AccessibleFacts& facts) const override;
  platform::AccessibleChild Focus() const override;
  HRESULT DoDefaultAction(LONG child) override;
  ///@}
};
