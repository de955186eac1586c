// Index: the input method; delivering compositions and results; what backends ask; the Imm
// functions.
#include "platform/ime/InputMethod.h"

#include <algorithm>
#include <cstdlib>

#include "platform/window/WindowManager.h"

namespace platform {

namespace {

constexpr LPARAM kCompositionFlags = GCS_COMPSTR | GCS_COMPATTR | GCS_CURSORPOS;

WPARAM LastCharacter(std::wstring_view text) { return text.empty() ? 0 : WPARAM(text.back()); }

RECT ClientToScreenRect(HWND hwnd, const RECT& r) {
  POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
  ClientToScreen(hwnd, &corners[0]);
  ClientToScreen(hwnd, &corners[1]);
  return {corners[0].x, corners[0].y, corners[1].x, corners[1].y};
}

}  // namespace

InputMethod::InputMethod()
    : m_context(Register<InputContext, HIMC>(std::make_unique<InputContext>())) {}

InputMethod::~InputMethod() { Handles().Erase(m_context); }

InputContext* InputMethod::ContextOf(HWND hwnd) const {
  const Window* w = FindWindowObject(hwnd);
  return w ? Resolve<InputContext>(w->inputContext.value_or(m_context)) : nullptr;
}

InputContext* InputMethod::OpenContextOf(HWND hwnd) const {
  InputContext* context = ContextOf(hwnd);
  return context && context->open ? context : nullptr;
}

bool InputMethod::ComposingIn(HWND hwnd) const {
  const InputContext* context = ContextOf(hwnd);
  return context && context->composingIn == hwnd;
}

// ---- delivering compositions and results

bool InputMethod::Start(HWND hwnd) {
  InputContext* context = OpenContextOf(hwnd);
  if (!context) return false;
  if (context->composingIn == hwnd) return true;
  if (context->composingIn) End(*context);
  context->composingIn = hwnd;
  context->composition.clear();
  context->attributes.clear();
  context->cursor = 0;
  context->result.clear();
  SendMessageW(hwnd, WM_IME_STARTCOMPOSITION, 0, 0);
  return ComposingIn(hwnd) && OpenContextOf(hwnd);
}

void InputMethod::End(InputContext& context) {
  const HWND in = context.composingIn;
  context.composingIn = nullptr;
  context.composition.clear();
  context.attributes.clear();
  context.cursor = 0;
  if (m_shown == &context) {
    m_shown = nullptr;
    m_window.Hide();
  }
  if (IsWindow(in)) SendMessageW(in, WM_IME_ENDCOMPOSITION, 0, 0);
}

void InputMethod::DeliverComposition(HWND hwnd, const Composition& composition) {
  InputContext* context = OpenContextOf(hwnd);
  if (!context) return;
  if (composition.text.empty()) {
    if (context->composingIn == hwnd) End(*context);
    return;
  }
  if (!Start(hwnd)) return;
  context = OpenContextOf(hwnd);
  const int length = int(composition.text.size());
  context->result.clear();
  context->composition = composition.text;
  context->cursor = std::clamp(composition.caret, 0, length);
  context->attributes.assign(composition.text.size(), ATTR_INPUT);
  const int from = std::clamp(composition.targetStart, 0, length);
  const int to = std::clamp(from + std::max(composition.targetLength, 0), from, length);
  std::fill(context->attributes.begin() + from, context->attributes.begin() + to,
            ATTR_TARGET_CONVERTED);
  if (m_shown == context) m_window.Show(*context);
  SendMessageW(hwnd, WM_IME_COMPOSITION, LastCharacter(composition.text), kCompositionFlags);
}

void InputMethod::DeliverResult(HWND hwnd, std::wstring_view text) {
  if (!Start(hwnd)) return;
  InputContext* context = OpenContextOf(hwnd);
  context->composition.clear();
  context->attributes.clear();
  context->cursor = 0;
  context->result = text;
  if (m_shown == context) m_window.Hide();
  SendMessageW(hwnd, WM_IME_COMPOSITION, LastCharacter(text), LPARAM(GCS_RESULTSTR));
  // The handler may have ended the composition already, by taking the keyboard or the context.
  if (InputContext* after = ContextOf(hwnd); after && after->composingIn == hwnd) End(*after);
}

void InputMethod::CancelIn(HWND hwnd) {
  InputContext* context = ContextOf(hwnd);
  if (!hwnd || !context || context->composingIn != hwnd) return;
  ++m_cancellations;
  End(*context);
}

// ---- the default composition window, and what backends ask

void InputMethod::ShowDefaultWindowFor(HWND hwnd) {
  InputContext* context = ContextOf(hwnd);
  if (!context || context->composingIn != hwnd) return;
  m_shown = context;
  m_window.Show(*context);
}

const InputContext* InputMethod::Shown() const {
  return m_shown && m_shown->composingIn ? m_shown : nullptr;
}

bool InputMethod::TextInputWanted() const { return OpenContextOf(GetFocus()) != nullptr; }

RECT InputMethod::CandidateArea() const {
  const HWND focus = GetFocus();
  const InputContext* context = OpenContextOf(focus);
  if (!context) return {0, 0, 0, 0};
  if (const auto& form = context->candidateForm) {
    if (form->dwStyle & CFS_EXCLUDE) return ClientToScreenRect(focus, form->rcArea);
    if (form->dwStyle & CFS_CANDIDATEPOS) {
      const POINT at = form->ptCurrentPos;
      return ClientToScreenRect(focus, {at.x, at.y, at.x, at.y});
    }
  }
  return CompositionWindow::Area(*context, focus);
}

}  // namespace platform

// ---- the Imm functions

using namespace platform;

HIMC ImmGetContext(HWND hwnd) {
  if (!RequireWindow(hwnd)) return nullptr;
  InputContext* context = Desktop::Current().inputMethod.ContextOf(hwnd);
  return context ? static_cast<HIMC>(context->handle) : nullptr;
}

BOOL ImmReleaseContext(HWND hwnd, HIMC context) {
  return IsWindow(hwnd) && Resolve<InputContext>(context) != nullptr;
}

HIMC ImmAssociateContext(HWND hwnd, HIMC context) {
  InputMethod& ime = Desktop::Current().inputMethod;
  Window* w = RequireWindow(hwnd);
  if (!w || (context && !Resolve<InputContext>(context))) return nullptr;
  const HIMC old = w->inputContext.value_or(ime.DefaultContext());
  if (old == context) return old;
  // The composition going on in the window belongs to the context it loses.
  ime.CancelIn(hwnd);
  if ((w = FindWindowObject(hwnd))) w->inputContext = context;
  return old;
}

LONG ImmGetCompositionStringW(HIMC context, DWORD index, LPVOID buffer, DWORD bufferBytes) {
  const InputContext* c = Resolve<InputContext>(context);
  if (!c) return 0;
  if (index == GCS_CURSORPOS) return c->cursor;
  if (index == GCS_COMPATTR) {
    const std::size_t fits = std::min<std::size_t>(c->attributes.size(), bufferBytes);
    if (!buffer || bufferBytes == 0) return LONG(c->attributes.size());
    std::copy_n(c->attributes.data(), fits, static_cast<BYTE*>(buffer));
    return LONG(fits);
  }
  std::wstring_view text;
  if (index == GCS_RESULTSTR) {
    text = c->result;
  } else if (index == GCS_COMPSTR) {
    text = c->composition;
  } else {
    return IMM_ERROR_GENERAL;
  }
  // Strings are far shorter than a LONG can count in bytes; the cap keeps the sizes honest.
  constexpr std::size_t kMaxCharacters = 0x1FFFFFFF;
  const std::size_t length = std::min(text.size(), kMaxCharacters);
  if (!buffer || bufferBytes == 0) return LONG(length * sizeof(wchar_t));
  const std::size_t fits = std::min<std::size_t>(length, bufferBytes / sizeof(wchar_t));
  std::copy_n(text.data(), fits, static_cast<wchar_t*>(buffer));
  return LONG(fits * sizeof(wchar_t));
}

BOOL ImmSetCompositionWindow(HIMC context, LPCOMPOSITIONFORM form) {
  InputContext* c = Resolve<InputContext>(context);
  if (!c || !form) return FALSE;
  c->compositionForm = *form;
  // A composition on show moves with the caret.
  InputMethod& ime = Desktop::Current().inputMethod;
  if (ime.Shown() == c) ime.ShowDefaultWindowFor(c->composingIn);
  return TRUE;
}

BOOL ImmSetCandidateWindow(HIMC context, LPCANDIDATEFORM form) {
  InputContext* c = Resolve<InputContext>(context);
  if (!c || !form || form->dwIndex != 0) return FALSE;
  c->candidateForm = *form;
  return TRUE;
}

BOOL ImmSetCompositionFontW(HIMC context, LPLOGFONTW font) {
  InputContext* c = Resolve<InputContext>(context);
  if (!c || !font) return FALSE;
  c->font = *font;
  InputMethod& ime = Desktop::Current().inputMethod;
  if (ime.Shown() == c) ime.ShowDefaultWindowFor(c->composingIn);
  return TRUE;
}

BOOL ImmGetOpenStatus(HIMC context) {
  const InputContext* c = Resolve<InputContext>(context);
  return c && c->open;
}

BOOL ImmNotifyIME(HIMC context, DWORD action, DWORD index, DWORD value) {
  const InputContext* c = Resolve<InputContext>(context);
  if (!c || action != NI_COMPOSITIONSTR || index != CPS_CANCEL || value != 0 || !c->composingIn)
    return FALSE;
  Desktop::Current().inputMethod.CancelIn(c->composingIn);
  return TRUE;
}

BOOL ImmSetOpenStatus(HIMC context, BOOL open) {
  InputContext* c = Resolve<InputContext>(context);
  if (!c) return FALSE;
  c->open = open != FALSE;
  if (!c->open) Desktop::Current().inputMethod.CancelIn(c->composingIn);
  return TRUE;
}
