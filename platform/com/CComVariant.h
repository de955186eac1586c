// A VARIANT that clears itself when it goes. It is made empty or holding a number; the call
// sites that read a VARIANT back (get_accRole, get_accState) take its address as they take a
// plain VARIANT's. Copying would need VariantCopy, which the subset does not have, so it is
// not offered.
#pragma once

#include "platform/com/OleAuto.h"

class CComVariant : public VARIANT {
 public:
  CComVariant() { VariantInit(this); }
  // A number of type `vtSrc`; VT_I4 is the only number type the subset has.
  CComVariant(LONG nSrc, VARTYPE vtSrc = VT_I4) {  // NOLINT: converts as ATL's does
    VariantInit(this);
    vt = vtSrc;
    lVal = nSrc;
  }
  CComVariant(const CComVariant&) = delete;
  CComVariant& operator=(const CComVariant&) = delete;
  ~CComVariant() { Clear(); }

  HRESULT Clear() { return VariantClear(this); }
};
