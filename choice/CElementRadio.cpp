// The radio's life cycle, its shared defaults, its check state and its group link.
//
// Sections: shared tables; life cycle; check and bitmaps; defaults from the palette; handlers
// that are not input or painting.
#include "choice/CElementRadio.h"

#include "choice/CRatioGroup.h"
#include "foundation/CTrellisApp.h"
#include "host/CGlobalEnv.h"
#include "host/CThemePalette.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"

// ---- shared tables

namespace {
// Pure red is left out of the default images.
constexpr COLORREF kKeyRed = 0x000000FF;
}  // namespace

using Radio = CElementRadio;

const std::pair<Radio::RADIO_BMP_KEY, Radio::RADIO_BMP_ID_INFO>
    CElementRadio::sm_pairRadioStatusDefaultBmp[10] = {
        {{COLOR_STATE_NORMAL, RADIO_UNCHECKED}, {L"Radio.bmp.normal", kKeyRed}},
        {{COLOR_STATE_NORMAL, RADIO_CHECKED}, {L"Radio.bmp.normal.checked", kKeyRed}},
        {{COLOR_STATE_DISABLE, RADIO_UNCHECKED}, {L"Radio.bmp.disable", kKeyRed}},
        {{COLOR_STATE_DISABLE, RADIO_CHECKED}, {L"Radio.bmp.disable.checked", kKeyRed}},
        // Focus and hover have no images of their own.
        {{COLOR_STATE_FOCUS, RADIO_UNCHECKED}, {L"Radio.bmp.normal", kKeyRed}},
        {{COLOR_STATE_FOCUS, RADIO_CHECKED}, {L"Radio.bmp.normal.checked", kKeyRed}},
        {{COLOR_STATE_HOVER, RADIO_UNCHECKED}, {L"Radio.bmp.normal", kKeyRed}},
        {{COLOR_STATE_HOVER, RADIO_CHECKED}, {L"Radio.bmp.normal.checked", kKeyRed}},
        {{COLOR_STATE_PUSH, RADIO_UNCHECKED}, {L"Radio.bmp.pushed", kKeyRed}},
        {{COLOR_STATE_PUSH, RADIO_CHECKED}, {L"Radio.bmp.normal.checked", kKeyRed}},
};

// One background for every state; the caption differs only when disabled.
const std::pair<Radio::RADIO_COLOR_KEY, const wchar_t*>
    CElementRadio::sm_pairRadioColorDefault[10] = {
    {{COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL}, L"Radio.CLR.BackGroundNormal"},
    {{COLOR_PART_BACKGROUND, COLOR_STATE_DISABLE}, L"Radio.CLR.BackGroundNormal"},
    {{COLOR_PART_BACKGROUND, COLOR_STATE_FOCUS}, L"Radio.CLR.BackGroundNormal"},
    {{COLOR_PART_BACKGROUND, COLOR_STATE_HOVER}, L"Radio.CLR.BackGroundNormal"},
    {{COLOR_PART_BACKGROUND, COLOR_STATE_PUSH}, L"Radio.CLR.BackGroundNormal"},
    {{COLOR_PART_TEXT, COLOR_STATE_NORMAL}, L"Radio.CLR.TextNormal"},
    {{COLOR_PART_TEXT, COLOR_STATE_DISABLE}, L"Radio.CLR.TextDisable"},
    {{COLOR_PART_TEXT, COLOR_STATE_FOCUS}, L"Radio.CLR.TextNormal"},
    {{COLOR_PART_TEXT, COLOR_STATE_HOVER}, L"Radio.CLR.TextNormal"},
    {{COLOR_PART_TEXT, COLOR_STATE_PUSH}, L"Radio.CLR.TextNormal"},
};

SharedBitmapTable<Radio::RADIO_BMP_KEY, Radio::RADIO_BMP_INFO> CElementRadio::sm_defaultBmp{
    SharedBitmapTable<RADIO_BMP_KEY, RADIO_BMP_INFO>::Ownership::Borrowed};
CElementRadio::BitmapTable& CElementRadio::sm_mapRadioStatusDefaultBmp = sm_defaultBmp.table;
std::atomic<UINT>& CElementRadio::m_nRef = sm_defaultBmp.live;

// ---- life cycle

CElementRadio::CElementRadio() {
  SetPressPolicy(kPressPolicy);
  sm_defaultBmp.Join();
}

CElementRadio::CElementRadio(const CElementRadio& other)
    : CElementControl(other),
      m_eCheck(other.m_eCheck),
      m_rcCheck(other.m_rcCheck),
      m_rcText(other.m_rcText),
      m_mapCheckBmp(other.m_mapCheckBmp),
      m_pfnGroupClicked(other.m_pfnGroupClicked) {
  sm_defaultBmp.Join();
  SetGroupOwner(other.m_pGroupOwner);
}

CElementRadio& CElementRadio::operator=(const CElementRadio& other) {
  if (this == &other) return *this;
  CElementControl::operator=(other);
  m_eCheck = other.m_eCheck;
  m_rcCheck = other.m_rcCheck;
  m_rcText = other.m_rcText;
  m_mapCheckBmp = other.m_mapCheckBmp;
  SetGroupOwner(other.m_pGroupOwner);
  m_pfnGroupClicked = other.m_pfnGroupClicked;
  // The groups that list this radio still list this object, so they stay as they are.
  return *this;
}

CElementRadio::~CElementRadio() {
  SetGroupOwner(nullptr);
  for (CRatioGroup* group : std::set(m_setListedBy)) group->ForgetRadio(this);
  sm_defaultBmp.Leave();
}

void CElementRadio::SetGroupOwner(CRatioGroup* group) {
  if (group == m_pGroupOwner) return;
  if (m_pGroupOwner) m_pGroupOwner->m_setLinked.erase(this);
  m_pGroupOwner = group;
  if (group) group->m_setLinked.insert(this);
}

// ---- check and bitmaps

namespace {
// A look the radio can show: one of the five state bits, unchecked or checked. Anything else
// would name a bitmap never drawn, or a check with no bitmap at all, and is ignored.
bool IsCheckState(CElementRadio::RADIO_CHECK_STATE check) {
  return check == CElementRadio::RADIO_UNCHECKED || check == CElementRadio::RADIO_CHECKED;
}
bool IsLook(DWORD status) {
  return status == COLOR_STATE_NORMAL || status == COLOR_STATE_DISABLE ||
         status == COLOR_STATE_FOCUS || status == COLOR_STATE_HOVER || status == COLOR_STATE_PUSH;
}
}  // namespace

void CElementRadio::SetCheck(const RADIO_CHECK_STATE& check) {
  if (!IsCheckState(check)) return;
  m_eCheck = check;
  InvalidateCheck();
}

void CElementRadio::SetCheckBmp(const DWORD& status, const RADIO_CHECK_STATE& check,
                                CBitmap* bitmap, const DWORD& clrTransparent) {
  if (!IsLook(status) || !IsCheckState(check)) return;
  m_mapCheckBmp[{status, check}] = {bitmap, clrTransparent};
  const CRect place = GetContainerRect();
  ResetCheckTextRect(DWORD(place.Width()), DWORD(place.Height()));
}

const CElementRadio::RADIO_BMP_INFO* CElementRadio::FindCheckBmp(const RADIO_BMP_KEY& key) const {
  if (const auto own = m_mapCheckBmp.find(key); own != m_mapCheckBmp.end()) return &own->second;
  const auto shared = sm_mapRadioStatusDefaultBmp.find(key);
  return shared != sm_mapRadioStatusDefaultBmp.end() ? &shared->second : nullptr;
}

int CElementRadio::ResetCheckTextRect(const DWORD& cx, const DWORD& cy) {
  // The box follows the first look of whichever table has any: normally (normal, unchecked).
  const BitmapTable& table = m_mapCheckBmp.empty() ? sm_mapRadioStatusDefaultBmp : m_mapCheckBmp;
  CBitmap* first = table.empty() ? nullptr : table.begin()->second.pBitmap;
  BITMAP bm{};
  const bool sized = first && first->GetBitmap(&bm);
  const SIZE box{bm.bmWidth, bm.bmHeight};
  const radio::Layout layout = radio::LayoutCheckText(int(cx), int(cy), sized ? &box : nullptr);
  m_rcCheck = layout.rcCheck;
  m_rcText = layout.rcText;
  return sized ? 1 : 0;
}

// ---- defaults from the palette

COLORREF CElementRadio::GetColorEx(const wchar_t* key) { return ThemeColor(key); }

int CElementRadio::ResetDefaultColor() {
  InitRadioDefaultColor();
  InitRadioDefaultBmp();
  return 1;
}

int CElementRadio::InitRadioDefaultColor() {
  LoadThemeColors(*this, sm_pairRadioColorDefault);
  return 1;
}

int CElementRadio::InitRadioDefaultBmp() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  CComPtr<CThemePalette> palette = ThemePalette();
  if (!palette) return 0;
  for (const auto& [key, id] : sm_pairRadioStatusDefaultBmp)
    sm_defaultBmp.Put(key, {palette->GetBitmap(id.strBmpKey.c_str()), id.clrTransparent});
  return 1;
}

// ---- handlers that are not input or painting

int CElementRadio::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info || !CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  RegisterOptionalMessage(WM_KEYDOWN, CGlobalEnv::KeyboardOperation());
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  InitRadioDefaultColor();
  InitRadioDefaultBmp();
  ResetCheckTextRect(DWORD(info->Width()), DWORD(info->Height()));
  return 1;
}

int CElementRadio::OnEraseBackground(CDC*) { return 1; }

int CElementRadio::OnSize(UINT type, int cx, int cy) {
  ResetCheckTextRect(DWORD(cx), DWORD(cy));
  return CElementControl::OnSize(type, cx, cy);
}

// The plain control repaints on a focus change, which is what shows the focused bitmap.
int CElementRadio::OnSetFocus(int gained) { return CElementControl::OnSetFocus(gained); }
