/// @class CGlobalEnv
/// The host environment the controls reach from anywhere: the theme palette, the bitmap factory,
/// the host's main window, and the way a counted notification package travels in an LPARAM.
///
/// One environment serves the process. It is used from the user-interface thread only, like
/// every control, so the slot that holds it is not locked.
///
/// When the theme file is read: once, as the default environment is made, on demand by the first
/// GetGlobalEnv (and again after ResetGlobalEnv). That call belongs before the first element, so
/// that no element's constructor reads a file: a host window makes it as it is created
/// (CElementHostWnd::CreateHost), and the framework's part of an element asks for nothing until
/// the element's colours or font are first used. Some controls read palette colours as they are
/// made (the edit box, the button, the date picker), so a host that makes controls before any
/// window calls GetGlobalEnv (or SetGlobalEnv) first.
#pragma once

#include "host/CUnknown.h"
#include "host/IBitmapFactory.h"
#include "platform/com/CComPtr.h"

class CGlobalEnv : public CUnknown {
 public:
  /// The environment, made on first use with the default theme (when it can be found and read)
  /// and a factory of PNG images; the theme file is read then and only then. Null only after
  /// SetGlobalEnv(nullptr).
  static CComPtr<CGlobalEnv> GetGlobalEnv();
  /// Puts `env` in place of the current environment (a host's own, or a test's); null leaves the
  /// process with no environment at all.
  static void SetGlobalEnv(CGlobalEnv* env);
  /// Drops the current environment; the next GetGlobalEnv makes a fresh default one.
  static void ResetGlobalEnv();

  CGlobalEnv() = default;
  CGlobalEnv(const CGlobalEnv&) = delete;
  CGlobalEnv& operator=(const CGlobalEnv&) = delete;

  ///@{
  /// The palette, usually a CThemePalette, possibly null or something else: callers cast it at
  /// run time. No reference is added; it stays valid while this environment holds it.
  IUnknown* GetPalette() const { return m_pPalette; }
  void SetPalette(IUnknown* palette) { m_pPalette = palette; }
  ///@}
  ///@{
  /// The factory the controls load named images from; no reference is added, as for the
  /// palette.
  IBitmapFactory* GetBitmapFactory() const { return m_pBitmapFactory; }
  void SetBitmapFactory(IBitmapFactory* factory) { m_pBitmapFactory = factory; }
  ///@}
  ///@{
  /// The host's main window: owner of pop-ups and the frame of screen conversions. Callers check
  /// it with IsWindow, since the host may have destroyed it.
  HWND GetMainWindow() const { return m_hMainWindow; }
  void SetMainWindow(HWND window) { m_hMainWindow = window; }
  ///@}

  ///@{
  /// Keyboard operation beyond the controls' own keys, off by default: Space and Enter press a
  /// system button or a radio, the arrows move within a radio group, F4 and Alt+Down open a
  /// closed drop list or the date picker's calendar, and in a tree Left/Right (and -/+) close and
  /// open the focus item and Space cycles its check box. Each does what a click does, with the
  /// click's notifications; every key still reaches the parent as before. Set it before the
  /// controls are initialised: a button or a radio takes keys only when it is on at InitObject.
  void SetKeyboardOperation(bool on) { m_bKeyboardOperation = on; }
  bool GetKeyboardOperation() const { return m_bKeyboardOperation; }
  ///@}
  /// Whether the current environment has it on: the one place the controls ask.
  static bool KeyboardOperation();
  ///@{
  /// Its keys that several controls share, named once: Space and Enter press a button or a
  /// radio; F4 and Alt+Down open a drop list's or a date picker's pop-up.
  static bool IsPressKey(UINT vk);
  static bool IsOpenKey(UINT vk);
  ///@}

  /// Turns a counted notification package into the LPARAM of its message: the pointer itself.
  /// The environment adds a reference and keeps it until the next package or until it goes
  /// itself, so a receiver may read the package for as long as its handler runs, even when the
  /// sender has already dropped its own reference, and releases nothing. A receiver that keeps
  /// the package longer adds its own reference. Null gives 0.
  LPARAM PackageToLParam(CUnknown* package);
  /// The package behind such an LPARAM (no reference added); the receiver casts it to the
  /// package type the message promises.
  static CUnknown* PackageFromLParam(LPARAM lParam);

 private:
  static CComPtr<CGlobalEnv> MakeDefault();

  CComPtr<IUnknown> m_pPalette;
  CComPtr<IBitmapFactory> m_pBitmapFactory;
  HWND m_hMainWindow = nullptr;
  bool m_bKeyboardOperation = false;
  CComPtr<CUnknown> m_pLastPackage;
};
