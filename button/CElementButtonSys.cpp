// The system button's life cycle, colours, images and caption.
#include "button/CElementButtonSys.h"

#include <vector>

#include "host/CGlobalEnv.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"

namespace {

// The theme's colours, state by state in the order the colour table is filled. The frame colour
// covers the whole button in every state.
constexpr ThemeColorRow kThemeColors[] = {
    {COLOR_PART_FRAME, COLOR_STATE_NORMAL, L"Button.BackGround"},
    {COLOR_PART_PANEL, COLOR_STATE_NORMAL, L"Button.panel.normal"},
    {COLOR_PART_SHADE, COLOR_STATE_NORMAL, L"Button.shade.normal"},
    {COLOR_PART_TEXT, COLOR_STATE_NORMAL, L"Button.text.normal"},
    {COLOR_PART_FRAME, COLOR_STATE_HOVER, L"Button.BackGround"},
    {COLOR_PART_PANEL, COLOR_STATE_HOVER, L"Button.panel.hover"},
    {COLOR_PART_SHADE, COLOR_STATE_HOVER, L"Button.shade.hover"},
    {COLOR_PART_TEXT, COLOR_STATE_HOVER, L"Button.text.hover"},
    {COLOR_PART_FRAME, COLOR_STATE_PUSH, L"Button.BackGround"},
    {COLOR_PART_PANEL, COLOR_STATE_PUSH, L"Button.panel.push"},
    {COLOR_PART_SHADE, COLOR_STATE_PUSH, L"Button.shade.push"},
    {COLOR_PART_TEXT, COLOR_STATE_PUSH, L"Button.text.push"},
    {COLOR_PART_FRAME, COLOR_STATE_FOCUS, L"Button.BackGround"},
    {COLOR_PART_PANEL, COLOR_STATE_FOCUS, L"Button.panel.focus"},
    {COLOR_PART_SHADE, COLOR_STATE_FOCUS, L"Button.shade.focus"},
    {COLOR_PART_TEXT, COLOR_STATE_FOCUS, L"Button.text.focus"},
    {COLOR_PART_FRAME, COLOR_STATE_DISABLE, L"Button.BackGround"},
    {COLOR_PART_PANEL, COLOR_STATE_DISABLE, L"Button.panel.diasble"},
    {COLOR_PART_SHADE, COLOR_STATE_DISABLE, L"Button.shade.diasble"},
    {COLOR_PART_TEXT, COLOR_STATE_DISABLE, L"Button.text.diasble"},
};
constexpr LONG kCaptionWeight = 800;
// Enough for most captions in one read; longer ones are read again at their length.
constexpr int kCaptionFirstRead = 1024;

}  // namespace

CElementButtonSys::CElementButtonSys() {
  SetPressPolicy(kPressPolicy);
  ResetColor();
  LOGFONTW font{};
  GetFont(&font);
  font.lfWeight = kCaptionWeight;
  SetFont(font);
}

void CElementButtonSys::SetShowColor(DWORD state) {
  if (IsPicture()) return;
  m_clrShowBack = GetColor(COLOR_PART_BACKGROUND, state);
  m_clrShowFrame = GetColor(COLOR_PART_FRAME, state);
  m_clrShowPanel = GetColor(COLOR_PART_PANEL, state);
  m_clrShowShade = GetColor(COLOR_PART_SHADE, state);
  m_clrShowText = GetColor(COLOR_PART_TEXT, state);
}

int CElementButtonSys::ResetColor() {
  LoadThemeColors(*this, kThemeColors);
  SetShowColor(COLOR_STATE_NORMAL);
  return 1;
}

COLORREF CElementButtonSys::GetColorEx(const wchar_t* key) const { return ThemeColor(key); }

int CElementButtonSys::SetImage(const wchar_t* source, const wchar_t* normal, const wchar_t* hover,
                                const wchar_t* pushed, const wchar_t* fifth) {
  if (!source || !normal) return 0;
  m_strImageSource = source;
  m_strImageNormal = normal;
  m_strImageHover = hover ? hover : normal;
  m_strImagePushed = pushed ? pushed : normal;
  m_strImageFifth = fifth ? fifth : normal;
  return 1;
}

int CElementButtonSys::GetTextInfo() {
  std::vector<wchar_t> buffer(kCaptionFirstRead);
  m_nTextLen = GetText(buffer.data(), kCaptionFirstRead);
  if (m_nTextLen < 1) {
    m_strText.clear();
    return 1;
  }
  if (m_nTextLen >= kCaptionFirstRead) {
    buffer.resize(std::size_t(m_nTextLen) + 1);
    GetText(buffer.data(), m_nTextLen + 1);
  }
  m_strText.assign(buffer.data(), std::size_t(m_nTextLen));
  return 1;
}

int CElementButtonSys::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  RegisterOptionalMessage(WM_KEYDOWN, CGlobalEnv::KeyboardOperation());
  m_bPushed = m_bHover = m_bFocus = m_bFifthImage = FALSE;
  SetShowColor(COLOR_STATE_NORMAL);
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  return 1;
}

int CElementButtonSys::OnEraseBackground(CDC*) { return 1; }

int CElementButtonSys::OnSize(UINT, int, int) { return 1; }
