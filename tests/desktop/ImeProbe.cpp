// An edit box with the focus in a real window, for driving the system's input method from a
// script: whenever it changes, it writes what the script checks to a status file (written
// whole, then renamed over the old one), looking after every notification of the edit and
// every 50 ms (a cancelled composition sends none):
//
//   caret X Y W H      the caret's column the input method was told, in window pixels
//   composing 0|1      a composition is in progress
//   composition TEXT   its text (UTF-8)
//   text TEXT          the edit's text (UTF-8)
//
//   ime_probe STATUS_FILE    runs until the window is closed
#include <cstdio>
#include <string>

#include "edit/CElementEdit.h"
#include "host/CElementHostWnd.h"
#include "platform/backend/sdl/SdlScreen.h"
#include "platform/backend/sdl/SdlTextInput.h"
#include "platform/com/CComPtr.h"
#include "platform/text/Utf8.h"
#include "platform/win32/WinImm.h"
#include "platform/window/Desktop.h"

namespace {

constexpr const wchar_t* kTitle = L"Trellis input method probe";
constexpr int kWidth = 360;
constexpr int kHeight = 100;
constexpr DWORD kEditId = 1;

class ProbePanel : public CElementContainer {
 public:
  // `scale`: the window's, so that the caret is told in the pixels a screenshot shows.
  ProbePanel(std::string path, platform::DisplayScale scale)
      : m_path(std::move(path)), m_scale(scale) {}

  int Create(CElementContainer* root) {
    _CONTAINER_INFO info;
    info.SetSize(kWidth, kHeight);
    info.SetParent(root);
    if (!InitObject(L"panel", &info)) return 0;
    m_edit = new CElementEdit;
    _CONTAINER_INFO editInfo;
    editInfo.SetPosition(20, 36);
    editInfo.SetSize(kWidth - 40, 26);
    editInfo.SetId(kEditId);
    editInfo.SetParent(this);
    if (!m_edit->InitObject(L"edit", &editInfo)) return 0;
    StartTimer(kStatusTimer, 50);
    return 1;
  }
  CElementEdit* Edit() const { return m_edit; }
  void WriteStatus() const;

 protected:
  int OnControlMessage(DWORD, UINT msg, WPARAM, LPARAM) override {
    if (msg == WM_NOTIFY) WriteStatus();
    return 1;
  }
  int OnTimer(DWORD) override {
    WriteStatus();
    return 1;
  }

 private:
  static constexpr DWORD kStatusTimer = 1;
  std::string m_path;
  platform::DisplayScale m_scale;
  mutable std::string m_written;
  CComPtr<CElementEdit> m_edit;
};

void ProbePanel::WriteStatus() const {
  using platform::Desktop;
  const HWND window = GetVMWindow();
  const HIMC context = ::ImmGetContext(window);
  std::wstring composition;
  if (context) {
    const LONG bytes = ::ImmGetCompositionStringW(context, GCS_COMPSTR, nullptr, 0);
    composition.resize(std::size_t(bytes) / sizeof(wchar_t));
    ::ImmGetCompositionStringW(context, GCS_COMPSTR, composition.data(), DWORD(bytes));
  }
  const SDL_Rect caret =
      platform::sdl::WindowRectFromScreen(Desktop::Current().inputMethod.CandidateArea(), m_scale);
  const std::string status =
      "caret " + std::to_string(caret.x) + " " + std::to_string(caret.y) + " " +
      std::to_string(caret.w) + " " + std::to_string(caret.h) + "\ncomposing " +
      (Desktop::Current().inputMethod.ComposingIn(window) ? "1" : "0") + "\ncomposition " +
      platform::Utf8FromWide(composition) + "\ntext " +
      platform::Utf8FromWide(m_edit->GetTextString().GetString()) + "\n";
  if (status == m_written) return;
  const std::string temporary = m_path + ".new";
  FILE* out = std::fopen(temporary.c_str(), "w");
  if (!out) return;
  std::fputs(status.c_str(), out);
  std::fclose(out);
  std::rename(temporary.c_str(), m_path.c_str());
  m_written = status;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ime_probe STATUS_FILE\n");
    return 2;
  }
  platform::sdl::SdlScreen screen;
  if (!screen.Open(kTitle, kWidth, kHeight)) {
    std::fprintf(stderr, "ime_probe: no window: %s\n", screen.Error().c_str());
    return 1;
  }
  CElementHostWnd window;
  window.CreateHost(kTitle, CRect(0, 0, kWidth, kHeight), WS_POPUP | WS_VISIBLE);
  ProbePanel panel(argv[1], screen.Scale());
  if (!panel.Create(window.Root())) return 1;
  panel.Edit()->SetFocus();
  panel.WriteStatus();
  return screen.Run();
}
