#include "droplist/CDropList.h"

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "host/CThemePalette.h"
#include "host/ThemeLookup.h"

namespace {
constexpr const wchar_t* kRowFontKey = L"DropListWnd";
constexpr UINT kRowFormat = DT_VCENTER | DT_SINGLELINE;
}  // namespace

CDropList::CDropList(const wchar_t* itemNormal, const wchar_t* itemSelected,
                     const wchar_t* textNormal, const wchar_t* textSelected)
    : m_strItemNormalKey(itemNormal),
      m_strItemSelectedKey(itemSelected),
      m_strTextNormalKey(textNormal),
      m_strTextSelectedKey(textSelected) {}

void CDropList::SetColorKey(int role, const wchar_t* key) {
  if (role < 0 || role >= kRoleCount) return;
  std::wstring* keys[] = {&m_strItemNormalKey, &m_strItemSelectedKey, &m_strTextNormalKey,
                          &m_strTextSelectedKey};
  *keys[role] = key ? key : L"";
}

const std::wstring& CDropList::GetColorKey(int role) const {
  const std::wstring* keys[] = {&m_strItemNormalKey, &m_strItemSelectedKey, &m_strTextNormalKey,
                                &m_strTextSelectedKey};
  return *keys[role < 0 || role >= kRoleCount ? 0 : role];
}

void CDropList::DrawItem(LPDRAWITEMSTRUCT dis) {
  if (!dis || !dis->hDC) return;
  CDC* target = CDC::FromHandle(dis->hDC);
  CMemDC memory(target, &dis->rcItem);
  CLightCanvas canvas(&memory);
  CComPtr<CThemePalette> palette = ThemePalette();
  // Without a palette the row keeps whatever the memory DC holds: nothing to draw it with.
  if (!palette) return;
  const bool selected = dis->itemState & ODS_SELECTED;
  CRect row = dis->rcItem;
  canvas.FillRect(
      row, palette->GetColor((selected ? m_strItemSelectedKey : m_strItemNormalKey).c_str()));
  CFont* font = palette->GetFont(kRowFontKey);
  if (!font) return;
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(
      palette->GetColor((selected ? m_strTextSelectedKey : m_strTextNormalKey).c_str()));
  GetText(int(dis->itemID), m_strRowText);
  canvas.DrawText(m_strRowText.GetString(), &row, kRowFormat, font);
}

bool CDropList::HoverSelect(CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (!client.PtInRect(point)) return false;
  const int height = GetItemHeight(0);
  if (height <= 0) return true;
  const int row = GetTopIndex() + point.y / height;
  if (row != GetCurSel()) SetCurSel(row);
  return true;
}

void CDropList::OnMouseMove(UINT, CPoint point) { HoverSelect(point); }

// The platform's list takes the focus and the capture on a press; this one must not: the
// focus stays with the control (its keys drive the list) and the capture with the drop window,
// which closes when it loses it to anyone else.
void CDropList::OnLButtonDown(UINT, CPoint point) { HoverSelect(point); }
void CDropList::OnLButtonDblClk(UINT, CPoint point) { HoverSelect(point); }

void CDropList::OnLButtonUp(UINT, CPoint point) {
  CRect client;
  GetClientRect(&client);
  if (client.PtInRect(point)) ReportChosen();
}

int CDropList::ReportChosen() {
  const int row = GetCurSel();
  const HWND parent = ::GetParent(m_hWnd);
  if (!::IsWindow(parent)) return row;
  NMHDR header{nullptr, 0, kChosenCode};
  ::SendMessageW(parent, WM_NOTIFY, WPARAM(GetDlgCtrlID()), reinterpret_cast<LPARAM>(&header));
  return row;
}

BOOL CDropList::OnEraseBkgnd(CDC*) { return TRUE; }
