#include "platform/com/OleAuto.h"

#include <cstdlib>
#include <cstring>

namespace {

// The length sits in the word before the text, as the platform keeps it.
using LengthWord = UINT_PTR;

LengthWord* Header(BSTR text) { return reinterpret_cast<LengthWord*>(text) - 1; }

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, UINT length) {
  void* block = std::malloc(sizeof(LengthWord) + (std::size_t(length) + 1) * sizeof(OLECHAR));
  if (!block) return nullptr;
  *static_cast<LengthWord*>(block) = length;
  BSTR result = reinterpret_cast<BSTR>(static_cast<LengthWord*>(block) + 1);
  if (text)
    std::memcpy(result, text, length * sizeof(OLECHAR));
  else
    std::memset(result, 0, length * sizeof(OLECHAR));
  result[length] = L'\0';
  return result;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (!text) return nullptr;
  UINT length = 0;
  while (text[length]) ++length;
  return SysAllocStringLen(text, length);
}

void SysFreeString(BSTR text) {
  if (text) std::free(Header(text));
}

UINT SysStringLen(BSTR text) { return text ? UINT(*Header(text)) : 0; }

void VariantInit(VARIANTARG* v) {
  v->vt = VT_EMPTY;
  v->wReserved1 = v->wReserved2 = v->wReserved3 = 0;
  v->punkVal = nullptr;
}

HRESULT VariantClear(VARIANTARG* v) {
  if (!v) return E_INVALIDARG;
  switch (v->vt) {
    case VT_EMPTY:
    case VT_I4: break;
    case VT_BSTR: SysFreeString(v->bstrVal); break;
    case VT_DISPATCH:
    case VT_UNKNOWN:
      if (v->punkVal) v->punkVal->Release();
      break;
    default: return DISP_E_BADVARTYPE;
  }
  VariantInit(v);
  return S_OK;
}
