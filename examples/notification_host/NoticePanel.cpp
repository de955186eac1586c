#include "NoticePanel.h"

#include <cstdio>

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {

constexpr COLORREF kBackground = RGB(0xF4, 0xF4, 0xF4);
constexpr COLORREF kTitleColour = RGB(0x20, 0x40, 0x80);
constexpr COLORREF kStatusColour = RGB(0x40, 0x40, 0x40);
constexpr COLORREF kTreeFrame = RGB(0xA0, 0xA0, 0xA0);
const CRect kTitle(16, 10, 464, 30);
const CRect kStatus(16, 268, 464, 288);

// The creation record of a child: its place in the parent, its id, its style and its parent.
_CONTAINER_INFO ChildInfo(CElementContainer* parent, const CRect& place, DWORD id) {
  _CONTAINER_INFO info;
  info.SetPosition(place.left, place.top);
  info.SetSize(place.Width(), place.Height());
  info.SetId(id);
  info.SetParent(parent);
  return info;
}

// The notification codes each control sends, by name (each control numbers its own codes).
struct NamedCode {
  DWORD control;
  UINT code;
  const wchar_t* name;
};
constexpr NamedCode kCodes[] = {
    {NoticePanel::kTreeId, NM_CLICK, L"NM_CLICK"},
    {NoticePanel::kTreeId, NM_DBLCLK, L"NM_DBLCLK"},
    {NoticePanel::kListId, DROPLIST_NM_DROPDOWN, L"DROPLIST_NM_DROPDOWN"},
    {NoticePanel::kListId, DROPLIST_NM_SELECT, L"DROPLIST_NM_SELECT"},
    {NoticePanel::kListId, DROPLIST_NM_SELECTDONE, L"DROPLIST_NM_SELECTDONE"},
    {NoticePanel::kDateId, DTN_DROPDOWN, L"DTN_DROPDOWN"},
    {NoticePanel::kDateId, DTN_DATETIMECHANGE, L"DTN_DATETIMECHANGE"},
    {NoticePanel::kDateId, DTN_CLOSEUP, L"DTN_CLOSEUP"},
};

// Null for a code the control is not known to send.
const wchar_t* CodeName(DWORD control, UINT code) {
  for (const NamedCode& named : kCodes)
    if (named.control == control && named.code == code) return named.name;
  return nullptr;
}

}  // namespace

int NoticePanel::Create(CElementContainer* root) {
  _CONTAINER_INFO info = ChildInfo(root, CRect(0, 0, kWidth, kHeight), 0);
  if (!InitObject(L"panel", &info)) return 0;
  RegisterMessage(WM_PAINT);  // only registered messages reach an element's handlers
  MakeTree();
  MakeList();
  MakeDate();
  return 1;
}

void NoticePanel::MakeTree() {
  m_tree = new CElementTree;
  m_tree->SetShowStyle(TREE_STYLE_LINE);  // before InitObject: it loads the style's pictures
  m_tree->SetDivideLineColor(kTreeFrame);  // without it the tree draws no frame
  _CONTAINER_INFO info = ChildInfo(this, CRect(16, 40, 216, 256), kTreeId);
  m_tree->InitObject(L"tree", &info);
  const wchar_t* const groups[][4] = {{L"Fruit", L"Apple", L"Pear", L"Plum"},
                                      {L"Vegetables", L"Bean", L"Leek", L"Onion"}};
  for (const auto& group : groups) {
    _TREE_ITEM parent;
    parent.strText = group[0];
    parent.eCheck = TREE_CHECK_NO;
    m_tree->InsertItem(parent, nullptr);  // writes the new id back into parent.nID
    for (int i = 1; i < 4; ++i) {
      _TREE_ITEM child;
      child.strText = group[i];
      child.eCheck = TREE_CHECK_NO;
      m_tree->InsertItem(child, &parent);
    }
  }
  m_tree->RecalcAndRefresh();  // lays the rows out: the tree shows nothing before
}

void NoticePanel::MakeList() {
  m_list = new CElementDropList;
  // The face is always CElementDropList::kFaceHeight (18) pixels high.
  _CONTAINER_INFO info = ChildInfo(this, CRect(232, 80, 464, 98), kListId);
  m_list->InitObject(L"list", &info);
  for (int i = 1; i <= 20; ++i) {
    CString text;
    text.Format(L"Item %d", i);
    m_list->AddString(text);
  }
  m_list->SetDropPageCount(8);
  m_list->SetCurSel(0);
}

void NoticePanel::MakeDate() {
  m_date = new CElementDatePicker;
  _CONTAINER_INFO info = ChildInfo(this, CRect(232, 40, 464, 62), kDateId);
  m_date->InitObject(L"date", &info);
  m_date->SetDate(20260315);  // year * 10000 + month * 100 + day
}

NoticePanel::~NoticePanel() {
  // Out of the window first (no focus, capture or timer stays on them), then the references go.
  for (CElementContainer* control : {static_cast<CElementContainer*>(m_tree),
                                     static_cast<CElementContainer*>(m_list),
                                     static_cast<CElementContainer*>(m_date)})
    if (control) control->ReleaseObject();
}

int NoticePanel::OnPaint(CPaintDC* dc) {
  CRect area;
  dc->GetClipBox(&area);
  CMemDC mem(dc, &area);
  CLightCanvas canvas(&mem);
  canvas.FillRect(area, kBackground);
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(kTitleColour);
  CRect title = kTitle;
  canvas.DrawText(L"Trellis notification host", &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  canvas.SetTextColor(kStatusColour);
  CRect status = kStatus;
  canvas.DrawText(m_status, &status, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  canvas.Restore();
  return 1;
}

int NoticePanel::OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) {
  const CString text = Describe(fromId, msg, wParam, lParam);
  if (text.IsEmpty()) return 0;
  SetStatus(text);
  return 1;
}

CString NoticePanel::Describe(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) const {
  CString text;
  if (fromId == kTreeId) {
    // The tree's lParam is a package, not an NMHDR: WM_NOTIFY's code is in its header, and
    // WM_KEYDOWN's wParam is the key. The record is a copy of the item's.
    const auto* package = CPackager<tagNM_TREECONTAINER>::FromLParam(lParam);
    if (!package) return text;
    const tagNM_TREECONTAINER& notice = package->Value();
    const wchar_t* name = CodeName(fromId, notice.hdr.code);
    // Indexed by TREE_ITEM_CHECK: a click on a box has already changed it.
    const wchar_t* const check[] = {L"", L", checked", L", unchecked", L", partly checked"};
    if (msg == WM_KEYDOWN)
      text.Format(L"tree: WM_KEYDOWN, key %u, item \"%s\"", unsigned(wParam),
                  notice.item.strText.GetString());
    else if (msg == WM_NOTIFY && name)
      text.Format(L"tree: %s, item \"%s\"%s", name, notice.item.strText.GetString(),
                  check[notice.item.eCheck]);
    return text;
  }
  if (fromId == kListId && msg == WM_KEYDOWN) {  // Backspace, while the list is closed
    text.Format(L"drop list: WM_KEYDOWN, key %u", unsigned(wParam));
    return text;
  }
  if (msg != WM_NOTIFY) return text;
  // The drop list and the date picker send WM_NOTIFY with an NMHDR.
  const UINT code = reinterpret_cast<const NMHDR*>(lParam)->code;
  const wchar_t* name = CodeName(fromId, code);
  if (fromId == kListId) {
    const int sel = m_list->GetCurSel();
    if (!name)  // any other key pressed while the list is closed is the code
      text.Format(L"drop list: key %u", code);
    else if (sel == CElementDropList::INVALID_SEL_INDEX)
      text.Format(L"drop list: %s, no selection", name);
    else
      text.Format(L"drop list: %s, selection %d \"%s\"", name, sel,
                  m_list->GetItemText(sel).c_str());
  } else if (fromId == kDateId && name) {
    // DTN_DATETIMECHANGE carries the date in wParam; the others carry 0.
    const int date = code == DTN_DATETIMECHANGE ? int(wParam) : m_date->GetDate();
    text.Format(L"date picker: %s, date %04d-%02d-%02d", name, date / 10000, date / 100 % 100,
                date % 100);
  }
  return text;
}

void NoticePanel::SetStatus(const CString& text) {
  std::printf("%ls\n", text.GetString());  // the whole sequence, in order, on the terminal
  m_status = text;
  InvalidContainerRect(0, &kStatus);
}
