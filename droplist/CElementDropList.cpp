// The drop list's life cycle, its items and their data, its shared defaults and its drop
// window.
//
// Sections: shared tables; life cycle; items; selection and data; defaults; drop window.
#include "droplist/CElementDropList.h"

#include "droplist/CDropWnd.h"
#include "droplist/DropWndLayout.h"
#include "foundation/CTrellisApp.h"
#include "host/ElementWatch.h"
#include "host/ThemeColorRows.h"
#include "host/ThemeLookup.h"
#include "resources/TrellisResources.h"

// ---- shared tables

namespace {

// The arrow bitmaps leave out white.
constexpr COLORREF kKeyWhite = 0x00FFFFFF;

// Moves the data stored under indexes from `first` on by `by`, as their items moved.
void ShiftItemData(std::map<unsigned int, unsigned long>& data, unsigned int first, int by) {
  std::vector<std::map<unsigned int, unsigned long>::node_type> moved;
  for (auto it = data.lower_bound(first); it != data.end();) moved.push_back(data.extract(it++));
  for (auto& node : moved) {
    node.key() = static_cast<unsigned int>(static_cast<int>(node.key()) + by);
    data.insert(std::move(node));
  }
}

}  // namespace

using DropList = CElementDropList;

const std::pair<DWORD, DropList::DROP_LIST_BMP_ID_INFO>
    CElementDropList::sm_pairDropListStatusDefaultBmp[5] = {
        {COLOR_STATE_NORMAL, {IDB_DROPLIST_ARROW, kKeyWhite}},
        {COLOR_STATE_DISABLE, {IDB_DROPLIST_ARROW_DISABLED, kKeyWhite}},
        {COLOR_STATE_FOCUS, {IDB_DROPLIST_ARROW, kKeyWhite}},
        {COLOR_STATE_HOVER, {IDB_DROPLIST_ARROW, kKeyWhite}},
        {COLOR_STATE_PUSH, {IDB_DROPLIST_ARROW_PUSHED, kKeyWhite}},
};

// The background differs only when disabled, the frame never, the text only when disabled.
const std::pair<DropList::DROP_LIST_COLOR_KEY, const wchar_t*>
    CElementDropList::sm_pairDropListColorDefault[15] = {
        {{COLOR_PART_BACKGROUND, COLOR_STATE_NORMAL}, L"ComboBox.CLR.BackGroundNormal"},
        {{COLOR_PART_BACKGROUND, COLOR_STATE_DISABLE}, L"ComboBox.CLR.BackGroundDisable"},
        {{COLOR_PART_BACKGROUND, COLOR_STATE_FOCUS}, L"ComboBox.CLR.BackGroundNormal"},
        {{COLOR_PART_BACKGROUND, COLOR_STATE_HOVER}, L"ComboBox.CLR.BackGroundNormal"},
        {{COLOR_PART_BACKGROUND, COLOR_STATE_PUSH}, L"ComboBox.CLR.BackGroundNormal"},
        {{COLOR_PART_FRAME, COLOR_STATE_NORMAL}, L"ComboBox.CLR.FrameNormal"},
        {{COLOR_PART_FRAME, COLOR_STATE_DISABLE}, L"ComboBox.CLR.FrameNormal"},
        {{COLOR_PART_FRAME, COLOR_STATE_FOCUS}, L"ComboBox.CLR.FrameNormal"},
        {{COLOR_PART_FRAME, COLOR_STATE_HOVER}, L"ComboBox.CLR.FrameNormal"},
        {{COLOR_PART_FRAME, COLOR_STATE_PUSH}, L"ComboBox.CLR.FrameNormal"},
        {{COLOR_PART_TEXT, COLOR_STATE_NORMAL}, L"ComboBox.CLR.TextNormal"},
        {{COLOR_PART_TEXT, COLOR_STATE_DISABLE}, L"ComboBox.CLR.TextDisable"},
        {{COLOR_PART_TEXT, COLOR_STATE_FOCUS}, L"ComboBox.CLR.TextNormal"},
        {{COLOR_PART_TEXT, COLOR_STATE_HOVER}, L"ComboBox.CLR.TextNormal"},
        {{COLOR_PART_TEXT, COLOR_STATE_PUSH}, L"ComboBox.CLR.TextNormal"},
};

namespace {
// The published keys give the focused face the normal colours, so focus would not show; a theme
// may colour the focused look (the arrow box while the control has the focus, the whole face
// after a click) with keys of its own.
constexpr ThemeColorRow kThemeFocus[] = {
    {COLOR_PART_BACKGROUND, COLOR_STATE_FOCUS, L"ComboBox.CLR.BackGroundFocus"},
    {COLOR_PART_TEXT, COLOR_STATE_FOCUS, L"ComboBox.CLR.TextFocus"},
};
}  // namespace

SharedBitmapTable<DWORD, DropList::DROP_LIST_BMP_INFO> CElementDropList::sm_defaultBmp{
    SharedBitmapTable<DWORD, DROP_LIST_BMP_INFO>::Ownership::Owned};
CElementDropList::BitmapTable& CElementDropList::sm_mapDropListStatusDefaultBmp =
    sm_defaultBmp.table;
std::atomic<UINT>& CElementDropList::m_nRef = sm_defaultBmp.live;

// ---- life cycle

CElementDropList::CElementDropList() {
  SetPressPolicy(kPressPolicy);
  sm_defaultBmp.Join();
}

CElementDropList::CElementDropList(const CElementDropList& other)
    : CElementControl(other),
      m_rcArrow(other.m_rcArrow),
      m_rcText(other.m_rcText),
      m_vecItem(other.m_vecItem),
      m_mapStatusBmp(other.m_mapStatusBmp),
      m_nCurSel(other.m_nCurSel),
      m_mapItemData(other.m_mapItemData),
      m_nDropPageCount(other.m_nDropPageCount) {
  sm_defaultBmp.Join();
}

CElementDropList& CElementDropList::operator=(const CElementDropList& other) {
  if (this == &other) return *this;
  CElementControl::operator=(other);
  m_rcArrow = other.m_rcArrow;
  m_rcText = other.m_rcText;
  m_vecItem = other.m_vecItem;
  m_mapStatusBmp = other.m_mapStatusBmp;
  m_nCurSel = other.m_nCurSel;
  m_mapItemData = other.m_mapItemData;
  m_nDropPageCount = other.m_nDropPageCount;
  // This control's own drop window stays; it shows the new items at its next opening.
  return *this;
}

CElementDropList::~CElementDropList() {
  // The drop window goes first, while this control (its owner and its element parent) is whole.
  m_pDropWnd.reset();
  sm_defaultBmp.Leave();
}

int CElementDropList::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info) return 0;
  _CONTAINER_INFO face = *info;
  face.SetSize(info->Width(), kFaceHeight);
  if (!CElementControl::InitObject(name, &face)) return 0;
  RegisterMessages(kMessages);
  if (CElementContainer* parent = info->Parent()) SetLayer(parent->GetLayer() + 1);
  m_pCreateInfo = info;
  InitDropWnd();
  m_pCreateInfo = nullptr;
  InitDropListDefaultColor();
  InitDropListDefaultBmp();
  ResetArrowTextRect(unsigned(std::max(info->Width(), 0)), kFaceHeight);
  return 1;
}

// ---- items

int CElementDropList::AddString(const wchar_t* text) {
  if (!text) return -1;
  m_vecItem.emplace_back(text);
  ShowItemChange(-1, m_vecItem.back().c_str());  // `text` may have been one of the items
  return GetCount() - 1;
}

int CElementDropList::InsertString(int nIndex, const wchar_t* text) {
  if (!text) return -1;
  const int count = GetCount();
  if (nIndex == -1 || nIndex == count) return AddString(text);
  if (nIndex < 0 || nIndex > count) return -1;
  m_vecItem.insert(m_vecItem.begin() + nIndex, text);
  ShiftItemData(m_mapItemData, unsigned(nIndex), +1);
  if (m_nCurSel >= nIndex && m_nCurSel < count) ++m_nCurSel;
  ShowItemChange(nIndex, m_vecItem[std::size_t(nIndex)].c_str());
  return nIndex;
}

int CElementDropList::DeleteString(unsigned int nIndex) {
  const int count = GetCount();
  if (nIndex >= unsigned(count)) return -1;
  m_vecItem.erase(m_vecItem.begin() + nIndex);
  m_mapItemData.erase(nIndex);
  ShiftItemData(m_mapItemData, nIndex + 1, -1);
  // A selection of the item that went is no selection; the text stays as it is.
  if (m_nCurSel == int(nIndex))
    m_nCurSel = INVALID_SEL_INDEX;
  else if (m_nCurSel > int(nIndex) && m_nCurSel < count)
    --m_nCurSel;
  ShowItemChange(int(nIndex), nullptr);
  return GetCount();
}

void CElementDropList::ShowItemChange(int index, const wchar_t* inserted) {
  CRect screen;
  if (!m_pDropWnd || !m_pDropWnd->IsOpen() || !GetContainerScreenRect(screen)) return;
  CRect place;
  QueryDropWndTrackRect(place, PopupHeight());
  if (inserted) m_pDropWnd->ItemInserted(index, inserted, place);
  else m_pDropWnd->ItemDeleted(index, place);
}

const std::wstring& CElementDropList::GetItemText(int nIndex) const {
  static const std::wstring kNone;
  return nIndex >= 0 && nIndex < GetCount() ? m_vecItem[std::size_t(nIndex)] : kNone;
}

// ---- selection and data

int CElementDropList::SetCurSel(int nIndex) {
  m_nCurSel = nIndex;
  if (nIndex >= 0 && nIndex < GetCount()) SetText(m_vecItem[std::size_t(nIndex)].c_str());
  InvalidContainerRect(0, &m_rcText);
  return 0;
}

int CElementDropList::SetItemData(int nIndex, unsigned long dwData) {
  if (nIndex >= 0 && nIndex < GetCount()) m_mapItemData[unsigned(nIndex)] = dwData;
  return 0;
}

unsigned long CElementDropList::GetItemData(int nIndex) const {
  const auto it = m_mapItemData.find(unsigned(nIndex));
  return it != m_mapItemData.end() ? it->second : 0;
}

// ---- defaults

COLORREF CElementDropList::GetColorEx(const wchar_t* key) { return ThemeColor(key); }

void CElementDropList::ResetColorAndBitmap() {
  InitDropListDefaultColor();
  InitDropListDefaultBmp();
}

int CElementDropList::InitDropListDefaultColor() {
  LoadThemeColors(*this, sm_pairDropListColorDefault);
  LoadDefinedThemeColors(*this, kThemeFocus);
  return 1;
}

int CElementDropList::InitDropListDefaultBmp() {
  AFX_MANAGE_STATE(AfxGetStaticModuleState());
  // Loaded once while drop lists live.
  if (!sm_mapDropListStatusDefaultBmp.empty()) return 1;
  for (const auto& [state, id] : sm_pairDropListStatusDefaultBmp) {
    auto bitmap = std::make_unique<CBitmap>();
    if (!bitmap->LoadBitmap(id.nBmpID)) continue;
    sm_defaultBmp.Put(state, {bitmap.release(), id.clrTransparent});
  }
  return 1;
}

const CElementDropList::DROP_LIST_BMP_INFO* CElementDropList::FindStatusBmp(DWORD state) const {
  if (const auto own = m_mapStatusBmp.find(state); own != m_mapStatusBmp.end()) return &own->second;
  const auto shared = sm_mapDropListStatusDefaultBmp.find(state);
  return shared != sm_mapDropListStatusDefaultBmp.end() ? &shared->second : nullptr;
}

int CElementDropList::ResetArrowTextRect(const unsigned int& cx, const unsigned int& cy) {
  m_rcArrow.SetRect(0, 0, int(cx), int(cy));
  m_rcText = m_rcArrow;
  const BitmapTable& table =
      m_mapStatusBmp.empty() ? sm_mapDropListStatusDefaultBmp : m_mapStatusBmp;
  CBitmap* first = table.empty() ? nullptr : table.begin()->second.pBitmap;
  BITMAP bm{};
  if (!first || !first->GetBitmap(&bm)) return 0;
  m_rcArrow.right = int(cx) - 1;
  m_rcArrow.left = m_rcArrow.right - bm.bmWidth;
  if (int(cy) - bm.bmHeight > 0) {
    m_rcArrow.top = (int(cy) - bm.bmHeight) / 2;
    m_rcArrow.bottom = m_rcArrow.top + bm.bmHeight;
  }
  m_rcText.right = m_rcArrow.left - 1;
  return 1;
}

void CElementDropList::SetDropWndClr(ELEMENTDROPWND_CLR eWhich, const wchar_t* key) {
  if (!m_pDropWnd) return;
  if (eWhich == DROPWND_CLR_BACKGROUND)
    m_pDropWnd->SetBkKey(key);
  else if (eWhich >= DROPWND_CLR_ITEM_NORMAL && eWhich <= DROPWND_CLR_TEXT_SELECTED)
    m_pDropWnd->GetList()->SetColorKey(int(eWhich) - 1, key);
}

// ---- drop window

int CElementDropList::InitDropWnd() {
  if (!m_pDropWnd) m_pDropWnd = std::make_unique<CDropWnd>();
  CDropWnd* drop = m_pDropWnd.get();
  if (!drop->m_hWnd) drop->CreatePopup(GetContainerRect());
  if (drop->CElementContainer::GetParent() != this) {
    // The drop window's element hangs under this control and takes no room of it.
    _CONTAINER_INFO info;
    info.SetName(m_pCreateInfo && m_pCreateInfo->Name() ? m_pCreateInfo->Name() : GetName());
    info.SetParent(this);
    drop->InitObject(nullptr, &info);
  }
  drop->SetOwner(this, &CElementDropList::OnDropListSelected);
  GetContainerScreenRect(drop->m_rcOwnerScreen);
  return 1;
}

bool CElementDropList::IsDropped() const { return m_pDropWnd && m_pDropWnd->IsOpen(); }

void CElementDropList::CloseDropListWnd() {
  if (IsDropped()) m_pDropWnd->Close();
}

int CElementDropList::GetContainerScreenRect(CRect& rc) const {
  const HWND host = GetVMWindow();
  if (!::IsWindow(host)) return 0;
  rc = GetContainerRect();
  POINT corner{rc.left, rc.top};
  ::ClientToScreen(host, &corner);
  rc.MoveToXY(corner.x, corner.y);
  return 1;
}

int CElementDropList::TrackDropListWnd() {
  if (!m_pDropWnd || !m_pDropWnd->m_hWnd) InitDropWnd();
  CRect screen;
  if (!m_pDropWnd || !m_pDropWnd->m_hWnd || !GetContainerScreenRect(screen)) return 0;
  CRect place;
  QueryDropWndTrackRect(place, PopupHeight());
  return m_pDropWnd->Open(m_vecItem, m_nCurSel, place) ? 1 : 0;
}

unsigned int CElementDropList::PopupHeight() const {
  return unsigned(DropWndLayout::PopupHeight(GetCount(), m_nDropPageCount));
}

int CElementDropList::QueryDropWndTrackRect(CRect& rc, const unsigned int& height) const {
  if (!GetContainerScreenRect(rc)) rc.SetRectEmpty();
  CWnd* desktop = CWnd::GetDesktopWindow();
  CRect bounds;
  desktop->GetWindowRect(&bounds);
  rc = DropWndLayout::PlacePopup(rc, int(height), bounds);
  // The pop-up is the desktop's child: its place is in the desktop's client coordinates.
  ::MapWindowPoints(nullptr, desktop->m_hWnd, reinterpret_cast<POINT*>(&rc), 2);
  return 1;
}

void CElementDropList::OnDropListSelected(int nIndex) {
  SetCurSel(nIndex);
  if (Notify(DROPLIST_NM_SELECT)) Notify(DROPLIST_NM_SELECTDONE);
}

bool CElementDropList::Notify(UINT code) {
  const ElementWatch watch(*this);
  NMHDR header{nullptr, GetID(), code};
  SendControlMessage(WM_NOTIFY, GetID(), reinterpret_cast<LPARAM>(&header));
  return watch.Alive();
}
