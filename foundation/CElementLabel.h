/// @class CElementLabel
/// A label: the framework's plain control, shown with the label style (its text, aligned by the
/// ELEMENT_STYLE_CENTER or ELEMENT_STYLE_RIGHT bits of its creation record).
#pragma once

#include "host/CElementControl.h"

class CElementLabel : public CElementControl {
 public:
  ///@{
  /// Made as the plain control is: give it the style bits in its creation record. A copy has
  /// the same text, look and check mark, but no place in the tree.
  CElementLabel();
  CElementLabel(const CElementLabel& other);
  CElementLabel& operator=(const CElementLabel& other);
  ~CElementLabel() override;
  ///@}
};
