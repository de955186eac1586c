#include "apps/gallery/GalleryBoard.h"

#include <algorithm>
#include <set>

GalleryBoard::GalleryBoard(CElementContainer* root, int width, bool live)
    : m_root(root), m_width(width), m_live(live) {}

GalleryBoard::~GalleryBoard() {
  for (auto it = m_owned.rbegin(); it != m_owned.rend(); ++it) {
    (*it)->ReleaseObject();
    (*it)->Release();
  }
}

CElementControl* GalleryBoard::Caption(int x, int y, int cx, int cy, const wchar_t* text,
                                       ULONG_PTR style) {
  auto* label = Make<CElementControl>();
  _CONTAINER_INFO info;
  info.SetPosition(x, y);
  info.SetSize(cx, cy);
  info.SetStyle(style);
  info.SetText(text);
  info.SetParent(m_root);
  label->InitObject(L"caption", &info);
  return label;
}

void GalleryBoard::Section(const wchar_t* title) {
  if (m_rowHeight > 0 || m_x > kMargin) m_y += m_rowHeight + kGap;
  m_x = kMargin;
  m_rowHeight = 0;
  auto* heading = Caption(kMargin, m_y, m_width - 2 * kMargin, kSectionHeight, title,
                          ELEMENT_STYLE_LABEL);
  LOGFONTW font{};
  heading->GetFont(&font);
  font.lfWeight = FW_BOLD;
  heading->SetFont(font);
  m_y += kSectionHeight + 4;
}

_CONTAINER_INFO GalleryBoard::Cell(int cx, int cy, const wchar_t* caption, DWORD id,
                                   ULONG_PTR style) {
  const int width = std::max(cx, kMinCellWidth);
  if (m_x + width > m_width - kMargin && m_x > kMargin) {
    m_y += m_rowHeight + kGap;
    m_x = kMargin;
    m_rowHeight = 0;
  }
  _CONTAINER_INFO info;
  info.SetPosition(m_x, m_y);
  info.SetSize(cx, cy);
  info.SetId(id);
  info.SetStyle(style);
  info.SetParent(m_root);
  Caption(m_x, m_y + cy + 2, width, kCaptionHeight, caption, ELEMENT_STYLE_LABEL);
  m_x += width + kGap;
  m_rowHeight = std::max(m_rowHeight, cy + 2 + kCaptionHeight);
  return info;
}

POINT GalleryBoard::Area(int cx, int cy) {
  if (m_x > kMargin) {
    m_y += m_rowHeight + kGap;
    m_x = kMargin;
    m_rowHeight = 0;
  }
  const POINT origin{m_x, m_y};
  m_x += cx + kGap;
  m_rowHeight = std::max(m_rowHeight, cy);
  return origin;
}

void GalleryBoard::Pose(CElementContainer* e, PoseKind kind, POINT pt) {
  m_poses.push_back({e, kind, pt, nullptr, nullptr, CRect()});
}

void GalleryBoard::PoseCustom(CElementContainer* e, std::function<void(GalleryActor&)> act,
                              std::function<void(GalleryActor&)> undo, const CRect& area) {
  m_poses.push_back({e, PoseKind::Custom, {0, 0}, std::move(act), std::move(undo), area});
}

void GalleryBoard::NumberElements() {
  // The controls' own child elements (a tree's scroll bar, say) are left to their controls.
  std::set<DWORD> taken;
  std::vector<CElementContainer*> unnumbered;
  for (CElementContainer* e : m_root->GetChildren()) {
    if (e->GetID() != 0 && taken.insert(e->GetID()).second) continue;
    unnumbered.push_back(e);
  }
  DWORD next = taken.empty() ? 1 : *taken.rbegin() + 1;
  for (CElementContainer* e : unnumbered) e->SetID(next++);
}
