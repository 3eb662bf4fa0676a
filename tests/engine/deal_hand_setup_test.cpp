#include <gtest/gtest.h>

#include "deal/hand_setup.h"
#include "engine_fixture.h"
#include "flow/steps.h"

namespace zunda {
namespace {

// Leaves behind, in everything a new hand resets, what a finished hand might.
void DirtyHand(Game& g) {
  MainWindowControls& w = g.Win;
  g.Table.TableSlotUsed[57] = true;
  g.HandStarted = false;
  FlowState& f = g.Flow;
  f.Running = false;
  f.WaitHuman = f.Paused = f.RoundOver = f.HandOver = f.LeadMode = f.HumanCommitted = true;
  f.HumanPassed = f.FoldInForce = f.SkipWaitA = f.SkipWaitB = true;
  f.NextInterval = 999;
  f.ShortWait = 3;
  g.Burn = BurnState{};
  g.Burn.BurnOfferMode = g.Burn.BurnerSeat = g.Burn.BurnedSeat = g.Burn.ScorchedCounter = 2;
  g.Burn.BurnerTurnTaken = true;
  g.Burn.BurnBeaten = false;
  for (MenuItem* m : {&w.MnuSave, &w.MnuForcePause, &w.MnuZundaRun, &w.MnuZundaEnd}) {
    m->Enabled = false;
  }
  for (Button* b : {&w.CmdPass, &w.CmdHG, &w.CmdNotSP, &w.CmdReturn, &w.CmdSend, &w.CmdShaoHuLe}) {
    b->Visible = true;
  }
  w.LblName[3] = Label{"Corvan 头科", "Corvan", "", false, kColorWhite, kColorOut, true, 1};
  g.Hand[5][12].Count = 4;
  w.ImgHand[36].Visible = true;
  for (SeatRecord& s : g.Seats) {
    s.Team = 'X';
    s.IsHuman = true;
    s.HandScore = 77;
    s.CardCount = s.SetCount = s.JokerCount = 3;
    s.Passed = s.Folded = s.Finished = s.BurnRight = s.Burned = s.Scorched = true;
    s.StrongHand = s.FinishMode = s.OppositeOut = s.OnTurn = true;
  }
  w.Frame1[2].ToolTipText = "";
  g.PlayedByRank[kTwo] = 6;
}

TEST(InitHand, PutsTheWholeHandBackToItsStartingState) {
  testing::TestGame clean;
  testing::TestGame dirty;
  Game& g = dirty.game;
  DirtyHand(g);
  g.Flow.StopRequested = clean.game.Flow.StopRequested = true;  // a request from outside
  const int order[] = {2, 4, 6, 1, 3, 5};
  for (int place = 1; place <= kSeats; ++place) {
    g.FinishOrder[place] = clean.game.FinishOrder[place] = order[place - 1];
    g.Seats[place].Place = clean.game.Seats[place].Place = place;  // kept for the tribute
  }
  g.TablePlay.Tag = 'S';
  g.TablePlay.Total = g.TablePlay.BaseCount = 3;
  g.TablePlay.BaseCodes[1] = CardCode("H09");
  for (Game* game : {&clean.game, &g}) {
    game->DelayTimeShunPai = 0.02;
    InitHand(*game);
  }

  const Game& c = clean.game;
  EXPECT_EQ(g.Flow, c.Flow);
  EXPECT_EQ(g.Burn, c.Burn);
  EXPECT_EQ(g.Seats, c.Seats);
  EXPECT_EQ(g.Win, c.Win);
  EXPECT_EQ(g.Table, c.Table);
  EXPECT_EQ(g.Hand, c.Hand);
  EXPECT_EQ(g.PlayedByRank, c.PlayedByRank);
  EXPECT_EQ(g.PrevFinishOrder, g.FinishOrder);
  // The table play is cleared; its codes stay.
  EXPECT_EQ(g.TablePlay.Total + g.TablePlay.BaseCount, 0);
  EXPECT_EQ(g.TablePlay.Tag, ' ');
  EXPECT_EQ(g.TablePlay.BaseCodes[1].Str(), "H09");

  EXPECT_EQ(c.Win.LblPrompt.Caption, "初始化起始状态");
  EXPECT_FALSE(c.Win.TmrPrompt.Enabled);
  EXPECT_TRUE(c.HandStarted);
  EXPECT_TRUE(c.Flow.Running);
  EXPECT_TRUE(c.Flow.StopRequested);
  EXPECT_DOUBLE_EQ(c.Flow.ShortWait, 0.2);
  EXPECT_DOUBLE_EQ(c.Flow.NextInterval, 20);
  EXPECT_TRUE(c.Burn.BurnBeaten);
  EXPECT_EQ(c.LeadSeat, 5);  // the previous hand's last place
  EXPECT_EQ(c.Win.LblName[3].Caption, "Corvan");
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(c.Seats[seat].CardCount, 36);
    EXPECT_EQ(c.Seats[seat].SetCount, 12);
    EXPECT_EQ(c.Seats[seat].Team, seat % 2 == 1 ? 'S' : 'N');
    EXPECT_EQ(c.Seats[seat].IsHuman, seat == 1);
    EXPECT_EQ(c.Seats[seat].Place, seat);
    EXPECT_EQ(c.Win.Frame1[seat].ToolTipText, "该家没有出牌");
  }
}

TEST(InitHand, OffersTheLoadEntryOnlyWhileASavedHandExists) {
  testing::TestGame t;
  Game& g = t.game;
  g.Win.MnuRead = MenuItem{true, true};
  InitHand(g);  // no host layer has told us about a saved hand
  EXPECT_FALSE(g.Win.MnuRead.Visible || g.Win.MnuRead.Enabled);
  bool saved = true;
  g.SavedHandExists = [&] { return saved; };
  InitHand(g);
  EXPECT_TRUE(g.Win.MnuRead.Visible && g.Win.MnuRead.Enabled);
  saved = false;
  InitHand(g);
  EXPECT_FALSE(g.Win.MnuRead.Visible || g.Win.MnuRead.Enabled);
}

using NewHandTest = testing::GameTest;

TEST_F(NewHandTest, AsksOnlyWhenAHandIsBeingDealtAgainAndCancelOnlyRestartsTheTimer) {
  g.DelayTimeShunPai = 0.02;
  g.FirstHand = false;
  g.HandStarted = true;
  g.MainCourse = TurnStep::NewGame;
  t.host.QueueAnswer(Host::Answer::Cancel);
  steps::NewGame(g);
  ASSERT_EQ(t.host.Messages(), std::vector<std::string>{"真要重新洗牌、抓牌吗？"});
  EXPECT_EQ(g.MainCourse, TurnStep::NewGame);
  EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 10}));
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_TRUE(g.Deck[1].Code.IsBlank());

  for (bool firstHand : {false, true}) {
    g.FirstHand = firstHand;
    g.HandStarted = true;  // a first hand is never confirmed
    t.host.QueueAnswer(Host::Answer::Ok);
    steps::NewGame(g);
    EXPECT_EQ(g.MainCourse, TurnStep::DealHand);
    EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 20}));
    EXPECT_TRUE(g.Flow.Running);
    EXPECT_EQ(g.Deck[1].Code.Str(), "C03");
    EXPECT_EQ(g.Deck[216].Code.Str(), "J17");
  }
  EXPECT_EQ(t.host.Messages().size(), 2u);
}

}  // namespace
}  // namespace zunda
