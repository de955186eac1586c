/// @class CElementDropList
/// A windowless drop list: a list of strings, one item-data value for each, a current
/// selection, and a one-line face (frame, the text centred, a separator and a down arrow at the
/// right). A click on the face opens the drop window (CDropWnd), a real pop-up listing the
/// strings; choosing a row there makes it the selection and the face's text and tells the
/// parent. The face is always 18 pixels high.
///
/// @code{.unparsed}
///  event                         what happens                            parent hears (WM_NOTIFY)
///  press on the face             the face looks pushed; the pop-up       DROPLIST_NM_DROPDOWN,
///                                opens (or, open, closes)                only when it opened
///  drag onto the pop-up          its rows follow the pointer
///  release                       the pop-up takes the mouse capture; on a
///                                row after a drag, that row is chosen
///  a row chosen in the pop-up    selection and text follow it            DROPLIST_NM_SELECT,
///                                                                        DROPLIST_NM_SELECTDONE
///  key, pop-up open              the pop-up's keys (CDropWnd.h)
///  key, pop-up closed            nothing                                 the key as the code;
///                                                                        Backspace as WM_KEYDOWN
///  wheel, pop-up open            the pop-up scrolls; the current row stays on its item
///  focus lost, or the window's   the pop-up closes
///  keyboard focus lost
/// @endcode
/// Opening shows the current selection and tells nobody. Items, their data and the selection
/// stay together through inserts and deletes.
///
/// Set-up: InitObject(), then AddString() or InsertString(), SetItemData(), SetCurSel() (no
/// notice) and SetDropPageCount(); items may change at any time, the open pop-up following.
/// Each notice (DROPLIST_NM_DROPDOWN, DROPLIST_NM_SELECT, DROPLIST_NM_SELECTDONE) is
/// WM_NOTIFY with the control's id in wParam and an NMHDR in lParam; Escape sends nothing. The
/// order of the notices for the usual actions: the @ref index "notification reference".
///
/// Each control owns its drop window and destroys it when it goes; a copy makes its own when it
/// first opens. The code is split: CElementDropList.cpp (life cycle, items, defaults),
/// CElementDropListInput.cpp (mouse, keys, opening), CElementDropListPaint.cpp,
/// CElementDropListAccessible.cpp.
#pragma once

/// @file
/// The drop list, its notification codes and the parts of its pop-up that take colours.

#include <atomic>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "foundation/SharedBitmapTable.h"
#include "host/CElementControl.h"

class CDropWnd;
class CLightCanvas;

/// WM_NOTIFY codes the drop list sends its parent, with the control's id in wParam and an
/// NMHDR in lParam: the pop-up opened.
constexpr UINT DROPLIST_NM_DROPDOWN = 1;
/// A row was chosen; the selection (GetCurSel) and the face's text already follow it.
constexpr UINT DROPLIST_NM_SELECT = 8;
/// Right after DROPLIST_NM_SELECT, unless the parent destroyed the control in it.
constexpr UINT DROPLIST_NM_SELECTDONE = 0;

/// The parts of the pop-up whose palette key SetDropWndClr sets. Fixed to int, so that every
/// value a host passes is one (those beyond the last are ignored).
enum ELEMENTDROPWND_CLR : int {
  DROPWND_CLR_BACKGROUND = 0,     ///< the pop-up's background
  DROPWND_CLR_ITEM_NORMAL = 1,    ///< a row's background
  DROPWND_CLR_ITEM_SELECTED = 2,  ///< the current row's background
  DROPWND_CLR_TEXT_NORMAL = 3,    ///< a row's text
  DROPWND_CLR_TEXT_SELECTED = 4,  ///< the current row's text
};

class CElementDropList : public CElementControl {
 public:
  /// Where the arrow's picture for a state comes from.
  struct DROP_LIST_BMP_ID_INFO {
    UINT nBmpID;  ///< a bitmap resource of the library
    COLORREF clrTransparent;  ///< the colour drawn as transparent
  };
  /// The arrow's picture for a state, loaded.
  struct DROP_LIST_BMP_INFO {
    CBitmap* pBitmap;  ///< owned by the table that holds it
    COLORREF clrTransparent;  ///< the colour drawn as transparent
  };
  /// A colour of the face: a part in a state, as SetColor takes them.
  struct DROP_LIST_COLOR_KEY {
    DWORD dwKind;    ///< COLOR_PART_*
    DWORD dwStatus;  ///< COLOR_STATE_*
  };
  /// The arrow's pictures by colour state.
  using BitmapTable = std::map<DWORD, DROP_LIST_BMP_INFO>;

  /// The names also as members, for code that spells them through the class.
  using ELEMENTDROPWND_CLR = ::ELEMENTDROPWND_CLR;
  using enum ::ELEMENTDROPWND_CLR;

  /// The selection when no item is selected: a new drop list's.
  static constexpr int INVALID_SEL_INDEX = -1;
  /// The face's height in pixels, whatever height the creation record gives.
  static constexpr int kFaceHeight = 18;

  ///@{
  /// The arrow's bitmap resource for each state, and the palette key of each default colour.
  static const std::pair<DWORD, DROP_LIST_BMP_ID_INFO> sm_pairDropListStatusDefaultBmp[5];
  static const std::pair<DROP_LIST_COLOR_KEY, const wchar_t*> sm_pairDropListColorDefault[15];
  ///@}
  /// The shared default bitmaps, which it owns, and the count of live drop lists that keeps
  /// them: loaded by the first initialisation, freed when the last drop list goes.
  static SharedBitmapTable<DWORD, DROP_LIST_BMP_INFO> sm_defaultBmp;
  static BitmapTable& sm_mapDropListStatusDefaultBmp;  ///< sm_defaultBmp's table
  static std::atomic<UINT>& m_nRef;                    ///< sm_defaultBmp's count

  ///@{
  /// The notification codes also as members (see the file-scope names).
  static constexpr UINT DROPLIST_NM_DROPDOWN = ::DROPLIST_NM_DROPDOWN;
  static constexpr UINT DROPLIST_NM_SELECT = ::DROPLIST_NM_SELECT;
  static constexpr UINT DROPLIST_NM_SELECTDONE = ::DROPLIST_NM_SELECTDONE;
  ///@}

  /// An empty drop list with no selection.
  CElementDropList();
  ///@{
  /// A copy has the same items, data, selection and looks, and no drop window yet.
  CElementDropList(const CElementDropList& other);
  CElementDropList& operator=(const CElementDropList& other);
  ///@}
  /// Destroys its drop window; the last drop list to go frees the shared pictures.
  ~CElementDropList() override;

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

  // ---- items; an index out of range or a null text is refused with -1 and changes nothing
  /// Appends; the new item's index.
  int AddString(const wchar_t* text);
  /// Before the item at nIndex; -1 or the count append. The new item's index.
  int InsertString(int nIndex, const wchar_t* text);
  /// The items left.
  int DeleteString(unsigned int nIndex);
  /// The number of items.
  int GetCount() const { return int(m_vecItem.size()); }
  /// The item's text; an empty string for an index out of range.
  const std::wstring& GetItemText(int nIndex) const;

  // ---- selection; SetCurSel keeps any value (an index out of range leaves the text alone),
  // sets the text to the item's and repaints the text area. Returns 0.
  ///@{
  /// The selected item's index, INVALID_SEL_INDEX (-1) for none. Setting it tells nobody.
  int GetCurSel() const { return m_nCurSel; }
  int SetCurSel(int nIndex);
  ///@}
  /// 0 in every case; nothing is stored for an index out of range.
  int SetItemData(int nIndex, unsigned long dwData);
  /// 0 when nothing is stored under the index.
  unsigned long GetItemData(int nIndex) const;

  ///@{
  /// The most rows the pop-up shows at once; below 1 it shows one.
  void SetDropPageCount(int n) { m_nDropPageCount = n; }
  int GetDropPageCount() const { return m_nDropPageCount; }
  ///@}
  /// Reads the default colours and the shared bitmaps again.
  void ResetColorAndBitmap();
  /// The palette key of a part of the pop-up; applies from its next painting. Nothing before
  /// InitObject or for a value beyond DROPWND_CLR_TEXT_SELECTED.
  void SetDropWndClr(ELEMENTDROPWND_CLR eWhich, const wchar_t* key);
  /// The current theme palette's colour for `key`; 0 without a palette or such a key.
  static COLORREF GetColorEx(const wchar_t* key);

  /// The pop-up, for hosts and tests; null before InitObject (or a copy's first opening).
  CDropWnd* GetDropWnd() const { return m_pDropWnd.get(); }
  /// The pop-up is open.
  bool IsDropped() const;

  /// A combo box whose value is the text its face shows, with a pop-up, expanded while the
  /// pop-up is open and collapsed otherwise; its default action ("Open", "Close") is the
  /// click on the arrow. The pop-up's rows are the list among its children
  /// (CDropWnd::GetAccessibleObject).
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;
  /// Clicks the arrow, which opens a closed pop-up and closes an open one.
  HRESULT DoAccessibleAction(int item) override;

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnEraseBackground(CDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnMouseWheel(UINT flags, int delta, POINT pt) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnSetFocus(int gained) override;
  int OnSetWndFocus(int gained) override;
  int OnEnable() override;
  /// The host window going closes the pop-up.
  int OnBroadcastCommand(UINT msg, WPARAM wParam, LPARAM lParam) override;

  /// Makes the drop window (its element and its platform window) when there is none. 0 when it
  /// cannot be made.
  virtual int InitDropWnd();
  /// The drop window calls it with the chosen row: the selection and text follow, the parent
  /// hears DROPLIST_NM_SELECT then DROPLIST_NM_SELECTDONE. The parent may destroy the control
  /// while it handles them.
  virtual void OnDropListSelected(int nIndex);

  /// Lays out the arrow and text areas for a face of cx by cy. 0 when there is no bitmap to size
  /// the arrow by: both areas then cover the face.
  int ResetArrowTextRect(const unsigned int& cx, const unsigned int& cy);
  /// Opens the pop-up; 0 when it cannot.
  int TrackDropListWnd();
  /// Where the pop-up of `height` goes, in its parent's (the desktop's) client coordinates: as
  /// wide as the control, below it overlapping its bottom border by a pixel, or above it when
  /// the desktop has no room below. Without a host window the control counts as an empty
  /// rectangle. Returns 1.
  int QueryDropWndTrackRect(CRect& rc, const unsigned int& height) const;
  /// The pop-up's height for the items and page count now.
  unsigned int PopupHeight() const;
  /// Closes the pop-up when it is open.
  void CloseDropListWnd();
  /// In screen coordinates, through the control's own host window. 0 without one.
  int GetContainerScreenRect(CRect& rc) const;
  /// Whether a focus change leaves the focus inside this control (its own children).
  bool FocusStaysInside() const;

  CRect m_rcArrow;  ///< own coordinates
  CRect m_rcText;   ///< own coordinates; the face's text is centred in it

 private:
  int InitDropListDefaultColor();
  int InitDropListDefaultBmp();
  int DrawArrow(CLightCanvas& canvas);
  int DrawTextW(CLightCanvas& canvas);
  const DROP_LIST_BMP_INFO* FindStatusBmp(DWORD state) const;
  /// A point of this control in the open pop-up's client coordinates, and whether it lies in
  /// the pop-up.
  std::pair<POINT, bool> DropWndPoint(POINT pt) const;
  /// Hands a mouse message at a point of this control to the open pop-up.
  void ForwardToDropWnd(UINT msg, POINT pt, DWORD flags);
  /// Shows an item just inserted (text given; index -1 appended) or deleted (text null) in the
  /// open pop-up, so that a row chosen there is the item it shows.
  void ShowItemChange(int index, const wchar_t* inserted);
  /// Sends a notification; false when the parent destroyed this control while handling it.
  bool Notify(UINT code);
  /// The face: pushed while the press lasts, dragged off it too; focused from a release on it
  /// until the pointer moves, then hover; normal once the pointer leaves, focus or not.
  static constexpr PressPolicy kPressPolicy{.click = PressPolicy::Click::ReleaseInside,
                                            .pushedWhileHeld = true,
                                            .focusAfterClickOnly = true};
  static constexpr UINT kMessages[] = {WM_PAINT,     WM_KILLFOCUS, WM_SETFOCUS,   WM_LBUTTONDOWN,
                                       WM_LBUTTONUP, WM_MOUSEMOVE, WM_MOUSEWHEEL, WM_KEYDOWN,
                                       WM_SIZE,      WM_ERASEBKGND};

  std::unique_ptr<CDropWnd> m_pDropWnd;
  std::vector<std::wstring> m_vecItem;
  /// The record InitObject was given, while InitObject runs; null otherwise.
  _CONTAINER_INFO* m_pCreateInfo = nullptr;
  BitmapTable m_mapStatusBmp;  ///< not owned; consulted before the shared table
  int m_nCurSel = INVALID_SEL_INDEX;
  std::map<unsigned int, unsigned long> m_mapItemData;
  int m_nDropPageCount = 20;
};
