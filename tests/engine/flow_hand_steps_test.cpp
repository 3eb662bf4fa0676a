#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/turn_cycle.h"

namespace zunda {
namespace {

using testing::RunTicksUntil;
using testing::RunTicksUntilState;
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

  // Every computer seat holds one single, lower than the seat's before it, and leads it out in
  // turn, so nobody can answer; the human, holding a three, is passed each time. Seat 2 leads.
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
  // The tribute of an ordinary hand: the last two places paid the first two, places 3 and 4
  // exchanged nothing, and the human, last, paid two cards and got two back.
  EXPECT_EQ(testing::EventLinesWith(g, "Aldor 进贡牌"), 1);
  EXPECT_EQ(testing::EventLinesWith(g, "Bersa 还贡牌"), 1);
  EXPECT_EQ(testing::EventLinesWith(g, "Delis 还贡牌: (未吃贡)"), 1);
  EXPECT_EQ(testing::EventLinesWith(g, "Edrik 进贡牌: (未进贡)"), 1);
  EXPECT_EQ(g.Seats[1].CardCount, 36);
  EXPECT_EQ(g.Seats[2].CardCount, 36);
  EXPECT_FALSE(g.FirstHand);
  // The human came last and so leads the new hand; nobody else is asked anything.
  EXPECT_EQ(g.LeadSeat, 1);
  EXPECT_TRUE(g.Flow.WaitHuman);
  EXPECT_TRUE(g.Flow.LeadMode);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 请选择一手牌发出 ");
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

using TickFrame = testing::GameTest;

TEST_F(TickFrame, AMinimisedWindowOrAPausedGameIdlesTenTimesASecond) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 2);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ComputerResponse, 50));
  const TurnStep before = g.MainCourse;
  for (bool* flag : {&g.Win.Minimized, &g.Flow.Paused}) {
    *flag = true;
    for (int i = 0; i < 5; ++i) {
      Tick(g);
      EXPECT_EQ(g.MainCourse, before);
      EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
      EXPECT_EQ(g.Win.TmrMainCircle.Interval, 100);
    }
    *flag = false;
  }
  Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 20);
}

TEST_F(TickFrame, ATickWithNoStepToRunTakesTheFatalPathOnce) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 2);
  g.MainCourse = TurnStep::Idle;
  Tick(g);
  ASSERT_EQ(t.host.FatalMessages(), std::vector<std::string>{"Err:TmrMainCircle_Timer:MainCourse"});
  EXPECT_TRUE(g.Stopped);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Flow.Running);
  Tick(g);
  EXPECT_EQ(t.host.FatalMessages().size(), 1u);
}

using GameCommands = testing::GameTest;

TEST_F(GameCommands, EndingTheGameDuringAComputersTurnStopsAtTheNextTick) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 2);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::ComputerResponse && g.CurrentSeat == 4; }, 50));
  const HandGrid hands = g.Hand;
  Input(g, MnuZundaEndClick);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 1);

  Tick(g);
  EXPECT_EQ(g.Hand, hands);  // seat 4 never answered
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Win.TmrDispFCP.Enabled);
  EXPECT_TRUE(g.Win.LstDispEvent.Items.empty());
  EXPECT_FALSE(g.Win.LstDispEvent.Visible);
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
  EXPECT_TRUE(g.Win.MnuZundaRun.Enabled);
  EXPECT_FALSE(g.Win.MnuZundaEnd.Enabled);
  EXPECT_FALSE(g.Win.MnuSave.Enabled);
  EXPECT_EQ(g.Burn.BurnOfferMode, 0);
  for (int slot = 1; slot <= kHandSlots; ++slot)
    EXPECT_FALSE(g.Win.ImgHand[slot].Visible);
}

TEST_F(GameCommands, ANewGameStartsAfreshBetweenTicksAndAfterARunningTick) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 2);
  g.FirstHand = false;
  g.Seats[3].Place = 2;
  g.FinishOrder[2] = 3;
  g.Seats[4].TributeSlots[2] = g.Seats[5].ReturnSlots[1] = Card{CardCode("J17"), kBigJoker};
  g.Seats[4].TributeCount = 2;
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ComputerResponse, 50));

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
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  t.host.OnDoEvents(nullptr);
  EXPECT_TRUE(RunTicksUntilState(g, TurnStep::StartRound, 10));
  EXPECT_TRUE(g.Flow.Running);
}

TEST_F(GameCommands, CancellingTheExitQuestionLeavesARunningHandRunning) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 2);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ComputerResponse, 50));
  const TurnStep state = g.MainCourse;

  t.host.QueueAnswer(Host::Answer::Cancel);
  EXPECT_FALSE(Input(g, MnuFileExitClick));
  EXPECT_EQ(t.host.Messages().back(), "您真的要退出Zunda吗？");
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(g.Flow.Running);
  EXPECT_FALSE(g.Flow.ExitRequested);
  EXPECT_FALSE(g.Flow.StopRequested);
  EXPECT_EQ(g.MainCourse, state);
  Tick(g);
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);

  // Confirmed, the game stops at the next tick and the window closes.
  t.host.QueueAnswer(Host::Answer::Ok);
  EXPECT_TRUE(Input(g, MnuFileExitClick));
  EXPECT_FALSE(g.Win.CloseRequested);
  Tick(g);
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_TRUE(g.Win.CloseRequested);
}

TEST_F(GameCommands, EndingTheGameWhileTheHumanIsAwaitedStopsAtOnce) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 1);
  testing::RunWhileTimed(g, 50);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  Input(g, MnuZundaEndClick);
  Tick(g);
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Win.LblPrompt.Visible);
}

TEST_F(GameCommands, CancellingTheExitQuestionWhileTheHumanIsAwaitedKeepsTheTimerOff) {
  testing::SetUpRound(g, {"4x3", "2x5", "2x6", "2x7", "2x8", "2x9"}, 1);
  testing::RunWhileTimed(g, 50);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  ASSERT_FALSE(g.Win.TmrMainCircle.Enabled);
  t.host.QueueAnswer(Host::Answer::Cancel);
  EXPECT_FALSE(Input(g, MnuFileExitClick));
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(g.Flow.WaitHuman);
}

}  // namespace
}  // namespace zunda
