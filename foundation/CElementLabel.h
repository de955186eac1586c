/// @class CElementLabel
/// A label: the framework's plain control, shown with the label style (its text, aligned by the
/// ELEMENT_STYLE_CENTER or ELEMENT_STYLE_RIGHT bits of its creation record).
#pragma once

#include "host/CElementControl.h"

class CElementLabel : public CElementControl {
 public:
  CElementLabel();
  CElementLabel(const CElementLabel& other);
  CElementLabel& operator=(const CElementLabel& other);
  ~CElementLabel() override;
};
