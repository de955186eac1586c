// The gallery's layout and the looks it shows.
//
// Pages lay their controls out as captioned cells in sections. Looks that hold still (normal,
// disabled, checked, read-only) are separate controls built that way. Looks that need the user
// (hover, pushed, focused, an open pop-up) are asked for with Pose: a person sees them by using
// the control in the window; the picture mode acts them out one at a time and photographs each.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "host/CElementControl.h"

enum class PoseKind {
  Hover,    // the pointer rests on the point
  Pushed,   // the left button is held on the point
  Focused,  // the element has the focus
  Custom,   // the page's own action (opening a pop-up, say)
};

// What a pose may do to the screen while it is photographed.
class GalleryActor {
 public:
  virtual ~GalleryActor() = default;
  virtual void MoveTo(const CElementContainer& e, POINT pt) = 0;
  virtual void Press(const CElementContainer& e, POINT pt) = 0;
  virtual void Release(const CElementContainer& e, POINT pt) = 0;
  virtual void RightClick(const CElementContainer& e, POINT pt) = 0;
  virtual void Key(UINT vk) = 0;
  virtual void Settle() = 0;  // handle everything pending and paint
};

struct GalleryPose {
  CElementContainer* element;
  PoseKind kind;
  POINT point;
  // Custom poses: act, and undo afterwards.
  std::function<void(GalleryActor&)> act;
  std::function<void(GalleryActor&)> undo;
  // The screen area the photograph takes, in host-window client coordinates; empty means the
  // element's own rectangle.
  CRect area;
};

class GalleryBoard {
 public:
  static constexpr int kMargin = 16;
  static constexpr int kGap = 14;
  static constexpr int kCaptionHeight = 16;
  static constexpr int kSectionHeight = 22;
  static constexpr int kMinCellWidth = 90;  // room for a caption

  // A live board is used in a window; the other is photographed (Photographer.h).
  GalleryBoard(CElementContainer* root, int width, bool live = false);

  // Starts a new row under a heading.
  void Section(const wchar_t* title);
  // The creation record of the next cell in the row, with a caption under it.
  _CONTAINER_INFO Cell(int cx, int cy, const wchar_t* caption, DWORD id = 0, ULONG_PTR style = 0);
  // An element that lives as long as the board; the board releases it first.
  template <class T>
  T* Make() {
    T* e = new T;
    e->AddRef();
    m_owned.push_back(e);
    return e;
  }
  // Room for a page that lays itself out: its top-left corner in the root's coordinates.
  POINT Area(int cx, int cy);
  // Keeps any object (a page that holds its own controls) as long as the board.
  void Keep(std::shared_ptr<void> object) { m_kept.push_back(std::move(object)); }
  void Pose(CElementContainer* e, PoseKind kind, POINT pt = {4, 4});
  void PoseCustom(CElementContainer* e, std::function<void(GalleryActor&)> act,
                  std::function<void(GalleryActor&)> undo, const CRect& area = CRect());
  const std::vector<GalleryPose>& Poses() const { return m_poses; }
  // Gives every element placed on the board that has no id, or shares one, an id of its own,
  // so that notifications and menu commands (which find their element by id) reach the
  // right one.
  void NumberElements();
  CElementContainer* Root() const { return m_root; }
  // The live window leaves out the samples that only show a pop-up open: there every sample
  // opens its pop-up on a click, and the room a photograph keeps free for one would be a gap.
  bool Live() const { return m_live; }
  // The size the board needs.
  CSize Extent() const { return {m_width, m_y + m_rowHeight + kMargin}; }

  ~GalleryBoard();
  GalleryBoard(const GalleryBoard&) = delete;
  GalleryBoard& operator=(const GalleryBoard&) = delete;

 private:
  CElementControl* Caption(int x, int y, int cx, int cy, const wchar_t* text, ULONG_PTR style);

  CElementContainer* m_root;
  int m_width;
  bool m_live;
  int m_x = kMargin;
  int m_y = kMargin;
  int m_rowHeight = 0;
  std::vector<CElementContainer*> m_owned;  // one reference each
  std::vector<std::shared_ptr<void>> m_kept;
  std::vector<GalleryPose> m_poses;
};
