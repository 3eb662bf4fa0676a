#include "program_fixture.h"
#include "window_hand_driver.h"

namespace zunda::testing {
namespace {

using ProgramWaitsTest = ProgramTest;

// The window must answer the user within 50 ms, so the engine never sleeps that long without
// letting the window's events run: its steps are paced by the main timer, and its one wait
// (the burn offer, see BurnTest) lets events run as it goes. The test host's clock is
// virtual, so this holds or fails the same on any machine, however busy; how long the
// window's thread really goes unanswered while hands play is measured by scripts/bench.
TEST_F(ProgramWaitsTest, WhileHandsPlayTheEngineNeverSleepsFiftyMsWithoutLettingEventsRun) {
  StartGame(11);
  ASSERT_EQ(PlayHandsInWindow(g(), controller(), host(), 2), "");
  EXPECT_LE(host().LongestSleepWithoutEventsMs(), 50);
}

}  // namespace
}  // namespace zunda::testing
