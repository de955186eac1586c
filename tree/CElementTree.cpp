// The tree's life cycle, its items' default colours and its settings.
#include "tree/CElementTree.h"

#include <cwchar>

#include "host/FontCache.h"
#include "host/FrameworkTheme.h"
#include "tree/CTreeTipWnd.h"

namespace {

constexpr const wchar_t* kScrollBarSuffix = L"_TreeContainer_VScroll";

// The flat style's dark accordion.
struct FlatColor {
  DWORD part, state;
  COLORREF color;
};
constexpr FlatColor kFlatColors[] = {
    {COLOR_PART_PANEL, COLOR_STATE_NORMAL, 0x4D4D4D},
    {COLOR_PART_PANEL, COLOR_STATE_HOVER, 0x3F3F3F},
    {COLOR_PART_PANEL, COLOR_STATE_FOCUS, 0xDDDDDD},
    {COLOR_PART_SHADE, COLOR_STATE_FOCUS, 0xBDBDBD},
};
// Light texts on the dark rows and a dark one on the light focus row, so that a host that sets
// no colour still gets a readable tree; a text colour the host chose before stays.
constexpr FlatColor kFlatTextColors[] = {
    {COLOR_PART_TEXT, COLOR_STATE_NORMAL, 0xF0F0F0},
    {COLOR_PART_TEXT, COLOR_STATE_HOVER, 0xFFFFFF},
    {COLOR_PART_TEXT, COLOR_STATE_FOCUS, 0x1B1B1B},
};

}  // namespace

CElementTree::CElementTree() {
  // The tree acts on the press itself: a press holds nothing, and the release is not its own.
  SetPressPolicy({PressPolicy::Click::OnPress});
  // Its paint goes through an off-screen picture of the whole tree.
  SetOpaque(true);
  ReSet();
}

CElementTree::CElementTree(const CElementTree& other)
    : CElementControl(other), CTreeStore(other) {
  CopySettings(other);
}

CElementTree& CElementTree::operator=(const CElementTree& other) {
  if (this == &other) return *this;
  CElementControl::operator=(other);
  CTreeStore::operator=(other);
  CopySettings(other);
  return *this;
}

CElementTree::~CElementTree() {
  // The tip window calls nothing back, but must not outlive the tree that placed it.
  m_pTipWnd.reset();
  m_pVScroll = nullptr;
}

void CElementTree::ReSet() {
  m_nItemHeight = 20;
  m_nShowCount = m_nPageCount = m_nFirstShow = 0;
  m_nScreenCount = 10;
  m_nFocusItem = 1;
  m_nHoverItem = -1;
  m_nScrollWidth = kScrollWidth;
  m_nLeftMargin = 3;
  m_rcItems = CRect(-1, -1, -1, -1);
  m_bVScrollShow = m_bDrawGradientLine = m_bTipShown = 0;
  m_bBtnShow = 1;
  m_eShowStyle = TREE_STYLE_LINE;
  GetFont(&m_lfFather);
  GetFont(&m_lfChild);
  if (!m_pItemPainter) {
    m_pItemPainter = std::make_unique<CTreeItem>();
    m_pItemPainter->SetTree(this);
  }
}

void CElementTree::CopySettings(const CElementTree& other) {
  m_nItemHeight = other.m_nItemHeight;
  m_nPageCount = other.m_nPageCount;
  m_nScreenCount = other.m_nScreenCount;
  m_nScrollWidth = other.m_nScrollWidth;
  m_nLeftMargin = other.m_nLeftMargin;
  m_rcItems = other.m_rcItems;
  m_bVScrollShow = 0;
  m_bDrawGradientLine = other.m_bDrawGradientLine;
  m_bTipShown = 0;
  m_bBtnShow = other.m_bBtnShow;
  m_eShowStyle = other.m_eShowStyle;
  m_lfFather = other.m_lfFather;
  m_lfChild = other.m_lfChild;
  m_bitmaps = other.m_bitmaps;
  m_clrDivideLine = other.m_clrDivideLine;
  m_clrRemindTipBg = other.m_clrRemindTipBg;
  m_clrFocusBgL2 = other.m_clrFocusBgL2;
  m_clrTipBackground = other.m_clrTipBackground;
  m_clrRemindTipText = other.m_clrRemindTipText;
  m_clrTipTextHover = other.m_clrTipTextHover;
  m_gradFocusHead = other.m_gradFocusHead;
  m_pItemPainter = std::make_unique<CTreeItem>(*other.m_pItemPainter);
  m_pItemPainter->SetTree(this);
  m_vecShowRects = other.m_vecShowRects;
  // The scroll bar is a child of the source; this tree makes its own at InitObject.
  m_pVScroll = nullptr;
  m_pTipWnd.reset();
}

int CElementTree::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info || !CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  // The store has held its root since construction: a second InitObject adds none.
  m_bitmaps.Load(m_eShowStyle);
  if (m_eShowStyle == TREE_STYLE_FLAT) {
    for (const FlatColor& c : kFlatColors) SetColor(c.color, c.part, c.state);
    // A slot still at the framework's default is one the host left unset.
    const ColorTable unset = FrameworkColors();
    for (const FlatColor& c : kFlatTextColors)
      if (GetColor(c.part, c.state) == unset.Get(c.part, c.state))
        SetColor(c.color, c.part, c.state);
  }
  MakeScrollBar(name, *info);
  return 1;
}

void CElementTree::MakeScrollBar(const wchar_t* name, const _CONTAINER_INFO& info) {
  _CONTAINER_INFO barInfo = info;
  barInfo.SetParent(this);
  // The bar reports to its parent; an id of its own would make the tree's id ambiguous.
  barInfo.SetId(0);
  barInfo.SetStyle(0);
  barInfo.SetText(nullptr);
  const CRect all = GetDrawRect();
  barInfo.SetPosition(all.right - m_nScrollWidth, 0);
  barInfo.SetSize(m_nScrollWidth, all.Height());
  CString barName = name ? name : info.Name() ? info.Name() : L"";
  barName += kScrollBarSuffix;
  barInfo.SetName(barName.GetString());
  m_pVScroll = new CVerticalScrollbar;
  m_pVScroll->InitObject(barName.GetString(), &barInfo);
  m_pVScroll->InitVScrollBar(m_eShowStyle == TREE_STYLE_FLAT
                                 ? 0
                                 : VSCROLL_STYLE_ARROWS | VSCROLL_STYLE_FRAME);
  m_pVScroll->SetWidth(m_nScrollWidth);
  m_pVScroll->Show(0, 0);
  m_pVScroll->SetRowNumber(0);
  m_pVScroll->SetPageSize(0);
  m_pVScroll->UpdateThumbPos(0);
  m_bVScrollShow = 0;
}

int CElementTree::ReleaseObject() {
  CloseTip();
  // Out of the window, no pointer is over it.
  m_nHoverItem = -1;
  return CElementControl::ReleaseObject();
}

void CElementTree::InsertItem(_TREE_ITEM& item, _TREE_ITEM* parent) {
  CTreeStore::InsertItem(item, parent,
                         {GetColor(COLOR_PART_TEXT, COLOR_STATE_NORMAL),
                          GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL)});
}

void CElementTree::DelAllItems() {
  CTreeStore::DelAllItems();
  CalcShowRect();
}

int CElementTree::DelItemChild(int id) {
  if (!CTreeStore::DelItemChild(id)) return 0;
  CalcShowRect();
  return 1;
}

// ---- settings

void CElementTree::SetFocusBgColor(COLORREF c) {
  SetColor(c, COLOR_PART_PANEL, COLOR_STATE_FOCUS);
  m_clrFocusBgL2 = c;
}

void CElementTree::SetFocusTextColor(COLORREF c, int useSecond, COLORREF second) {
  SetColor(c, COLOR_PART_TEXT, COLOR_STATE_FOCUS);
  SetColor(useSecond ? second : c, COLOR_PART_TEXTBACK, COLOR_STATE_FOCUS);
}

void CElementTree::SetHoverTextColor(COLORREF c, int useSecond, COLORREF second) {
  SetColor(c, COLOR_PART_TEXT, COLOR_STATE_HOVER);
  SetColor(useSecond ? second : c, COLOR_PART_TEXTBACK, COLOR_STATE_HOVER);
}

void CElementTree::SetTreeFont(LOGFONTW& father, LOGFONTW& child) {
  m_lfFather = father;
  m_lfChild = child;
}

CFont* CElementTree::GetTreeFatherFont() const { return FontCache::Shared().Get(m_lfFather); }

CFont* CElementTree::GetTreeChildFont() const { return FontCache::Shared().Get(m_lfChild); }
