// The edit box's text model under random operations and texts, against a plain model of the
// same rules: text, caret, selection, undo text and write-back agree after every operation,
// and the revision moves whenever the text changes.
#include <algorithm>
#include <utility>

#include "edit/EditTextModel.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  EditTextModel model;
  std::wstring text, undo;  // the plain model
  int caret = 0, start = 0, end = 0;
  bool written = false;
  const auto clamp = [&](int pos) { return std::clamp(pos, 0, int(text.size())); };
  const auto collapse = [&] { start = end = caret; };
  // Erases the selection, the caret going to its start; false when there is none.
  const auto eraseSelection = [&] {
    if (start == end) return false;
    caret = std::min(start, end);
    text.erase(std::size_t(caret), std::size_t(std::abs(end - start)));
    return true;
  };
  while (!in.Empty()) {
    const unsigned revision = model.Revision();
    const std::wstring before = text;
    const int length = int(text.size()), pos = int(in.Pick(-2, length + 2));
    switch (in.Pick(0, 12)) {
      case 0: {  // typing a character or pasting a text
        const std::wstring s = in.Text(in.Flag() ? 1 : 40);
        s.size() == 1 ? model.InsertChar(s[0]) : model.InsertText(s);
        if (s.empty()) break;
        eraseSelection();
        text.insert(std::size_t(caret), s);
        caret += int(s.size()), written = true;
        collapse();
        break;
      }
      case 1:  // the host hears of a Backspace only when something went, of every Delete
        model.Backspace();
        if (!eraseSelection() && caret > 0) text.erase(std::size_t(--caret), 1);
        written = text != before, collapse();
        break;
      case 2:
        model.DeleteSelect();
        if (!eraseSelection() && caret < length) text.erase(std::size_t(caret), 1);
        written = true, collapse();
        break;
      case 3:
        model.Undo();
        text.swap(undo);
        caret = int(text.size()), start = clamp(start), end = clamp(end), written = true;
        break;
      case 4: model.TakeUndoSnapshot(); undo = text; break;
      case 5: model.MoveCaretLeft(); caret = std::max(caret - 1, 0); break;
      case 6: model.MoveCaretRight(); caret = std::min(caret + 1, length); break;
      case 7: model.PlaceAt(pos); caret = clamp(pos); collapse(); break;
      case 8: model.SetCaret(pos); caret = clamp(pos); break;
      case 9: {
        const bool accepted = pos >= 0 && pos <= length, first = in.Flag();
        FUZZ_CHECK((first ? model.SetSelectedStart(pos) : model.SetSelectedEnd(pos)) == accepted);
        if (accepted) (first ? start : end) = pos;
        break;
      }
      case 10: model.SelectAll(); start = 0, end = length; break;
      case 11: model.CollapseOnCaret(); collapse(); break;
      default: {  // the host replaced the text
        const std::wstring s = in.Flag() ? text : in.Text(40);
        FUZZ_CHECK(model.ReplaceText(s) == (s != text));
        text = s, caret = clamp(caret), start = clamp(start), end = clamp(end);
      }
    }
    FUZZ_CHECK(model.Text() == text && model.Caret() == caret);
    const auto low = std::size_t(std::min(start, end)), span = std::size_t(std::abs(end - start));
    FUZZ_CHECK(model.SelStart() == start && model.SelEnd() == end && model.SelectedText() == text.substr(low, span));
    FUZZ_CHECK(model.TakeWriteBack() == std::exchange(written, false));
    FUZZ_CHECK(text == before || model.Revision() != revision);
  }
  model.Undo();  // the undo text shows only through Undo
  FUZZ_CHECK(model.Text() == undo);
  return 0;
}
