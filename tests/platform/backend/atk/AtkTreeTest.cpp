// The accessibility bridge's ATK objects over the headless screen, without a bus: what a
// screen reader would read of a window holding a list box and a scroll bar, and the signals it
// would hear as the user changes them. The model hands out new objects on every question, so
// the tests also hold the bridge to one ATK object per thing.
#include <gtest/gtest.h>

#include <random>
#include <set>
#include <string>
#include <vector>

#include "platform/accessibility/OleAcc.h"
#include "platform/backend/atk/AccessibilityBus.h"
#include "platform/backend/atk/AtkBridge.h"
#include "platform/backend/atk/AtkMapping.h"
#include "platform/win32/WinListBox.h"
#include "platform/win32/WinScrollBar.h"
#include "tests/platform/backend/atk/AtkTesting.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/ScopedVariable.h"

namespace trellis::test {
namespace {

using namespace platform::atk;

constexpr POINT kScreenOrigin = {300, 200};  // where the headless screen sits on the real one
constexpr RECT kFrame = {40, 30, 340, 330};   // the window, on the headless screen
constexpr RECT kList = {10, 10, 160, 110};    // in the window: five rows of 20
constexpr RECT kBar = {200, 10, 216, 210};
constexpr int kRowHeight = 20;
const char* const kRows[] = {"Apple", "Banana", "Cherry", "Date", "Elderberry"};

class AtkTreeTest : public WindowTest {
 protected:
  void SetUp() override {
    frame = Make(WS_POPUP | WS_VISIBLE, kFrame);
    SetWindowTextW(frame, L"Fruit");
    list = Make(WS_CHILD | WS_VISIBLE | LBS_NOTIFY | LBS_HASSTRINGS, kList, frame, 0,
                WC_LISTBOXW, 7);
    SendMessageW(list, LB_SETITEMHEIGHT, 0, kRowHeight);
    for (const std::string row : kRows) {
      const std::wstring wide(row.begin(), row.end());
      SendMessageW(list, LB_ADDSTRING, 0, LPARAM(wide.c_str()));
    }
    bar = Make(WS_CHILD | WS_VISIBLE | SBS_VERT, kBar, frame, 0, WC_SCROLLBARW, 8);
    SCROLLINFO info{sizeof(info), SIF_ALL, 0, 100, 10, 25, 0};
    SetScrollInfo(bar, SB_CTL, &info, TRUE);
    screen.PumpUntilIdle();
  }

  AtkObject* Frame() { return Child(root, 0); }
  // The frame's child with that role.
  AtkObject* Find(AtkRole role) {
    AtkObject* frameObject = Frame();
    for (int i = 0; i < atk_object_get_n_accessible_children(frameObject); ++i) {
      if (atk_object_get_role(Child(frameObject, i)) == role) return Child(frameObject, i);
    }
    ADD_FAILURE() << "no child of role " << atk_role_get_name(role);
    return nullptr;
  }

  HWND frame = nullptr, list = nullptr, bar = nullptr;
  Bridge bridge{kScreenOrigin};
  AtkObject* const root = bridge.root;
};

// Every object's children name it as their parent at their own index, and it is one object
// however often it is asked for.
void CheckLinks(AtkObject* object, std::set<AtkObject*>& seen) {
  ASSERT_TRUE(seen.insert(object).second) << Name(object) << " reached twice";
  const int count = atk_object_get_n_accessible_children(object);
  for (int i = 0; i < count; ++i) {
    AtkObject* child = Child(object, i);
    ASSERT_NE(child, nullptr);
    EXPECT_EQ(child, Child(object, i));
    EXPECT_EQ(atk_object_get_parent(child), object) << Name(child);
    EXPECT_EQ(atk_object_get_index_in_parent(child), i) << Name(child);
    CheckLinks(child, seen);
  }
}

TEST_F(AtkTreeTest, WindowsAreFramesHoldingTheirControlsWithRolesNamesAndLinks) {
  ASSERT_EQ(atk_object_get_n_accessible_children(root), 1);
  EXPECT_EQ(atk_object_get_role(Frame()), ATK_ROLE_FRAME);
  EXPECT_EQ(Name(Frame()), "Fruit");
  AtkObject* listObject = Find(ATK_ROLE_LIST);
  ASSERT_EQ(atk_object_get_n_accessible_children(listObject), 5);
  for (int i = 0; i < 5; ++i) {
    AtkObject* row = Child(listObject, i);
    EXPECT_EQ(atk_object_get_role(row), ATK_ROLE_LIST_ITEM);
    EXPECT_EQ(Name(row), kRows[i]);
    EXPECT_TRUE(Has(row, ATK_STATE_SELECTABLE));
  }
  EXPECT_EQ(atk_object_get_role(Find(ATK_ROLE_SCROLL_BAR)), ATK_ROLE_SCROLL_BAR);
  std::set<AtkObject*> seen;
  CheckLinks(root, seen);
  EXPECT_EQ(seen.size(), 1u + 1u + 1u + 5u + 1u);
}

TEST_F(AtkTreeTest, ExtentsCountFromTheRealScreenTheWindowOrTheParent) {
  AtkObject* row = Child(Find(ATK_ROLE_LIST), 1);
  const struct {
    AtkCoordType type;
    int x, y;
  } cases[] = {
      {ATK_XY_SCREEN, kScreenOrigin.x + kFrame.left + kList.left,
       kScreenOrigin.y + kFrame.top + kList.top + kRowHeight},
      {ATK_XY_WINDOW, kList.left, kList.top + kRowHeight},
      {ATK_XY_PARENT, 0, kRowHeight},
  };
  for (const auto& c : cases) {
    gint x = -1, y = -1, width = -1, height = -1;
    atk_component_get_extents(ATK_COMPONENT(row), &x, &y, &width, &height, c.type);
    EXPECT_EQ(x, c.x) << c.type;
    EXPECT_EQ(y, c.y) << c.type;
    EXPECT_EQ(height, kRowHeight) << c.type;
    EXPECT_GT(width, 0) << c.type;
  }
}

TEST_F(AtkTreeTest, ScrollBarTellsItsPositionAndRangeAndAnnouncesMoves) {
  AtkObject* barObject = Find(ATK_ROLE_SCROLL_BAR);
  ASSERT_TRUE(ATK_IS_VALUE(barObject));
  gdouble value = -1;
  gchar* text = nullptr;
  atk_value_get_value_and_text(ATK_VALUE(barObject), &value, &text);
  EXPECT_EQ(value, 25);
  g_free(text);
  AtkRange* range = atk_value_get_range(ATK_VALUE(barObject));
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(atk_range_get_lower_limit(range), 0);
  EXPECT_GT(atk_range_get_upper_limit(range), 25);
  atk_range_free(range);

  int notified = 0;
  const gulong handler = g_signal_connect_swapped(
      barObject, "property-change::accessible-value", G_CALLBACK(+[](int* count) { ++*count; }),
      &notified);
  // A click below the thumb pages down, which the window answers as a program does.
  On(frame, WM_VSCROLL, [this](WPARAM wParam, LPARAM) {
    if (LOWORD(wParam) == SB_PAGEDOWN)
      SetScrollPos(bar, SB_CTL, GetScrollPos(bar, SB_CTL) + 10, TRUE);
    return LRESULT(0);
  });
  screen.Click(kFrame.left + kBar.left + 8, kFrame.top + kBar.bottom - 30);
  screen.PumpUntilIdle();
  g_signal_handler_disconnect(barObject, handler);
  EXPECT_GE(notified, 1);
  atk_value_get_value_and_text(ATK_VALUE(barObject), &value, nullptr);
  EXPECT_GT(value, 25);
}

TEST_F(AtkTreeTest, ClickingARowSelectsItAndFocusesTheList) {
  AtkObject* listObject = Find(ATK_ROLE_LIST);
  ASSERT_TRUE(ATK_IS_SELECTION(listObject));
  EXPECT_EQ(atk_selection_get_selection_count(ATK_SELECTION(listObject)), 0);
  Heard heard;
  heard.Listen(listObject);
  for (int i = 0; i < 5; ++i) heard.Listen(Child(listObject, i));

  screen.Click(kFrame.left + kList.left + 20, kFrame.top + kList.top + 3 * kRowHeight + 5);
  screen.PumpUntilIdle();

  AtkObject* selected = atk_selection_ref_selection(ATK_SELECTION(listObject), 0);
  ASSERT_NE(selected, nullptr);
  EXPECT_EQ(selected, Child(listObject, 3));
  g_object_unref(selected);
  EXPECT_TRUE(atk_selection_is_child_selected(ATK_SELECTION(listObject), 3));
  EXPECT_FALSE(atk_selection_is_child_selected(ATK_SELECTION(listObject), 2));
  // The focus goes to the row that holds it within the list, which is then selected.
  const std::vector<std::string> expected = {"Date focused on", "Date selected on",
                                             " selection"};
  EXPECT_EQ(heard.lines, expected);
  EXPECT_TRUE(Has(Child(listObject, 3), ATK_STATE_SELECTED));
}

// Picking by the list's selection is the drop list test's; here by the row's action.
TEST_F(AtkTreeTest, RowsArePickedThroughAtkAsTheUserWould) {
  SendMessageW(list, LB_SETCURSEL, 4, 0);
  AtkObject* row = Child(Find(ATK_ROLE_LIST), 1);
  ASSERT_TRUE(ATK_IS_ACTION(row));
  ASSERT_EQ(atk_action_get_n_actions(ATK_ACTION(row)), 1);
  EXPECT_STRNE(atk_action_get_name(ATK_ACTION(row), 0), "");
  ASSERT_TRUE(atk_action_do_action(ATK_ACTION(row), 0));
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 4) << "ran before the bus had its answer";
  RunQueuedActions(screen);
  EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 1);
}

// A control is showing while any of it lies within its window; one moved wholly out of the
// window's sight is still there (visible), and one hidden is neither.
TEST_F(AtkTreeTest, ControlsOutOfTheWindowsSightAreVisibleButNotShowing) {
  const int width = kList.right - kList.left, height = kList.bottom - kList.top;
  const int frameWidth = kFrame.right - kFrame.left, frameHeight = kFrame.bottom - kFrame.top;
  const struct {
    POINT at;  // the list's place in the window
    bool shown, showing;
  } cases[] = {
      {{kList.left, kList.top}, true, true},
      {{frameWidth - width / 2, kList.top}, true, true},
      {{kList.left, frameHeight - 1}, true, true},
      {{frameWidth, kList.top}, true, false},
      {{kList.left, frameHeight + 40}, true, false},
      {{-width, -height}, true, false},
      {{kList.left, kList.top}, false, false},
  };
  for (const auto& c : cases) {
    MoveWindow(list, c.at.x, c.at.y, width, height, TRUE);
    ShowWindow(list, c.shown ? SW_SHOW : SW_HIDE);
    screen.PumpUntilIdle();
    AtkObject* listObject = Find(ATK_ROLE_LIST);
    SCOPED_TRACE(testing::Message() << "at " << c.at.x << "," << c.at.y);
    EXPECT_EQ(Has(listObject, ATK_STATE_VISIBLE), c.shown);
    EXPECT_EQ(Has(listObject, ATK_STATE_SHOWING), c.showing);
    EXPECT_TRUE(Has(Frame(), ATK_STATE_SHOWING));
  }
}

TEST_F(AtkTreeTest, AGoneWindowLeavesDefunctObjectsAndTheRootWithoutIt) {
  AtkObject* listObject = Find(ATK_ROLE_LIST);
  g_object_ref(listObject);
  DestroyWindow(frame);
  screen.PumpUntilIdle();
  EXPECT_EQ(atk_object_get_n_accessible_children(root), 0);
  EXPECT_TRUE(Has(listObject, ATK_STATE_DEFUNCT) ||
              atk_object_get_n_accessible_children(listObject) == 0);
  g_object_unref(listObject);
}

// ---- starting

// A desktop without assistive technology pays nothing: the bridge starts only when the
// accessibility bus is named, and asks no session bus that is not there (nor starts one).
TEST(AtkBridgeTest, StartsOnlyWhenAssistiveTechnologyListens) {
  const struct {
    const char* accessibility;  // AT_SPI_BUS_ADDRESS
    const char* session;        // DBUS_SESSION_BUS_ADDRESS
    const char* runtime;        // XDG_RUNTIME_DIR, where a session bus may listen
    bool listening;
  } cases[] = {
      {nullptr, nullptr, nullptr, false},
      {nullptr, "unix:path=/nonexistent/trellis-test-bus", nullptr, false},
      {nullptr, nullptr, "/nonexistent/trellis-test-runtime", false},
      {"", nullptr, nullptr, false},
      {"unix:path=/nonexistent/trellis-test-a11y", nullptr, nullptr, true},
  };
  for (const auto& c : cases) {
    const ScopedVariable accessibility("AT_SPI_BUS_ADDRESS", c.accessibility);
    const ScopedVariable session("DBUS_SESSION_BUS_ADDRESS", c.session);
    const ScopedVariable runtime("XDG_RUNTIME_DIR", c.runtime);
    SCOPED_TRACE(testing::Message() << (c.accessibility ? c.accessibility : "-") << " "
                                    << (c.session ? c.session : "-") << " "
                                    << (c.runtime ? c.runtime : "-"));
    EXPECT_EQ(AssistiveTechnologyListening(), c.listening);
    // Where nothing listens, nothing starts.
    if (!c.listening) {
      EXPECT_EQ(AtkBridge::Start("test", [] { return POINT{0, 0}; }), nullptr);
    }
  }
}

// ---- the tables, against the rules they follow

TEST(AtkMappingTest, EveryRoleOfTheModelHasAnAtkRoleAndTopLevelClientsAreFrames) {
  const DWORD roles[] = {
      ROLE_SYSTEM_SCROLLBAR,   ROLE_SYSTEM_WINDOW,      ROLE_SYSTEM_CLIENT,
      ROLE_SYSTEM_MENUPOPUP,   ROLE_SYSTEM_MENUITEM,    ROLE_SYSTEM_TOOLTIP,
      ROLE_SYSTEM_APPLICATION, ROLE_SYSTEM_PANE,        ROLE_SYSTEM_DIALOG,
      ROLE_SYSTEM_GROUPING,    ROLE_SYSTEM_SEPARATOR,   ROLE_SYSTEM_TABLE,
      ROLE_SYSTEM_COLUMNHEADER, ROLE_SYSTEM_ROW,        ROLE_SYSTEM_CELL,
      ROLE_SYSTEM_LIST,        ROLE_SYSTEM_LISTITEM,    ROLE_SYSTEM_OUTLINE,
      ROLE_SYSTEM_OUTLINEITEM, ROLE_SYSTEM_GRAPHIC,     ROLE_SYSTEM_STATICTEXT,
      ROLE_SYSTEM_TEXT,        ROLE_SYSTEM_PUSHBUTTON,  ROLE_SYSTEM_CHECKBUTTON,
      ROLE_SYSTEM_RADIOBUTTON, ROLE_SYSTEM_COMBOBOX,    ROLE_SYSTEM_DROPLIST,
      ROLE_SYSTEM_SPINBUTTON,  ROLE_SYSTEM_BUTTONDROPDOWN,
  };
  for (DWORD role : roles) {
    EXPECT_NE(AtkRoleFor(LONG(role), false), ATK_ROLE_UNKNOWN) << role;
    EXPECT_EQ(AtkRoleFor(LONG(role), true), ATK_ROLE_FRAME) << role;
  }
  EXPECT_EQ(AtkRoleFor(0x7777, false), ATK_ROLE_UNKNOWN);
}

TEST(AtkMappingTest, AttributesTellLevelsAndPlacesInGroupsOnlyWhenWellFormed) {
  using Attributes = std::vector<std::pair<std::string, std::string>>;
  const LONG item = LONG(ROLE_SYSTEM_OUTLINEITEM), radio = LONG(ROLE_SYSTEM_RADIOBUTTON);
  const struct {
    LONG role;
    const char* value;
    const char* description;
    Attributes attributes;
  } cases[] = {
      {item, "0", "", {{"level", "1"}}},
      {item, "12", "2/3", {{"level", "13"}}},
      {item, "", "", {}},
      {item, "1a", "", {}},
      {item, "-1", "", {}},
      {radio, "", "2/3", {{"posinset", "2"}, {"setsize", "3"}}},
      {radio, "", "3/3", {{"posinset", "3"}, {"setsize", "3"}}},
      {radio, "", "4/3", {}},
      {radio, "", "0/3", {}},
      {radio, "", "2/", {}},
      {radio, "", "/3", {}},
      {radio, "", "2/3 ", {}},
      {radio, "", "two of three", {}},
      {radio, "4", "", {}},
      {LONG(ROLE_SYSTEM_PUSHBUTTON), "0", "2/3", {}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(AtkAttributesFor(c.role, c.value, c.description), c.attributes)
        << c.role << " '" << c.value << "' '" << c.description << "'";
  }
}

TEST(AtkMappingTest, StatesFollowTheirRulesForRandomUnions) {
  const struct {
    DWORD system;
    AtkStateType atk;
  } straight[] = {
      {STATE_SYSTEM_SELECTED, ATK_STATE_SELECTED},   {STATE_SYSTEM_FOCUSED, ATK_STATE_FOCUSED},
      {STATE_SYSTEM_PRESSED, ATK_STATE_PRESSED},     {STATE_SYSTEM_CHECKED, ATK_STATE_CHECKED},
      {STATE_SYSTEM_MIXED, ATK_STATE_INDETERMINATE}, {STATE_SYSTEM_READONLY, ATK_STATE_READ_ONLY},
      {STATE_SYSTEM_EXPANDED, ATK_STATE_EXPANDED},   {STATE_SYSTEM_FOCUSABLE, ATK_STATE_FOCUSABLE},
      {STATE_SYSTEM_HASPOPUP, ATK_STATE_HAS_POPUP},
  };
  const LONG roles[] = {LONG(ROLE_SYSTEM_TEXT), LONG(ROLE_SYSTEM_CHECKBUTTON),
                        LONG(ROLE_SYSTEM_OUTLINEITEM), LONG(ROLE_SYSTEM_PUSHBUTTON)};
  std::mt19937 random(27);
  for (int step = 0; step < 500; ++step) {
    const DWORD state = DWORD(random()) & 0x7FFFFFFF;
    const LONG role = roles[random() % 4];
    const std::vector<AtkStateType> got = AtkStatesFor(state, role);
    const std::set<AtkStateType> states(got.begin(), got.end());
    const auto has = [&](AtkStateType s) { return states.count(s) == 1; };
    SCOPED_TRACE(testing::Message() << "seed 27, step " << step << ", state " << state);
    for (const auto& pair : straight) EXPECT_EQ(has(pair.atk), (state & pair.system) != 0);
    EXPECT_EQ(has(ATK_STATE_ENABLED), !(state & STATE_SYSTEM_UNAVAILABLE));
    EXPECT_EQ(has(ATK_STATE_SENSITIVE), has(ATK_STATE_ENABLED));
    EXPECT_EQ(has(ATK_STATE_VISIBLE), !(state & STATE_SYSTEM_INVISIBLE));
    EXPECT_TRUE(!has(ATK_STATE_SHOWING) || has(ATK_STATE_VISIBLE));
    EXPECT_EQ(has(ATK_STATE_EXPANDABLE),
              (state & (STATE_SYSTEM_EXPANDED | STATE_SYSTEM_COLLAPSED)) != 0);
    EXPECT_TRUE(!(has(ATK_STATE_CHECKED) || has(ATK_STATE_INDETERMINATE)) ||
                has(ATK_STATE_CHECKABLE));
    EXPECT_EQ(has(ATK_STATE_EDITABLE),
              role == LONG(ROLE_SYSTEM_TEXT) && !(state & STATE_SYSTEM_READONLY));
    EXPECT_EQ(got.size(), states.size()) << "a state told twice";
  }
}

}  // namespace
}  // namespace trellis::test
