// DrawText's layout, apart from its painting so that measuring (DT_CALCRECT) and drawing cannot
// disagree: '&' prefixes, line breaks, word wrapping, tab expansion and end ellipses, giving lines
// of characters with the advance each one is drawn with.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "platform/text/FontInstance.h"

namespace platform::text {

struct TextLine {
  std::wstring text;               // what is drawn: prefixes taken out, an ellipsis put in
  std::vector<int> advances;       // one per character of `text`
  std::vector<std::size_t> marks;  // characters underlined by an '&' prefix
  std::int64_t width = 0;          // the sum of `advances`
};

// The lines of `text` for a DT_ `format` in a rectangle `width` pixels wide. Text that is not
// empty gives at least one line.
std::vector<TextLine> LayoutText(FontInstance& font, std::wstring_view text, unsigned format,
                                 std::int64_t width);

}  // namespace platform::text
