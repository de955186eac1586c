// The edit box and the clipboard (CF_UNICODETEXT both ways), and input-method results.
#include <cwchar>
#include <vector>

#include "edit/CElementEdit.h"
#include "platform/win32/WinClipboard.h"
#include "platform/win32/WinImm.h"
#include "platform/win32/WinInput.h"
#include "platform/win32/WinWindow.h"

namespace {

// Closes the clipboard on every way out of an operation that opened it.
class OpenClipboardScope {
 public:
  explicit OpenClipboardScope(HWND owner) : m_bOpen(::OpenClipboard(owner) != FALSE) {}
  ~OpenClipboardScope() {
    if (m_bOpen) ::CloseClipboard();
  }
  OpenClipboardScope(const OpenClipboardScope&) = delete;
  OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
  bool IsOpen() const { return m_bOpen; }

 private:
  bool m_bOpen;
};

// Global memory holding the text and its terminator; null when it cannot be had.
HGLOBAL CopyToGlobal(const std::wstring& text) {
  const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  if (!memory) return nullptr;
  auto* buffer = static_cast<wchar_t*>(::GlobalLock(memory));
  if (!buffer) {
    ::GlobalFree(memory);
    return nullptr;
  }
  std::wmemcpy(buffer, text.data(), text.size());
  buffer[text.size()] = L'\0';
  ::GlobalUnlock(memory);
  return memory;
}

}  // namespace

int CElementEdit::CopyToChipboard() {
  // An empty selection copies nothing and leaves the clipboard as it was.
  if (!m_model.HasSelection()) return 0;
  const OpenClipboardScope clipboard(nullptr);
  if (!clipboard.IsOpen() || !::EmptyClipboard()) return 0;
  const HGLOBAL memory = CopyToGlobal(m_model.SelectedText());
  if (!memory) return 0;
  // The clipboard owns the memory once it takes it; until then it is still ours.
  if (!::SetClipboardData(CF_UNICODETEXT, memory)) {
    ::GlobalFree(memory);
    return 0;
  }
  return 1;
}

int CElementEdit::CutOperation() {
  // Nothing is erased that did not reach the clipboard.
  if (!CopyToChipboard()) return 0;
  DeleteSelect();
  return 1;
}

int CElementEdit::GetDataFromClipboard(std::wstring& out) {
  const OpenClipboardScope clipboard(GetVMWindow());
  if (!clipboard.IsOpen() || !::IsClipboardFormatAvailable(CF_UNICODETEXT)) return 0;
  const HGLOBAL data = ::GetClipboardData(CF_UNICODETEXT);
  const auto* text = data ? static_cast<const wchar_t*>(::GlobalLock(data)) : nullptr;
  if (!text) return 0;
  // Data another program left without a terminator ends with its memory.
  out.assign(text, ::wcsnlen(text, ::GlobalSize(data) / sizeof(wchar_t)));
  ::GlobalUnlock(data);
  return 1;
}

int CElementEdit::PasteOperation() {
  std::wstring text;
  if (GetDataFromClipboard(text)) {
    m_model.InsertText(text);
    WriteBack();
  }
  return 1;
}

int CElementEdit::GetIMMString(std::wstring& out) {
  const HWND focus = ::GetFocus();
  if (!::IsWindow(focus)) return 0;
  const HIMC context = ::ImmGetContext(focus);
  if (!context) return 0;
  const LONG bytes = ::ImmGetCompositionStringW(context, GCS_RESULTSTR, nullptr, 0);
  std::vector<wchar_t> buffer(bytes > 0 ? std::size_t(bytes) / sizeof(wchar_t) + 1 : 1, L'\0');
  if (bytes > 0) ::ImmGetCompositionStringW(context, GCS_RESULTSTR, buffer.data(), DWORD(bytes));
  ::ImmReleaseContext(focus, context);
  out.assign(buffer.data());
  return 1;
}

int CElementEdit::OnWindowProc(UINT msg, WPARAM, LPARAM, POINT) {
  if (msg != WM_IME_COMPOSITION) return 1;
  // An unfinished composition reports an empty result, which inserts nothing. Input-method
  // results go in even when the edit is read-only, as the keyboard's own do not.
  std::wstring result;
  GetIMMString(result);
  m_model.InsertText(result);
  WriteBack();
  Redraw();
  SkipMsg();
  // Notify last (ElementWatch.h).
  Notify(EDIT_NOTIFY_CHANGE);
  return 1;
}
