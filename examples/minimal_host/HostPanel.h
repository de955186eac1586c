// The example host's own element. It fills the window, paints the background and a status
// line, makes an edit box, a check box and a button as its children, and hears what they
// report.
#pragma once

#include "button/CElementButtonSys.h"
#include "edit/CElementEdit.h"
#include "foundation/CElementCheckBox.h"
#include "platform/com/CComPtr.h"

class HostPanel : public CElementContainer {
 public:
  // Ids tell a parent which child reports, and route menu commands back to a control: each is
  // unique in its window, and 0 means "no id".
  static constexpr DWORD kNameId = 1;
  static constexpr DWORD kCopyId = 2;
  static constexpr DWORD kSendId = 3;
  static constexpr int kWidth = 360;
  static constexpr int kHeight = 150;

  HostPanel() = default;
  ~HostPanel() override;

  // Makes the panel in `root` (a host window's root element), then its three controls.
  int Create(CElementContainer* root);
  const CString& Status() const { return m_status; }

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  void SetStatus(const wchar_t* text);

  // One counted reference each: the controls live as long as the panel.
  CComPtr<CElementEdit> m_name;
  CComPtr<CElementCheckBox> m_copy;
  CComPtr<CElementButtonSys> m_send;
  CString m_status = L"Type a name and press Send.";
  int m_sent = 0;
};
