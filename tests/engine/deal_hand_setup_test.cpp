#include <gtest/gtest.h>

#include "deal/hand_setup.h"
#include "test_game.h"

namespace zunda {
namespace {

// Everything a finished, messy hand leaves behind.
void DirtyHand(Game& g) {
  MainWindowControls& w = g.Win;
  g.Table.TableSlotUsed[57] = true;
  g.HandStarted = false;
  w.TmrPrompt.Enabled = true;
  g.DelayTimeShunPai = 0.02;
  FlowState& f = g.Flow;
  f.Running = false;
  f.WaitHuman = f.Paused = f.RoundOver = f.HandOver = f.LeadMode = true;
  f.HumanCommitted = f.HumanPassed = f.FoldInForce = f.SkipWaitA = f.SkipWaitB = true;
  f.NextInterval = 999;
  f.ShortWait = 3;
  BurnState& b = g.Burn;
  b.BurnOfferMode = 2;
  b.BurnerSeat = 3;
  b.BurnedSeat = 4;
  b.BurnerTurnTaken = true;
  b.BurnBeaten = false;
  b.ScorchedCounter = 2;
  w.MnuSave.Enabled = w.MnuForcePause.Enabled = w.MnuZundaRun.Enabled = false;
  w.MnuZundaEnd.Enabled = false;
  for (Button* button :
       {&w.CmdPass, &w.CmdHG, &w.CmdNotSP, &w.CmdReturn, &w.CmdSend, &w.CmdShaoHuLe}) {
    button->Visible = true;
  }
  const int order[] = {2, 4, 6, 1, 3, 5};
  for (int place = 1; place <= kSeats; ++place)
    g.FinishOrder[place] = order[place - 1];
  w.LblName[3].Caption = "Corvan 头科";
  w.LblName[3].BackColor = kColorOut;
  w.LblName[3].Opaque = true;
  w.LblName[3].BorderStyle = 1;
  PlayRecord& table = g.TablePlay;
  table.Tag = 'S';
  table.Seat = 3;
  table.Total = 4;
  table.BaseRank = 9;
  table.BaseCount = 3;
  table.TwoCount = 1;
  table.SmallJokers = table.BigJokers = 1;
  g.TablePlay.BaseCodes[1] = CardCode("H09");
  g.Hand[5][12].Count = 4;
  w.ImgHand[36].Visible = true;
  for (SeatRecord& s : g.Seats) {
    s.Team = 'X';
    s.IsHuman = true;
    s.HandScore = 77;
    s.CardCount = 3;
    s.SetCount = 2;
    s.JokerCount = 5;
    s.Passed = s.Folded = s.Finished = s.BurnRight = s.Burned = s.Scorched = true;
    s.StrongHand = s.FinishMode = s.OppositeOut = s.OnTurn = true;
  }
  w.Frame1[2].ToolTipText = "";
  g.PlayedByRank[kTwo] = 6;
}

TEST(InitHand, PutsTheWholeHandBackToItsStartingState) {
  testing::TestGame t;
  Game& g = t.game;
  DirtyHand(g);
  g.Flow.StopRequested = true;  // a request from outside the hand survives
  g.Seats[2].Place = 3;         // kept for the tribute
  InitHand(g);
  const MainWindowControls& w = g.Win;

  EXPECT_EQ(w.LblPrompt.Caption, "初始化起始状态");
  EXPECT_FALSE(w.TmrPrompt.Enabled);
  EXPECT_FALSE(g.Table.TableSlotUsed[57]);
  EXPECT_TRUE(g.HandStarted);
  EXPECT_DOUBLE_EQ(g.Flow.ShortWait, 0.2);
  EXPECT_DOUBLE_EQ(g.Flow.NextInterval, 20);
  EXPECT_TRUE(g.Flow.Running);
  EXPECT_TRUE(g.Flow.StopRequested);
  for (bool flag : {g.Flow.WaitHuman, g.Flow.Paused, g.Flow.RoundOver, g.Flow.HandOver,
                    g.Flow.LeadMode, g.Flow.HumanCommitted, g.Flow.HumanPassed, g.Flow.FoldInForce,
                    g.Flow.SkipWaitA, g.Flow.SkipWaitB}) {
    EXPECT_FALSE(flag);
  }
  EXPECT_EQ(g.Burn.BurnOfferMode, 0);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_EQ(g.Burn.BurnedSeat, 0);
  EXPECT_FALSE(g.Burn.BurnerTurnTaken);
  EXPECT_TRUE(g.Burn.BurnBeaten);
  EXPECT_EQ(g.Burn.ScorchedCounter, 0);

  for (const MenuItem* m : {&w.MnuSave, &w.MnuForcePause, &w.MnuZundaRun, &w.MnuZundaEnd}) {
    EXPECT_TRUE(m->Enabled);
  }
  for (const Button* b :
       {&w.CmdPass, &w.CmdHG, &w.CmdNotSP, &w.CmdReturn, &w.CmdSend, &w.CmdShaoHuLe}) {
    EXPECT_FALSE(b->Visible);
  }

  for (int place = 1; place <= kSeats; ++place) {
    EXPECT_EQ(g.PrevFinishOrder[place], g.FinishOrder[place]);
  }
  EXPECT_EQ(g.LeadSeat, 5);  // the previous hand's last place
  EXPECT_EQ(w.LblName[3].Caption, "Corvan");
  EXPECT_EQ(w.LblName[3].BackColor, kColorNormal);
  EXPECT_FALSE(w.LblName[3].Opaque);
  EXPECT_EQ(w.LblName[3].BorderStyle, 0);

  const PlayRecord& table = g.TablePlay;
  // The tag and the codes stay; only the counts are emptied.
  EXPECT_EQ(table.Tag, 'S');
  EXPECT_EQ(table.BaseCodes[1].Str(), "H09");
  EXPECT_EQ(table.Seat + table.Total + table.BaseRank + table.BaseCount + table.TwoCount +
                table.SmallJokers + table.BigJokers,
            0);
  EXPECT_EQ(g.Hand[5][12].Count, 0);
  EXPECT_FALSE(w.ImgHand[36].Visible);
  for (int seat = 1; seat <= kSeats; ++seat) {
    const SeatRecord& s = g.Seats[seat];
    EXPECT_EQ(s.CardCount, 36);
    EXPECT_EQ(s.SetCount, 12);
    EXPECT_EQ(s.JokerCount, 0);
    EXPECT_EQ(s.HandScore, 0);
    EXPECT_EQ(s.Team, seat % 2 == 1 ? 'S' : 'N');
    EXPECT_EQ(s.IsHuman, seat == 1);
    for (bool flag : {s.Passed, s.Folded, s.Finished, s.BurnRight, s.Burned, s.Scorched,
                      s.StrongHand, s.FinishMode, s.OppositeOut, s.OnTurn}) {
      EXPECT_FALSE(flag) << seat;
    }
    EXPECT_EQ(w.Frame1[seat].ToolTipText, "该家没有出牌");
  }
  EXPECT_EQ(g.Seats[2].Place, 3);
  EXPECT_EQ(g.PlayedByRank[kTwo], 0);
}

TEST(InitHand, OffersTheLoadEntryOnlyWhileASavedHandExists) {
  testing::TestGame t;
  Game& g = t.game;
  g.Win.MnuRead = MenuItem{true, true};
  InitHand(g);  // no host layer has told us about a saved hand
  EXPECT_FALSE(g.Win.MnuRead.Visible);
  EXPECT_FALSE(g.Win.MnuRead.Enabled);

  bool saved = true;
  g.SavedHandExists = [&] { return saved; };
  InitHand(g);
  EXPECT_TRUE(g.Win.MnuRead.Visible);
  EXPECT_TRUE(g.Win.MnuRead.Enabled);
  saved = false;
  InitHand(g);
  EXPECT_FALSE(g.Win.MnuRead.Enabled);
}

TEST(NewHand, BuildsTheDeckAndHandsOverToTheDeal) {
  testing::TestGame t;
  Game& g = t.game;
  g.DelayTimeShunPai = 0.02;
  g.HandStarted = true;  // but this is the first hand: nothing to confirm
  g.MainCourse = "111_0";
  NewHand(g);
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(g.MainCourse, "111_1");
  EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 20}));
  EXPECT_TRUE(g.Flow.Running);
  EXPECT_EQ(g.Deck[1].Code.Str(), "C03");
  EXPECT_EQ(g.Deck[216].Code.Str(), "J17");
}

TEST(NewHand, AsksBeforeDealingAgainAndCancelOnlyRestartsTheTimer) {
  testing::TestGame t;
  Game& g = t.game;
  g.FirstHand = false;
  g.HandStarted = true;
  g.MainCourse = "111_0";
  g.Win.TmrMainCircle = Timer{true, 10};
  t.host.QueueAnswer(Host::Answer::Cancel);
  NewHand(g);
  ASSERT_EQ(t.host.Messages(), std::vector<std::string>{"真要重新洗牌、抓牌吗？"});
  EXPECT_EQ(g.MainCourse, "111_0");
  EXPECT_EQ(g.Win.TmrMainCircle, (Timer{true, 10}));
  EXPECT_FALSE(g.Flow.Running);
  EXPECT_TRUE(g.Deck[1].Code.IsBlank());

  t.host.QueueAnswer(Host::Answer::Ok);
  NewHand(g);
  EXPECT_EQ(t.host.Messages().size(), 2u);
  EXPECT_EQ(g.MainCourse, "111_1");
  EXPECT_TRUE(g.Flow.Running);

  g.HandStarted = false;  // a tick has passed since: no question
  NewHand(g);
  EXPECT_EQ(t.host.Messages().size(), 2u);
}

}  // namespace
}  // namespace zunda
