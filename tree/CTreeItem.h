/// @class CTreeItem
/// The row painter: one per tree, loaded with one item's record at a time (SetItemValue), then
/// asked to draw that row or to say which part of it a point falls in. Loading takes what the
/// row is drawn with from the tree: where the row sits (TreeRowPlace) and the tree's look
/// (TreeRowLook); drawing reads nothing else of the tree. Drawing, hit testing and the tree's
/// text offset all place the parts of a row with one function, GetRowGeometry.
///
/// @code{.unparsed}
///  line style   [margin][4 px a level: ancestors' dotted columns][button 7][box 13][text]
///               dotted connector to the parent's column, focus frame around the text
///  flat style   the same places, no connectors; hover and focus fill the row, a gradient over
///               the focus row, dividers above and below top-level rows
/// @endcode
#pragma once

#include "foundation/CLightCanvas.h"
#include "platform/mfc/CRect.h"
#include "tree/TreeItem.h"
#include "tree/TreeRowLook.h"
#include "tree/TreeRowPlace.h"

class CElementTree;

/// Where the parts of one row lie, in the row's coordinates. Empty rectangles for parts the row
/// does not have.
struct TreeRowGeometry {
  int indent = 0;       ///< where the indent levels start, after the margin
  int column = 0;       ///< the row's own dotted column
  CPoint buttonCentre;  ///< the point the button is drawn about (DrawBtnUseBitmap)
  CRect button;         ///< the expand button's picture
  CRect check;          ///< the check box's picture
  /// The text's band: its fill and focus frame. In a row too narrow for its indent the band's
  /// right edge falls left of its left edge, and the band fills nothing.
  CRect text;
  int textX = 0;  ///< where the characters start
  int mid = 0;    ///< the row's middle line
};

class CTreeItem {
 public:
  ///@{
  /// A painter with no record and no tree; a copy paints the same row for the same tree.
  CTreeItem() = default;
  CTreeItem(const CTreeItem&) = default;
  CTreeItem& operator=(const CTreeItem&) = default;
  ///@}
  /// Takes the record; the fields derived from the tree (line kind, state) stay at their reset
  /// values until the painter has a tree and is loaded again.
  explicit CTreeItem(_TREE_ITEM& item);
  virtual ~CTreeItem() = default;

  /// The tree whose look and row places the painter reads (not owned); set before loading.
  void SetTree(CElementTree* tree) { m_pTree = tree; }
  /// Back to a painter with no record and no tree.
  void Reset();
  /// Copies a record and derives the indent level, the connector kind and the state.
  void SetItemValue(const _TREE_ITEM& item);
  /// The same with the tree's look fetched once for a batch of rows (CElementTree::GetRowLook).
  void SetItemValue(const _TREE_ITEM& item, const TreeRowLook& look);

  /// Draws the loaded row into `rc`; returns 1.
  ///@{
  /// Draws the loaded row into `rc`; returns 1.
  int Draw(CLightCanvas& canvas, CRect rc);
  int Draw(CDC* dc, CRect rc);
  ///@}
  /// Which part of the loaded row, drawn in `rc`, holds `pt`. In the flat style a whole row with
  /// children is its button; in the line style the button, box and text areas of the drawing.
  MOUSE_IN_ITEM_AREA GetPointInItemArea(POINT& pt, CRect rc) const;
  /// The parts of the loaded row drawn in `rc`, its text being `textWidth` pixels wide: the one
  /// place that says where a row's parts go.
  TreeRowGeometry GetRowGeometry(const CRect& rc, int textWidth) const;

  /// The part of a row drawn in `rc` that the row fills with its background: all of it but the
  /// divider's line at the bottom in the flat style. The tree paints its panel around these.
  static CRect FilledPart(TREE_SHOW_STYLE style, const CRect& rc);
  /// Fills `rc` with one stripe per row (across = 0) or column, from `from` to `to`.
  static void DrawGradient(CDC* dc, const CRect& rc, COLORREF from, COLORREF to, int across);
  /// Stripe `i` of `n`: `from` at 0, `to` at n - 1; `from` alone when there is one stripe.
  static COLORREF GradientColor(COLORREF from, COLORREF to, int i, int n);

  /// The loaded row's colour state: COLOR_STATE_NORMAL, HOVER or FOCUS.
  int GetState() const { return m_nState; }
  /// The loaded row's connector kind in the line style (TreeRowPlace::lineKind).
  int GetLineKind() const { return m_nLineKind; }
  /// The loaded row's indent level: its depth less the ancestors that show no button.
  int GetLevel() const { return m_nLevel; }

  ///@{
  /// Connector dots, box transparency and the focus frame's dots and outline.
  static constexpr COLORREF kLineDots = RGB(0x80, 0x80, 0x80);
  static constexpr COLORREF kCheckTransparent = RGB(0xF4, 0xF4, 0xF4);
  static constexpr COLORREF kFocusFrameDots = 0x95DBF5;
  static constexpr COLORREF kFocusFrameOutline = RGB(0, 0, 0);
  ///@}
  ///@{
  /// Pixels per indent level, reserved for a button, taken by a check box.
  static constexpr int kIndent = 4;
  static constexpr int kButtonRoom = 7;
  static constexpr int kCheckRoom = 13;
  ///@}
  /// A level's dotted column runs this far into the level.
  static constexpr int kColumnInset = 3;
  ///@{
  /// The text starts this far into its band, and its band reaches this far past it.
  static constexpr int kTextInset = 5;
  static constexpr int kTextBandExtra = 6;
  ///@}

 protected:
  ///@{
  /// Each draws its part where the geometry of the row Draw last laid out puts it; the first
  /// two move rc.left past what they drew. A subclass may call them on its own context.
  void DrawPixLine(CRect& rc, CDC* dc);
  void DrawCheckBox(CRect& rc, CDC* dc);
  void DrawFocusItemFrame(CDC* dc, CRect& rc);
  void DrawBtnUseBitmap(TREE_SHOW_STYLE style, int cx, CDC* dc, int cy);
  void DrawGradientItem(CDC* dc, const CRect& rc, COLORREF from, COLORREF to);
  ///@}
  /// 1 when `item` is the last child of its parent (or the painter has no tree).
  int IsItemEndNode(const _TREE_ITEM& item) const;
  /// 1 when the loaded row draws its expand button: the tree's switch and the item's allow it.
  int BeHaveBtn() const;

 private:
  /// The same on the canvas Draw paints with.
  void DrawPixLine(CRect& rc, CLightCanvas& canvas);
  void DrawCheckBox(CRect& rc, CLightCanvas& canvas);
  void DrawFocusItemFrame(CLightCanvas& canvas, CRect& rc);
  void DrawBtnUseBitmap(TREE_SHOW_STYLE style, int cx, CLightCanvas& canvas, int cy);
  void DrawGradientItem(CLightCanvas& canvas, const CRect& rc, COLORREF from, COLORREF to);
  static void DrawGradient(PaintCanvas& canvas, const CRect& rc, COLORREF from, COLORREF to,
                           int across);

  COLORREF BackColor() const;
  COLORREF TextColor() const;
  /// The text the row shows: its own, with " >" on a hovered top-level item that has a tip.
  CString ShownText() const;
  /// The button picture for the open state; null for values other than 0 and 1.
  CBitmap* ButtonBitmap() const;
  /// Where the button's picture of `size` goes when drawn about (cx, cy).
  static CRect ButtonPictureRect(TREE_SHOW_STYLE style, int cx, int cy, CSize size);
  /// The font the row's text is drawn and measured in.
  const LOGFONTW& TextFont() const;
  /// Dots of the dotted pen: `count` of them from (x, y), every other pixel in direction (dx, dy).
  static void DrawDots(CLightCanvas& canvas, int x, int y, int dx, int dy, int count,
                       COLORREF color);

  CString m_strText;
  COLORREF m_clrText = TREE_CLR_UNSET;
  COLORREF m_clrTextT = TREE_CLR_UNSET;
  COLORREF m_clrBkFrom = TREE_CLR_UNSET;
  COLORREF m_clrBkTo = TREE_CLR_UNSET;
  int m_nChildCount = 0;
  int m_nLevel = 0;  ///< nLevel - nFatherBtnNoShow: ancestors without a button take no indent
  int m_nIndex = 0;
  int m_nID = -1;
  int m_nParentID = 0;
  int m_nHeight = 0;
  int m_nFatherBtnNoShow = 0;
  BOOL m_bShowBtn = 1;
  BOOL m_bHaveTip = 0;
  int m_nOpen = 0;
  TREE_ITEM_CHECK m_eCheck = TREE_CHECK_NONE;
  int m_nState = COLOR_STATE_NORMAL;  ///< NORMAL, FOCUS or HOVER
  int m_nLineKind = 0;  ///< 0 first top-level item, 1 one with a later sibling, 2 last child
  CElementTree* m_pTree = nullptr;  ///< the owner; not owned
  /// What the tree handed in with the record: the row's place and the tree's look.
  TreeRowPlace m_place;
  TreeRowLook m_look;
  /// The parts of the row Draw is drawing, for its helpers.
  TreeRowGeometry m_drawn;
};
