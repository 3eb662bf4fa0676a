#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/apply_action.h"
#include "flow/hand_storage.h"
#include "flow/turn_cycle.h"
#include "rules/burning.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::LayTable;
using testing::RunTicksUntilState;
using testing::SlotsOfRank;

// The human is to answer a pair of fives and holds a pair of sevens.
class PostedActions : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "2x7 1x4");
    ShowHand(g, 1);
    LayTable(g, 2, 5, 2);
    AwaitHuman(g);
    g.Seats[1].Name = "Aldor";
  }
  int PassLines() const { return testing::EventLinesWith(g, "Aldor: 过"); }
};

TEST_F(PostedActions, AHandlerOnlyPostsAndTheSettleAppliesIt) {
  CmdPassClick(g);
  EXPECT_EQ(g.Posted.size(), 1u);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(PassLines(), 0);

  RunPostedActions(g);
  EXPECT_TRUE(g.Posted.empty());
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(PassLines(), 1);
  ASSERT_EQ(g.Record.Actions.size(), 1u);
  EXPECT_EQ(g.Record.Actions[0].Kind, RecordedKind::Pass);
}

TEST_F(PostedActions, ASecondActionPostedBeforeTheFirstWasAppliedIsDropped) {
  // Two events in one round of the event loop: both handlers still saw the human's turn.
  const int seven = SlotsOfRank(g, 7)[0];
  ImgHandMouseUp(g, seven, MouseButton::Left, 0);
  RunPostedActions(g);
  CmdSendClick(g);
  CmdPassClick(g);
  CmdSendClick(g);
  EXPECT_EQ(g.Posted.size(), 3u);
  RunPostedActions(g);
  EXPECT_TRUE(g.Flow.HumanCommitted);
  EXPECT_EQ(g.TablePlay.BaseRank, 7);
  EXPECT_EQ(PassLines(), 0);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_EQ(g.Record.Actions.size(), 1u);
}

TEST_F(PostedActions, APlayWhoseCardsWereTakenBackBeforeItWasAppliedHandsNothingOver) {
  ImgHandMouseUp(g, SlotsOfRank(g, 7)[0], MouseButton::Left, 0);
  RunPostedActions(g);
  CmdSendClick(g);
  CmdReturnClick(g);
  RunPostedActions(g);
  EXPECT_FALSE(g.Flow.HumanCommitted);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_TRUE(g.Seats[1].OnTurn);
  EXPECT_EQ(g.Hand[1][7].Count, 2);
}

TEST_F(PostedActions, ATickWithActionsWaitingAppliesThemAndRunsNoStep) {
  CmdPassClick(g);
  const long ticks = g.Flow.TicksThisHand;
  TmrMainCircleTimer(g);
  EXPECT_TRUE(g.Posted.empty());
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_EQ(g.Flow.TicksThisHand, ticks);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
}

// A save asked for during a step's wait is applied right after the event and runs at the next
// tick, between two steps.
class ActionDuringAWait : public testing::GameTest {
 protected:
  // Posts the save at the first yield inside a tick where `when` holds.
  void PostSaveWhen(std::function<bool()> when) {
    t.host.OnDoEvents([this, when] {
      if (posted) {
        if (!seenNext) appliedByNextYield = g.Posted.empty() && g.Storage.SaveRequested;
        seenNext = true;
        return;
      }
      if (!g.Flow.InTick || !when()) return;
      posted = true;
      MnuSaveClick(g);
    });
  }
  // Seat 2 is about to lead three queens, which the human may burn.
  bool UpToABurnableLead() {
    testing::SetUpRound(
        g,
        {"3xK 1xJ17 1xJ16 1x4 1x5", "3xQ 2x6", "2x3 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"},
        2);
    return RunTicksUntilState(g, TurnStep::ExecuteLead, 20);
  }
  int SaveQuestions() const {
    int n = 0;
    for (const std::string& text : t.host.Messages())
      n += text == "是否保存当前牌局？" ? 1 : 0;
    return n;
  }
  // Runs the tick that waits, then the next one.
  void ExpectSavedOnceBetweenSteps() {
    testing::Tick(g);
    t.host.QueueAnswer(Host::Answer::No);
    EXPECT_TRUE(posted);
    EXPECT_TRUE(appliedByNextYield);
    t.host.OnDoEvents(nullptr);
    EXPECT_EQ(SaveQuestions(), 0) << "not inside the step that was waiting";
    testing::Tick(g);
    EXPECT_EQ(SaveQuestions(), 1);
    EXPECT_FALSE(g.Storage.SaveRequested);
  }

  bool posted = false;
  bool seenNext = false;
  bool appliedByNextYield = false;
};

TEST_F(ActionDuringAWait, TheDealsYields) {
  PostSaveWhen([this] { return g.Deal.Dealing; });
  Input(g, MnuZundaRunClick);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::DealHand, 5));
  ExpectSavedOnceBetweenSteps();
}

TEST_F(ActionDuringAWait, TheBurnWait) {
  ASSERT_TRUE(UpToABurnableLead());
  PostSaveWhen([this] { return g.Win.CmdNotSP.Visible; });
  ExpectSavedOnceBetweenSteps();
}

TEST_F(ActionDuringAWait, AComputerSeatsThinking) {
  testing::SetUpRound(
      g, {"3xK 1x4 1x5", "3xQ 2x6", "2x3 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"}, 2);
  // The round's first step weighs every seat's hand, yielding between ranks.
  PostSaveWhen([this] { return g.MainCourse == TurnStep::StartRound; });
  ExpectSavedOnceBetweenSteps();
}

TEST_F(ActionDuringAWait, DecliningTheBurnEndsTheWaitInsideTheSameTick) {
  ASSERT_TRUE(UpToABurnableLead());
  g.DelayTimeShaoPai = 5;
  t.host.OnDoEvents([this] {
    if (g.Win.CmdNotSP.Visible && g.Posted.empty()) DeclineBurn(g);
  });
  const double start = g.Clock();
  testing::Tick(g);
  EXPECT_LT(g.Clock() - start, 1.0) << "the five-second wait ended at the decline";
  EXPECT_TRUE(g.Posted.empty());
  EXPECT_FALSE(g.Win.CmdNotSP.Visible);
  EXPECT_NE(g.MainCourse, TurnStep::ExecuteLead);
}

}  // namespace
}  // namespace zunda
