#include "program_fixture.h"
#include "window_hand_driver.h"

namespace zunda::testing {
namespace {

using ProgramWaitsTest = ProgramTest;

// What the engine leaves behind after some hands, and when: the event list, the hands, the
// finishing order and the engine's clock.
struct PlayedState {
  std::vector<std::string> Events;
  HandGrid Hands;
  Arr<int, 1, kSeats> FinishOrder;
  double Clock = 0;
  long long SleptMs = 0;
  bool operator==(const PlayedState&) const = default;
};

// The window must answer the user within 50 ms, so the engine never sleeps that long without
// letting the window's events run: its steps are paced by the main timer, and its one wait
// (the burn offer, see BurnTest) lets events run as it goes. The test host's clock is
// virtual, so this holds or fails the same on any machine, however busy; how long the
// window's thread really goes unanswered while hands play is measured by scripts/bench.
// Cards moving over the table are the window's alone: the engine never waits for them, so the
// same hands played with and without motion leave the same state at the same time. (The game
// runs at a brisk pace, so that the test draws few frames of the moving cards.)
TEST_F(ProgramWaitsTest, TheEngineNeverSleepsFiftyMsWithoutEventsNorWaitsForMovingCards) {
#ifdef ZUNDA_SANITIZED_BUILD
  // Every frame of the moving cards is painted under the sanitizers too, many times slower:
  // one hand there, still with plays and taken tricks.
  constexpr int kHands = 1;
#else
  constexpr int kHands = 2;
#endif
  std::vector<PlayedState> played;
  for (const bool motion : {true, false}) {
    WriteOptionFile(true);
    SetOption("GameSpeed", "DelayTimeShunPai", "0.01");
    SetOption("GameSpeed", "DelayTimeKouPai", "0.1");
    ASSERT_TRUE(Start(11));
    Table()->Motion().SetEnabled(motion);
    Menu(MenuCommand::ZundaRun);
    ASSERT_EQ(PlayHandsInWindow(g(), controller(), host(), kHands), "");
    EXPECT_LE(host().LongestSleepWithoutEventsMs(), 50);
    // The hands hold plays and taken tricks (and a tribute from the second on): with motion
    // on, cards moved.
    EXPECT_EQ(Table()->Motion().BatchesStarted() > 0, motion);
    played.push_back({g().Win.LstDispEvent.Items, g().Hand, g().FinishOrder,
                      host().SecondsSinceMidnight(), host().SleptMs()});
  }
  EXPECT_TRUE(played[0] == played[1]);
}

// The cards move at the pace of the game, and not at all when it runs too fast to follow.
TEST(CardMotionTimes, FollowThePaceOfPlayAndThePauseAfterARound) {
  const struct {
    double shun, kou;
    int play, move;
  } cases[] = {{0.005, 0.1, 0, 0}, {0.01, 0.5, 60, 300}, {0.04, 0.5, 240, 300}, {0.2, 3, 360, 480}};
  for (const auto& c : cases) {
    const MotionTimes times = CardMotionTimes(c.shun, c.kou);
    EXPECT_EQ(times.PlayMs, c.play) << c.shun;
    EXPECT_EQ(times.MoveMs, c.move) << c.kou;
  }
}

}  // namespace
}  // namespace zunda::testing
