#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "engine_fixture.h"
#include "players/lead_choice.h"
#include "rules/burning.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::RunTicksUntil;
using testing::RunTicksUntilState;
using testing::SlotsOfRank;

// Seat 2 leads three queens; the human holds three kings, two jokers and two low singles, and
// may burn. Seat 4 holds a big joker.
class BurnFlow : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetUpRound(
        g,
        {"3xK 1xJ17 1xJ16 1x4 1x5", "3xQ 2x6", "2x3 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"},
        2);
    ASSERT_TRUE(g.Seats[1].BurnRight);
    ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ExecuteLead, 20));
    SetWholeBucket(g, 2, 12, g.TablePlay);
  }
  // Runs the lead's tick; during its burn wait the human clicks a king and says Yes.
  void BurnDuringTheWait() {
    t.host.OnDoEvents([&] {
      if (clicked || !g.Win.CmdNotSP.Visible) return;
      clicked = true;
      t.host.QueueAnswer(Host::Answer::Yes);
      Left(SlotsOfRank(g, 13)[0]);
    });
    testing::Tick(g);
    t.host.OnDoEvents(nullptr);
  }
  void Left(int slot) { Input(g, ImgHandMouseUp, slot, MouseButton::Left, 0); }
  void Right(int slot) { Input(g, ImgHandMouseUp, slot, MouseButton::Right, 0); }
  // Ticks until the turn cycle waits for the human.
  void RunToHuman() { testing::RunWhileTimed(g, 200); }

  bool clicked = false;
};

TEST_F(BurnFlow, TheBurnerJumpsTheSeatsBetweenPlaysFreeOnceThenOwesAJokerUntilAnotherSeatPlays) {
  BurnDuringTheWait();
  ASSERT_TRUE(clicked);
  EXPECT_EQ(t.host.Messages().back(), "您要烧牌吗?");
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_EQ(testing::EventLinesWith(g, "Aldor: 确认烧牌!"), 1);
  for (int seat : {3, 4, 5, 6}) {
    EXPECT_TRUE(g.Seats[seat].Passed) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorPassed) << seat;
  }
  EXPECT_FALSE(g.Seats[2].Passed);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.Win.CmdShaoHuLe.ToolTipText, "看准了,确实烧糊了再点此按钮!");

  // The burner answers at once, without a pass button.
  RunToHuman();
  ASSERT_EQ(g.MainCourse, TurnStep::HumanResponse);
  EXPECT_EQ(g.CurrentSeat, 1);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 您已经烧牌 ");
  EXPECT_FALSE(g.Win.CmdPass.Visible);

  // The first play of the burn needs no joker.
  Left(SlotsOfRank(g, 13)[0]);
  ASSERT_TRUE(g.Win.CmdSend.Visible);
  Left(SlotsOfRank(g, 13)[0]);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanAnswered);

  // The burner takes the round and leads the next one, now bound to play a joker.
  RunToHuman();
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  EXPECT_EQ(g.LeadSeat, 1);
  EXPECT_TRUE(g.Seats[1].Burned);
  EXPECT_FALSE(g.Burn.BurnBeaten);
  Left(SlotsOfRank(g, 4)[0]);
  Left(SlotsOfRank(g, 4)[0]);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "您已烧牌,要求至少有1张虎或一次发完所有牌");
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLead);
  EXPECT_EQ(g.Hand[1][4].Count, 1);

  // A small joker on the four satisfies it.
  CmdReturnClick(g);
  Right(SlotsOfRank(g, kSmallJoker)[0]);
  Right(SlotsOfRank(g, 4)[0]);
  ASSERT_TRUE(g.Win.CmdSend.Visible);
  Input(g, CmdSendClick);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLed);

  // Seat 4 answers over it with a seven and its big joker: the burn is over.
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::ApplyAnswer && g.CurrentSeat == 4; }, 50));
  testing::AnswerWith(g, 4, 8, 1, 0, 1);
  testing::Tick(g);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Burn.BurnBeaten);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_EQ(g.Burn.BurnedSeat, 0);
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 20));
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

TEST_F(BurnFlow, ALeadLeftUnburnedLeavesNoOfferForTheAnswers) {
  testing::Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::AfterLead);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_EQ(g.Burn.BurnOfferMode, 1) << "seat 3, not the human, answers next";
}

// Seat 3 answers seat 2's lead with three aces, which the human cannot beat; the human still
// burns them with a click while the turn cycle goes on.
TEST_F(BurnFlow, ABurnerWhoCannotBeatIsPassedLosesTheBurnAndTheRoundEndsWithTheTablePlayer) {
  SetWholeBucket(g, 2, 6, g.TablePlay);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::ApplyAnswer && g.CurrentSeat == 3; }, 20));
  testing::ReplaceHands(
      g, {"3xK 1xJ17 1xJ16 1x4 1x5", "3xQ", "3xA 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"});
  testing::AnswerWith(g, 3, kAce, 3);
  testing::Tick(g);
  ASSERT_EQ(g.MainCourse, TurnStep::CloseAnswer);
  ASSERT_FALSE(g.Win.CmdNotSP.Visible);

  t.host.OnDoEvents([&] {
    if (clicked || !g.Flow.InTick) return;
    clicked = true;
    t.host.QueueAnswer(Host::Answer::Yes);
    Left(SlotsOfRank(g, 13)[0]);
  });
  testing::Tick(g);
  t.host.OnDoEvents(nullptr);
  ASSERT_TRUE(g.Seats[1].Burned);

  int humanTurns = 0;
  const bool ended = RunTicksUntil(
      g,
      [&] {
        humanTurns += g.MainCourse == TurnStep::HumanResponse ? 1 : 0;
        return g.MainCourse == TurnStep::StartRound;
      },
      300);
  EXPECT_TRUE(ended) << "asked the human " << humanTurns << " times";
  EXPECT_EQ(humanTurns, 1);
  EXPECT_EQ(testing::EventLinesWith(g, "Aldor: 自动过牌"), 1);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.LeadSeat, 3);
}

// The burner takes the round and leads a lone small joker, which leaves it one joker for three
// sets: the verdict ends the round at once and the burned seat leads the next one.
TEST_F(BurnFlow, ABurnerScorchedByItsOwnLeadEndsTheRoundAndTheBurnedSeatLeads) {
  BurnDuringTheWait();
  RunToHuman();
  Left(SlotsOfRank(g, 13)[0]);
  Left(SlotsOfRank(g, 13)[0]);
  RunToHuman();
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  testing::ReplaceHands(
      g, {"1xJ17 1xJ16 1x4 1x5 1x6", "2x6", "2x3 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"});
  Left(SlotsOfRank(g, kSmallJoker)[0]);
  Left(SlotsOfRank(g, kSmallJoker)[0]);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLed);

  std::vector<TurnStep> trace;
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 20, &trace));
  EXPECT_TRUE(g.Seats[1].Scorched);
  EXPECT_EQ(std::count(trace.begin(), trace.end(), TurnStep::SetUpResponder), 0);
  EXPECT_EQ(g.LeadSeat, 2);
  EXPECT_EQ(testing::EventLinesWith(g, "被判定获得发牌权"), 1);
  EXPECT_EQ(testing::EventLinesWith(g, "的留封"), 0);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ComputerLead, 5));
  EXPECT_EQ(g.CurrentSeat, 2);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

TEST_F(BurnFlow, TheScorchedButtonPlacesTheHumanLastAndTheOthersFinishAboveIt) {
  BurnDuringTheWait();
  RunToHuman();
  Input(g, CmdShaoHuLeClick);
  EXPECT_EQ(g.Seats[1].Place, 6);
  EXPECT_EQ(g.FinishOrder[6], 1);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_EQ(testing::EventLinesWith(g, "Bersa: 被判定获得发牌权"), 1);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 20));
  EXPECT_EQ(g.LeadSeat, 2);

  // The five seats left play out singles, each leading its last cards in turn.
  testing::ReplaceHands(g, {"3xK 1xJ17 1xJ16 1x4 1x5", "1x6", "1x7", "1x8", "1x9", "1x10"});
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::EndHand, 500));
  EXPECT_EQ(testing::Order(g.FinishOrder), (std::vector<int>{2, 3, 4, 5, 6, 1}));
  EXPECT_EQ(g.Seats[6].Place, 5);
  EXPECT_EQ(g.Seats[1].Place, 6);
  EXPECT_TRUE(g.Seats[1].Scorched);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

}  // namespace
}  // namespace zunda
