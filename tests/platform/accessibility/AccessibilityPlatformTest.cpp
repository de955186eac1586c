// The platform's accessibility model: win event hooks and their delivery, the counted strings
// and variants it passes, and the standard objects of windows, checked over a seeded random
// tree of windows against the window functions' own answers.
#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "platform/accessibility/OleAcc.h"
#include "platform/accessibility/WinEvent.h"
#include "platform/com/CComVariant.h"
#include "tests/platform/window/WindowTesting.h"
#include "tests/support/AccessibleReader.h"

namespace {

using trellis::test::Read;

struct Delivery {
  int hook;
  DWORD event;
};
std::vector<Delivery> g_delivered;

template <int N>
void Hook(HWINEVENTHOOK, DWORD event, HWND, LONG, LONG, DWORD, DWORD) {
  g_delivered.push_back({N, event});
}

class AccessibilityPlatform : public trellis::test::WindowTest {
 protected:
  AccessibilityPlatform() { g_delivered.clear(); }
};

// Each hook hears the events in its range, in the order they were raised, only once the
// thread takes its next message and never inside the call that raised them; an unhooked
// hook's queued events are dropped; bad arguments make no hook.
TEST_F(AccessibilityPlatform, HooksHearTheirRangeOutOfContextInOrder) {
  const HWND w = Make(WS_VISIBLE, {0, 0, 50, 50});
  HWINEVENTHOOK all = SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hook<1>, 0, 0, 0);
  HWINEVENTHOOK focus = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_FOCUS, nullptr, Hook<2>,
                                        0, 0, WINEVENT_OUTOFCONTEXT);
  HWINEVENTHOOK states = SetWinEventHook(EVENT_OBJECT_FOCUS, EVENT_OBJECT_STATECHANGE, nullptr,
                                         Hook<3>, 0, 0, WINEVENT_OUTOFCONTEXT);
  ASSERT_TRUE(all && focus && states);
  screen.PumpUntilIdle();
  g_delivered.clear();
  EXPECT_TRUE(IsWinEventHookInstalled(EVENT_OBJECT_VALUECHANGE));
  const DWORD raised[] = {EVENT_OBJECT_STATECHANGE, EVENT_OBJECT_FOCUS, EVENT_OBJECT_VALUECHANGE,
                          EVENT_OBJECT_SELECTION};
  for (DWORD event : raised) NotifyWinEvent(event, w, OBJID_CLIENT, CHILDID_SELF);
  NotifyWinEvent(EVENT_OBJECT_FOCUS, nullptr, OBJID_CLIENT, CHILDID_SELF);  // no window: none
  EXPECT_TRUE(g_delivered.empty());
  screen.PumpUntilIdle();
  std::vector<Delivery> expected;
  for (DWORD event : raised) {
    expected.push_back({1, event});
    if (event == EVENT_OBJECT_FOCUS) expected.push_back({2, event});
    if (event >= EVENT_OBJECT_FOCUS && event <= EVENT_OBJECT_STATECHANGE)
      expected.push_back({3, event});
  }
  // Per hook, the order raised; across hooks, each event's deliveries together or not.
  for (int hook : {1, 2, 3}) {
    std::vector<DWORD> got, want;
    for (const Delivery& d : g_delivered)
      if (d.hook == hook) got.push_back(d.event);
    for (const Delivery& d : expected)
      if (d.hook == hook) want.push_back(d.event);
    EXPECT_EQ(got, want) << "hook " << hook;
  }
  g_delivered.clear();
  NotifyWinEvent(EVENT_OBJECT_FOCUS, w, OBJID_CLIENT, CHILDID_SELF);
  EXPECT_TRUE(UnhookWinEvent(focus));
  EXPECT_FALSE(UnhookWinEvent(focus));
  screen.PumpUntilIdle();
  for (const Delivery& d : g_delivered) EXPECT_NE(d.hook, 2);
  EXPECT_TRUE(UnhookWinEvent(all));
  EXPECT_TRUE(UnhookWinEvent(states));
  EXPECT_FALSE(IsWinEventHookInstalled(EVENT_OBJECT_FOCUS));
  int module = 0;
  EXPECT_FALSE(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, nullptr, 0, 0, 0));
  EXPECT_FALSE(SetWinEventHook(EVENT_MAX, EVENT_MIN, nullptr, Hook<1>, 0, 0, 0));
  EXPECT_FALSE(SetWinEventHook(EVENT_MIN, EVENT_MAX, reinterpret_cast<HMODULE>(&module), Hook<1>,
                               0, 0, 0));
  EXPECT_FALSE(SetWinEventHook(EVENT_MIN, EVENT_MAX, nullptr, Hook<1>, 0, 0, 4));
}

// Counted strings keep their length through embedded nulls; a variant frees what it holds;
// a window's answer to WM_GETOBJECT is redeemed once.
TEST_F(AccessibilityPlatform, StringsVariantsAndObjectTokens) {
  const wchar_t text[] = L"a\0b";
  BSTR s = SysAllocStringLen(text, 3);
  ASSERT_TRUE(s);
  EXPECT_EQ(SysStringLen(s), 3u);
  EXPECT_EQ(std::wstring(s, 3), std::wstring(text, 3));
  VARIANT v;
  VariantInit(&v);
  v.vt = VT_BSTR;
  v.bstrVal = s;
  EXPECT_EQ(VariantClear(&v), S_OK);
  EXPECT_EQ(v.vt, VT_EMPTY);
  v.vt = 77;
  EXPECT_EQ(VariantClear(&v), DISP_E_BADVARTYPE);
  EXPECT_EQ(v.vt, 77);
  EXPECT_EQ(VariantClear(nullptr), E_INVALIDARG);

  const HWND w = Make(WS_VISIBLE, {0, 0, 50, 50});
  CComPtr<IAccessible> object = trellis::test::ClientObject(w);
  ASSERT_TRUE(object);
  const LRESULT token = LresultFromObject(IID_IAccessible, 0, object);
  CComPtr<IAccessible> redeemed;
  EXPECT_EQ(ObjectFromLresult(token, IID_IAccessible, 0, reinterpret_cast<void**>(&redeemed)),
            S_OK);
  EXPECT_TRUE(trellis::test::Same(redeemed, object));
  CComPtr<IAccessible> again;
  EXPECT_EQ(ObjectFromLresult(token, IID_IAccessible, 0, reinterpret_cast<void**>(&again)),
            E_INVALIDARG);
  EXPECT_EQ(AccessibleObjectFromWindow(nullptr, DWORD(OBJID_CLIENT), IID_IAccessible,
                                       reinterpret_cast<void**>(&again)),
            E_INVALIDARG);
}

// Over seeded random trees of windows, each window's standard objects agree with the window
// functions: the client object is named by the window text and holds the child windows'
// window objects with their visibility, their place on the screen and their parent; navigation
// from one child to the next follows the same order as the children list.
TEST_F(AccessibilityPlatform, StandardObjectsFollowARandomTreeOfWindows) {
  constexpr unsigned kSeed = 27;
  std::mt19937 random(kSeed);
  for (int round = 0; round < 5; ++round) {
    SCOPED_TRACE(testing::Message() << "seed " << kSeed << " round " << round);
    const HWND top = Make(WS_VISIBLE | WS_POPUP, {10, 10, 410, 310});
    std::vector<HWND> windows{top};
    std::map<HWND, std::vector<HWND>> kidsOf;
    for (int i = 0; i < 12; ++i) {
      const HWND parent = windows[random() % windows.size()];
      const int x = int(random() % 60), y = int(random() % 60);
      const DWORD visible = random() % 4 ? WS_VISIBLE : 0;
      const HWND child = Make(WS_CHILD | visible, {x, y, x + 40, y + 30}, parent);
      ::SetWindowTextW(child, (L"窗口 " + std::to_wstring(i)).c_str());
      windows.push_back(child);
      kidsOf[parent].push_back(child);
    }
    screen.PumpUntilIdle();
    for (HWND w : windows) {
      CComPtr<IAccessible> client = trellis::test::ClientObject(w);
      ASSERT_TRUE(client);
      const trellis::test::Reading r = Read(client);
      wchar_t text[64]{};
      ::GetWindowTextW(w, text, 64);
      EXPECT_EQ(r.role, DWORD(ROLE_SYSTEM_CLIENT));
      EXPECT_EQ(r.name, text);
      EXPECT_EQ((r.state & STATE_SYSTEM_INVISIBLE) != 0, !::IsWindowVisible(w));
      // The children, as (place, visible), in any order; then their order, walked by NAVDIR_NEXT.
      std::multiset<std::tuple<LONG, LONG, LONG, LONG, bool>> want, got;
      for (HWND k : kidsOf[w]) {
        RECT place;
        ::GetWindowRect(k, &place);
        want.insert({place.left, place.top, place.right, place.bottom, ::IsWindowVisible(k) != 0});
      }
      const auto children = trellis::test::ChildrenOf(client);
      for (std::size_t i = 0; i < children.size(); ++i) {
        ASSERT_TRUE(children[i].object);
        const trellis::test::Reading k = Read(children[i].object);
        EXPECT_EQ(k.role, DWORD(ROLE_SYSTEM_WINDOW));
        got.insert({k.place.left, k.place.top, k.place.right, k.place.bottom,
                    !(k.state & STATE_SYSTEM_INVISIBLE)});
        CComPtr<IDispatch> up;
        ASSERT_EQ(children[i].object->get_accParent(&up), S_OK);
        CComPtr<IAccessible> parent;
        up->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&parent));
        EXPECT_EQ(Read(parent).name, r.name);
        // Siblings follow one another in the children's order.
        CComVariant next;
        const HRESULT hr = client->accNavigate(NAVDIR_NEXT, CComVariant(LONG(i + 1)), &next);
        if (i + 1 < children.size()) {
          ASSERT_EQ(hr, S_OK);
          ASSERT_EQ(next.vt, VT_DISPATCH);
          CComPtr<IAccessible> sibling;
          next.pdispVal->QueryInterface(IID_IAccessible, reinterpret_cast<void**>(&sibling));
          const RECT a = Read(sibling).place, b = Read(children[i + 1].object).place;
          EXPECT_TRUE(EqualRect(&a, &b));
        } else {
          EXPECT_EQ(hr, S_FALSE);
        }
      }
      EXPECT_EQ(got, want);
    }
    for (auto it = windows.rbegin(); it != windows.rend(); ++it) ::DestroyWindow(*it);
  }
}

}  // namespace
