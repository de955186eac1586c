/// @class HostAccessible
/// A host window's client object: the window's standard client object (its text, states and
/// child windows) with the host's top-level elements as its first children. It resolves the
/// child ids that the host's events name (AccessibleAnnouncer::IdOf) to their elements'
/// objects, and its focus is the focused element's object while the window has the keyboard.
#pragma once

#include "platform/accessibility/WindowAccessible.h"

class CElementHost;

class HostAccessible : public platform::ClientAccessible {
 public:
  /// The client object of `hwnd`, the window of `host`, which keeps it.
  HostAccessible(HWND hwnd, CElementHost* host) : ClientAccessible(hwnd), m_pHost(host) {}

  /// The host goes with its window; the object may stay with whoever holds it.
  void Disconnect() { m_pHost = nullptr; }

 protected:
  ///@{
  /// Alive while the host and its window are; the top-level elements' objects come before the
  /// child windows'; an event's child id names its element's object; the focus is the focused
  /// element's object (or item) while the window has the keyboard.
  bool IsAlive() const override { return m_pHost && ClientAccessible::IsAlive(); }
  std::vector<CComPtr<IAccessible>> ChildObjects() const override;
  CComPtr<IAccessible> FindObject(LONG id) const override;
  platform::AccessibleChild Focus() const override;
  ///@}

 private:
  CElementHost* m_pHost;  // null once the host has gone
};
