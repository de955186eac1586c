/// @class CPackager
/// A counted package around one record, for notifications whose record must outlive the sender's
/// stack: the host environment turns it into the message's LPARAM (CGlobalEnv::PackageToLParam)
/// and keeps it alive while the receiver reads it.
#pragma once

#include "host/CGlobalEnv.h"
#include "host/CUnknown.h"

template <class T>
class CPackager : public CUnknown {
 public:
  /// A package holding a default record.
  CPackager() = default;
  /// A package holding a copy of `value`.
  explicit CPackager(const T& value) : m_value(value) {}

  /// The record in the package.
  T& Value() { return m_value; }
  /// The record in the package, read-only, as a receiver sees it.
  const T& Value() const { return m_value; }

  /// The package behind a notification's LPARAM, or null when there is none.
  static const CPackager* FromLParam(LPARAM lParam) {
    return dynamic_cast<const CPackager*>(CGlobalEnv::PackageFromLParam(lParam));
  }

 private:
  T m_value{};
};
