// The objects that windows handed out through LresultFromObject, each under a token until
// ObjectFromLresult redeems it.
#pragma once

#include <map>

#include "platform/com/CComPtr.h"
#include "platform/com/IUnknown.h"

namespace platform {

class ObjectTokens {
 public:
  LRESULT Issue(IUnknown* object) {
    const LRESULT token = m_next++;
    m_objects[token] = object;
    return token;
  }
  // The object, with the token's reference passed on; null for an unknown token.
  CComPtr<IUnknown> Redeem(LRESULT token) {
    const auto it = m_objects.find(token);
    if (it == m_objects.end()) return {};
    CComPtr<IUnknown> object = std::move(it->second);
    m_objects.erase(it);
    return object;
  }

 private:
  std::map<LRESULT, CComPtr<IUnknown>> m_objects;
  LRESULT m_next = 1;
};

}  // namespace platform
