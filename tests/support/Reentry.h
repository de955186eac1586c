// Re-entry suites: each way a user makes a control notify (a table of provocations, each row
// with a `name`), crossed with each thing its parent may do inside that notification.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <iterator>
#include <string>

namespace trellis::test {

// What the parent does inside the notification.
enum class Reaction { EndControl, EndWindow, Change };

// The parameter of a suite: a provocation row and a reaction, numbered together.
class ReentryCase : public testing::WithParamInterface<int> {
 protected:
  static int Row() { return GetParam() / 3; }
  static Reaction React() { return Reaction(GetParam() % 3); }
  // Does this case's reaction: ends the control, ends the window, or changes the control.
  static void Carry(const std::function<void()>& endControl, const std::function<void()>& endWindow,
                    const std::function<void()>& change) {
    const Reaction r = React();
    (r == Reaction::EndControl ? endControl : r == Reaction::EndWindow ? endWindow : change)();
  }
};

// Every pairing of a row of `provocations` with a reaction.
template <class Table>
auto ReentryCases(const Table& provocations) {
  return testing::Range(0, 3 * int(std::size(provocations)));
}

// Names the cases "<provocation>_<reaction>", so a failure says which pairing broke.
template <class Table>
auto ReentryCaseNames(const Table& provocations) {
  return [&provocations](const testing::TestParamInfo<int>& i) {
    static const char* const kReactions[] = {"EndControl", "EndWindow", "Change"};
    return std::string(provocations[i.param / 3].name) + "_" + kReactions[i.param % 3];
  };
}

}  // namespace trellis::test
