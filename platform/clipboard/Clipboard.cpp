#include "platform/clipboard/Clipboard.h"

#include "platform/clipboard/GlobalMemory.h"
#include "platform/window/WindowManager.h"

namespace platform {

Clipboard::~Clipboard() { FreeAll(); }

bool Clipboard::RequireOpen() const {
  if (!m_open) SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return m_open;
}

void Clipboard::FreeAll() {
  for (const auto& [format, memory] : m_data) Handles().Erase(memory);
  m_data.clear();
}

void Clipboard::PullFromSystem() {
  if (!m_system) return;
  std::wstring text = m_system->Text();
  if (text == m_tradedText) return;
  FreeAll();
  m_owner = nullptr;
  if (!text.empty()) {
    if (const HGLOBAL memory = GlobalFromText(text)) {
      FindGlobal(memory)->heldByClipboard = true;
      m_data[CF_UNICODETEXT] = memory;
    }
  }
  m_tradedText = std::move(text);
}

void Clipboard::PushToSystem() {
  if (!m_system) return;
  const auto it = m_data.find(CF_UNICODETEXT);
  const GlobalMemory* block = it == m_data.end() ? nullptr : FindGlobal(it->second);
  m_tradedText = block ? std::wstring(block->Text()) : std::wstring();
  m_system->SetText(m_tradedText);
}

bool Clipboard::Open(HWND opener) {
  if (opener && !RequireWindow(opener)) return false;
  if (m_open) {
    if (opener == m_opener) return true;
    SetLastError(ERROR_ACCESS_DENIED);
    return false;
  }
  PullFromSystem();
  m_open = true;
  m_opener = opener;
  m_emptied = false;
  m_changed = false;
  return true;
}

bool Clipboard::Close() {
  if (!RequireOpen()) return false;
  m_open = false;
  m_opener = nullptr;
  if (m_changed) PushToSystem();
  m_changed = false;
  return true;
}

bool Clipboard::Empty() {
  if (!RequireOpen()) return false;
  FreeAll();
  m_owner = m_opener;
  m_emptied = true;
  m_changed = true;
  return true;
}

HGLOBAL Clipboard::Set(UINT format, HGLOBAL memory) {
  if (!RequireOpen()) return nullptr;
  if (!m_emptied) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  GlobalMemory* block = FindGlobal(memory);
  if (!block) {
    SetLastError(memory ? ERROR_INVALID_HANDLE : ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  HGLOBAL& slot = m_data[format];
  if (slot == memory) return memory;
  // One block under two formats would be freed twice.
  if (block->heldByClipboard) {
    if (!slot) m_data.erase(format);
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (slot) Handles().Erase(slot);
  slot = memory;
  block->heldByClipboard = true;
  m_changed = true;
  return memory;
}

HGLOBAL Clipboard::Get(UINT format) {
  if (!RequireOpen()) return nullptr;
  const auto it = m_data.find(format);
  return it == m_data.end() ? nullptr : it->second;
}

bool Clipboard::Has(UINT format) {
  // An open clipboard is being read or written by us: the system's text waits for the next open.
  if (!m_open) PullFromSystem();
  return m_data.contains(format);
}

HWND Clipboard::Owner() const { return IsWindow(m_owner) ? m_owner : nullptr; }

}  // namespace platform

using namespace platform;

BOOL OpenClipboard(HWND owner) { return Desktop::Current().clipboard.Open(owner); }
BOOL CloseClipboard() { return Desktop::Current().clipboard.Close(); }
BOOL EmptyClipboard() { return Desktop::Current().clipboard.Empty(); }
HGLOBAL SetClipboardData(UINT format, HGLOBAL memory) {
  return Desktop::Current().clipboard.Set(format, memory);
}
HGLOBAL GetClipboardData(UINT format) { return Desktop::Current().clipboard.Get(format); }
BOOL IsClipboardFormatAvailable(UINT format) { return Desktop::Current().clipboard.Has(format); }
HWND GetClipboardOwner() { return Desktop::Current().clipboard.Owner(); }
