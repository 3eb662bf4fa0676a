// A hand replayed alone from its record, and a hand taken over by a branch or a take-back.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "flow/apply_action.h"
#include "flow/hand_branch.h"
#include "flow/hand_replay.h"
#include "flow/review_frame.h"
#include "hand_driver.h"
#include "recorded_hands.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::HandDriver;
using testing::TestGame;

// Every hand of a seeded run, replayed alone from its record, shows the live hand's frames and
// ends as it ended. 300 hands meet each part of the recorded start (first hand, places, triple
// capture, whether a pass folds) in a few dozen hands that would diverge without it.
TEST(HandReplay, EveryHandOfARunReplaysAloneFrameByFrame) {
  constexpr int kHands = 300;
  std::vector<std::vector<ReviewFrame>> liveFrames;
  FrameLog current;
  const std::vector<HandRecord> records = testing::RecordedHands(
      kHands, 20261209, 0.35, [&](const Game& g) { current.AfterStep(g, g.Record.Actions.size()); },
      [&] { liveFrames.push_back(current.Take()); });
  ASSERT_EQ(records.size(), static_cast<std::size_t>(kHands));

  int tributeHands = 0;
  int burnedHands = 0;
  HandReplay replay;
  replay.KeepFrames(true);
  for (int i = 0; i < kHands; ++i) {
    const HandRecord& record = records[static_cast<std::size_t>(i)];
    ASSERT_EQ(replay.Alone(record), "") << "hand " << i + 1;
    const std::vector<ReviewFrame>& frames = replay.Frames();
    ASSERT_EQ(frames, liveFrames[static_cast<std::size_t>(i)]) << "hand " << i + 1;
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(static_cast<long>(replay.EventLines().size()), record.Outcome.EventLines);
    if (!record.Start.FirstHand) ++tributeHands;
    for (const std::string& line : replay.EventLines())
      burnedHands += line.ends_with("确认烧牌!") ? 1 : 0;
  }
  // The run must have covered what the start state is about.
  EXPECT_GT(tributeHands, kHands / 2);
  EXPECT_GT(burnedHands, 5);
}

// A record that says it started elsewhere than it did, or was dealt other cards, does not
// replay as recorded.
TEST(HandReplay, ARecordThatWasTamperedWithDoesNotReplay) {
  const HandRecord good = testing::RecordedHands(3, 5).back();
  ASSERT_EQ(CheckHandRecord(good), "");
  HandRecord otherStart = good;
  std::swap(otherStart.Start.FinishOrder[0], otherStart.Start.FinishOrder[5]);
  HandRecord otherDeck = good;
  std::swap(otherDeck.Decks.back()[0], otherDeck.Decks.back()[1]);
  HandRecord badPlace = good;
  badPlace.Start.FinishOrder[2] = 9;
  HandRecord otherOutcome = good;
  otherOutcome.Outcome.EventHash ^= 1;
  for (const HandRecord* bad : {&otherStart, &otherDeck, &badPlace, &otherOutcome})
    EXPECT_NE(CheckHandRecord(*bad), "");
}

// The moments the live game waited for the human: the table then and the actions recorded.
struct Wait {
  std::size_t actions = 0;
  ReviewFrame frame;
  std::vector<std::string> events;
};

bool WaitsForHuman(const Game& g) {
  return HandShowing(g) && !g.Win.TmrMainCircle.Enabled && g.Flow.WaitHuman;
}

// Plays hands with the driver until `hand` (1-based) ends or it waited `maxWaits` times.
struct PlayedHand {
  std::vector<Wait> waits;
  HandRecord record;
};
PlayedHand PlayUntilHandEnds(TestGame& t, HandDriver& driver, long long hand,
                             std::size_t maxWaits = 1000) {
  PlayedHand played;
  while (driver.HandsEnded() < hand) {
    Game& g = t.game;
    if (driver.HandsEnded() == hand - 1 && WaitsForHuman(g) &&
        (played.waits.empty() || played.waits.back().actions != g.Record.Actions.size())) {
      played.waits.push_back({g.Record.Actions.size(), CaptureFrame(g), g.Win.LstDispEvent.Items});
      if (played.waits.size() == maxWaits) break;
    }
    if (!driver.Advance()) break;
  }
  played.record = t.game.Record;
  return played;
}

std::size_t DecisionBefore(const HandRecord& record, std::size_t end) {
  for (std::size_t i = end; i-- > 0;) {
    const RecordedKind kind = record.Actions[i].Kind;
    if (kind == RecordedKind::Play || kind == RecordedKind::Pass) return i;
  }
  return 0;
}

// A hand taken over from a kept moment stands where the live hand stood, plays on to the same
// end given the same decisions, and is practice, unscored.
TEST(HandBranch, ABranchedHandGoesOnAsTheLiveHandDid) {
  TestGame live(11);
  HandDriver driver(live.game, live.host);
  driver.NewGame();
  const PlayedHand hand = PlayUntilHandEnds(live, driver, 2);
  ASSERT_TRUE(hand.record.Closed) << driver.Problem();
  ASSERT_GE(hand.waits.size(), 4U);
  const Wait& middle = hand.waits[hand.waits.size() / 2];

  TestGame branched(99);
  ASSERT_EQ(BranchFromRecord(branched.game, hand.record, middle.actions, false), "");
  const Game& g = branched.game;
  EXPECT_EQ(CaptureFrame(g), middle.frame);
  EXPECT_TRUE(g.Record.Practice);
  EXPECT_EQ(g.Record.Actions.size(), middle.actions);

  HandDriver goOn(branched.game, branched.host);
  while (goOn.HandsEnded() < 1 && goOn.Advance()) {
  }
  ASSERT_EQ(goOn.Problem(), "");
  EXPECT_EQ(g.Record.Actions, hand.record.Actions);
  EXPECT_EQ(g.Record.Outcome, hand.record.Outcome);
  for (const SeatRecord& seat : g.Seats)
    EXPECT_EQ(seat.Stats, SeatRecord().Stats) << "a practice hand was scored";
  EXPECT_EQ(CheckHandRecord(g.Record), "");
}

TEST(HandBranch, AMomentTheRecordNeverReachesLeavesTheGameAlone) {
  TestGame live(3);
  HandDriver driver(live.game, live.host);
  driver.NewGame();
  const HandRecord record = PlayUntilHandEnds(live, driver, 1).record;
  TestGame other(4);
  const TurnStep before = other.game.MainCourse;
  EXPECT_NE(BranchFromRecord(other.game, record, record.Actions.size() + 5, true), "");
  EXPECT_EQ(other.game.MainCourse, before);
  EXPECT_FALSE(other.game.Storage.TakeOver.Pending);
}

// The take-back, offered only with its option, returns to the human's last decision as
// practice: the same table and events, the decision not yet recorded.
TEST(HandBranch, TheTakeBackReturnsToTheHumansLastDecision) {
  TestGame t(11);
  Game& g = t.game;
  HandDriver driver(g, t.host);
  driver.NewGame();
  const std::vector<Wait> waits = PlayUntilHandEnds(t, driver, 2, 4).waits;
  ASSERT_EQ(waits.size(), 4U) << driver.Problem();

  RunPostedActions(g);
  EXPECT_FALSE(g.Win.MnuTakeBack.Visible);
  EXPECT_NE(TakeBackLastPlay(g), "");
  g.Options.Extras.TakeBack = true;
  RunPostedActions(g);
  EXPECT_TRUE(g.Win.MnuTakeBack.Visible);
  EXPECT_TRUE(g.Win.MnuTakeBack.Enabled);
  // Neither a stopped game nor a restored hand, whose record lacks its start, takes back.
  for (bool* blocker : {&g.Stopped, &g.Record.Restored}) {
    *blocker = true;
    EXPECT_FALSE(TakeBackAvailable(g));
    *blocker = false;
  }

  const std::size_t last = DecisionBefore(g.Record, g.Record.Actions.size());
  const auto before =
      std::find_if(waits.begin(), waits.end(), [&](const Wait& w) { return w.actions == last; });
  ASSERT_NE(before, waits.end());
  MnuTakeBackClick(g);
  RunPostedActions(g);
  EXPECT_EQ(CaptureFrame(g), before->frame);
  EXPECT_EQ(g.Win.LstDispEvent.Items, before->events);
  EXPECT_EQ(g.Record.Actions.size(), last);
  EXPECT_TRUE(g.Record.Practice);
  EXPECT_TRUE(WaitsForHuman(g));
  while (driver.HandsEnded() < 2 && driver.Advance()) {
  }
  EXPECT_EQ(driver.Problem(), "");
  EXPECT_EQ(CheckHandRecord(g.Record), "");
}

}  // namespace
}  // namespace zunda
