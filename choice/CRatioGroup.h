/// @class CRatioGroup
/// Ties radios together so that clicking one unchecks the one clicked before. A plain object,
/// not an element: it learns of clicks through the callback it installs in each radio, and
/// radios check themselves and notify their parents on their own.
///
/// The group owns no radio. Either side may go first: a group that goes unhooks the radios that
/// call it, and a radio that goes leaves every group that lists it.
#pragma once

#include <map>
#include <set>

#include "platform/win32/WinDef.h"

class CElementRadio;

class CRatioGroup {
 public:
  /// No radio selected.
  static const DWORD INVALID_SEL_RADIO_ID;

  /// A group of no radios, none selected.
  CRatioGroup() = default;
  ///@{
  /// A copy lists the same radios and selection; the radios keep calling the group that added
  /// them, not the copy.
  CRatioGroup(const CRatioGroup& other);
  CRatioGroup& operator=(const CRatioGroup& other);
  ///@}
  /// The listed radios stop calling it; they are not deleted.
  virtual ~CRatioGroup();

  /// Lists the radio under its id (replacing one listed under the same id) and makes it call
  /// this group on a click. Neither looks at its check state nor changes the selection.
  /// 0 for a null radio.
  int AddRadioToGroup(CElementRadio* radio);
  /// The same for `count` radios laid out one after another. 0 for a null array.
  int AddRadioToGroup(CElementRadio* radios, const DWORD& count);

 private:
  friend class CElementRadio;

  /// A radio completed a click, before it checks itself: the one selected before is unchecked.
  void OnRadioItemClicked(const DWORD& id);
  /// Called by a radio that goes: no entry may keep pointing at it.
  void ForgetRadio(CElementRadio* radio);
  void Unlist(CElementRadio* radio);
  /// The enabled radio `step` places from `from` in the order of the ids, wrapping around, for
  /// the arrow keys; null when `from` is not listed or no other radio is enabled.
  CElementRadio* Neighbour(const CElementRadio* from, int step) const;

  std::map<DWORD, CElementRadio*> m_mapRadio;  ///< by id; not owned
  DWORD m_dwSelID = INVALID_SEL_RADIO_ID;
  /// Radios that call this group on a click: the ones it added and their copies.
  std::set<CElementRadio*> m_setLinked;
};
