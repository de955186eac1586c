/// @class CElementCheckBox
/// A check box: the framework's plain control made with ELEMENT_STYLE_CHECKBOX in the style word
/// of its creation record. A click or the space bar toggles it, it shows hover, press and focus,
/// and it tells its parent WM_COMMAND with MAKEWPARAM(id, BN_CLICKED) in wParam and 0 in
/// lParam; GetCheck then answers the new state. See the @ref index "notification reference".
#pragma once

#include "host/CElementControl.h"

class CElementCheckBox : public CElementControl {
 public:
  ///@{
  /// Made as the plain control is: give it the style bits in its creation record. A copy has
  /// the same text, look and check mark, but no place in the tree.
  CElementCheckBox();
  CElementCheckBox(const CElementCheckBox& other);
  CElementCheckBox& operator=(const CElementCheckBox& other);
  ~CElementCheckBox() override;
  ///@}
};
