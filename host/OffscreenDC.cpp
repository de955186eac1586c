#include "host/OffscreenDC.h"

#include "host/OffscreenBuffers.h"

OffscreenDC::OffscreenDC(CDC* target, const RECT* rect) : m_pDC(target) {
  if (rect) {
    Begin(*rect);
  } else {
    // A null rectangle buffers the target's clip box, as the one-argument form does.
    CRect clip;
    if (target) target->GetClipBox(&clip);
    Begin(clip);
  }
}

OffscreenDC::OffscreenDC(CDC* target) : OffscreenDC(target, nullptr) {}

void OffscreenDC::Begin(const RECT& rect) {
  m_rect = rect;
  if (!m_pDC) return;
  m_bPrinting = m_pDC->IsPrinting();
  m_bMemDC = !m_bPrinting;
  if (!m_bMemDC) {
    m_hDC = m_pDC->m_hDC;
    m_hAttribDC = m_pDC->m_hAttribDC;
    return;
  }
  // When the off-screen context cannot be made, drawing goes nowhere rather than to the screen
  // unbuffered: a half-drawn frame would flicker exactly as the buffer is meant to prevent.
  if (CreateCompatibleDC(m_pDC))
    m_pBitmap = OffscreenBuffers::Shared().Take(m_pDC, m_rect.Width(), m_rect.Height());
  if (!m_pBitmap) {
    m_bMemDC = false;
    DeleteDC();
    return;
  }
  m_hOldBitmap = ::SelectObject(m_hDC, m_pBitmap->m_hObject);
  SetWindowOrg(m_rect.left, m_rect.top);
}

void OffscreenDC::StartFromTarget() {
  if (m_bMemDC)
    BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), m_pDC, m_rect.left,
           m_rect.top, SRCCOPY);
}

OffscreenDC::~OffscreenDC() {
  if (m_bMemDC) {
    m_pDC->BitBlt(m_rect.left, m_rect.top, m_rect.Width(), m_rect.Height(), this, m_rect.left,
                  m_rect.top, SRCCOPY);
    ::SelectObject(m_hDC, m_hOldBitmap);
    OffscreenBuffers::Shared().Give(std::move(m_pBitmap), m_rect.Width(), m_rect.Height());
    // CDC's destructor releases the context.
  } else if (m_bPrinting) {
    // Shared handles belong to the target.
    m_hDC = m_hAttribDC = nullptr;
  }
}
