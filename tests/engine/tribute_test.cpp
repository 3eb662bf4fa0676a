#include <gtest/gtest.h>

#include <map>
#include <tuple>

#include "engine_fixture.h"
#include "rules/hand_display.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using namespace testing;

// Every code of the four packs is held exactly four times and the counts match the buckets.
void ExpectWholeDeckHeld(const Game& g) {
  std::map<std::string, int> held;
  int total = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(g.Seats[seat].CardCount, CardsInHand(g, seat));
    total += g.Seats[seat].CardCount;
    for (const HandBucket& bucket : g.Hand[seat]) {
      for (int i = 1; i <= bucket.Count; ++i)
        ++held[bucket.Codes[i].Str()];
    }
  }
  EXPECT_EQ(total, kDeckSize);
  EXPECT_EQ(held.size(), 54u);
  for (const auto& [code, count] : held)
    EXPECT_EQ(count, 4) << code;
}

// Places 1..6 are seats 2, 3, 1, 4, 6, 5: first and last are opponents; the human is third.
class TributeTest : public GameTest {
 protected:
  void SetUp() override { DealRoundTheTable(g); }
};

TEST_F(TributeTest, NeedsTheOptionAFinishedHandAndItsWholeOrder) {
  EXPECT_FALSE(TributeDue(g)) << "first hand of a game";
  SetPreviousResult(g, {2, 3, 1, 4, 6, 5});
  EXPECT_TRUE(TributeDue(g));
  g.Options.JinGong = false;
  const HandGrid dealt = g.Hand;
  EXPECT_FALSE(RunTribute(g));
  EXPECT_TRUE(g.Hand == dealt && g.Seats[5].TributeCount == 0);
  g.Options.JinGong = true;
  g.PrevFinishOrder[4] = 2;  // seat 2 twice, seat 4 nowhere
  EXPECT_FALSE(TributeDue(g));
  g.PrevFinishOrder[4] = 4;
  g.Seats[5].Place = 4;  // the last place's seat carries another place
  EXPECT_FALSE(TributeDue(g));
  g.Seats[5].Place = 6;
  g.PrevFinishOrder[6] = 0;  // nobody in the last place
  EXPECT_FALSE(TributeDue(g));
  g.Seats[1].Place = 0;
  EXPECT_EQ(TributePartner(g, 1), 0) << "a seat without a place has no partner";
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

TEST_F(TributeTest, LastPlacesPayTheirHighestCardsAndGetLowCardsBack) {
  SetPreviousResult(g, {2, 3, 1, 4, 6, 5});
  ASSERT_TRUE(RunTribute(g));
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(g.Seats[5].TributeText, "小虎 小虎 ");
  EXPECT_EQ(g.Seats[2].TributeSlots, g.Seats[5].TributeSlots);
  EXPECT_EQ(g.Win.ImgTable[82].Tag, "J16") << "paid cards lie face up in the payer's row";
  EXPECT_TRUE(g.Win.ImgTable[82].Visible && !g.Win.ImgTable[83].Visible);

  EXPECT_FALSE(BeginReturnPhase(g)) << "the human receives nothing, so nobody is waited for";
  FinishTribute(g);
  EXPECT_FALSE(g.Tribute.InProgress);
  // Seat 5 gets a pair of threes split: seat 2 has no single low card.
  EXPECT_EQ(std::tuple(g.Hand[2][kSmallJoker].Count, g.Hand[5][3].Count, g.Hand[3][kBigJoker].Count,
                       g.Seats[6].JokerCount),
            std::tuple(2, 2, 1, 3));
  ExpectWholeDeckHeld(g);
  EXPECT_EQ(LastEvents(g, 7), (std::vector<std::string>{
                                  "",
                                  "Bersa 还贡牌: 3  3",
                                  "Corvan 还贡牌: 3",
                                  "Aldor 还贡牌: (未吃贡)",
                                  "Edrik 进贡牌: 小虎 小虎",
                                  "Fanya 进贡牌: 大虎",
                                  "Delis 进贡牌: (未进贡)",
                              }));
}

// Seats 3, 5, 1 captured the last hand; the human (third) is paid a two by seat 4.
TEST(TributeAfterTripleCapture, EveryPairExchangesOneCardAndTheHumanChoosesItsReturn) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  for (int seat : {3, 5, 1})
    GoOut(g, seat);
  g.PrevFinishOrder = g.FinishOrder;
  StartPlaying(g);  // the next hand clears the capture flag before its tribute
  DealRoundTheTable(g);

  ASSERT_TRUE(RunTribute(g));
  for (int seat = 1; seat <= 6; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, 1);
  ASSERT_TRUE(BeginReturnPhase(g));
  EXPECT_EQ(g.Win.LblPrompt.Caption, "您吃1张贡,请选择还贡的牌!");
  ShowHand(g, 1);
  ASSERT_EQ(g.Win.ImgHand[36].Tag, "C03");
  ReturnTributeClick(g, 36);
  Input(g, CmdHGClick);
  EXPECT_TRUE(g.Seats[1].ReturnDone && g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.MainCourse, TurnStep::AnnounceLeader);
  EXPECT_EQ(std::tuple(g.Hand[1][kTwo].Count, g.Hand[4][3].Count), std::tuple(5, 5));
  ExpectWholeDeckHeld(g);
  EXPECT_EQ(LastEvents(g, 6), (std::vector<std::string>{
                                  "Corvan 还贡牌: 3",
                                  "Edrik 还贡牌: 4",
                                  "Aldor 还贡牌: 3",
                                  "Fanya 进贡牌: 大虎",
                                  "Bersa 进贡牌: 钱",
                                  "Delis 进贡牌: 钱",
                              }));

  // The hand after ends normally: its tribute is no longer one card each.
  StartPlaying(g);
  for (int seat : {2, 1, 3, 4, 5})
    GoOut(g, seat);
  g.PrevFinishOrder = g.FinishOrder;
  SetTributeCounts(g);
  EXPECT_EQ(std::tuple(g.Seats[2].TributeCount, g.Seats[3].TributeCount), std::tuple(2, 0));
}

TEST_F(TributeTest, BetweenTeammatesTheHumanIsAskedAndAComputerNeverTakes) {
  // The human won, teammate seat 3 came last; seat 4 third and teammate seat 6 fourth.
  SetPreviousResult(g, {1, 2, 4, 6, 5, 3});
  t.host.QueueAnswer(Host::Answer::No);
  ASSERT_TRUE(RunTribute(g));
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"大落是联邦,是否吃贡?"});
  EXPECT_EQ(std::tuple(g.Seats[1].TributeCount, g.Seats[3].TributeCount), std::tuple(0, 0));
  EXPECT_TRUE(g.Seats[1].TributeSlots[1].Code.IsBlank());
  EXPECT_FALSE(BeginReturnPhase(g));
  FinishTribute(g);
  EXPECT_EQ(LastEvents(g, 6)[0], "Aldor 还贡牌: (未吃贡)");
  EXPECT_EQ(LastEvents(g, 6)[3], "Corvan 进贡牌: (未进贡)");
}

TEST_F(TributeTest, AComputerWinnerTakesNothingFromItsTeammate) {
  // Seat 2 won and its teammate seat 4 came last: no question, no tribute.
  SetPreviousResult(g, {2, 1, 3, 5, 6, 4});
  ASSERT_TRUE(RunTribute(g));
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(g.Seats[2].TributeCount, 0);
  EXPECT_TRUE(g.Seats[2].TributeSlots[1].Code.IsBlank());
  EXPECT_EQ(g.Seats[1].TributeSlots[1].Code.Str(), "J17") << "from seat 6, an opponent";
}

using TributeChoice = GameTest;

TEST_F(TributeChoice, PayersGoDownFromJokersAndComputersReturnLowSinglesFirst) {
  SetPreviousResult(g, {2, 1, 3, 4, 6, 5});
  GiveCards(g, 5, {"C05", "H14", "J17", "D14"});
  GiveCards(g, 2, {"C03", "D03", "C05", "D09", "C12", "S13"});
  g.Seats[5].TributeCount = g.Seats[2].TributeCount = 2;
  ChooseTributeCards(g);
  EXPECT_EQ(g.Seats[5].TributeSlots[2].Code.Str(), "H14");
  EXPECT_EQ(g.Seats[5].TributeText, "大虎  A ");

  ChooseReturnCards(g, 2);
  EXPECT_EQ(g.Seats[2].ReturnSlots[1].Code.Str(), "C05");
  EXPECT_EQ(g.Seats[5].ReturnSlots[2].Code.Str(), "D09") << "copied to the payer";
  g.Seats[2].TributeCount = 3;  // a queen never goes back: the pair of threes is split
  ChooseReturnCards(g, 2);
  EXPECT_EQ(g.Seats[2].ReturnSlots[3].Code.Str(), "C03");

  g.Hand[2] = {};
  GiveCards(g, 2, {"C03", "D03", "C11", "S13"});
  g.Seats[2].TributeCount = 1;
  ChooseReturnCards(g, 2);
  EXPECT_EQ(g.Seats[2].ReturnSlots[1].Code.Str(), "C11") << "a single jack before a pair";

  // Short of low cards: fewer go back, and the counts follow the cards.
  g.Hand[2] = {};
  GiveCards(g, 2, {"C04", "D12"});
  g.Seats[2].TributeCount = 2;
  TakeTribute(g);
  ChooseReturnCards(g, 2);
  ExchangeTribute(g);
  EXPECT_EQ(std::tuple(g.Seats[2].CardCount, g.Seats[2].JokerCount, g.Seats[5].CardCount),
            std::tuple(3, 1, 3));
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

class HumanReturn : public GameTest {
 protected:
  // The human came first and is paid two big jokers by seat 4, an opponent.
  void SetUp() override {
    SetPreviousResult(g, {1, 2, 3, 5, 6, 4});
    GiveCards(g, 1, {"C03", "H03", "D05", "S09", "C13"});
    GiveCards(g, 4, {"J17", "J17", "C04", "D06"});
    g.Seats[1].TributeCount = g.Seats[4].TributeCount = 2;
    ChooseTributeCards(g);
    TakeTribute(g);
    ASSERT_TRUE(BeginReturnPhase(g));
    ShowHand(g, 1);  // slots: C13, S09, D05, C03, H03
  }
};

TEST_F(HumanReturn, TheButtonShowsOnlyWithExactlyTheCardsOwed) {
  ReturnTributeClick(g, 1);
  EXPECT_FALSE(g.Win.CmdHG.Visible);
  ReturnTributeClick(g, 3);
  EXPECT_TRUE(g.Win.CmdHG.Visible);
  ReturnTributeClick(g, 5);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "太多了！");
  EXPECT_TRUE(g.Win.ImgHand[5].Top == kHandLowered && g.Win.CmdHG.Visible);
  ReturnTributeClick(g, 1);
  EXPECT_TRUE(g.Win.ImgHand[1].Top == kHandLowered && !g.Win.CmdHG.Visible);
  Input(g, CmdHGClick);  // hidden: nothing happens
  EXPECT_TRUE(ReturnChoiceOpen(g));
}

TEST_F(HumanReturn, TheChosenCardsThemselvesChangeHands) {
  ReturnTributeClick(g, 4);  // C03, the first three of its bucket
  ReturnTributeClick(g, 2);
  Input(g, CmdHGClick);
  EXPECT_FALSE(ReturnChoiceOpen(g) || g.Win.CmdHG.Visible || g.Win.LblPrompt.Visible);
  EXPECT_EQ(std::tuple(g.Seats[4].ReturnSlots[2].Code.Str(), g.Seats[4].ReturnSlots[2].Rank),
            std::tuple("C03", 3));
  EXPECT_EQ(std::tuple(g.Hand[1][3].Count, g.Hand[1][3].Codes[1].Str(), g.Hand[4][3].Codes[1].Str(),
                       g.Hand[1][kBigJoker].Count),
            std::tuple(1, "H03", "C03", 2));
  EXPECT_EQ(g.Win.LstDispEvent.Items[1], "Aldor 还贡牌: 9  3");
}

TEST_F(HumanReturn, APendingStopEndsTheHandWithoutAnExchange) {
  const HandGrid before = g.Hand;
  g.Flow.StopRequested = true;
  ReturnTributeClick(g, 1);
  ReturnTributeClick(g, 2);
  Input(g, CmdHGClick);
  EXPECT_EQ(std::tuple(g.MainCourse, g.Win.TmrMainCircle.Interval), std::tuple(TurnStep::Stop, 1));
  EXPECT_EQ(g.Hand, before);
}

}  // namespace
}  // namespace zunda
