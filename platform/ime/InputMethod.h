// The desktop's input method: its one default input context, which windows have it, the
// compositions and results backends deliver to the focus window, the default composition
// window, and what a backend's own input method needs to know (whether text input is wanted,
// and where the candidates go).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gdi/HandleTable.h"
#include "platform/ime/CompositionWindow.h"
#include "platform/win32/WinImm.h"

namespace platform {

struct InputContext : PlatformObject {
  static constexpr ObjectKind kKind = ObjectKind::InputContext;
  // The only one is the desktop's, shared as the desktop is.
  InputContext() : PlatformObject(kKind) { shared = true; }
  bool open = true;
  std::wstring composition;
  std::vector<BYTE> attributes;  // one per character of the composition
  int cursor = 0;                // in the composition, in characters
  std::wstring result;
  // The window a composition in progress was started in; null when none is.
  HWND composingIn = nullptr;
  COMPOSITIONFORM compositionForm{CFS_DEFAULT, {0, 0}, {0, 0, 0, 0}};
  std::optional<CANDIDATEFORM> candidateForm;
  std::optional<LOGFONTW> font;
};

// A composition as a backend's input method shows it: the text, the caret in it, and the
// clause it is converting now (the target), all in characters.
struct Composition {
  std::wstring text;
  int caret = 0;
  int targetStart = 0;
  int targetLength = 0;
};

class InputMethod {
 public:
  InputMethod();
  ~InputMethod();
  InputMethod(const InputMethod&) = delete;
  InputMethod& operator=(const InputMethod&) = delete;

  HIMC DefaultContext() const { return m_context; }
  // The context `hwnd` has, open or not; null for none.
  InputContext* ContextOf(HWND hwnd) const;

  // A composition reaches the focus window `hwnd` when it has an open context: the first one
  // starts it, an empty text ends it without a result.
  void DeliverComposition(HWND hwnd, const Composition& composition);
  // The result goes to `hwnd` through its open context and ends the composition.
  void DeliverResult(HWND hwnd, std::wstring_view text);
  // A composition in progress in `hwnd` ends without a result (its window loses the keyboard
  // or its context, or asks for it).
  void CancelIn(HWND hwnd);
  // True while a composition is in progress in `hwnd`: its key presses belong to the input
  // method.
  bool ComposingIn(HWND hwnd) const;

  // DefWindowProc's part: the window does not draw its composition, so the platform does.
  void ShowDefaultWindowFor(HWND hwnd);
  // The composition the default window shows; null when it shows none.
  const InputContext* Shown() const;

  // For a backend with an input method of its own: whether the focus window takes text through
  // an open context, and the screen rectangle its candidates must stay below (the candidate
  // form, else the composition's place one line high).
  bool TextInputWanted() const;
  RECT CandidateArea() const;
  // Counts the compositions the platform ended on its own (CancelIn), so a backend can tell its
  // input method to drop the pre-edit it still holds.
  unsigned Cancellations() const { return m_cancellations; }

 private:
  InputContext* OpenContextOf(HWND hwnd) const;
  // Sends WM_IME_STARTCOMPOSITION when no composition is in progress in `hwnd`; false when the
  // handler took the keyboard or the context away.
  bool Start(HWND hwnd);
  void End(InputContext& context);

  HIMC m_context = nullptr;  // owned by the handle table
  CompositionWindow m_window;
  // The context whose composition the default window shows, while it shows one.
  const InputContext* m_shown = nullptr;
  unsigned m_cancellations = 0;
};

}  // namespace platform
