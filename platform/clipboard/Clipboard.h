// The clipboard's state: what it holds by format, who holds it open, and who owns it. The
// Win32 entry points (WinClipboard.h) work on the current desktop's clipboard.
#pragma once

#include <map>
#include <string>

#include "platform/clipboard/SystemClipboard.h"
#include "platform/win32/WinClipboard.h"

namespace platform {

class Clipboard {
 public:
  Clipboard() = default;
  ~Clipboard();
  Clipboard(const Clipboard&) = delete;
  Clipboard& operator=(const Clipboard&) = delete;

  // The backend's clipboard, or null; it must outlive its attachment.
  void AttachSystem(SystemClipboard* system) { m_system = system; }

  bool Open(HWND opener);
  bool Close();
  bool Empty();
  HGLOBAL Set(UINT format, HGLOBAL memory);
  HGLOBAL Get(UINT format);
  bool Has(UINT format);
  HWND Owner() const;

 private:
  bool RequireOpen() const;
  void FreeAll();
  // Takes the system's text when another program changed it since we last traded texts.
  void PullFromSystem();
  void PushToSystem();

  std::map<UINT, HGLOBAL> m_data;
  bool m_open = false;
  HWND m_opener = nullptr;
  bool m_emptied = false;  // EmptyClipboard was called in this open
  bool m_changed = false;  // the system has not seen this open's changes yet
  HWND m_owner = nullptr;
  SystemClipboard* m_system = nullptr;
  std::wstring m_tradedText;  // the text last sent to or taken from the system
};

}  // namespace platform
