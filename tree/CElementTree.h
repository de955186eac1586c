/// @class CElementTree
/// The tree element: a scrolling tree of items with expand buttons, three-state check boxes, two
/// looks, hover and focus, tips and notifications to its parent. Including this header is all a
/// host needs: it brings the records, the painter and the notification package.
///
/// @code{.unparsed}
///  event                         line style                      flat style
///  press on a button             open / close, NM_CLICK          (any press on a row with
///  press on a check box          2 -> 1, 1 or 3 -> 2, NM_CLICK    children opens / closes it,
///  press on the text or beside   focus moves, no notice           closes the old focus's branch
///                                                                 and notifies NM_CLICK)
///  double click on the text      focus, open / close, NM_DBLCLK  as a single press
///  double click on a button      its first press opens / closes and sends NM_CLICK; the second
///                                closes / opens again and sends NM_DBLCLK
///  keys (arrows, pages, ends)    focus moves and stays on screen; WM_KEYDOWN with the key code,
///                                except an Up or Down that scrolled to follow the focus or
///                                brought it back on screen, and a move that cannot move
///  pointer resting 500 ms        -                               the item's tip, or its whole
///                                                                 text when cut
///  wheel, scroll bar             three rows a notch; the bar reports its first row
/// @endcode
/// Each row's button, check box and the rest of it are parts of the shared press machine
/// (PressPartAt). The tree acts on the press itself, so the machine holds no press for it (its
/// OnPress policy); it keeps the part under the pointer, and the flat style's hover item follows
/// the part the pointer moves onto.
/// The parent receives WM_NOTIFY (code NM_CLICK / NM_DBLCLK / its own for the path notice) and
/// WM_KEYDOWN (wParam the key) with a CPackager<tagNM_TREECONTAINER> as the LPARAM. It may delete
/// items or the tree itself in there: the tree touches nothing of itself after notifying.
///
/// Set-up, in this order: SetShowStyle() (before InitObject(): the style's pictures and colours
/// are loaded there); InitObject(); SetDivideLineColor(), without which no frame is drawn, and
/// the other settings; InsertItem() for each item; RecalcAndRefresh(), which lays the rows out
/// and repaints, after inserting, changing or deleting items.
///
/// Reading a notice: CPackager::FromLParam() on the lParam gives the package, whose Value() is
/// a tagNM_TREECONTAINER: the code in its hdr (for WM_NOTIFY; wParam holds it too, and the key
/// for WM_KEYDOWN) and a copy of the item's _TREE_ITEM record. Every code and the order of the
/// notices for the usual actions: the @ref index "notification reference".
///
/// Sections: life cycle; items (the store's operations); layout and scrolling; focus, hover and
/// notifications; tips; settings; handlers; members. The code is split the same way:
/// CElementTree.cpp (life cycle and settings), CElementTreeLayout.cpp, CElementTreeInput.cpp,
/// CElementTreeTips.cpp, CElementTreePaint.cpp; the row painter is CTreeItem.
#pragma once

/// @file
/// The tree element and its timers.

#include <memory>
#include <vector>

#include "host/CElementControl.h"
#include "host/CVerticalScrollbar.h"
#include "platform/com/CComPtr.h"
#include "tree/CPackager.h"
#include "tree/CTreeBitmaps.h"
#include "tree/CTreeItem.h"
#include "tree/CTreeStore.h"

class CTreeTipWnd;

///@{
/// The tree's element timers: the tip of the hover item is prepared, and hidden.
constexpr DWORD TREE_TIMER_SHOW = 419;
constexpr DWORD TREE_TIMER_HIDE = 420;
///@}

class CElementTree : public CElementControl, protected CTreeStore {
 public:
  /// An empty tree in the line style, its own default colours and the framework's font.
  CElementTree();
  ///@{
  /// A copy has its own painter, pictures and items; it gets a scroll bar of its own when it is
  /// initialised, since a child element can have one parent only.
  CElementTree(const CElementTree& other);
  CElementTree& operator=(const CElementTree& other);
  ///@}
  /// The tip window goes with it, and the tree's reference to its scroll bar.
  ~CElementTree() override;

  /// Registers the messages, loads the style's pictures and makes the scroll bar. A second call
  /// makes a new scroll bar and keeps the items.
  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;
  /// Leaves the window: the tip goes with it.
  int ReleaseObject() override;

  // ---- items
  /// Unset colours of `item` become the table's normal text colour and normal panel colour.
  void InsertItem(_TREE_ITEM& item, _TREE_ITEM* parent);
  /// Deletions lay the rows out again at once, so no row on screen names a deleted item; the
  /// host still repaints (RecalcAndRefresh) when it has finished.
  void DelAllItems();
  /// Removes the children of `id` with their descendants and closes `id`, laying the rows out
  /// again; 0 when `id` is not an item or has no children. Repaint with RecalcAndRefresh.
  int DelItemChild(int id);
  using CTreeStore::GetCheckedItems;
  using CTreeStore::GetFatherItemsBtnNoShow;
  using CTreeStore::GetHoverItem;
  using CTreeStore::GetItem;
  using CTreeStore::GetItemById;
  using CTreeStore::GetItemChildCheckNum;
  using CTreeStore::GetItemChildItem;
  using CTreeStore::GetItemParentStr;
  using CTreeStore::GetNextItem;
  using CTreeStore::GetRowPlace;
  using CTreeStore::IsLastChild;
  using CTreeStore::SetItemByID;
  using CTreeStore::SetItemCheck;

  // ---- layout and scrolling
  /// Rebuilds the shown list and the rows on screen, and repaints: call it after changing items.
  void RecalcAndRefresh();
  /// Pixels of the rows above the screen.
  int GetScrollPix() const;
  /// The index, in the list of shown items, of the item in the top row on screen.
  int GetFirstShow() const { return m_nFirstShow; }
  /// How many items are shown: the top-level items and the children of every open item whose
  /// ancestors are all open. The scroll bar scrolls through them.
  int GetShowCount() const { return m_nShowCount; }
  /// How many rows fit on screen in full from the top row: a page for Page Up and Page Down.
  int GetPageCount() const { return m_nPageCount; }
  /// How many rows are on screen, the last possibly cut.
  int GetScreenCount() const { return m_nScreenCount; }
  /// The rows on screen, in element coordinates: row k shows shown item GetFirstShow() + k.
  const std::vector<CRect>& GetShowRects() const { return m_vecShowRects; }
  /// The rows area in element coordinates: the element less the scroll bar when it shows.
  const CRect& GetItemsRect() const { return m_rcItems; }
  /// 1 while the scroll bar shows: when the shown items do not fit on screen.
  int IsVScrollShow() const { return m_bVScrollShow; }
  /// The tree's scroll bar, a child element made by InitObject; null before.
  CVerticalScrollbar* GetVScroll() const { return m_pVScroll; }

  // ---- focus, hover and notifications
  /// Makes `id` the focus, opens exactly its ancestors and scrolls it on screen. No notice.
  void SetFocusItem(int id);
  using CTreeStore::GetFocusItem;
  /// Sends `code` for item `id` with the item's path ("top.parent.item") as its text, followed
  /// by "." and `suffix` unless `noSuffix`. 0 when `id` names no record.
  long SendMessageToParent(int code, int id, CString suffix, int noSuffix);

  // ---- tips
  using CTreeStore::SetTipsValue;

  // ---- accessibility (CElementTreeAccessible.cpp)
  /// An outline, with the rows shown (the items whose ancestors are all open, on screen or
  /// scrolled off it) as its items, in display order, and its scroll bar as its child.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;
  /// The number of rows shown.
  int GetAccessibleItemCount() const override;
  /// An outline item named by its text, whose value is its level (top-level items "0"),
  /// expanded or collapsed when it has children, checked when its box is checked and mixed
  /// when it is half checked, selected when it is the focus item (focused too while the tree
  /// has the focus), off screen when scrolled out of view. Its default action is the click
  /// on its check box ("Check", "Uncheck") when it has one, else on its expand button
  /// ("Expand", "Collapse"), else on its text ("Click").
  void DescribeAccessibleItem(int item, platform::AccessibleFacts& facts) const override;
  /// The focus item's row.
  int GetAccessibleFocusItem() const override;
  /// The focus item's row: the tree's selection is its focus.
  int GetAccessibleSelectedItem() const override;
  /// Clicks the part the item's default action names, scrolling the item on screen first.
  HRESULT DoAccessibleAction(int item) override;
  /// Replaces the first record of the same item; 1 whether or not there was one.
  int ChangeItemTip(_TREE_ITEM_TIP tip);
  /// The tip window while it shows, else null.
  HWND GetTipWindow() const;

  // ---- settings; none repaints (RecalcAndRefresh after what changes layout)
  ///@{
  /// The background of rows in the normal state and of the area below the last row.
  void SetBkColor(COLORREF c) { SetColor(c, COLOR_PART_PANEL, COLOR_STATE_NORMAL); }
  COLORREF GetBkColor() const { return GetColor(COLOR_PART_PANEL, COLOR_STATE_NORMAL); }
  ///@}
  /// The text of rows in the normal state, for items that leave their own text colour unset.
  void SetTextColor(COLORREF c) { SetColor(c, COLOR_PART_TEXT, COLOR_STATE_NORMAL); }
  /// The focus background of top-level rows, and of child rows in the flat style.
  void SetFocusBgColor(COLORREF c);
  /// The focus row's background, as SetFocusBgColor set it.
  COLORREF GetFocusBkColor() const { return GetColor(COLOR_PART_PANEL, COLOR_STATE_FOCUS); }
  ///@{
  /// The line style paints the focus row with a gradient from the first colour (F, which is
  /// also the focus background) to the second (T).
  void SetFocusGradientFColor(COLORREF c) { SetColor(c, COLOR_PART_PANEL, COLOR_STATE_FOCUS); }
  COLORREF GetFocusGradientFColor() const { return GetFocusBkColor(); }
  void SetFocusGradientTColor(COLORREF c) { SetColor(c, COLOR_PART_SHADE, COLOR_STATE_FOCUS); }
  COLORREF GetFocusGradientTColor() const { return GetColor(COLOR_PART_SHADE, COLOR_STATE_FOCUS); }
  ///@}
  /// The second colour is kept for the host only when `useSecond`; otherwise it is `c` as well.
  void SetFocusTextColor(COLORREF c, int useSecond, COLORREF second);
  ///@{
  /// The focus row's text colour, and the second colour SetFocusTextColor kept.
  COLORREF GetFocusTextColor() const { return GetColor(COLOR_PART_TEXT, COLOR_STATE_FOCUS); }
  COLORREF GetFocusTextTColor() const { return GetColor(COLOR_PART_TEXTBACK, COLOR_STATE_FOCUS); }
  ///@}
  ///@{
  /// The background of the row under the pointer.
  void SetHoverBgColor(COLORREF c) { SetColor(c, COLOR_PART_PANEL, COLOR_STATE_HOVER); }
  COLORREF GetHoverBgColor() const { return GetColor(COLOR_PART_PANEL, COLOR_STATE_HOVER); }
  ///@}
  /// The text of the row under the pointer; the second colour is kept for the host only when
  /// `useSecond`, otherwise it is `c` as well.
  void SetHoverTextColor(COLORREF c, int useSecond, COLORREF second);
  ///@{
  /// The hover row's text colour, and the second colour SetHoverTextColor kept.
  COLORREF GetHoverTextColor() const { return GetColor(COLOR_PART_TEXT, COLOR_STATE_HOVER); }
  COLORREF GetHoverTextTColor() const { return GetColor(COLOR_PART_TEXTBACK, COLOR_STATE_HOVER); }
  ///@}
  ///@{
  /// The frame of the rows area and the flat style's dividers; unset (TREE_CLR_UNSET, the
  /// default) draws none, so call it for a framed tree.
  void SetDivideLineColor(COLORREF c) { m_clrDivideLine = c; }
  COLORREF GetDivideLineColor() const { return m_clrDivideLine; }
  ///@}
  ///@{
  /// The focus background of child rows in the flat style; unset falls back to the focus
  /// background of top-level rows.
  void SetFocusBgL2Color(COLORREF c) { m_clrFocusBgL2 = c; }
  COLORREF GetFocusBgL2Color() const { return m_clrFocusBgL2; }
  ///@}
  ///@{
  /// The flat style paints a top-level focus row with this gradient when its two colours
  /// differ.
  void SetFocusHeadGradient(_COLOR_GRADIENT g) { m_gradFocusHead = g; }
  _COLOR_GRADIENT GetFocusGradient() const { return m_gradFocusHead; }
  ///@}
  ///@{
  /// Tip colours: own tips take the tip background and hover text; cut texts the remind pair.
  void SetRemindTipTextColor(COLORREF c) { m_clrRemindTipText = c; }
  void SetRemindTipBgColor(COLORREF c) { m_clrRemindTipBg = c; }
  void SetTipBackgroundColor(COLORREF c) { m_clrTipBackground = c; }
  void SetTipTextHoverColor(COLORREF c) { m_clrTipTextHover = c; }
  ///@}
  ///@{
  /// The look, TREE_STYLE_LINE (the default) or TREE_STYLE_FLAT. Set it before InitObject:
  /// the pictures, colours and scroll bar look are the style's.
  void SetShowStyle(TREE_SHOW_STYLE style) { m_eShowStyle = style; }
  TREE_SHOW_STYLE GetShowStyle() const { return m_eShowStyle; }
  ///@}
  ///@{
  /// Whether rows with children draw their expand button (on by default); an item may still
  /// hide its own (bShowBtn).
  void SetBtnShow(int show) { m_bBtnShow = show; }
  int GetBtnShow() const { return m_bBtnShow; }
  ///@}
  ///@{
  /// Pixels between a row's left edge and its indent (3 by default).
  void SetLeftMargin(int margin) { m_nLeftMargin = margin; }
  int GetLeftMargin() const { return m_nLeftMargin; }
  ///@}
  ///@{
  /// The line style draws a line over a top-level focus row's gradient when on (off by
  /// default).
  void SetDrawGradientLine(int draw) { m_bDrawGradientLine = draw; }
  int GetDrawGradientLine() const { return m_bDrawGradientLine; }
  ///@}
  ///@{
  /// Kept for the host; rows take each item's own height.
  void SetItemHeight(int height) { m_nItemHeight = height; }
  int GetItemHeight() const { return m_nItemHeight; }
  ///@}
  ///@{
  /// The pictures of the closed and open expand button and of the check box's states: the
  /// style's own until replaced. The tree keeps them; never delete one.
  CBitmap* GetBitmapClose() const { return m_bitmaps.Get(CTreeBitmaps::CLOSE); }
  CBitmap* GetBitmapOpen() const { return m_bitmaps.Get(CTreeBitmaps::OPEN); }
  CBitmap* GetBitmapCheckYes() const { return m_bitmaps.Get(CTreeBitmaps::CHECK_YES); }
  CBitmap* GetBitmapCheckNo() const { return m_bitmaps.Get(CTreeBitmaps::CHECK_NO); }
  CBitmap* GetBitmapCheckYesHalf() const { return m_bitmaps.Get(CTreeBitmaps::CHECK_YES_HALF); }
  ///@}
  ///@{
  /// Replaces the closed or open button's picture. The tree takes the bitmap's handle: `bitmap`
  /// holds none afterwards.
  void SetBitmapClose(CBitmap* bitmap) { m_bitmaps.Adopt(CTreeBitmaps::CLOSE, bitmap); }
  void SetBitmapOpen(CBitmap* bitmap) { m_bitmaps.Adopt(CTreeBitmaps::OPEN, bitmap); }
  ///@}
  ///@{
  /// Replaces a check box picture. The tree copies the picture; the caller keeps its bitmap.
  void SetBitmapCheckYes(CBitmap* bitmap) { m_bitmaps.CopyFrom(CTreeBitmaps::CHECK_YES, bitmap); }
  void SetBitmapCheckNo(CBitmap* bitmap) { m_bitmaps.CopyFrom(CTreeBitmaps::CHECK_NO, bitmap); }
  void SetBitmapCheckYesHalf(CBitmap* bitmap) {
    m_bitmaps.CopyFrom(CTreeBitmaps::CHECK_YES_HALF, bitmap);
  }
  ///@}
  /// The fonts of top-level rows, then of all others; the framework's font until set.
  void SetTreeFont(LOGFONTW& father, LOGFONTW& child);
  ///@{
  /// The descriptions SetTreeFont set, for top-level rows and for the others; changing one
  /// changes the rows' font.
  LOGFONTW* GetTreeFatherLogfont() { return &m_lfFather; }
  LOGFONTW* GetTreeChildLogfont() { return &m_lfChild; }
  ///@}
  ///@{
  /// Fonts from the shared cache: select them, never delete them.
  CFont* GetTreeFatherFont() const;
  CFont* GetTreeChildFont() const;
  ///@}
  /// The description of the font a record's row is drawn in.
  const LOGFONTW& GetItemLogfont(const _TREE_ITEM& item) const {
    return item.nParentID != 0 ? m_lfChild : m_lfFather;
  }
  /// What the painter draws every row with: the style, switches, colours, fonts and pictures.
  TreeRowLook GetRowLook() const;
  /// The width of a text in a font, measured on the element's measuring context.
  int MeasureText(const CString& text, const LOGFONTW& font) const;

  // ---- timers and the scroll message
  ///@{
  /// The tip timers, as the element's OnTimer receives them (see the file-scope names).
  static constexpr DWORD TREE_TIMER_SHOW = ::TREE_TIMER_SHOW;
  static constexpr DWORD TREE_TIMER_HIDE = ::TREE_TIMER_HIDE;
  ///@}
  /// Milliseconds the pointer rests on a row before its tip shows.
  static constexpr UINT kTipDelay = 500;
  /// Milliseconds a tip stays after the pointer leaves the rows.
  static constexpr UINT kTipHideDelay = 300;
  ///@{
  /// OnVScroll codes beyond the platform's SB_ ones: a wheel notch up or down.
  static constexpr int TREE_SCROLL_WHEEL_UP = 11;
  static constexpr int TREE_SCROLL_WHEEL_DOWN = 12;
  ///@}

 protected:
  // ---- handlers
  int OnPaint(CPaintDC* dc) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnShow(int show) override;
  int OnMouseWheel(UINT flags, int delta, POINT pt) override;
  int OnUserMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;
  int OnControlMessage(DWORD fromId, UINT msg, WPARAM wParam, LPARAM lParam) override;
  int OnLButtonDown(POINT pt) override;
  int OnDBClick(int flags, POINT pt) override;
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  int OnKeyUp(UINT vk, UINT repeat, UINT flags) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnSetCursor(UINT hitTest, LPARAM lParam) override;
  int OnTimer(DWORD id) override;

  // ---- layout and scrolling (CElementTreeLayout.cpp)
  /// Rows on screen (m_nScreenCount, the last possibly cut) and full rows (m_nPageCount) from
  /// the first shown row, which is pulled back while there is room below the last row.
  void CalcScreenItems();
  /// The rows area, the row rectangles, the text room of the rows on screen and the scroll bar.
  void CalcShowRect();
  /// RecalcAndRefresh without the repaint; returns 1.
  int ReCalcShowRectAndItems();
  /// Measures how much room each row on screen leaves after its text (nTextLeave), which
  /// decides whether its tip shows the whole cut text.
  void CalcItemsTextLeave();
  /// The same for one item in a row `width` pixels wide; returns 1.
  int CalcItemTextLeave(_TREE_ITEM& item, int width);
  /// The row on screen (0 for the first shown) that holds y, or -1.
  int CalcPointItemPos(int y) const;
  /// The indent of an item's text from the left of its row.
  int GetItemOffSetPixById(int id) const;
  /// The same for a record held by value.
  int GetItemOffsetPixByValue(const _TREE_ITEM& item) const;
  /// Shows the scroll bar, placed and sized to the shown items, when they do not fit; hides it
  /// otherwise.
  void ResetScrollBars();
  /// Scrolls so that the focus shows, with `id` (its parent, or itself) as the first row when
  /// both fit on the screen.
  void ResetScrollPos(int id);
  /// Moves the scroll bar's thumb to the first row on screen.
  void SetVScrollBarPos(int ignored);
  /// Scrolls by an SB_ code (line, page, top, bottom, SB_THUMBTRACK to lay out the first row
  /// as set) or a TREE_SCROLL_WHEEL_ code, then lays out and repaints.
  void OnVScroll(int code);
  /// Scrolls the focus onto a full row when it is not on one.
  void EnsureFocusItemShow();
  /// 1 when the focus item is on a full row on screen.
  int IsFocusItemShow() const;
  /// The largest first row: the last page then ends at the last shown item.
  int GetMaxFirstShow() const;
  /// The laid-out row `row` on screen exists and shows an item.
  bool IsLaidOutRow(int row) const;
  /// The id shown in laid-out row `row` (see IsLaidOutRow).
  int RowItem(int row) const { return m_vecShowItems[std::size_t(m_nFirstShow + row)]; }
  /// The height a row takes: its item's, within 1 ... kMaxRowHeight.
  int RowHeight(int showIndex) const;
  /// A host may give any height; painting walks a row's edges pixel by pixel, so a row is never
  /// taller than the platform's 16-bit drawing range.
  static constexpr int kMaxRowHeight = 32767;

  // ---- focus, hover and notifications (CElementTreeInput.cpp)
  /// Sends the parent `message` (WM_NOTIFY or WM_KEYDOWN) with `code` in wParam and item `id`
  /// in the package; 0 when `id` names no record.
  long SendMessageToParent(int code, int id, int message);
  /// Follows the pointer at (x, y): the hover item and its tip. 1 when an item is under it.
  int CalcHoverItem(int x, int y);
  /// The part under a point: an area of a laid-out row (RowPart), hit as the painter draws it.
  PressPart PressPartAt(POINT pt) const override;
  /// Nothing of the tree shows pressed, and the hover follows the pointer's moves alone
  /// (FollowHotPart): a press does not repaint.
  void OnPressLookChanged(const PressStep& step) override;
  /// The flat style's hover item becomes the item of the machine's hot part; repaints the rows
  /// it leaves and enters. True when it changed.
  bool FollowHotPart();
  /// A row's parts are numbered by the item's id, so that a part names the same item however
  /// the rows scroll, and by its area.
  static PressPart RowPart(int id, MOUSE_IN_ITEM_AREA area) { return id * kRowAreas + area; }
  ///@{
  /// The item (-1 for none) and the area a part names; RowPart's inverse.
  static int PartItem(PressPart part) { return part == kNoPart ? -1 : part / kRowAreas; }
  static MOUSE_IN_ITEM_AREA PartArea(PressPart part) {
    return MOUSE_IN_ITEM_AREA(part % kRowAreas);
  }
  ///@}
  /// The areas of one row a part number makes room for.
  static constexpr int kRowAreas = MOUSE_IN_TEXT + 1;
  /// After a click on the box of `id`: the rows on screen whose boxes changed (the item, its
  /// descendants and its ancestors) and the row the focus left are repainted. No row moves, so
  /// nothing is laid out again; a box that came or went moves its row's text, so the rows on
  /// screen measure their text room again.
  void ShowCheckChange(int id, int oldFocus);
  /// Repaints laid-out row `row` on screen; nothing for a row that is not laid out.
  void InvalidateRow(int row);
  /// Repaints the whole tree.
  void InvalidateAll() { InvalidContainerRect(0, nullptr); }
  /// Opens a closed item and closes an open one; true when it is open now.
  bool ToggleOpen(int id);
  /// After opening or closing: the shown list and rows again, the focus on screen.
  void Relayout(bool revealFocus);
  /// The next check state of a click on a box.
  static TREE_ITEM_CHECK NextCheckOnClick(TREE_ITEM_CHECK state);
  /// With the environment's keyboard operation on (CGlobalEnv.h): Left and Right (- and +) close
  /// and open the focus item, Space cycles its box, each as a click on the expand or check box
  /// does, NM_CLICK included. False when the tree went while its parent heard of that.
  bool OperateFocusItem(UINT vk);

  // ---- tips (CElementTreeTips.cpp)
  /// Copies the hover item's tip record; 0 when it has none.
  int GetHoverItemTip(_TREE_ITEM_TIP& out) const;
  /// Prepares the hover item's tip and shows it beside or over its row.
  void ShowTip();
  /// The tip goes when the hide timer runs out.
  void HideTip();
  /// The tip goes now, and no tip is on its way.
  void CloseTip();

  // ---- life cycle (CElementTree.cpp)
  /// Back to the settings of a new tree: the line style, default margins and colours, the
  /// element's font for both kinds of row. The items stay.
  void ReSet();

  /// The container keeps a private list of child elements under the same name.
  using CTreeStore::m_vecChildren;

 private:
  static constexpr UINT kMessages[] = {
      WM_PAINT,   WM_SIZE,       WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_KEYDOWN,
      WM_KEYUP,   WM_MOUSEWHEEL, WM_MOUSEMOVE,   WM_SETCURSOR,     WM_SETFOCUS};
  /// Pixels the scroll bar takes at the right when it shows.
  static constexpr int kScrollWidth = 9;
  static constexpr int kWheelRows = 3;

  void CopySettings(const CElementTree& other);
  void MakeScrollBar(const wchar_t* name, const _CONTAINER_INFO& info);

 protected:
  ///@{
  /// What the settings and layout accessors above read and write, for a derived tree: the
  /// setter or getter of the same meaning documents each.
  int m_nItemHeight = 20;
  int m_nPageCount = 0;
  int m_nScreenCount = 10;
  int m_nScrollWidth = kScrollWidth;
  int m_nLeftMargin = 3;
  CRect m_rcItems{-1, -1, -1, -1};
  int m_bVScrollShow = 0;
  int m_bDrawGradientLine = 0;
  int m_bTipShown = 0;
  int m_bBtnShow = 1;
  TREE_SHOW_STYLE m_eShowStyle = TREE_STYLE_LINE;
  LOGFONTW m_lfFather{};
  LOGFONTW m_lfChild{};
  CTreeBitmaps m_bitmaps;
  COLORREF m_clrDivideLine = TREE_CLR_UNSET;
  COLORREF m_clrRemindTipBg = TREE_CLR_UNSET;
  COLORREF m_clrFocusBgL2 = TREE_CLR_UNSET;
  COLORREF m_clrTipBackground = TREE_CLR_UNSET;
  COLORREF m_clrRemindTipText = RGB(255, 255, 255);
  COLORREF m_clrTipTextHover = TREE_CLR_UNSET;
  _COLOR_GRADIENT m_gradFocusHead;
  ///@}
  /// The row painter: one object, loaded with each row's record in turn.
  std::unique_ptr<CTreeItem> m_pItemPainter;
  /// One per row on screen; row k shows shown item m_nFirstShow + k.
  std::vector<CRect> m_vecShowRects;
  CComPtr<CVerticalScrollbar> m_pVScroll;  ///< see GetVScroll
  std::unique_ptr<CTreeTipWnd> m_pTipWnd;  ///< made when a tip first shows
};
