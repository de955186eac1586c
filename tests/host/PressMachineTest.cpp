// The shared press machine, row by row of the event table in host/PressMachine.h, and the look
// that its flags give.
#include <gtest/gtest.h>

#include <vector>

#include "host/PressMachine.h"

namespace {

using E = PressEvent;
constexpr PressPolicy kInside{};  // the plain check box
constexpr PressPolicy kAnywhere{PressPolicy::Click::ReleaseAnywhere, false, false};
constexpr PressPolicy kCancelling{PressPolicy::Click::ReleaseInside, true, false};

struct Input {
  E event;
  bool inside = true;
  DWORD keys = MK_LBUTTON;
};

struct Row {
  const char* name;
  PressPolicy policy;
  std::vector<Input> before;  // brings the machine to the state the row starts from
  Input event;
  bool enabled;
  // expected after the event
  bool pressed, hover, pushedLook;
  bool takeCapture, releaseCapture, click;
};

const Row kRows[] = {
    // name                         policy     before                                 event                      en  P  H  look  take  let  click
    {"down inside",                 kInside,   {},                                    {E::Down},                 true, true, true, true, true, false, false},
    {"down outside (captured)",     kInside,   {},                                    {E::Down, false},          true, false, false, false, false, false, false},
    {"move off while pressed",      kInside,   {{E::Down}},                           {E::Move, false},          true, true, false, false, false, false, false},
    {"move back while pressed",     kInside,   {{E::Down}, {E::Move, false}},         {E::Move},                 true, true, true, true, false, false, false},
    {"other button keeps press",    kInside,   {{E::Down}},                           {E::Move, true, MK_LBUTTON | MK_RBUTTON}, true, true, true, true, false, false, false},
    {"other button cancels",        kCancelling, {{E::Down}},                         {E::Move, true, MK_LBUTTON | MK_RBUTTON}, true, false, true, false, false, true, false},
    {"no button cancels",           kCancelling, {{E::Down}},                         {E::Move, true, 0},        true, false, true, false, false, true, false},
    {"hover without press",         kCancelling, {},                                  {E::Move, true, 0},        true, false, true, false, false, false, false},
    {"release inside clicks",       kInside,   {{E::Down}},                           {E::Up},                   true, false, true, false, false, true, true},
    {"release outside: no click",   kInside,   {{E::Down}, {E::Move, false}},         {E::Up, false},            true, false, false, false, false, true, false},
    {"anywhere: outside clicks",    kAnywhere, {{E::Down}, {E::Move, false}},         {E::Up, false},            true, false, false, false, false, true, true},
    {"anywhere: stray release",     kAnywhere, {},                                    {E::Up},                   true, false, true, false, false, false, true},
    {"inside: stray release",       kInside,   {},                                    {E::Up},                   true, false, true, false, false, false, false},
    {"leave keeps the press",       kInside,   {{E::Down}},                           {E::Leave},                true, true, false, false, false, false, false},
    {"leave, back, release clicks", kInside,   {{E::Down}, {E::Leave}, {E::Move}},    {E::Up},                   true, false, true, false, false, true, true},
    {"cancel lets go",              kInside,   {{E::Down}},                           {E::Cancel},               true, false, true, false, false, true, false},
    {"disabled: down ignored",      kInside,   {},                                    {E::Down},                 false, false, false, false, false, false, false},
    {"disabled: release ignored",   kAnywhere, {{E::Down}},                           {E::Up},                   false, true, true, true, false, false, false},
    {"disabling cancels the press", kInside,   {{E::Down}},                           {E::Cancel},               false, false, true, false, false, true, false},
};

}  // namespace

TEST(PressMachine, FollowsTheEventTableRowByRow) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    PressMachine machine(row.policy);
    for (const Input& in : row.before) machine.On(in.event, true, in.inside, in.keys);
    const PressStep step = machine.On(row.event.event, row.enabled, row.event.inside, row.event.keys);
    EXPECT_EQ(step.ignored, !row.enabled && row.event.event != E::Cancel);
    EXPECT_EQ(machine.Pressed(), row.pressed);
    EXPECT_EQ(machine.Hover(), row.hover);
    EXPECT_EQ(machine.PushedLook(), row.pushedLook);
    EXPECT_EQ(step.takeCapture, row.takeCapture);
    EXPECT_EQ(step.releaseCapture, row.releaseCapture);
    EXPECT_EQ(step.click, row.click);
  }
}

TEST(PressMachine, TheLookFollowsTheFlagsInThePolicysOrder) {
  PressMachine hoverFirst(kInside), focusFirst({PressPolicy::Click::ReleaseInside, false, true});
  for (PressMachine* m : {&hoverFirst, &focusFirst}) {
    EXPECT_EQ(ControlLook(*m, true, false), COLOR_STATE_NORMAL);
    EXPECT_EQ(ControlLook(*m, true, true), COLOR_STATE_FOCUS);
    m->On(E::Move, true, true);
    EXPECT_EQ(ControlLook(*m, true, false), COLOR_STATE_HOVER);
    m->On(E::Down, true, true);
    EXPECT_EQ(ControlLook(*m, true, true), COLOR_STATE_PUSH);
    EXPECT_EQ(ControlLook(*m, false, true), COLOR_STATE_DISABLE);
    m->On(E::Up, true, true);
  }
  EXPECT_EQ(ControlLook(hoverFirst, true, true), COLOR_STATE_HOVER);
  EXPECT_EQ(ControlLook(focusFirst, true, true), COLOR_STATE_FOCUS);
}
