// The gallery's controls as a screen reader reads them through the accessibility model: what
// each says agrees with the control's own getters, in every look and after any input; default
// actions do what a click does; the events a hook hears follow what the user changes.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "apps/gallery/GalleryWindow.h"
#include "button/CElementButtonSys.h"
#include "choice/CElementRadio.h"
#include "datepicker/CElementDatePicker.h"
#include "datepicker/DateValue.h"
#include "droplist/CDropWnd.h"
#include "droplist/CElementDropdown.h"
#include "edit/CElementEdit.h"
#include "foundation/CElementLabel.h"
#include "host/CElementHost.h"
#include "host/CGlobalEnv.h"
#include "platform/accessibility/AccessibleText.h"
#include "platform/com/CComVariant.h"
#include "platform/controls/MonthCalendarAccessible.h"
#include "platform/win32/WinCommCtrl.h"
#include "scroll/CSkinScroll.h"
#include "platform/backend/headless/HeadlessScreen.h"
#include "tests/support/AccessibleReader.h"
#include "tests/support/HostFixture.h"
#include "tree/CElementTree.h"

namespace {

using trellis::test::EventLog;
using trellis::test::OpenCalendar;
using trellis::test::Heard;
using trellis::test::Read;
using trellis::test::Reading;

constexpr int kBoardWidth = 960;
constexpr int kScreenWidth = kBoardWidth + GalleryWindow::kBarWidth;
constexpr int kScreenHeight = 2400;
constexpr auto kChecked = CElementRadio::RADIO_CHECKED;

bool Has(DWORD state, DWORD flag) { return (state & flag) != 0; }

// Enabled or shown only when every ancestor is too.
bool AllTheWayUp(const CElementContainer* e, int (CElementContainer::*is)() const) {
  for (; e; e = e->GetParent())
    if (!(e->*is)()) return false;
  return true;
}

std::wstring WithoutAccessKey(const CString& text) {
  std::wstring shown;
  const std::wstring s = text.GetString();
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == L'&' && i + 1 < s.size()) ++i;
    shown += s[i];
  }
  return shown;
}

// The tree's records by their text, for the texts no other record has.
std::map<std::wstring, _TREE_ITEM> RecordsByText(const CElementTree& tree) {
  std::map<std::wstring, _TREE_ITEM> records;
  std::map<std::wstring, int> seen;
  for (int id = 0; id <= tree.GetItem() + 1; ++id) {
    _TREE_ITEM record;
    if (!tree.GetItemById(id, record)) continue;
    const std::wstring text = record.strText.GetString();
    if (++seen[text] == 1)
      records[text] = record;
    else
      records.erase(text);
  }
  return records;
}

class GalleryAccessibility : public ::testing::Test {
 protected:
  GalleryAccessibility() {
    screen.PumpUntilIdle();
    Collect(gallery.Board().Root());
  }
  ~GalleryAccessibility() override { CGlobalEnv::ResetGlobalEnv(); }

  void Collect(CElementContainer* e) {
    for (CElementContainer* child : e->GetChildren()) {
      elements.push_back(child);
      Collect(child);
    }
  }
  template <class T>
  std::vector<T*> All() const {
    std::vector<T*> found;
    for (CElementContainer* e : elements)
      if (auto* t = dynamic_cast<T*>(e)) found.push_back(t);
    return found;
  }
  template <class T, class Fits>
  T* First(Fits fits) const {
    for (T* t : All<T>())
      if (t->IsEnable() && fits(t)) return t;
    return nullptr;
  }
  template <class T>
  T* First() const {
    return First<T>([](T*) { return true; });
  }
  HWND BoardHwnd() { return gallery.BoardWindow().m_hWnd; }
  POINT Centre(const CElementContainer& e) const { return e.GetScreenRect().CenterPoint(); }
  void ClickAt(POINT pt) {
    screen.Click(pt.x, pt.y);
    screen.PumpUntilIdle();
  }
  void Key(UINT vk) {
    screen.KeyPress(vk);
    screen.PumpUntilIdle();
  }
  // The window with the keyboard focus holds this element's focus.
  bool Focused(const CElementContainer* e) const {
    return e->IsFocus() && e->GetHost() && ::GetFocus() == e->GetHost()->Window();
  }

  // Every fact the model gives of `e` agrees with what its getters say.
  void ExpectAgrees(CElementContainer* e) {
    if (dynamic_cast<CDropWnd*>(e)) return;  // stands for its list box: ExpectPopupListAgrees
    CComPtr<IAccessible> object = e->GetAccessibleObject();
    ASSERT_TRUE(object);
    const Reading r = Read(object);
    SCOPED_TRACE(testing::Message() << "element " << e->GetID() << " role " << r.role);
    EXPECT_EQ(Has(r.state, STATE_SYSTEM_UNAVAILABLE),
              !AllTheWayUp(e, &CElementContainer::IsEnable));
    EXPECT_EQ(Has(r.state, STATE_SYSTEM_INVISIBLE), !AllTheWayUp(e, &CElementContainer::IsActive));
    EXPECT_EQ(Has(r.state, STATE_SYSTEM_FOCUSED), Focused(e));
    EXPECT_TRUE(EqualRect(&r.place, e->GetScreenRect()));
    EXPECT_EQ(r.childCount, LONG(e->GetAccessibleItemCount() + e->GetChildren().size() +
                                 e->GetAccessiblePopups().size()));
    const std::wstring text = e->GetTextString().GetString();
    if (auto* box = dynamic_cast<CElementDropList*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_COMBOBOX));
      auto* editable = dynamic_cast<CElementDropdown*>(e);
      EXPECT_EQ(r.value, editable ? editable->GetEdit()->GetTextString().GetString() : text);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_EXPANDED), box->IsDropped());
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_COLLAPSED), !box->IsDropped());
      if (box->IsDropped()) ExpectPopupListAgrees(*box);
    } else if (auto* picker = dynamic_cast<CElementDatePicker*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_DROPLIST));
      EXPECT_EQ(r.value, FormatDate(picker->GetDate()));
      const auto popups = picker->GetAccessiblePopups();
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_EXPANDED), !popups.empty());
      if (!popups.empty()) ExpectCalendarAgrees(*picker, popups[0]);
    } else if (auto* edit = dynamic_cast<CElementEdit*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_TEXT));
      EXPECT_EQ(r.value, text);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_READONLY), edit->IsReadOnly() != 0);
      CComPtr<IAccessibleText> reader;
      ASSERT_EQ(object->QueryInterface(IID_IAccessibleText, reinterpret_cast<void**>(&reader)),
                S_OK);
      LONG caret = -1, count = -1, selections = -1;
      reader->get_caretOffset(&caret);
      reader->get_nCharacters(&count);
      reader->get_nSelections(&selections);
      EXPECT_EQ(caret, edit->GetCaret());
      EXPECT_EQ(count, LONG(text.size()));
      EXPECT_EQ(selections, edit->GetSelectedStart() != edit->GetSelectedEnd() ? 1 : 0);
    } else if (auto* radio = dynamic_cast<CElementRadio*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_RADIOBUTTON));
      EXPECT_EQ(r.name, WithoutAccessKey(e->GetTextString()));
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_CHECKED), radio->GetCheck() == kChecked);
      // Its place in its group, "2/3", when it has one.
      if (!r.description.empty()) {
        const std::size_t slash = r.description.find(L'/');
        ASSERT_NE(slash, std::wstring::npos);
        const int place = std::stoi(r.description.substr(0, slash));
        EXPECT_GE(place, 1);
        EXPECT_LE(place, std::stoi(r.description.substr(slash + 1)));
      }
    } else if (dynamic_cast<CElementButtonSys*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_PUSHBUTTON));
      EXPECT_EQ(r.name, WithoutAccessKey(e->GetTextString()));
    } else if (auto* tree = dynamic_cast<CElementTree*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_OUTLINE));
      ExpectTreeItemsAgree(*tree, object);
    } else if (auto* bar = dynamic_cast<CVerticalScrollbar*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_SCROLLBAR));
      EXPECT_EQ(r.value, std::to_wstring(bar->GetFirstRow()));
    } else if (auto* control = dynamic_cast<CElementControl*>(e);
               control && control->IsCheckBox()) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_CHECKBUTTON));
      EXPECT_EQ(r.name, text);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_CHECKED), control->GetCheck() != 0);
    } else if (dynamic_cast<CElementLabel*>(e)) {
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_STATICTEXT));
      EXPECT_EQ(r.name, text);
    }
  }

  // The shown calendar: a table of the month's days, the picker's date the one selected.
  void ExpectCalendarAgrees(const CElementDatePicker& picker, IAccessible* calendar) {
    ++calendarsShown;
    const Reading r = Read(calendar);
    EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_TABLE));
    ASSERT_EQ(r.childCount, platform::CalendarDayItem(41));
    VARIANT selected;
    VariantInit(&selected);
    ASSERT_EQ(calendar->get_accSelection(&selected), S_OK);
    ASSERT_EQ(selected.vt, VT_I4);
    const Reading day = Read(calendar, selected.lVal);
    EXPECT_EQ(day.role, DWORD(ROLE_SYSTEM_CELL));
    EXPECT_TRUE(Has(day.state, STATE_SYSTEM_SELECTED));
    EXPECT_EQ(day.name, std::to_wstring(picker.GetDate() % 100));
  }

  // Rows as outline items: level, expanded or collapsed, the three check states, the focus.
  void ExpectTreeItemsAgree(const CElementTree& tree, IAccessible* object) {
    const auto records = RecordsByText(tree);
    _TREE_ITEM focus;
    const bool hasFocus = tree.GetItemById(tree.GetFocusItem(), focus) != 0;
    int focusedItems = 0;
    for (int item = 1; item <= tree.GetAccessibleItemCount(); ++item) {
      const Reading r = Read(object, item);
      SCOPED_TRACE(testing::Message() << "item " << item);
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_OUTLINEITEM));
      if (Has(r.state, STATE_SYSTEM_SELECTED)) {
        ++focusedItems;
        EXPECT_TRUE(hasFocus && r.name == focus.strText.GetString());
      }
      const auto found = records.find(r.name);
      if (found == records.end()) continue;
      const _TREE_ITEM& record = found->second;
      EXPECT_EQ(r.value, std::to_wstring(record.nLevel));
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_CHECKED), record.eCheck == TREE_CHECK_YES);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_MIXED), record.eCheck == TREE_CHECK_YES_HALF);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_EXPANDED), record.nChildCount > 0 && record.nOpen);
      EXPECT_EQ(Has(r.state, STATE_SYSTEM_COLLAPSED), record.nChildCount > 0 && !record.nOpen);
    }
    EXPECT_LE(focusedItems, 1);
  }

  // The open pop-up's rows: a list of list items, the drop list's current row selected.
  void ExpectPopupListAgrees(CElementDropList& box) {
    CDropWnd* drop = box.GetDropWnd();
    ASSERT_TRUE(drop && drop->IsOpen());
    CComPtr<IAccessible> list = drop->GetAccessibleObject();
    ASSERT_TRUE(list);
    const Reading r = Read(list);
    EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_LIST));
    EXPECT_EQ(r.childCount, LONG(box.GetCount()));
    for (int row = 0; row < box.GetCount(); ++row) {
      const Reading item = Read(list, row + 1);
      EXPECT_EQ(item.role, DWORD(ROLE_SYSTEM_LISTITEM));
      EXPECT_EQ(item.name, box.GetItemText(row));
      EXPECT_EQ(Has(item.state, STATE_SYSTEM_SELECTED), row == drop->GetList()->GetCurSel());
    }
    VARIANT selected;
    VariantInit(&selected);
    list->get_accSelection(&selected);
    EXPECT_EQ(selected.vt == VT_I4 ? selected.lVal - 1 : -1, drop->GetList()->GetCurSel());
    // The skinned scroll bar beside rows that do not fit: its position and range.
    CSkinScroll& bar = drop->GetScrollBar();
    if (!bar.m_hWnd || !bar.IsWindowVisible()) return;
    ++popupBarsShown;
    CComPtr<IAccessible> object = trellis::test::ClientObject(bar.m_hWnd);
    ASSERT_TRUE(object);
    const Reading b = Read(object);
    EXPECT_EQ(b.role, DWORD(ROLE_SYSTEM_SCROLLBAR));
    SCROLLINFO info{};
    ASSERT_TRUE(bar.GetScrollInfo(&info));
    EXPECT_EQ(b.value, std::to_wstring(info.nPos));
    // The greatest position leaves a page shown.
    const int last = info.nMax - std::max<int>(int(info.nPage) - 1, 0);
    EXPECT_EQ(b.description, std::to_wstring(info.nMin) + L"-" + std::to_wstring(last));
  }

  void ExpectModelAgrees() {
    calendarsShown = 0;
    for (CElementContainer* e : elements) ExpectAgrees(e);
    EXPECT_EQ(calendarsShown, OpenCalendar() ? 1 : 0);
    // The board window's focus is the focused element's object, or its item's.
    CComPtr<IAccessible> client = trellis::test::ClientObject(BoardHwnd());
    VARIANT focus;
    VariantInit(&focus);
    client->get_accFocus(&focus);
    const CElementContainer* holder = nullptr;
    for (CElementContainer* e : elements)
      if (Focused(e) && !dynamic_cast<CDropWnd*>(e)) holder = e;
    if (!holder) {
      EXPECT_TRUE(focus.vt == VT_EMPTY || (focus.vt == VT_I4 && focus.lVal == CHILDID_SELF));
    } else {
      ASSERT_EQ(focus.vt, VT_DISPATCH);
      CComPtr<IAccessible> object;
      focus.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&object));
      EXPECT_TRUE(trellis::test::Same(object, const_cast<CElementContainer*>(holder)
                                                  ->GetAccessibleObject()));
    }
    VariantClear(&focus);
  }

  platform::headless::HeadlessScreen screen{kScreenWidth, kScreenHeight};
  GalleryWindow gallery{kBoardWidth};
  std::vector<CElementContainer*> elements;
  int calendarsShown = 0;
  int popupBarsShown = 0;
};

// Every kind of control is on the board, shown whole, and reads as its getters say.
TEST_F(GalleryAccessibility, EveryControlReadsAsItsGettersSay) {
  ASSERT_LE(gallery.Board().Extent().cy, kScreenHeight);
  EXPECT_FALSE(All<CElementLabel>().empty());
  EXPECT_FALSE(All<CElementEdit>().empty());
  EXPECT_FALSE(All<CElementRadio>().empty());
  EXPECT_FALSE(All<CElementButtonSys>().empty());
  EXPECT_FALSE(All<CElementTree>().empty());
  EXPECT_FALSE(All<CElementDropdown>().empty());
  EXPECT_FALSE(All<CElementDatePicker>().empty());
  EXPECT_FALSE(All<CVerticalScrollbar>().empty());
  ExpectModelAgrees();
}

// The model's tree is the element tree: every element's object is reached from the board
// window's client object, and names its parent; hit testing an element's centre finds it.
TEST_F(GalleryAccessibility, TheModelTreeIsTheElementTreeAndHitTestingFindsEachElement) {
  CComPtr<IAccessible> client = trellis::test::ClientObject(BoardHwnd());
  std::vector<CComPtr<IAccessible>> reached;
  std::function<void(IAccessible*)> walk = [&](IAccessible* parent) {
    for (const trellis::test::Child& child : trellis::test::ChildrenOf(parent)) {
      if (!child.object) continue;
      CComPtr<IDispatch> up;
      ASSERT_EQ(child.object->get_accParent(&up), S_OK);
      CComPtr<IAccessible> upObject;
      up->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&upObject));
      // A pop-up's list names its own window as its parent.
      if (Read(child.object).role != ROLE_SYSTEM_LIST) {
        EXPECT_TRUE(trellis::test::Same(upObject, parent));
      }
      reached.push_back(child.object);
      walk(child.object);
    }
  };
  walk(client);
  for (CElementContainer* e : elements) {
    if (dynamic_cast<CDropWnd*>(e)) continue;
    CComPtr<IAccessible> object = e->GetAccessibleObject();
    bool found = false;
    for (const auto& r : reached) found = found || trellis::test::Same(r, object);
    EXPECT_TRUE(found) << "element " << e->GetID();
  }
  // A leaf that is shown and on top at its centre is what hit testing there finds.
  int tested = 0;
  for (CElementContainer* e : All<CElementControl>()) {
    if (!e->GetChildren().empty() || !AllTheWayUp(e, &CElementContainer::IsActive)) continue;
    const POINT c = Centre(*e);
    VARIANT hit;
    VariantInit(&hit);
    ASSERT_EQ(client->accHitTest(c.x, c.y, &hit), S_OK);
    CComPtr<IAccessible> object = e->GetAccessibleObject();
    if (hit.vt == VT_DISPATCH) {
      CComPtr<IAccessible> found;
      hit.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&found));
      // The innermost object: an element's or one holding items at that point.
      if (trellis::test::Same(found, object)) ++tested;
    }
    VariantClear(&hit);
  }
  EXPECT_GT(tested, 20);
}

// A default action does what a click does, seen through the control's getters; a row of the
// open pop-up chooses that row; a disabled control's action changes nothing.
TEST_F(GalleryAccessibility, DefaultActionsDoWhatAClickDoes) {
  auto act = [&](CElementContainer* e, LONG child = CHILDID_SELF) {
    const HRESULT hr = e->GetAccessibleObject()->accDoDefaultAction(CComVariant(child));
    screen.PumpUntilIdle();
    return hr;
  };
  auto* box = First<CElementControl>([](CElementControl* c) { return c->IsCheckBox(); });
  ASSERT_TRUE(box);
  const int was = box->GetCheck();
  EXPECT_EQ(Read(box->GetAccessibleObject()).action, was ? L"Uncheck" : L"Check");
  EXPECT_EQ(act(box), S_OK);
  EXPECT_EQ(box->GetCheck(), !was);

  auto* radio = First<CElementRadio>([](CElementRadio* r) { return r->GetCheck() != kChecked; });
  ASSERT_TRUE(radio);
  EXPECT_EQ(act(radio), S_OK);
  EXPECT_EQ(radio->GetCheck(), kChecked);

  auto* list = First<CElementDropList>(
      [](CElementDropList* d) { return !dynamic_cast<CElementDropdown*>(d) && d->GetCount() > 1; });
  ASSERT_TRUE(list);
  EXPECT_EQ(act(list), S_OK);
  ASSERT_TRUE(list->IsDropped());
  ExpectAgrees(list);
  const int pick = list->GetCurSel() == 1 ? 0 : 1;
  CComPtr<IAccessible> rows = list->GetDropWnd()->GetAccessibleObject();
  VARIANT row;
  VariantInit(&row);
  row.vt = VT_I4;
  row.lVal = pick + 1;
  EXPECT_EQ(rows->accDoDefaultAction(row), S_OK);
  screen.PumpUntilIdle();
  EXPECT_FALSE(list->IsDropped());
  EXPECT_EQ(list->GetCurSel(), pick);
  EXPECT_EQ(Read(list->GetAccessibleObject()).value, list->GetTextString().GetString());

  // The longest list shows a scroll bar beside its rows.
  CElementDropList* longest = nullptr;
  for (CElementDropList* d : All<CElementDropList>())
    if (d->IsEnable() && (!longest || d->GetCount() > longest->GetCount())) longest = d;
  EXPECT_EQ(act(longest), S_OK);
  ASSERT_TRUE(longest->IsDropped());
  popupBarsShown = 0;
  ExpectAgrees(longest);
  EXPECT_EQ(popupBarsShown, 1);
  EXPECT_EQ(act(longest), S_OK);
  EXPECT_FALSE(longest->IsDropped());

  auto* picker = First<CElementDatePicker>();
  ASSERT_TRUE(picker);
  EXPECT_EQ(act(picker), S_OK);
  EXPECT_TRUE(OpenCalendar());
  const auto popups = picker->GetAccessiblePopups();
  ASSERT_EQ(popups.size(), 1u);
  EXPECT_EQ(Read(popups[0]).role, DWORD(ROLE_SYSTEM_TABLE));
  Key(VK_ESCAPE);
  EXPECT_FALSE(OpenCalendar());

  // Each kind of row action once: the row then reads as the action's name said.
  const struct {
    const wchar_t* action;
    DWORD set, clear;
  } kRowActions[] = {{L"Check", STATE_SYSTEM_CHECKED, STATE_SYSTEM_MIXED},
                     {L"Uncheck", 0, STATE_SYSTEM_CHECKED | STATE_SYSTEM_MIXED},
                     {L"Expand", STATE_SYSTEM_EXPANDED, STATE_SYSTEM_COLLAPSED},
                     {L"Collapse", STATE_SYSTEM_COLLAPSED, STATE_SYSTEM_EXPANDED}};
  for (const auto& row : kRowActions) {
    // The first row of any enabled tree that offers the action.
    CElementTree* owner = nullptr;
    int item = 0;
    for (CElementTree* t : All<CElementTree>()) {
      if (!t->IsEnable() || owner) continue;
      CComPtr<IAccessible> o = t->GetAccessibleObject();
      for (int i = 1; i <= t->GetAccessibleItemCount() && !owner; ++i)
        if (Read(o, i).action == row.action) owner = t, item = i;
    }
    ASSERT_TRUE(owner) << "no row to " << row.action;
    EXPECT_EQ(act(owner, item), S_OK);
    const DWORD state = Read(owner->GetAccessibleObject(), item).state;
    EXPECT_EQ(state & (row.set | row.clear), row.set) << "after " << row.action;
    ExpectAgrees(owner);
  }

  for (CElementControl* c : All<CElementControl>()) {
    if (c->IsEnable() || !c->IsCheckBox()) continue;
    const int check = c->GetCheck();
    act(c);
    EXPECT_EQ(c->GetCheck(), check);
    break;
  }
}

// What a hook hears as the user clicks, types and moves the focus, per control.
TEST_F(GalleryAccessibility, HooksHearWhatTheUserChanges) {
  auto* box = First<CElementControl>([](CElementControl* c) { return c->IsCheckBox(); });
  auto* radio = First<CElementRadio>([](CElementRadio* r) { return r->GetCheck() != kChecked; });
  auto* edit = First<CElementEdit>([](CElementEdit* e) { return !e->IsReadOnly(); });
  auto* list = First<CElementDropList>([](CElementDropList* d) { return d->GetCount() > 1; });
  auto* bar = First<CVerticalScrollbar>();
  auto* tree = First<CElementTree>([](CElementTree* t) { return t->GetAccessibleItemCount() > 2; });
  auto* picker = First<CElementDatePicker>();
  auto* dropdown = First<CElementDropdown>([](CElementDropdown* d) { return d->GetEdit(); });
  ASSERT_TRUE(box && radio && edit && list && bar && tree && picker && dropdown);
  const auto DropButton = [](const CElementDatePicker& p) {
    return p.GetDropButton()->GetScreenRect().CenterPoint();
  };
  const struct {
    const char* what;
    CElementContainer* element;  // null: the element holding the focus afterwards
    std::function<void()> act;
    std::vector<DWORD> heard;  // each on the element's own object
    bool onPopupRow = false;   // on the open pop-up's current row instead
  } kCases[] = {
      {"click a check box", box, [&] { ClickAt(Centre(*box)); },
       {EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE}},
      {"click a radio", radio, [&] { ClickAt(Centre(*radio)); },
       {EVENT_OBJECT_STATECHANGE}},
      {"click an edit box", edit, [&] { ClickAt(Centre(*edit)); }, {EVENT_OBJECT_FOCUS}},
      {"type into it", edit,
       [&] {
         screen.TypeText(L"中x");
         screen.PumpUntilIdle();
       },
       {EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_TEXTSELECTIONCHANGED}},
      {"Tab away", nullptr, [&] { Key(VK_TAB); }, {EVENT_OBJECT_FOCUS}},
      {"click a drop list", list, [&] { ClickAt(Centre(*list)); },
       {EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE}},
      {"Down in its pop-up", list, [&] { Key(VK_DOWN); }, {EVENT_OBJECT_SELECTION}, true},
      {"Enter chooses", list, [&] { Key(VK_RETURN); },
       {EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_VALUECHANGE}},
      {"wheel a scroll bar", bar,
       [&] {
         const POINT c = Centre(*bar);
         screen.MouseMove(c.x, c.y);
         screen.MouseWheel(-WHEEL_DELTA);
         screen.PumpUntilIdle();
       },
       {EVENT_OBJECT_VALUECHANGE}},
      {"type into a drop-down", dropdown,
       [&] {
         ClickAt(Centre(*dropdown->GetEdit()));
         screen.TypeText(L"5");
         screen.PumpUntilIdle();
       },
       {EVENT_OBJECT_VALUECHANGE}},
      {"click a tree", tree, [&] { ClickAt(Centre(*tree)); }, {EVENT_OBJECT_FOCUS}},
      {"Down in it", tree, [&] { Key(VK_DOWN); }, {EVENT_OBJECT_SELECTION, EVENT_OBJECT_FOCUS}},
      {"open a date picker", picker, [&] { ClickAt(DropButton(*picker)); },
       {EVENT_OBJECT_STATECHANGE}},
      {"pick the next day", picker,
       [&] {
         Key(VK_RIGHT);
         Key(VK_RETURN);
       },
       {EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_STATECHANGE}},
  };
  EventLog log;
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.what);
    log.Take();
    c.act();
    const std::vector<Heard> heard = log.Take();
    CElementContainer* element = c.element;
    for (CElementContainer* e : elements)
      if (!element && Focused(e)) element = e;
    ASSERT_TRUE(element);
    for (DWORD event : c.heard) {
      if (!c.onPopupRow) {
        EXPECT_TRUE(EventLog::Has(heard, event, element->GetAccessibleObject()))
            << std::hex << event;
        continue;
      }
      // A window's object is made afresh for each asker: the event names the window and row.
      ASSERT_TRUE(list->IsDropped());
      const CListBox* rows = list->GetDropWnd()->GetList();
      bool found = false;
      for (const Heard& h : heard)
        found = found || (h.event == event && h.hwnd == rows->m_hWnd &&
                          h.idChild == rows->GetCurSel() + 1 && h.child == h.idChild);
      EXPECT_TRUE(found) << std::hex << event;
    }
    ExpectModelAgrees();
  }
}

// A seeded random sequence of clicks, keys, typing and focus taken through the model anywhere on
// the board: after each step
// the model agrees with every control's getters, and the focus event names the focused element.
TEST_F(GalleryAccessibility, AfterEveryStepOfARandomSequenceTheModelAgrees) {
  constexpr unsigned kSeed = 20261207;
  std::mt19937 random(kSeed);
  std::vector<CElementContainer*> targets;
  for (CElementControl* c : All<CElementControl>())
    if (!dynamic_cast<CDropWnd*>(c) && AllTheWayUp(c, &CElementContainer::IsActive))
      targets.push_back(c);
  const UINT kKeys[] = {VK_TAB, VK_SPACE, VK_DOWN, VK_UP, VK_RETURN, VK_ESCAPE, VK_F4, VK_HOME};
  EventLog log;
  int focusEvents = 0;
  for (int step = 0; step < 120; ++step) {
    SCOPED_TRACE(testing::Message() << "seed " << kSeed << " step " << step);
    switch (random() % 4) {
      case 3: {
        // Taking the focus through the model: the focusable and available take it.
        CElementContainer* e = targets[random() % targets.size()];
        CComPtr<IAccessible> object = e->GetAccessibleObject();
        const DWORD state = Read(object).state;
        VARIANT self;
        VariantInit(&self);
        self.vt = VT_I4;
        self.lVal = CHILDID_SELF;
        const bool can =
            Has(state, STATE_SYSTEM_FOCUSABLE) && !Has(state, STATE_SYSTEM_UNAVAILABLE);
        EXPECT_EQ(object->accSelect(SELFLAG_TAKEFOCUS, self) == S_OK, can);
        screen.PumpUntilIdle();
        EXPECT_TRUE(!can || e->IsFocus());
        break;
      }
      case 0: {
        const CRect r = targets[random() % targets.size()]->GetScreenRect();
        ClickAt({r.left + int(random() % std::max(1, r.Width())),
                 r.top + int(random() % std::max(1, r.Height()))});
        break;
      }
      case 1: Key(kKeys[random() % std::size(kKeys)]); break;
      default:
        screen.TypeText(random() % 2 ? L"a" : L"日");
        screen.PumpUntilIdle();
        break;
    }
    ExpectModelAgrees();
    // The last focus event heard names the element holding the focus, or an item within it.
    const std::vector<Heard> heard = log.Take();
    for (auto it = heard.rbegin(); it != heard.rend(); ++it) {
      if (it->event != EVENT_OBJECT_FOCUS || it->hwnd != BoardHwnd()) continue;
      ++focusEvents;
      for (CElementContainer* e : elements) {
        if (Focused(e) && !dynamic_cast<CDropWnd*>(e)) {
          EXPECT_TRUE(trellis::test::Same(it->object, e->GetAccessibleObject()));
        }
      }
      break;
    }
    if (HasFatalFailure() || HasFailure()) break;
  }
  EXPECT_GT(focusEvents, 8);  // the sequence went about the board
}

}  // namespace
