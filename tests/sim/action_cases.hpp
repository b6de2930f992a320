#pragma once
// The rules' tests in one shape: a press's CanX and X run on a settled team
// set up by name, with chosen draws of the generator.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "month_fixture.hpp"

namespace vantoro::testing {

struct ActionCase {
  std::string setup;   // NAME=VALUE pairs on a settled team
  Draws draws;         // what the generator yields
  bool can;            // what the CanX answers
  std::string expect;  // NAME=VALUE pairs afterwards
};

// Runs each case: the Can answer, then the action, which changes nothing
// when it may not act.
template <class CanFn, class ActFn>
void RunCases(const std::vector<ActionCase>& cases, CanFn can, ActFn act) {
  for (const ActionCase& c : cases) {
    SCOPED_TRACE(c.setup);
    auto state = SettledTeam();
    Assign(*state, c.setup);
    state->Rng.Seed = SeedFor(c.draws);
    EXPECT_EQ(can(*state), c.can);
    const TeamRecord before = state->Team;
    act(*state);
    if (!c.can) {
      EXPECT_EQ(Differences(before, state->Team), "");
    }
    EXPECT_EQ(Mismatches(*state, c.expect), "");
  }
}

}  // namespace vantoro::testing
