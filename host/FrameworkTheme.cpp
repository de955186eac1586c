#include "host/FrameworkTheme.h"

#include <cwchar>

#include "host/ThemeLookup.h"
#include "platform/mfc/CGdiObject.h"

namespace {

constexpr DWORD kParts[] = {COLOR_PART_FRAME, COLOR_PART_BACKGROUND, COLOR_PART_PANEL,
                            COLOR_PART_SHADE, COLOR_PART_TEXT, COLOR_PART_TEXTBACK,
                            COLOR_PART_SELTEXT, COLOR_PART_SELBACK};
constexpr DWORD kStates[] = {COLOR_STATE_NORMAL, COLOR_STATE_DISABLE, COLOR_STATE_FOCUS,
                             COLOR_STATE_HOVER, COLOR_STATE_PUSH};

// The theme key of a part in a state. Frames and panels show the interaction states; text greys
// out when disabled; the rest keeps one colour.
const wchar_t* KeyFor(DWORD part, DWORD state) {
  switch (part) {
    case COLOR_PART_FRAME:
      return state == COLOR_STATE_NORMAL || state == COLOR_STATE_DISABLE ? L"Framework.Frame"
                                                                         : L"Framework.Focus";
    case COLOR_PART_BACKGROUND: return L"Framework.Background";
    case COLOR_PART_PANEL:
      switch (state) {
        case COLOR_STATE_HOVER: return L"Framework.Hover";
        case COLOR_STATE_PUSH: return L"Framework.Push";
        case COLOR_STATE_DISABLE: return L"Framework.Shade";
        default: return L"Framework.Panel";
      }
    case COLOR_PART_SHADE: return L"Framework.Shade";
    case COLOR_PART_TEXT:
      return state == COLOR_STATE_DISABLE ? L"Framework.Text.diasble" : L"Framework.Text";
    case COLOR_PART_TEXTBACK: return L"Framework.TextBack";
    case COLOR_PART_SELTEXT: return L"Framework.SelText";
    default: return L"Framework.SelBack";
  }
}

}  // namespace

ColorTable FrameworkColors() {
  ColorTable table;
  for (DWORD part : kParts)
    for (DWORD state : kStates) table.Set(ThemeColor(KeyFor(part, state)), part, state);
  return table;
}

LOGFONTW FrameworkFont() {
  LOGFONTW lf{};
  if (CFont* font = ThemeFont(L"Framework.Font"); font && font->GetLogFont(&lf)) return lf;
  // No theme: the pinned face at the framework's usual size.
  lf.lfHeight = -12;
  lf.lfWeight = FW_NORMAL;
  std::wcscpy(lf.lfFaceName, L"DejaVu Sans");
  return lf;
}
