// Whole hands through the turn cycle: the steps from a new game to the next deal, the
// commands that stop or restart it, going out and the tribute, and a burn played out.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "flow/turn_cycle.h"
#include "players/lead_choice.h"
#include "rules/burning.h"
#include "rules/human_input.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using testing::RunTicksUntil;
using testing::RunTicksUntilState;
using testing::SlotsOfRank;
using testing::Tick;

// The index of the first occurrence of `state` at or after `from`, or -1.
int Find(const std::vector<TurnStep>& trace, TurnStep state, std::size_t from = 0) {
  for (std::size_t i = from; i < trace.size(); ++i) {
    if (trace[i] == state) return static_cast<int>(i);
  }
  return -1;
}

using HandSteps = testing::GameTest;

TEST_F(HandSteps, AHandRunsFromTheNewGameThroughItsRoundsToTheNextDealWithoutACommand) {
  std::vector<TurnStep> trace;
  Input(g, MnuZundaRunClick);
  ASSERT_EQ(g.MainCourse, TurnStep::NewGame);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 20, &trace));
  EXPECT_EQ(trace, (std::vector<TurnStep>{TurnStep::NewGame, TurnStep::DealHand, TurnStep::Tribute,
                                          TurnStep::AnnounceLeader}));
  EXPECT_TRUE(g.Flow.Running);
  EXPECT_TRUE(g.FirstHand);

  // Each computer seat leads out one single lower than the last; the human's three is passed.
  testing::ReplaceHands(g, {"1x3", "1x9", "1x8", "1x7", "1x6", "1x5"});
  g.LeadSeat = 2;
  trace.clear();
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::HumanLead && !g.Win.TmrMainCircle.Enabled; }, 2000,
      &trace));

  // The first round: a computer lead, then the answers in seat order.
  const std::vector<TurnStep> opening = {TurnStep::StartRound,     TurnStep::SetUpLead,
                                         TurnStep::ComputerLead,   TurnStep::ExecuteLead,
                                         TurnStep::AfterLead,      TurnStep::AfterPlay,
                                         TurnStep::SetUpResponder, TurnStep::ComputerResponse,
                                         TurnStep::ApplyAnswer,    TurnStep::CloseAnswer};
  EXPECT_TRUE(std::equal(opening.begin(), opening.end(), trace.begin()))
      << ::testing::PrintToString(trace);
  // The human's answers are automatic passes.
  const int human = Find(trace, TurnStep::HumanResponse);
  ASSERT_GE(human, 0);
  EXPECT_EQ(trace[static_cast<std::size_t>(human) + 1], TurnStep::HumanAnswered);
  EXPECT_EQ(trace[static_cast<std::size_t>(human) + 2], TurnStep::ApplyAnswer);
  EXPECT_GE(testing::EventLinesWith(g, "自动过牌"), 1);

  // The hand ends and the next one is dealt, with tribute, up to the human's lead.
  const int end = Find(trace, TurnStep::EndHand);
  ASSERT_GE(end, 1);
  EXPECT_EQ(trace[static_cast<std::size_t>(end) - 1], TurnStep::EndRound);
  const std::vector<TurnStep> nextHand = {
      TurnStep::EndHand,        TurnStep::DealHand,   TurnStep::Tribute,  TurnStep::ReturnTribute,
      TurnStep::AnnounceLeader, TurnStep::StartRound, TurnStep::SetUpLead};
  EXPECT_TRUE(std::equal(nextHand.begin(), nextHand.end(), trace.begin() + end))
      << ::testing::PrintToString(trace);
  EXPECT_EQ(trace.back(), TurnStep::HumanLead);
  EXPECT_EQ(Find(trace, TurnStep::Stop), -1);

  EXPECT_EQ(testing::Order(g.PrevFinishOrder), (std::vector<int>{2, 3, 4, 5, 6, 1}));
  EXPECT_FALSE(g.FirstHand);
  // The human came last and so leads the new hand, once it has paid its tribute.
  EXPECT_EQ(testing::EventLinesWith(g, "Aldor 进贡牌"), 1);
  EXPECT_EQ(g.LeadSeat, 1);
  EXPECT_TRUE(g.Flow.WaitHuman && g.Flow.LeadMode);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

// A round in progress, with seat 2 (or the human) to lead.
struct GameCommands : testing::GameTest {
  void Start(int leader = 2) {
    testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, leader);
    if (leader == 1) {
      testing::RunWhileTimed(g, 50);
      ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
    } else {
      ASSERT_TRUE(RunTicksUntil(
          g, [&] { return g.MainCourse == TurnStep::ComputerResponse && g.CurrentSeat == 3; }, 50));
    }
  }
};

TEST_F(GameCommands, AMinimisedWindowOrAPausedGameIdlesTenTimesASecond) {
  Start();
  for (bool* flag : {&g.Win.Minimized, &g.Flow.Paused}) {
    *flag = true;
    for (int i = 0; i < 3; ++i) {
      Tick(g);
      EXPECT_EQ(g.MainCourse, TurnStep::ComputerResponse);
      EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 100}));
    }
    *flag = false;
  }
  Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 20);
}

TEST_F(GameCommands, ATickWithNoStepToRunTakesTheFatalPathOnce) {
  Start();
  g.MainCourse = TurnStep::Idle;
  Tick(g);
  ASSERT_EQ(t.host.FatalMessages(), std::vector<std::string>{"Err:TmrMainCircle_Timer:MainCourse"});
  EXPECT_TRUE(g.Stopped);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled || g.Flow.Running);
  Tick(g);
  EXPECT_EQ(t.host.FatalMessages().size(), 1u);
}

TEST_F(GameCommands, EndingTheGameDuringAComputersTurnStopsAtTheNextTick) {
  Start();
  const HandGrid hands = g.Hand;
  Input(g, MnuZundaEndClick);
  EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 1}));
  Tick(g);
  EXPECT_EQ(g.Hand, hands);  // seat 3 never answered
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(g.Win.LstDispEvent.Items.empty());
  EXPECT_TRUE(g.Win.MnuZundaRun.Enabled);
  EXPECT_FALSE(g.Win.MnuZundaEnd.Enabled || g.Win.MnuSave.Enabled);
  EXPECT_FALSE(g.Win.ImgHand[1].Visible);
}

TEST_F(GameCommands, ANewGameStartsAfreshBetweenTicksAndAfterARunningTick) {
  Start();
  g.FirstHand = false;
  g.Seats[3].Place = 2;
  g.FinishOrder[2] = 3;
  g.Seats[4].TributeSlots[2] = g.Seats[5].ReturnSlots[1] = Card{CardCode("J17"), kBigJoker};
  g.Seats[4].TributeCount = 2;
  Input(g, MnuZundaRunClick);
  EXPECT_EQ(g.MainCourse, TurnStep::NewGame);
  EXPECT_TRUE(g.FirstHand);
  EXPECT_EQ(g.Seats[3].Place, 0);
  EXPECT_EQ(g.FinishOrder[2], 0);
  EXPECT_EQ(g.Seats[4].TributeSlots[2], Card{});
  EXPECT_EQ(g.Seats[5].ReturnSlots[1], Card{});
  EXPECT_EQ(g.Seats[4].TributeCount, 0);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 1);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 10));

  // Chosen while a tick lets events run: that tick ends first, then the new game begins.
  bool clicked = false;
  t.host.OnDoEvents([&] {
    if (!clicked && g.Flow.InTick) {
      clicked = true;
      Input(g, MnuZundaRunClick);
      EXPECT_NE(g.MainCourse, TurnStep::NewGame);
    }
  });
  Tick(g);
  ASSERT_TRUE(clicked);
  EXPECT_EQ(g.MainCourse, TurnStep::NewGame);
  EXPECT_FALSE(g.Flow.StopRequested);
  t.host.OnDoEvents(nullptr);
  EXPECT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 10));
  EXPECT_TRUE(g.Flow.Running);
}

TEST_F(GameCommands, TheExitQuestionCancelledLeavesTheHandRunningAndConfirmedClosesTheWindow) {
  Start();
  t.host.QueueAnswer(Host::Answer::Cancel);
  EXPECT_FALSE(Input(g, MnuFileExitClick));
  EXPECT_EQ(t.host.Messages().back(), "您真的要退出Zunda吗？");
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled && g.Flow.Running);
  EXPECT_FALSE(g.Flow.ExitRequested || g.Flow.StopRequested);
  Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);

  t.host.QueueAnswer(Host::Answer::Ok);
  EXPECT_TRUE(Input(g, MnuFileExitClick));
  EXPECT_FALSE(g.Win.CloseRequested);
  Tick(g);
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_TRUE(g.Win.CloseRequested);
}

TEST_F(GameCommands, WhileTheHumanIsAwaitedTheTimerStaysOffAndEndingStopsAtOnce) {
  Start(1);
  t.host.QueueAnswer(Host::Answer::Cancel);
  EXPECT_FALSE(Input(g, MnuFileExitClick));
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(g.Flow.WaitHuman);
  Input(g, MnuZundaEndClick);
  Tick(g);
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
}

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
  void Left(int slot) { testing::Click(g, slot); }
  void Right(int slot) { testing::Click(g, slot, MouseButton::Right); }
  void RunToHuman() { testing::RunWhileTimed(g, 200); }

  bool clicked = false;
};

TEST_F(BurnFlow, TheBurnerJumpsTheSeatsBetweenPlaysFreeOnceThenOwesAJokerUntilAnotherSeatPlays) {
  BurnDuringTheWait();
  ASSERT_TRUE(clicked);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  for (int seat : {3, 4, 5, 6})
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorPassed) << seat;
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

  // The burner takes the round and leads the next one with a small joker on a four.
  RunToHuman();
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  EXPECT_EQ(g.LeadSeat, 1);
  EXPECT_TRUE(g.Seats[1].Burned);
  EXPECT_FALSE(g.Burn.BurnBeaten);
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
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 20));
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_TRUE(t.host.FatalMessages().empty());
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

}  // namespace
}  // namespace zunda
