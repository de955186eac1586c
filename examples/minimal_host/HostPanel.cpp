#include "HostPanel.h"

#include "foundation/CLightCanvas.h"
#include "foundation/CMemDC.h"
#include "platform/mfc/CPaintDC.h"

namespace {

constexpr COLORREF kBackground = RGB(0xF4, 0xF4, 0xF4);
constexpr COLORREF kTitleColour = RGB(0x20, 0x40, 0x80);
constexpr COLORREF kStatusColour = RGB(0x40, 0x40, 0x40);
const CRect kTitle(16, 10, 340, 30);
const CRect kStatus(16, 118, 340, 138);

// The creation record of a child: its place in the parent, its id, its style and its parent.
_CONTAINER_INFO ChildInfo(CElementContainer* parent, const CRect& place, DWORD id,
                          ULONG_PTR style, const wchar_t* text) {
  _CONTAINER_INFO info;
  info.SetPosition(place.left, place.top);
  info.SetSize(place.Width(), place.Height());
  info.SetId(id);
  info.SetStyle(style);
  info.SetText(text);
  info.SetParent(parent);
  return info;
}

}  // namespace

int HostPanel::Create(CElementContainer* root) {
  _CONTAINER_INFO info = ChildInfo(root, CRect(0, 0, kWidth, kHeight), 0, 0, nullptr);
  if (!InitObject(L"panel", &info)) return 0;
  RegisterMessage(WM_PAINT);  // only registered messages reach an element's handlers

  m_name = new CElementEdit;
  info = ChildInfo(this, CRect(16, 40, 216, 64), kNameId, 0, L"Ada");
  m_name->InitObject(L"name", &info);

  m_copy = new CElementCheckBox;
  info = ChildInfo(this, CRect(16, 78, 216, 100), kCopyId, ELEMENT_STYLE_CHECKBOX,
                   L"Send me a copy");
  m_copy->InitObject(L"copy", &info);

  m_send = new CElementButtonSys;
  info = ChildInfo(this, CRect(232, 38, 342, 66), kSendId, 0, L"Send");
  m_send->InitObject(L"send", &info);
  return 1;
}

HostPanel::~HostPanel() {
  // Out of the window first (no focus, capture or timer stays on them), then the references go.
  for (CElementContainer* control : {static_cast<CElementContainer*>(m_name),
                                     static_cast<CElementContainer*>(m_copy),
                                     static_cast<CElementContainer*>(m_send)})
    if (control) control->ReleaseObject();
}

int HostPanel::OnPaint(CPaintDC* dc) {
  CRect area;
  dc->GetClipBox(&area);
  CMemDC mem(dc, &area);      // one off-screen bitmap, one copy to the screen
  CLightCanvas canvas(&mem);  // remembers the context state it changes
  canvas.FillRect(area, kBackground);
  canvas.SetBkMode(TRANSPARENT);
  canvas.SetTextColor(kTitleColour);
  CRect title = kTitle;
  canvas.DrawText(L"Trellis minimal host", &title, DT_LEFT | DT_VCENTER | DT_SINGLELINE);
  canvas.SetTextColor(kStatusColour);
  CRect status = kStatus;
  canvas.DrawText(m_status, &status, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS);
  canvas.Restore();
  return 1;
}

int HostPanel::OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) {
  // The edit box and the button send WM_NOTIFY with an NMHDR; the check box, WM_COMMAND.
  if (msg == WM_NOTIFY) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    if (fromId == kNameId && header->code == CElementEdit::EDIT_NOTIFY_CHANGE) {
      SetStatus(L"Editing the name.");
    } else if (fromId == kSendId && header->code == BN_CLICKED) {
      CString text;
      text.Format(L"Sent to %s%s (%d).", m_name->GetTextString().GetString(),
                  m_copy->GetCheck() ? L", with a copy" : L"", ++m_sent);
      SetStatus(text);
    }
    return 1;
  }
  if (msg == WM_COMMAND && fromId == kCopyId && HIWORD(wParam) == BN_CLICKED) {
    SetStatus(m_copy->GetCheck() ? L"A copy will be sent." : L"No copy.");
    return 1;
  }
  return 0;
}

void HostPanel::SetStatus(const wchar_t* text) {
  m_status = text;
  InvalidContainerRect(0, &kStatus);
}
