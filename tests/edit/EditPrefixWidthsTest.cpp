// Prefix widths kept in step by measuring only what the text model says changed (or by adding
// up advances already measured) agree with measuring afresh, whatever edits came between two
// updates; what the model says changed since the last write-back is all that differs from the
// text written back.
#include <gtest/gtest.h>

#include <random>

#include "edit/EditPrefixWidths.h"
#include "edit/EditTextModel.h"
#include "tests/platform/text/TextTestSupport.h"

TEST(EditPrefixWidths, EditsMeasuredInPlaceMatchAFreshMeasure) {
  const trellis::test::Canvas measuring(1, 1);
  const trellis::test::SelectedFont font(measuring.dc(), {L"DejaVu Sans"});
  std::mt19937 rng(11);
  // Pairs of characters that share a slot of the remembered advances (256 apart) as well.
  const std::wstring alphabet = L"aaiiWW  .中文&\tš伭ŗ";
  const auto randomText = [&](unsigned most) {
    std::wstring text;
    for (unsigned n = rng() % most; n > 0; --n) text += alphabet[rng() % alphabet.size()];
    return text;
  };
  EditTextModel model;
  // Long enough that the unchanged start and end span many of the blocks compared at once.
  model.ReplaceText(randomText(1000));
  EditPrefixWidths kept;
  kept.Measure(measuring.dc(), model.Text());
  model.TakeChange();
  std::wstring taken = model.Text(), written = model.Text();
  // The two texts share the start and the end the change says.
  const auto sharedEnds = [](const std::wstring& before, const std::wstring& now,
                             const EditTextModel::Change& change) {
    return change.head + change.tail <= std::min(before.size(), now.size()) &&
           before.compare(0, change.head, now, 0, change.head) == 0 &&
           before.compare(before.size() - change.tail, change.tail, now,
                          now.size() - change.tail, change.tail) == 0;
  };
  for (int step = 0; step < 600; ++step) {
    const int length = model.Length();
    model.PlaceAt(int(rng() % unsigned(length + 1)));
    if (rng() % 3 == 0) model.SetSelectedEnd(int(rng() % unsigned(length + 1)));
    switch (rng() % 7) {
      case 0: model.InsertChar(alphabet[rng() % alphabet.size()]); break;
      case 1: model.InsertText(randomText(step % 8 == 0 ? 150 : 4)); break;
      case 2: model.Backspace(); break;
      case 3: model.DeleteSelect(); break;
      case 4: model.Undo(); break;
      case 5: model.TakeUndoSnapshot(); break;
      default: {
        // The host changes a part of the text, or sets one of its own.
        std::wstring text = model.Text();
        const std::size_t at = rng() % (text.size() + 1);
        text.replace(at, std::min<std::size_t>(rng() % 150, text.size() - at), randomText(150));
        model.ReplaceText(rng() % 8 == 0 ? randomText(300) : text);
        written = model.Text();
      }
    }
    std::optional<EditTextModel::Change> sinceWritten;
    if (model.TakeWriteBack(&sinceWritten)) {
      if (sinceWritten) ASSERT_TRUE(sharedEnds(written, model.Text(), *sinceWritten)) << step;
      else ASSERT_EQ(written, model.Text()) << step;
      written = model.Text();
    }
    // Now and then several edits come between two updates.
    if (rng() % 3 == 0) continue;
    const std::wstring& text = model.Text();
    if (const std::optional<EditTextModel::Change> change = model.TakeChange()) {
      ASSERT_TRUE(sharedEnds(taken, text, *change)) << step;
      // As the edit does: measured only when a new character's advance is not known yet.
      if (!kept.UpdateFromKnownAdvances(text, *change))
        kept.Update(measuring.dc(), text, *change);
    } else {
      ASSERT_EQ(taken, text) << step;
    }
    taken = text;
    const std::vector<int> fresh = EditPrefixWidths::MeasureAll(measuring.dc(), text);
    ASSERT_TRUE(std::equal(kept.Widths().begin(), kept.Widths().end(), fresh.begin(), fresh.end()))
        << "after step " << step;
  }
  kept.Clear();
  EXPECT_EQ(kept.Widths().size(), 1u);
}
