// The drop list's items, data and selection under random edits with any indexes, against a
// plain list: refusals change nothing, and count, texts, data and selection always agree.
#include <climits>
#include <vector>

#include "droplist/CElementDropList.h"
#include "tests/fuzz/FuzzInput.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInput in(data, size);
  CElementDropList drop;
  std::vector<std::pair<std::wstring, unsigned long>> plain;  // text and data
  int selection = CElementDropList::INVALID_SEL_INDEX;
  while (!in.Empty() && plain.size() < 64) {
    const int count = int(plain.size());
    const int at = in.Pick(0, 15) ? int(in.Pick(-2, count + 1)) : int(in.Pick(INT_MIN, INT_MAX));
    const bool named = at >= 0 && at < count;
    const std::wstring text = in.Text(8).c_str();  // the control keeps what a C string holds
    switch (in.Pick(0, 4)) {
      case 0:
      case 1: {  // -1 and the count append; the selection follows the items it names only
        const bool add = in.Flag(), appended = add || at == -1 || at == count;
        const int index = appended ? count : at;
        FUZZ_CHECK((add ? drop.AddString(text.c_str()) : drop.InsertString(at, text.c_str())) ==
                   (appended || named ? index : -1));
        if (!appended && !named) break;
        plain.insert(plain.begin() + index, {text, 0});
        if (selection >= index && selection < count) ++selection;
        break;
      }
      case 2:
        FUZZ_CHECK(drop.DeleteString(unsigned(at)) == (named ? count - 1 : -1));
        if (!named) break;
        plain.erase(plain.begin() + at);
        selection = selection == at ? CElementDropList::INVALID_SEL_INDEX
                    : selection > at && selection < count ? selection - 1 : selection;
        break;
      case 3: {
        const unsigned long value = in.Bits(8);
        FUZZ_CHECK(drop.SetItemData(at, value) == 0);
        if (named) plain[std::size_t(at)].second = value;
        break;
      }
      default:  // any value is kept, one past the items included
        FUZZ_CHECK(drop.SetCurSel(at) == 0);
        selection = at;
        FUZZ_CHECK(!named || plain[std::size_t(at)].first == drop.GetTextString().GetString());
    }
    FUZZ_CHECK(drop.GetCount() == int(plain.size()) && drop.GetCurSel() == selection);
    for (std::size_t i = 0; i < plain.size(); ++i)
      FUZZ_CHECK(drop.GetItemText(int(i)) == plain[i].first && drop.GetItemData(int(i)) == plain[i].second);
    FUZZ_CHECK(drop.GetItemData(int(plain.size())) == 0 && drop.GetItemData(-1) == 0);
  }
  return 0;
}
