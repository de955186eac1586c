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

}  // namespace

int HostPanel::Create(CElementContainer* root) {
  // Each element gets a creation record, read once by InitObject: its place and size in its
  // parent, its id, its style bits, its first text and its parent. Unset words are 0.
  _CONTAINER_INFO panel;
  panel.SetSize(kWidth, kHeight);
  panel.SetParent(root);
  if (!InitObject(L"panel", &panel)) return 0;
  RegisterMessage(WM_PAINT);  // only registered messages reach an element's handlers

  m_name = new CElementEdit;
  _CONTAINER_INFO name;
  name.SetPosition(16, 40);
  name.SetSize(200, 24);
  name.SetId(kNameId);
  name.SetText(L"Ada");
  name.SetParent(this);
  m_name->InitObject(L"name", &name);

  m_copy = new CElementCheckBox;
  _CONTAINER_INFO copy;
  copy.SetPosition(16, 78);
  copy.SetSize(200, 22);
  copy.SetId(kCopyId);
  copy.SetStyle(ELEMENT_STYLE_CHECKBOX);
  copy.SetText(L"Send me a copy");
  copy.SetParent(this);
  m_copy->InitObject(L"copy", &copy);

  m_send = new CElementButtonSys;
  _CONTAINER_INFO send;
  send.SetPosition(232, 38);
  send.SetSize(110, 28);
  send.SetId(kSendId);
  send.SetText(L"Send");
  send.SetParent(this);
  m_send->InitObject(L"send", &send);
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
