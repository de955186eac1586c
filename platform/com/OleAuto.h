// Automation's pieces that accessibility passes across its interface: counted strings (BSTR),
// the tagged value (VARIANT) and the dispatch interface that accessible children travel as.
//
// A VARIANT here carries only what an accessible object hands out: nothing (VT_EMPTY), a number
// (VT_I4: a child id, a role, a state), a string (VT_BSTR) or an object (VT_DISPATCH,
// VT_UNKNOWN). Its union holds only those members, so the record is smaller than the platform's
// 24 bytes; the offsets of what it holds are the platform's.
#pragma once

#include "platform/com/IUnknown.h"

using OLECHAR = WCHAR;
using LPOLESTR = OLECHAR*;
using LPCOLESTR = const OLECHAR*;
// Points at the text; the length sits just before it, so a BSTR may hold L'\0' and knows its
// size. Only SysAllocString and its kin make one; SysFreeString frees it.
using BSTR = OLECHAR*;

// A new string holding `text` (nullptr for a null `text`, or when memory runs out).
BSTR SysAllocString(const OLECHAR* text);
// A new string of `length` characters copied from `text`, or left zero when `text` is null.
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
// Frees a string made above; a null string is ignored.
void SysFreeString(BSTR text);
// The number of characters, not counting the terminator; 0 for a null string.
UINT SysStringLen(BSTR text);

// Automation's dispatch interface. Accessible objects are handed out as IDispatch, as the
// platform does; late binding by name (GetIDsOfNames, Invoke, type information) is not
// supported, so not declared: callers ask for IAccessible with QueryInterface.
struct IDispatch : IUnknown {
 protected:
  ~IDispatch() = default;
};
// {00020400-0000-0000-C000-000000000046}
inline constexpr IID IID_IDispatch = {0x00020400, 0x0000, 0x0000,
                                      {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

// A member the object does not have (an element without a default action, a name that cannot
// be set), and a VARIANT type that is not one of those below.
constexpr HRESULT DISP_E_MEMBERNOTFOUND = static_cast<HRESULT>(0x80020003);
constexpr HRESULT DISP_E_BADVARTYPE = static_cast<HRESULT>(0x80020008);

using VARTYPE = USHORT;
constexpr VARTYPE VT_EMPTY = 0;
constexpr VARTYPE VT_I4 = 3;
constexpr VARTYPE VT_BSTR = 8;
constexpr VARTYPE VT_DISPATCH = 9;
constexpr VARTYPE VT_UNKNOWN = 13;

struct VARIANT {
  VARTYPE vt;
  WORD wReserved1;
  WORD wReserved2;
  WORD wReserved3;
  union {
    LONG lVal;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
  };
};
using VARIANTARG = VARIANT;

// Makes `v` empty without looking at what it held.
void VariantInit(VARIANTARG* v);
// Frees what `v` holds (the string, or the reference to the object) and makes it empty.
// E_INVALIDARG for a null `v`; DISP_E_BADVARTYPE, with `v` untouched, for another type.
HRESULT VariantClear(VARIANTARG* v);
