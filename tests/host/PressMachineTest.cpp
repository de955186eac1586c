// The shared press machine, row by row of the event table in host/PressMachine.h, and the looks
// that its state gives.
#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "host/PressMachine.h"

namespace {

using E = PressEvent;
constexpr PressPolicy kInside{};  // the plain check box
constexpr PressPolicy kAnywhere{PressPolicy::Click::ReleaseAnywhere, false, false};
constexpr PressPolicy kOnPress{PressPolicy::Click::OnPress, false, false};
constexpr PressPolicy kCancelling{PressPolicy::Click::ReleaseInside, true, false};
// The drop list's face.
constexpr PressPolicy kFace{.pushedWhileHeld = true, .focusAfterClickOnly = true};

// Parts of a three-part element: two that repeat while held (arrows) and one that does not.
constexpr PressPart kArrow = 2, kOtherArrow = 3, kThumb = 4;
constexpr PressPolicy kRepeating{PressPolicy::Click::ReleaseInside, false, false,
                                 [](PressPart p) { return p == kArrow || p == kOtherArrow; }, 400,
                                 60};

struct Input {
  E event;
  PressPart part = kWholePart;
  DWORD keys = MK_LBUTTON;
};
constexpr PressPart kOut = kNoPart;

struct Row {
  const char* name;
  PressPolicy policy;
  std::vector<Input> before;  // brings the machine to the state the row starts from
  Input event;
  bool enabled;
  // expected after the event
  bool pressed, hover, pushedLook;
  bool takeCapture, releaseCapture, click;
  UINT startRepeat = 0;
  bool stopRepeat = false, repeat = false;
};

const Row kRows[] = {
    // name                         policy     before                                 event                      en  P  H  look  take  let  click
    {"down inside",                 kInside,   {},                                    {E::Down},                 true, true, true, true, true, false, false},
    {"down outside (captured)",     kInside,   {},                                    {E::Down, kOut},          true, false, false, false, false, false, false},
    {"move off while pressed",      kInside,   {{E::Down}},                           {E::Move, kOut},          true, true, false, false, false, false, false},
    {"held: pushed off the part",   kFace,     {{E::Down}},                           {E::Move, kOut},          true, true, false, true, false, false, false},
    {"move back while pressed",     kInside,   {{E::Down}, {E::Move, kOut}},         {E::Move},                 true, true, true, true, false, false, false},
    {"other button keeps press",    kInside,   {{E::Down}},                           {E::Move, true, MK_LBUTTON | MK_RBUTTON}, true, true, true, true, false, false, false},
    {"other button cancels",        kCancelling, {{E::Down}},                         {E::Move, true, MK_LBUTTON | MK_RBUTTON}, true, false, true, false, false, true, false},
    {"no button cancels",           kCancelling, {{E::Down}},                         {E::Move, true, 0},        true, false, true, false, false, true, false},
    {"hover without press",         kCancelling, {},                                  {E::Move, true, 0},        true, false, true, false, false, false, false},
    {"release inside clicks",       kInside,   {{E::Down}},                           {E::Up},                   true, false, true, false, false, true, true},
    {"release outside: no click",   kInside,   {{E::Down}, {E::Move, kOut}},         {E::Up, kOut},            true, false, false, false, false, true, false},
    {"anywhere: outside clicks",    kAnywhere, {{E::Down}, {E::Move, kOut}},         {E::Up, kOut},            true, false, false, false, false, true, true},
    {"anywhere: stray release",     kAnywhere, {},                                    {E::Up},                   true, false, true, false, false, false, true},
    {"inside: stray release",       kInside,   {},                                    {E::Up},                   true, false, true, false, false, false, false},
    {"leave keeps the press",       kInside,   {{E::Down}},                           {E::Leave},                true, true, false, false, false, false, false},
    {"leave, back, release clicks", kInside,   {{E::Down}, {E::Leave}, {E::Move}},    {E::Up},                   true, false, true, false, false, true, true},
    {"cancel lets go",              kInside,   {{E::Down}},                           {E::Cancel},               true, false, true, false, false, true, false},
    {"disabled: down ignored",      kInside,   {},                                    {E::Down},                 false, false, false, false, false, false, false},
    {"disabled: release ignored",   kAnywhere, {{E::Down}},                           {E::Up},                   false, true, true, true, false, false, false},
    {"disabling cancels the press", kInside,   {{E::Down}},                           {E::Cancel},               false, false, true, false, false, true, false},
    // parts: the press belongs to the part it began on
    {"release on another part",     kInside,   {{E::Down, kThumb}},                   {E::Up, kArrow},           true, false, true, false, false, true, false},
    {"back on the pressed part",    kInside,   {{E::Down, kThumb}, {E::Move, kArrow}}, {E::Move, kThumb},        true, true, true, true, false, false, false},
    {"off the pressed part",        kInside,   {{E::Down, kThumb}},                   {E::Move, kArrow},         true, true, true, false, false, false, false},
    {"hover moves between parts",   kInside,   {{E::Move, kArrow}},                   {E::Move, kThumb},         true, false, true, false, false, false, false},
    {"keys move the hot part",      kInside,   {{E::Move, kArrow}},                   {E::Navigate, kThumb},     true, false, true, false, false, false, false},
    {"keys keep the press",         kInside,   {{E::Down, kThumb}},                   {E::Navigate, kArrow},     true, true, true, false, false, false, false},
    // repeat: the delay on the press, the rate from the first tick, a stop on the release
    {"press a repeating part",      kRepeating, {},                                   {E::Down, kArrow},         true, true, true, true, true, false, false, 400},
    {"press a still part",          kRepeating, {},                                   {E::Down, kThumb},         true, true, true, true, true, false, false},
    {"first tick: rate, repeat",    kRepeating, {{E::Down, kArrow}},                  {E::Tick},                 true, true, true, true, false, false, false, 60, false, true},
    {"later tick: repeat only",     kRepeating, {{E::Down, kArrow}, {E::Tick}},       {E::Tick},                 true, true, true, true, false, false, false, 0, false, true},
    {"tick off the part repeats",   kRepeating, {{E::Down, kArrow}, {E::Move, kOut}}, {E::Tick},                 true, true, false, false, false, false, false, 60, false, true},
    {"tick with nothing held",      kRepeating, {},                                   {E::Tick},                 true, false, false, false, false, false, false, 0, true},
    {"release stops the repeat",    kRepeating, {{E::Down, kArrow}, {E::Tick}},       {E::Up, kArrow},           true, false, true, false, false, true, true, 0, true},
    {"cancel stops the repeat",     kRepeating, {{E::Down, kArrow}},                  {E::Cancel},               true, false, true, false, false, true, false, 0, true},
    {"a new press starts over",     kRepeating, {{E::Down, kArrow}, {E::Tick}, {E::Up, kArrow}}, {E::Down, kOtherArrow}, true, true, true, true, true, false, false, 400},
    // acting on the press: the press is the click and nothing is held
    {"on press: the press clicks",  kOnPress,  {},                                    {E::Down, kThumb},         true, false, true, false, false, false, true},
    {"on press: a miss holds none", kOnPress,  {},                                    {E::Down, kOut},           true, false, false, false, false, false, false},
    {"on press: the release is no click", kOnPress, {{E::Down, kThumb}},              {E::Up, kThumb},           true, false, true, false, false, false, false},
};

}  // namespace

TEST(PressMachine, FollowsTheEventTableRowByRow) {
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    PressMachine machine(row.policy);
    for (const Input& in : row.before) machine.On(in.event, true, in.part, in.keys);
    const PressStep s = machine.On(row.event.event, row.enabled, row.event.part, row.event.keys);
    // Whether it was ignored, then the row's columns in order.
    EXPECT_EQ(std::tuple(s.ignored, machine.Pressed(), machine.Hover(), machine.PushedLook(),
                         s.takeCapture, s.releaseCapture, s.click, s.startRepeat, s.stopRepeat,
                         s.repeat),
              std::tuple(!row.enabled && row.event.event != E::Cancel, row.pressed, row.hover,
                         row.pushedLook, row.takeCapture, row.releaseCapture, row.click,
                         row.startRepeat, row.stopRepeat, row.repeat));
  }
}

// Seeded random events over three parts: a step reports a change exactly when a part's look
// changed, and names the hot and active parts from before the event.
TEST(PressMachine, AStepReportsEveryLookChangeAndNoOther) {
  std::mt19937 random(20261207);
  PressMachine machine(kRepeating);
  const PressPart parts[] = {kOut, kArrow, kOtherArrow, kThumb};
  for (int i = 0; i < 5000; ++i) {
    SCOPED_TRACE(i);
    DWORD before[4];
    for (int p = 0; p < 4; ++p) before[p] = PartLook(machine, parts[p], true);
    const PressPart hot = machine.Hot();
    const auto event = static_cast<E>(random() % 7);
    const PressPart part = parts[random() % 4];
    const DWORD keys = random() % 2 ? MK_LBUTTON : 0;
    const PressStep step = machine.On(event, true, part, keys);
    bool changed = false;
    for (int p = 0; p < 4; ++p) changed |= before[p] != PartLook(machine, parts[p], true);
    EXPECT_EQ(std::tuple(step.changed, step.hotBefore), std::tuple(changed, hot));
    EXPECT_EQ(machine.PushedLook(), PartLook(machine, machine.Active(), true) == COLOR_STATE_PUSH);
    EXPECT_EQ(PartLook(machine, kOut, true), COLOR_STATE_NORMAL);
  }
}

TEST(PressMachine, TheLookFollowsTheFlagsInThePolicysOrder) {
  PressMachine hoverFirst(kInside), focusFirst({PressPolicy::Click::ReleaseInside, false, true});
  for (PressMachine* m : {&hoverFirst, &focusFirst}) {
    EXPECT_EQ(ControlLook(*m, true, false), COLOR_STATE_NORMAL);
    EXPECT_EQ(ControlLook(*m, true, true), COLOR_STATE_FOCUS);
    m->On(E::Move, true, kWholePart);
    EXPECT_EQ(ControlLook(*m, true, false), COLOR_STATE_HOVER);
    m->On(E::Down, true, kWholePart);
    EXPECT_EQ(ControlLook(*m, true, true), COLOR_STATE_PUSH);
    EXPECT_EQ(ControlLook(*m, false, true), COLOR_STATE_DISABLE);
    m->On(E::Up, true, kWholePart);
  }
  EXPECT_EQ(ControlLook(hoverFirst, true, true), COLOR_STATE_HOVER);
  EXPECT_EQ(ControlLook(focusFirst, true, true), COLOR_STATE_FOCUS);
  // Focus only from a click to the next move, pushed off the part, normal after leaving.
  PressMachine face(kFace);
  const std::tuple<E, PressPart, DWORD> steps[] = {
      {E::Down, kWholePart, COLOR_STATE_PUSH},  {E::Move, kOut, COLOR_STATE_PUSH},
      {E::Move, kWholePart, COLOR_STATE_PUSH},  {E::Up, kWholePart, COLOR_STATE_FOCUS},
      {E::Tick, kWholePart, COLOR_STATE_FOCUS}, {E::Move, kWholePart, COLOR_STATE_HOVER},
      {E::Leave, kOut, COLOR_STATE_NORMAL}};
  for (const auto& [event, part, look] : steps) {
    const PressStep step = face.On(event, true, part, MK_LBUTTON);
    EXPECT_EQ(ControlLook(face, true, true), look) << int(event);
    EXPECT_EQ(step.changed, event != E::Tick) << int(event);  // the clicked look goes too
  }
}
