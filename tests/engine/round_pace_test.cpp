#include "flow/round_pace.h"

#include <gtest/gtest.h>

#include "core/display.h"
#include "core/game.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

// The turn cycle has just ended a round: its next tick clears the table.
class RoundPaceTest : public testing::GameTest {
 protected:
  void SetUp() override { AtRoundEnd(); }
  void AtRoundEnd(int interval = 500) {
    g.MainCourse = TurnStep::EndRound;
    g.Flow.Running = true;
    g.Win.TmrMainCircle = Timer{true, interval};
  }
};

TEST_F(RoundPaceTest, TheDefaultsKeepTheTurnCyclesPace) {
  const Game before = g;
  ApplyRoundPace(g);
  EXPECT_EQ(g.Win, before.Win);
  EXPECT_FALSE(RoundHeld(g));
  EXPECT_FALSE(ReleaseRoundHold(g));
}

TEST_F(RoundPaceTest, AFinishedRoundStaysAtLeastTheChosenTime) {
  g.Options.Extras.RoundStayMs = 1500;
  ApplyRoundPace(g);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 1500);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  ApplyRoundPace(g);  // run after every entry point: applying it twice changes nothing more
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 1500);

  AtRoundEnd(3000);  // a longer wait of the turn cycle is kept
  ApplyRoundPace(g);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 3000);

  // Any other step keeps its interval, and so does a stopping game.
  g.MainCourse = TurnStep::AfterPlay;
  g.Win.TmrMainCircle.Interval = 20;
  ApplyRoundPace(g);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 20);
  AtRoundEnd(20);
  g.Flow.StopRequested = true;
  ApplyRoundPace(g);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 20);
}

TEST_F(RoundPaceTest, AHeldRoundWaitsForItsClickOnce) {
  g.Options.Extras.HoldLastPlay = true;
  ApplyRoundPace(g);
  EXPECT_TRUE(RoundHeld(g));
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.Win.LblPrompt.Caption, kRoundHeldPrompt);
  // Whatever re-arms the timer meanwhile, the round keeps waiting.
  g.Win.TmrMainCircle.Enabled = true;
  ApplyRoundPace(g);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);

  EXPECT_TRUE(ReleaseRoundHold(g));
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(RoundHeld(g));
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
  ApplyRoundPace(g);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled) << "a released round is not held again";

  // The next round's end is held again.
  g.MainCourse = TurnStep::StartRound;
  ApplyRoundPace(g);
  AtRoundEnd();
  ApplyRoundPace(g);
  EXPECT_TRUE(RoundHeld(g));

  // Ending the hand asks for the stop and re-arms the timer: that ends the hold.
  g.Flow.StopRequested = true;
  g.Win.TmrMainCircle = Timer{true, 1};
  ApplyRoundPace(g);
  EXPECT_FALSE(RoundHeld(g));
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
}

TEST_F(RoundPaceTest, AutoplayNeverWaitsForAClick) {
  g.Options.Extras.HoldLastPlay = true;
  g.Options.Extras.RoundStayMs = 1000;
  g.Extras.AutoplayOn = true;
  ApplyRoundPace(g);
  EXPECT_FALSE(RoundHeld(g));
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 1000) << "the stay still applies";

  // Switched on while a round is held, autoplay lets it go on.
  g.Extras = ExtrasState{};
  AtRoundEnd();
  ApplyRoundPace(g);
  ASSERT_TRUE(RoundHeld(g));
  g.Extras.AutoplayOn = true;
  ApplyRoundPace(g);
  EXPECT_FALSE(RoundHeld(g));
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
}

}  // namespace
}  // namespace zunda
