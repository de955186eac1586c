/// @class CElementRadio
/// A windowless radio button: a box bitmap at the left, a one-line caption beside it.
///
/// Each look (normal, disabled, focused, hover, pushed; unchecked or checked) is a bitmap from
/// the radio's own table or, failing that, from a table all radios share, filled from the theme
/// palette's "Radio.bmp.*" keys. A completed click checks the radio (it never unchecks it), tells
/// its group, then the parent: WM_NOTIFY with an NMHDR of code 0. Only the mouse and SetCheck
/// change the check, unless the environment's keyboard operation is on (CGlobalEnv.h): then
/// Space and Enter click the radio and the arrows choose the next one of its group.
///
/// Groups and radios point at each other with plain pointers and neither owns the other. Each
/// side unhooks itself from the other when it goes, so either may be destroyed first.
///
/// Set-up: InitObject() each radio (the caption is the record's text), then add them to a
/// CRatioGroup with CRatioGroup::AddRadioToGroup(); the notice's wParam is the radio's id.
/// See the @ref index "notification reference".
#pragma once

#include <atomic>
#include <map>
#include <set>
#include <string>
#include <utility>

#include "choice/RadioLayout.h"
#include "foundation/SharedBitmapTable.h"
#include "host/CElementControl.h"

class CLightCanvas;
class CRatioGroup;

class CElementRadio : public CElementControl {
 public:
  /// Int-sized, so that any value a host holds may be passed and refused.
  enum RADIO_CHECK_STATE : int { RADIO_UNCHECKED = 0, RADIO_CHECKED = 1 };

  /// A look: one state bit (COLOR_STATE_*) and a check state, ordered by state first.
  struct RADIO_BMP_KEY {
    DWORD dwStatus;            ///< COLOR_STATE_*
    RADIO_CHECK_STATE eCheck;  ///< checked or not
    /// Orders the looks in a table: by state, then by check.
    bool operator<(const RADIO_BMP_KEY& o) const {
      return dwStatus != o.dwStatus ? dwStatus < o.dwStatus : eCheck < o.eCheck;
    }
  };
  /// A bitmap the radio draws but does not own. clrTransparent is the colour left out when it is
  /// drawn, or 0xFFFFFFFF to copy it opaquely.
  struct RADIO_BMP_INFO {
    CBitmap* pBitmap;         ///< not owned
    COLORREF clrTransparent;  ///< left out when drawn; 0xFFFFFFFF copies opaquely
  };
  /// Where a default bitmap of a look comes from.
  struct RADIO_BMP_ID_INFO {
    std::wstring strBmpKey;  ///< the palette's bitmap key
    COLORREF clrTransparent;  ///< as in RADIO_BMP_INFO
  };
  /// A colour of the radio: a part in a state, as SetColor takes them.
  struct RADIO_COLOR_KEY {
    DWORD dwKind;    ///< COLOR_PART_*
    DWORD dwStatus;  ///< COLOR_STATE_*
  };
  /// Bitmaps by look.
  using BitmapTable = std::map<RADIO_BMP_KEY, RADIO_BMP_INFO>;

  ///@{
  /// The palette keys of the shared default bitmaps and of the default colours, one row a look.
  static const std::pair<RADIO_BMP_KEY, RADIO_BMP_ID_INFO> sm_pairRadioStatusDefaultBmp[10];
  static const std::pair<RADIO_COLOR_KEY, const wchar_t*> sm_pairRadioColorDefault[10];
  ///@}
  /// The shared default bitmaps and the count of live radios that keeps them: filled by every
  /// initialisation, emptied when the last radio goes. The palette keeps the bitmaps.
  static SharedBitmapTable<RADIO_BMP_KEY, RADIO_BMP_INFO> sm_defaultBmp;
  static BitmapTable& sm_mapRadioStatusDefaultBmp;  ///< sm_defaultBmp's table
  static std::atomic<UINT>& m_nRef;                 ///< sm_defaultBmp's count

  /// An unchecked radio in no group.
  CElementRadio();
  ///@{
  /// A copy calls the same group as the original, but no group's table lists it.
  CElementRadio(const CElementRadio& other);
  CElementRadio& operator=(const CElementRadio& other);
  ///@}
  /// Leaves its group's table; the last radio to go empties the shared bitmaps.
  ~CElementRadio() override;

  /// Neither tells the group nor notifies; only the box is repainted. A value that is neither
  /// state is ignored.
  void SetCheck(const RADIO_CHECK_STATE& check);
  /// Whether the radio shows checked: a click on it checks it (and unchecks the group's other).
  RADIO_CHECK_STATE GetCheck() const { return m_eCheck; }

  /// A radio button named by its caption, checked or not, whose default action ("Check") is
  /// the click that checks it. Its description places it in its group as "2/3": the second of
  /// the group's three radios in the order of their ids; none outside a group.
  void DescribeAccessible(platform::AccessibleFacts& facts) const override;
  /// Sets this radio's own bitmap for one look and lays the box out again from the smallest
  /// look it has. The caller keeps the bitmap alive while the radio may paint. No repaint. A
  /// status that is not one COLOR_STATE_* bit, or a check that is neither state, is ignored.
  void SetCheckBmp(const DWORD& status, const RADIO_CHECK_STATE& check, CBitmap* bitmap,
                   const DWORD& clrTransparent);
  /// Reads the default colours and shared bitmaps from the palette again. Returns 1.
  int ResetDefaultColor();
  /// The palette's colour for a key; 0 for a null or empty key or without a palette.
  static COLORREF GetColorEx(const wchar_t* key);

  int InitObject(const wchar_t* name, _CONTAINER_INFO* info) override;

 protected:
  int OnPaint(CPaintDC* dc) override;
  int OnEraseBackground(CDC* dc) override;
  int OnLButtonDown(POINT pt) override;
  int OnLButtonUp(POINT pt) override;
  int OnSize(UINT type, int cx, int cy) override;
  int OnMouseMove(int x, int y, DWORD flags) override;
  int OnMouseLeave() override;
  int OnSetFocus(int gained) override;
  /// Only with the environment's keyboard operation on (CGlobalEnv.h): Space and Enter click,
  /// the arrows click the next or previous radio of the group and give it the focus.
  int OnKeyDown(UINT vk, UINT repeat, UINT flags) override;

 private:
  friend class CRatioGroup;
  using GroupClickedProc = void (CRatioGroup::*)(const DWORD& id);

  /// Links this radio to the group it calls on a click, unlinking it from the one before.
  void SetGroupOwner(CRatioGroup* group);
  void SetGroupClickedProc(GroupClickedProc proc) { m_pfnGroupClicked = proc; }
  int InitRadioDefaultColor();
  /// 0, leaving the shared table alone, when there is no palette.
  int InitRadioDefaultBmp();
  int ResetCheckTextRect(const DWORD& cx, const DWORD& cy);
  int DrawCheck(CLightCanvas& canvas);
  int DrawTextW(CLightCanvas& canvas);
  /// The bitmap of a look: this radio's own, else the shared one, else null.
  const RADIO_BMP_INFO* FindCheckBmp(const RADIO_BMP_KEY& key) const;
  /// A click is a release inside after a press inside; a move with any other button or key held
  /// ends the press. The bitmap shows the focus over hover (GetLook); colours know no focus.
  static constexpr PressPolicy kPressPolicy{PressPolicy::Click::ReleaseInside, true, true};
  static constexpr UINT kMessages[] = {WM_PAINT, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP,
                                       WM_SIZE, WM_ERASEBKGND, WM_SETFOCUS};
  /// The state whose colours fill the background and draw the caption.
  DWORD ColorLook() const { return ControlLook(GetPress(), IsEnable(), false); }
  void InvalidateCheck() { InvalidContainerRect(0, &m_rcCheck); }
  /// What a completed click does: the group, the check, the notification (last).
  void Choose();

  RADIO_CHECK_STATE m_eCheck = RADIO_UNCHECKED;
  CRect m_rcCheck;  ///< own coordinates
  CRect m_rcText;
  BitmapTable m_mapCheckBmp;
  CRatioGroup* m_pGroupOwner = nullptr;  ///< not owned; the group clears it when it goes
  GroupClickedProc m_pfnGroupClicked = nullptr;
  /// Groups whose tables hold this radio (its owner, and copies of groups): each is told to drop
  /// it when it goes.
  std::set<CRatioGroup*> m_setListedBy;
};
