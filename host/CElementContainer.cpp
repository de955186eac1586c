// Element life cycle, tree, geometry and the default handlers.
#include "host/CElementContainer.h"

#include <algorithm>
#include <cwchar>

#include "host/CElementHost.h"
#include "host/ElementAccessible.h"
#include "host/ElementWalk.h"
#include "host/FrameworkTheme.h"
#include "platform/mfc/CWnd.h"

CElementContainer::CElementContainer() = default;

CElementContainer::CElementContainer(const CElementContainer& other)
    : CPropertyObject(other),
      m_rcContainer(other.m_rcContainer),
      m_nLayer(other.m_nLayer),
      m_nID(other.m_nID),
      m_nStyle(other.m_nStyle),
      m_bShow(other.m_bShow),
      m_bEnable(other.m_bEnable),
      m_bDebugView(other.m_bDebugView),
      m_strText(other.m_strText),
      m_bLookTaken(other.m_bLookTaken),
      m_logFont(other.m_logFont),
      m_colors(other.m_colors),
      m_setMessages(other.m_setMessages),
      m_setOptionalMessages(other.m_setOptionalMessages) {}

CElementContainer& CElementContainer::operator=(const CElementContainer& other) {
  if (this == &other) return *this;
  CPropertyObject::operator=(other);
  // The tree place and window stay this element's own.
  m_rcContainer = other.m_rcContainer;
  m_nLayer = other.m_nLayer;
  m_nID = other.m_nID;
  m_nStyle = other.m_nStyle;
  m_bShow = other.m_bShow;
  m_bEnable = other.m_bEnable;
  m_bDebugView = other.m_bDebugView;
  m_strText = other.m_strText;
  m_bLookTaken = other.m_bLookTaken;
  m_logFont = other.m_logFont;
  m_colors = other.m_colors;
  m_setMessages = other.m_setMessages;
  m_setOptionalMessages = other.m_setOptionalMessages;
  InvalidContainerRect(0, nullptr);
  return *this;
}

CElementContainer::~CElementContainer() {
  if (m_pAccessible) m_pAccessible->Disconnect();
  // Children outlive a parent that goes first: they simply leave the tree.
  for (CElementContainer* child : std::vector(m_vecChildren)) child->Detach();
  Detach();
}

int CElementContainer::InitObject(const wchar_t* name, _CONTAINER_INFO* info) {
  if (!info) return 0;
  SetName(name ? name : info->Name());
  m_nStyle = info->Style();
  m_bLaidOut = false;
  m_nID = info->Id();
  m_bShow = !(m_nStyle & ELEMENT_STYLE_HIDDEN);
  m_bEnable = !(m_nStyle & ELEMENT_STYLE_DISABLED);
  if (info->Text()) m_strText = info->Text();
  m_rcContainer = CRect(info->Left(), info->Top(), info->Left() + std::max(0, info->Width()),
                        info->Top() + std::max(0, info->Height()));
  if (CElementContainer* parent = info->Parent(); parent && parent != this) {
    Detach();
    parent->AttachChild(this);
  }
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementContainer::ReleaseObject() {
  InvalidContainerRect(0, nullptr);
  Detach();
  return 1;
}

int CElementContainer::SetDebugView(int on) {
  m_bDebugView = on != 0;
  InvalidContainerRect(0, nullptr);
  return 1;
}

int CElementContainer::ResetParent(CElementContainer* parent) {
  // An element cannot become its own ancestor.
  for (CElementContainer* p = parent; p; p = p->m_pParent)
    if (p == this) return 0;
  InvalidContainerRect(0, nullptr);
  Detach();
  if (parent) parent->AttachChild(this);
  InvalidContainerRect(0, nullptr);
  return 1;
}

void CElementContainer::AttachChild(CElementContainer* child) {
  child->m_pParent = this;
  m_vecChildren.push_back(child);
}

void CElementContainer::DetachChild(CElementContainer* child) {
  std::erase(m_vecChildren, child);
}

void CElementContainer::Detach() {
  if (CElementHost* host = GetHost()) host->Forget(this);
  if (m_pParent) m_pParent->DetachChild(this);
  m_pParent = nullptr;
}

// ---- default handlers: nothing handled

int CElementContainer::OnFilter(UINT, WPARAM, LPARAM) { return 0; }
int CElementContainer::OnWindowProc(UINT, WPARAM, LPARAM, POINT) { return 0; }
int CElementContainer::OnPaint(CPaintDC*) { return 0; }
int CElementContainer::OnEraseBackground(CDC*) { return 0; }
int CElementContainer::OnShow(int) { return 0; }
int CElementContainer::OnLButtonDown(POINT) { return 0; }
int CElementContainer::OnLButtonUp(POINT) { return 0; }
int CElementContainer::OnRButtonDown(POINT) { return 0; }
int CElementContainer::OnRButtonUp(POINT) { return 0; }
int CElementContainer::OnDBClick(int, POINT) { return 0; }
int CElementContainer::OnMouseWheel(UINT, int, POINT) { return 0; }
int CElementContainer::OnSize(UINT, int, int) { return 0; }
int CElementContainer::OnTimer(DWORD) { return 0; }
int CElementContainer::OnKeyDown(UINT, UINT, UINT) { return 0; }
int CElementContainer::OnKeyUp(UINT, UINT, UINT) { return 0; }
int CElementContainer::OnMouseMove(int, int, DWORD) { return 0; }
int CElementContainer::OnUserMessage(UINT, WPARAM, LPARAM) { return 0; }
int CElementContainer::OnMenuCommand(DWORD) { return 0; }
int CElementContainer::OnAcceleratorCommand(DWORD) { return 0; }
int CElementContainer::OnControlCommand(DWORD, UINT, LPARAM) { return 0; }
int CElementContainer::OnBroadcastCommand(UINT, WPARAM, LPARAM) { return 0; }
int CElementContainer::OnSetCursor(UINT, LPARAM) { return 0; }
int CElementContainer::OnMouseLeave() { return 0; }
int CElementContainer::OnSetFocus(int) { return 0; }
int CElementContainer::OnSetWndFocus(int) { return 0; }
int CElementContainer::OnControlMessage(DWORD, UINT, WPARAM, LPARAM) { return 0; }
int CElementContainer::OnChar(UINT, int, int) { return 0; }
int CElementContainer::OnChildsProc(CElementContainer*, UINT, WPARAM, LPARAM) { return 0; }
int CElementContainer::OnDeleteFromUserStyle() { return 0; }
int CElementContainer::OnSetText() { return 0; }
int CElementContainer::OnSetColor() { return 0; }
int CElementContainer::OnSetFont() { return 0; }
int CElementContainer::OnEnable() { return 0; }

// ---- geometry

CRect CElementContainer::GetContainerRect() const {
  CRect r = m_rcContainer;
  for (const CElementContainer* p = m_pParent; p; p = p->m_pParent)
    r.OffsetRect(p->m_rcContainer.left, p->m_rcContainer.top);
  return r;
}

void CElementContainer::MoveContainer(const RECT& rectInParent) {
  CRect r(rectInParent);
  r.NormalizeRect();
  if (r == m_rcContainer) return;
  const bool resized = r.Width() != m_rcContainer.Width() || r.Height() != m_rcContainer.Height();
  InvalidContainerRect(0, nullptr);
  m_rcContainer = r;
  InvalidContainerRect(0, nullptr);
  if (resized) {
    m_bLaidOut = false;
    EnsureLaidOut();
  }
}

void CElementContainer::EnsureLaidOut() {
  if (m_bLaidOut) return;
  m_bLaidOut = true;
  ReportUnregisteredHandlers();
  if (IsRegistered(WM_SIZE)) OnSize(0, m_rcContainer.Width(), m_rcContainer.Height());
}

void CElementContainer::InvalidContainerRect(int, const RECT* rect) {
  CElementHost* host = GetHost();
  if (!host) return;
  host->Accessibility().Changed(this);
  CRect r = rect ? CRect(*rect) : GetDrawRect();
  const CRect place = GetContainerRect();
  r.OffsetRect(place.left, place.top);
  host->Invalidate(r);
}

void CElementContainer::ScrollContainerRect(const RECT& rect, int dy) {
  CElementHost* host = GetHost();
  if (!host) return;
  CRect r(rect);
  const CRect place = GetContainerRect();
  r.OffsetRect(place.left, place.top);
  host->Scroll(this, r, dy);
}

CElementHost* CElementContainer::GetHost() const {
  const CElementContainer* root = this;
  while (root->m_pParent) root = root->m_pParent;
  return root->m_pHost;
}

void CElementContainer::SetLayer(int layer) {
  if (layer == m_nLayer) return;
  m_nLayer = layer;
  InvalidContainerRect(0, nullptr);
}

// ---- showing and enabling

void CElementContainer::Show(int show, int notify) {
  const bool shown = show != 0;
  if (shown != m_bShow) {
    if (!shown)
      if (CElementHost* host = GetHost()) host->Forget(this, /*keepTimers=*/true);
    m_bShow = shown;
    InvalidContainerRect(0, nullptr);
  }
  if (notify) OnShow(show);
}

int CElementContainer::IsActive() const {
  for (const CElementContainer* e = this; e; e = e->m_pParent)
    if (!e->m_bShow) return 0;
  return 1;
}

void CElementContainer::Enable(int enable) {
  const bool enabled = enable != 0;
  if (enabled == m_bEnable) return;
  m_bEnable = enabled;
  // A disabled element takes no input, so a capture it kept would never be let go.
  if (!enabled) ReleaseCapture();
  InvalidContainerRect(0, nullptr);
  OnEnable();
}

// ---- input state

void CElementContainer::SetCapture() {
  if (CElementHost* host = GetHost()) host->SetCapture(this);
}
void CElementContainer::ReleaseCapture() {
  if (CElementHost* host = GetHost()) host->ReleaseCapture(this);
}
int CElementContainer::HasCapture() const {
  const CElementHost* host = GetHost();
  return host && host->Capture() == this;
}
void CElementContainer::SetFocus() {
  if (CElementHost* host = GetHost()) host->SetFocus(this);
}
int CElementContainer::IsFocus() const {
  const CElementHost* host = GetHost();
  return host && host->Focus() == this;
}
void CElementContainer::StartTimer(DWORD id, UINT ms) {
  if (CElementHost* host = GetHost()) host->StartTimer(this, id, ms);
}
void CElementContainer::StopTimer(DWORD id) {
  if (CElementHost* host = GetHost()) host->StopTimer(this, id);
}

POINT CElementContainer::GetMousePoint() const {
  POINT pt{0, 0};
  const CElementHost* host = GetHost();
  if (!host) return pt;
  ::GetCursorPos(&pt);
  ::ScreenToClient(host->Window(), &pt);
  const CRect place = GetContainerRect();
  return {pt.x - place.left, pt.y - place.top};
}

CDC* CElementContainer::GetDC() const {
  // Without a window a memory context measures just the same: both use the same fonts.
  const HWND window = GetVMWindow();
  auto* dc = new CDC;
  dc->Attach(window ? ::GetDC(window) : ::CreateCompatibleDC(nullptr));
  return dc;
}

void CElementContainer::ReleaseDC(CDC* dc) const {
  if (!dc) return;
  const HDC hdc = dc->Detach();
  if (::GetObjectType(reinterpret_cast<HGDIOBJ>(hdc)) == OBJ_MEMDC) ::DeleteDC(hdc);
  else ::ReleaseDC(GetVMWindow(), hdc);
  delete dc;
}

HWND CElementContainer::GetVMWindow() const {
  const CElementHost* host = GetHost();
  return host ? host->Window() : nullptr;
}

CWnd* CElementContainer::GetWndContainer() const {
  const HWND window = GetVMWindow();
  return window ? CWnd::FromHandle(window) : nullptr;
}

// ---- identity, text, font and colours

int CElementContainer::GetText(wchar_t* buffer, int cap) const {
  const int length = m_strText.GetLength();
  if (buffer && cap > 0) {
    const int copied = std::min(length, cap - 1);
    std::wmemcpy(buffer, m_strText.GetString(), std::size_t(copied));
    buffer[copied] = L'\0';
  }
  return length;
}

void CElementContainer::KeepText(std::wstring_view text, std::size_t head, std::size_t tail) {
  const std::size_t before = std::size_t(m_strText.GetLength()), after = text.size();
  if (head + tail > std::min(before, after)) head = tail = 0;
  // Room for the longer of the two texts, the unchanged end moved to where it ends now, the
  // changed part copied in, and the length set last, so that nothing is cut before it moved.
  wchar_t* chars = m_strText.GetBufferSetLength(int(std::max(before, after)));
  std::wmemmove(chars + after - tail, chars + before - tail, tail);
  std::wmemcpy(chars + head, text.data() + head, after - tail - head);
  m_strText.ReleaseBuffer(int(after));
}

void CElementContainer::SetText(const wchar_t* text) {
  m_strText = text ? text : L"";
  OnSetText();
  InvalidContainerRect(0, nullptr);
}

int CElementContainer::GetFont(LOGFONTW* out) const {
  if (!out) return 0;
  TakeFrameworkLook();
  *out = m_logFont;
  return 1;
}

void CElementContainer::SetFont(const LOGFONTW& font) {
  TakeFrameworkLook();
  m_logFont = font;
  OnSetFont();
  InvalidContainerRect(0, nullptr);
}

void CElementContainer::SetColor(COLORREF color, DWORD part, DWORD state) {
  TakeFrameworkLook();
  m_colors.Set(color, part, state);
  OnSetColor();
}

void CElementContainer::TakeFrameworkLookNow() const {
  m_logFont = FrameworkFont();
  m_colors = FrameworkColors();
  m_bLookTaken = true;
}

// ---- messages

void CElementContainer::RegisterMessage(UINT msg) {
  m_setMessages.insert(msg);
  if (msg == WM_MOUSEMOVE) m_setMessages.insert(WM_MOUSELEAVE);
}

void CElementContainer::RegisterOptionalMessage(UINT msg, bool taken) {
  m_setOptionalMessages.insert(msg);
  if (taken) RegisterMessage(msg);
}

void CElementContainer::RegisterMessages(std::span<const UINT> msgs) {
  for (UINT msg : msgs) RegisterMessage(msg);
}

void CElementContainer::SkipMsg() {
  if (CElementHost* host = GetHost()) host->Skip();
}

LRESULT CElementContainer::SendMessageW(DWORD id, UINT msg, WPARAM wParam, LPARAM lParam) {
  CElementHost* host = GetHost();
  CElementContainer* target = host ? host->FindById(id) : nullptr;
  // An element of no window can still reach itself.
  if (!target && !host && id == m_nID) target = this;
  return target ? target->OnUserMessage(msg, wParam, lParam) : 0;
}

int CElementContainer::PassKeyDownOn(UINT vk, UINT repeat, UINT flags) {
  CElementHost* host = GetHost();
  return host && host->PassOn(this, WM_KEYDOWN, vk, MAKELPARAM(repeat, flags)) ? 1 : 0;
}

LRESULT CElementContainer::SendControlMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
  return m_pParent ? m_pParent->OnControlMessage(m_nID, msg, wParam, lParam) : 0;
}

CElementContainer* CElementContainer::HitTest(POINT pt) {
  return TopmostAt(PaintOrder(this), pt);
}
