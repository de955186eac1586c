// The edit box's life cycle and the operations on its text model.
#include "edit/CElementEdit.h"

#include "platform/com/IUnknown.h"

CElementEdit::CElementEdit() {
  SetPressPolicy(kPressPolicy);
  // Its paint goes through an off-screen picture of the whole edit, copied whole.
  SetOpaque(true);
  ResetDefaultColor();
}

CElementEdit::CElementEdit(const CElementEdit& other) = default;

CElementEdit& CElementEdit::operator=(const CElementEdit& other) = default;

CElementEdit::~CElementEdit() = default;

int CElementEdit::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  // A refused record leaves a live edit as it was.
  if (!info) return 0;
  m_bDoubleClick = m_bCaretVisible = 0;
  m_nScrollOffset = 0;
  m_model.PlaceAt(0);
  if (!CElementControl::InitObject(name, info)) return 0;
  RegisterMessages(kMessages);
  // An edit made disabled shows so from the start.
  ShowLook();
  m_bFocused = 0;
  OnSize(0, GetDrawRect().Width(), GetDrawRect().Height());
  GetTextInfo();
  return 1;
}

int CElementEdit::SelectAllText() {
  m_model.SelectAll();
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementEdit::SetReadOnly(int readOnly) {
  m_bReadOnly = readOnly;
  return 1;
}

// ---- model operations

bool CElementEdit::KeepModelText() {
  std::optional<EditTextModel::Change> change;
  if (!m_model.TakeWriteBack(&change)) return false;
  // Only the changed part is copied; an unchanged text needs nothing.
  if (change) KeepText(m_model.Text(), change->head, change->tail);
  return true;
}

void CElementEdit::WriteBack() {
  if (KeepModelText()) InvalidContainerRect(0, nullptr);
}

void CElementEdit::Notify(UINT code) {
  NMHDR header{};
  header.idFrom = GetID();
  header.code = code;
  SendControlMessage(WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&header));
}

int CElementEdit::InsertChar(UINT ch) {
  m_model.InsertChar(static_cast<wchar_t>(ch));
  WriteBack();
  return 1;
}

int CElementEdit::Backspace() {
  m_model.Backspace();
  WriteBack();
  return 1;
}

int CElementEdit::DeleteSelect() {
  m_model.DeleteSelect();
  WriteBack();
  return 1;
}

int CElementEdit::Undo() {
  m_model.Undo();
  WriteBack();
  return 1;
}

bool CElementEdit::TakeInControlText() {
  const CString& text = GetTextString();
  return m_model.ReplaceText(std::wstring_view(text.GetString(), std::size_t(text.GetLength())));
}

int CElementEdit::GetTextInfo() {
  TakeInControlText();
  return 1;
}

int CElementEdit::OnSetText() {
  if (TakeInControlText()) Redraw();
  return 1;
}

int CElementEdit::SetSelectedStart(int pos) { return m_model.SetSelectedStart(pos) ? S_OK : static_cast<int>(E_FAIL); }

int CElementEdit::SetSelectedEnd(int pos) { return m_model.SetSelectedEnd(pos) ? S_OK : static_cast<int>(E_FAIL); }
