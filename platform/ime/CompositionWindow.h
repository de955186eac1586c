// The platform's default composition window: a pop-up that shows a composition for a window
// that does not draw it itself, at the point that window set (ImmSetCompositionWindow), in the
// font it set, with the target clause marked and a caret. It never takes the activation or the
// keyboard, and it goes when the composition ends.
#pragma once

#include <span>

#include "platform/win32/WinUser.h"

namespace platform {

struct InputContext;

// Where the parts of a composition sit in the window, from the prefix widths of its text
// (widths[k]: the first k characters; widths.size() is the length + 1).
struct CompositionLayout {
  SIZE size{0, 0};
  int caretX = 0;
  // The target clause; empty when there is none.
  RECT target{0, 0, 0, 0};
};
CompositionLayout LayoutComposition(std::span<const int> widths, int height, int caret,
                                    int targetStart, int targetLength);

// The window class of the default composition window, one of the platform's standard classes.
inline constexpr wchar_t kCompositionWindowClass[] = L"IME";
LRESULT CALLBACK CompositionWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

class CompositionWindow {
 public:
  CompositionWindow() = default;
  ~CompositionWindow();
  CompositionWindow(const CompositionWindow&) = delete;
  CompositionWindow& operator=(const CompositionWindow&) = delete;

  // Shows the composition of `context` over its window, or follows a change to it; hides the
  // window when the composition is empty.
  void Show(const InputContext& context);
  void Hide();
  HWND Handle() const;
  // The screen rectangle it covers, or would cover, showing the composition of `context` over
  // `hwnd`: one caret wide when the composition is empty.
  static RECT Area(const InputContext& context, HWND hwnd);

 private:
  HWND m_hwnd = nullptr;
};

}  // namespace platform
