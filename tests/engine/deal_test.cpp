// Dealing a hand: the new hand's state, the shuffle and the cut, the deal round the table,
// the first leader, and the loop that deals again until the deal is even.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

#include "core/cards.h"
#include "core/seats.h"
#include "deal/deal_cards.h"
#include "deal/deal_until_accepted.h"
#include "deal/hand_setup.h"
#include "deal/shuffle.h"
#include "deal_script.h"
#include "engine_fixture.h"
#include "flow/steps.h"

namespace zunda {
namespace {

using testing::DealPosition;
using testing::DeckWith;
using testing::EventLinesWith;
using testing::SequenceGame;

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
  for (MenuItem* m : {&w.MnuSave, &w.MnuForcePause, &w.MnuZundaRun, &w.MnuZundaEnd})
    m->Enabled = false;
  for (Button* b : {&w.CmdPass, &w.CmdHG, &w.CmdNotSP, &w.CmdReturn, &w.CmdSend, &w.CmdShaoHuLe})
    b->Visible = true;
  w.LblName[3] = Label{"Corvan 头科", "Corvan", "", false, kColorWhite, kColorOut, true, 1};
  g.Hand[5][12].Count = 4;
  w.ImgHand[36].Visible = true;
  w.Frame1[2].ToolTipText = "";
  g.PlayedByRank[kTwo] = 6;
  for (SeatRecord& s : g.Seats) {
    s.Team = 'X';
    s.IsHuman = true;
    s.HandScore = 77;
    s.CardCount = s.SetCount = s.JokerCount = 3;
    s.Passed = s.Folded = s.Finished = s.BurnRight = s.Burned = s.Scorched = true;
    s.StrongHand = s.FinishMode = s.OppositeOut = s.OnTurn = true;
  }
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
  EXPECT_TRUE(g.Flow == c.Flow && g.Burn == c.Burn && g.Seats == c.Seats);
  EXPECT_TRUE(g.Win == c.Win && g.Table == c.Table && g.Hand == c.Hand);
  EXPECT_TRUE(g.PlayedByRank == c.PlayedByRank && g.PrevFinishOrder == g.FinishOrder);
  // The table play is cleared; its codes stay.
  EXPECT_EQ(g.TablePlay.Total + g.TablePlay.BaseCount, 0);
  EXPECT_EQ(g.TablePlay.Tag, ' ');
  EXPECT_EQ(g.TablePlay.BaseCodes[1].Str(), "H09");

  EXPECT_EQ(c.Win.LblPrompt.Caption, "初始化起始状态");
  EXPECT_TRUE(!c.Win.TmrPrompt.Enabled && c.HandStarted && c.Flow.Running && c.Flow.StopRequested);
  EXPECT_EQ(std::tuple(c.Flow.ShortWait, c.Flow.NextInterval), std::tuple(0.2, 20.0));
  EXPECT_TRUE(c.Burn.BurnBeaten);
  EXPECT_EQ(c.LeadSeat, 5);  // the previous hand's last place
  const Label& label = c.Win.LblName[3];
  EXPECT_EQ(
      std::tuple(label.Caption, label.Visible, label.BackColor, label.Opaque, label.BorderStyle),
      std::tuple("Corvan", true, kColorNormal, false, 0));
  for (int seat = 1; seat <= kSeats; ++seat) {
    const SeatRecord& s = c.Seats[seat];
    EXPECT_EQ(std::tuple(s.CardCount, s.SetCount, s.Team, s.IsHuman, s.Place),
              std::tuple(36, 12, seat % 2 == 1 ? 'S' : 'N', seat == 1, seat));
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
  EXPECT_EQ(std::tuple(g.MainCourse, g.Win.TmrMainCircle),
            std::tuple(TurnStep::NewGame, Timer{true, 10}));
  EXPECT_TRUE(!g.Flow.Running && g.Deck[1].Code.IsBlank());

  for (bool firstHand : {false, true}) {
    g.FirstHand = firstHand;
    g.HandStarted = true;  // a first hand is never confirmed
    t.host.QueueAnswer(Host::Answer::Ok);
    steps::NewGame(g);
    EXPECT_EQ(std::tuple(g.MainCourse, g.Win.TmrMainCircle),
              std::tuple(TurnStep::DealHand, Timer{true, 20}));
    EXPECT_TRUE(g.Flow.Running);
    EXPECT_EQ(g.Deck[1].Code.Str() + g.Deck[216].Code.Str(), "C03J17");
  }
  EXPECT_EQ(t.host.Messages().size(), 2u);
}

TEST(Shuffle, ASeedGivesTheSameOrderOnEveryRun) {
  testing::TestGame a(42);
  testing::TestGame b(42);
  testing::TestGame c(43);
  int events = 0;
  a.host.OnDoEvents([&] { ++events; });
  for (Game* g : {&a.game, &b.game, &c.game}) {
    BuildDeck(g->Deck);
    ShuffleDeck(*g);
  }
  EXPECT_EQ(events, kDeckSize);
  EXPECT_EQ(a.game.Deck, a.game.DeckCopy);
  EXPECT_EQ(a.game.DeckCopy, b.game.DeckCopy);
  EXPECT_NE(a.game.DeckCopy, c.game.DeckCopy);
  // The same on every compiler and platform.
  std::string head;
  for (int i = 1; i <= 6; ++i)
    head += a.game.DeckCopy[i].Code.Str();
  EXPECT_EQ(head, "C03H05J16H05H05D09");
}

TEST(Shuffle, WrongCountsOfHighCardsStopTheGameWithTheCounts) {
  testing::TestGame t;
  Game& g = t.game;
  BuildDeck(g.Deck);
  ASSERT_EQ(g.Deck[13].Rank, kTwo);
  g.Deck[13] = g.Deck[54];  // a two becomes a fifth big joker
  g.Guard([&] { ShuffleDeck(g); });
  EXPECT_EQ(
      t.host.FatalMessages(),
      std::vector<std::string>{"Err:随机数产生错误,请将此现象通知作者,谢谢!大虎:5 小虎:4 小两:15"});
  EXPECT_TRUE(g.Stopped);
}

// Seat 2 holds three threes of different suits before seat 3 completes a pair of clubs.
std::map<int, std::string> PairAfterMoreThrees() {
  return {{DealPosition(2, 1), "D03"},
          {DealPosition(2, 2), "H03"},
          {DealPosition(2, 3), "S03"},
          {DealPosition(3, 1), "C03"},
          {DealPosition(3, 4), "C03"}};
}

// All sixteen threes, no seat with two of one suit; seats 2 and 5 end with four each.
std::map<int, std::string> TieOfFourThrees(int firstToFour) {
  std::map<int, std::string> deck;
  for (int seat : {2, 5}) {
    deck[DealPosition(seat, 1)] = "C03";
    deck[DealPosition(seat, 2)] = "D03";
    deck[DealPosition(seat, 3)] = "H03";
    deck[DealPosition(seat, firstToFour == seat ? 4 : 5)] = "S03";
  }
  for (const auto& [seat, a, b] :
       {std::tuple{1, "C03", "D03"}, {4, "C03", "D03"}, {3, "H03", "S03"}, {6, "H03", "S03"}}) {
    deck[DealPosition(seat, 6)] = a;
    deck[DealPosition(seat, 7)] = b;
  }
  return deck;
}

TEST(DealLeader, APairOfThreesOfOneSuitLeadsEvenAgainstMoreThrees) {
  testing::TestGame t;
  Game& g = t.game;
  InitHand(g);
  g.DeckCopy = DeckWith(PairAfterMoreThrees());
  DealCards(g);

  EXPECT_EQ(g.LeadSeat, 3);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "Corvan上班");
  EXPECT_EQ(g.Win.LstDispEvent.Items, std::vector<std::string>{"Corvan: 上班"});
  // No threes are counted once the pair has made the leader.
  EXPECT_EQ(std::tuple(g.Deal.ThreesDealt[2], g.Deal.ThreesDealt[3]), std::tuple(3, 2));

  const PlayRecord& shown = g.Table.ShownPlay[2];
  EXPECT_EQ(testing::Shape(shown), "3:2/0/0/0");
  EXPECT_EQ(shown.BaseCodes[1].Str() + shown.BaseCodes[2].Str(), "C03C03");
  for (int slot : {41, 42})
    EXPECT_TRUE(g.Win.ImgTable[slot].Visible && g.Win.ImgTable[slot].Tag == "C03" &&
                g.Table.TableSlotUsed[slot]);
  EXPECT_FALSE(g.Win.ImgTable[43].Visible);
}

TEST(DealLeader, WithoutAPairTheSeatFirstToReachTheMostThreesLeads) {
  for (int first : {5, 2}) {
    testing::TestGame t;
    Game& g = t.game;
    InitHand(g);
    g.DeckCopy = DeckWith(TieOfFourThrees(first));
    DealCards(g);
    EXPECT_EQ(std::tuple(g.LeadSeat, g.Deal.MostThrees), std::tuple(first, 4));
    EXPECT_EQ(g.Win.LblPrompt.Caption, "3都不成对，3牌最多者发牌");
    EXPECT_EQ(g.Win.LstDispEvent.Items, std::vector<std::string>{g.Seats[first].Name + ": 上班"});
    for (int slot = 1; slot <= kTableSlots; ++slot)
      EXPECT_FALSE(g.Win.ImgTable[slot].Visible);
  }
}

TEST(DealCards, DealsRoundTheTableFromSeatOneIntoFreshBuckets) {
  testing::TestGame t(9);
  Game& g = t.game;
  InitHand(g);
  // Leftovers of an earlier hand must not survive the deal.
  g.Hand[4][9].Count = 7;
  g.Hand[4][9].Codes[20] = CardCode("H09");
  g.Hand[2][kTwo].Rank = kTwo;
  g.DeckCopy = DeckWith({});
  int events = 0;
  t.host.OnDoEvents([&] { ++events; });
  DealCards(g);
  EXPECT_EQ(events, kDeckSize);

  HandGrid expected;
  for (int n = 1; n <= kDeckSize; ++n) {
    const Card& card = g.DeckCopy[n];
    HandBucket& bucket = expected[(n - 1) % 6 + 1][card.Rank];
    bucket.Codes[++bucket.Count] = card.Code;
    bucket.Rank = card.Rank;
  }
  EXPECT_EQ(g.Hand, expected);
  EXPECT_EQ(g.DealtHand, g.Hand);
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(CardsInHand(g, seat), 36);
    EXPECT_EQ(g.Seats[seat].JokerCount,
              g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count);
    EXPECT_FALSE(g.Seats[seat].BurnRight);
  }
}

// Every seat gets a run of about two ranks: far too many short buckets. Seat 1 is dealt the
// first five threes, so a pair of clubs makes it the leader.
DeckArray UnevenDeal() {
  const DeckArray sorted = testing::DeckSortedByRank();
  DeckArray deck;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int round = 1; round <= 36; ++round)
      deck[DealPosition(seat, round)] = sorted[36 * (seat - 1) + round];
  }
  return deck;
}

// The sorted deck dealt round the table from seat 4: two or three of every rank to every
// seat, and the first pair of threes goes to seat 4.
DeckArray EvenDealWithPairForSeatFour() {
  const DeckArray sorted = testing::DeckSortedByRank();
  DeckArray deck;
  for (int i = 1; i <= kDeckSize; ++i)
    deck[(i + 2) % kDeckSize + 1] = sorted[i];
  return deck;
}

// A hand whose first deal is uneven and whose second is even.
struct TwoDeals {
  explicit TwoDeals(bool firstHand) {
    Game& g = t.game;
    if (!firstHand) {
      g.FirstHand = false;
      for (int place = 1; place <= kSeats; ++place)
        g.FinishOrder[place] = 7 - place;
    }
    InitHand(g);
    BuildDeck(g.Deck);
    testing::QueueDealOf(t.host, g.Deck, UnevenDeal());
    testing::QueueDealOf(t.host, UnevenDeal(), EvenDealWithPairForSeatFour());
    queued = static_cast<int>(t.host.Pending());
  }
  SequenceGame t;
  int queued = 0;
};

TEST(DealLoop, AnUnevenDealIsDealtAgainAndTheFirstLeaderStays) {
  // On a later hand the previous last place, seat 1 here, leads and nothing is announced.
  for (bool firstHand : {true, false}) {
    TwoDeals d(firstHand);
    Game& g = d.t.game;
    ASSERT_TRUE(DealUntilAccepted(g));

    EXPECT_EQ(d.t.host.Draws(), d.queued);
    EXPECT_EQ(g.DeckCopy, EvenDealWithPairForSeatFour());
    EXPECT_EQ(std::tuple(g.Deal.ShortBuckets, g.LeadSeat), std::tuple(0, 1));
    EXPECT_EQ(EventLinesWith(g, "裁  判: 洗牌不匀,重新洗牌、抓牌"), firstHand ? 1 : 0);
    EXPECT_EQ(EventLinesWith(g, "Aldor: 好吧\n"), firstHand ? 1 : 0);
    EXPECT_EQ(EventLinesWith(g, "Delis: 上班"), 0);
    // The leader took its pair of threes back before the second deal.
    EXPECT_FALSE(g.Win.ImgTable[1].Visible || g.Table.TableSlotUsed[2] || g.Win.LblPrompt.Visible);
    EXPECT_EQ(g.PlayedByRank[3], 0);
  }
}

TEST(DealLoop, AThrownInHandEndsTheLoopWithoutAcceptingTheDeal) {
  SequenceGame t;
  Game& g = t.game;
  g.Seats[1].Name = "测试牌手";
  InitHand(g);
  BuildDeck(g.Deck);
  DeckArray deck = EvenDealWithPairForSeatFour();
  // Seat 1 gives one of its four twos and jokers to seat 2.
  std::swap(deck[DealPosition(1, 35)], deck[DealPosition(2, 2)]);
  testing::QueueDealOf(t.host, g.Deck, deck);
  EXPECT_FALSE(DealUntilAccepted(g));
  EXPECT_EQ(t.host.Pending(), 0u);
  EXPECT_TRUE(g.Deal.ThrownIn);
  // The leader's pair of threes is on the table and counted as played.
  EXPECT_EQ(g.PlayedByRank[3], 2);
}

TEST(DealLoop, ALaterHandWithoutALastPlaceStopsInsteadOfDealingForEver) {
  SequenceGame t;
  Game& g = t.game;
  g.FirstHand = false;  // but no finishing order was recorded
  InitHand(g);
  BuildDeck(g.Deck);
  g.Guard([&] { DealUntilAccepted(g); });
  EXPECT_EQ(t.host.FatalMessages(), std::vector<std::string>{"Err:发牌方座次错误,LeadSeat=0"});
  EXPECT_LE(t.host.Draws(), kDeckSize + 5);
}

TEST(UnevenDeal, MoreThanFifteenShortBucketsOfThreesToAcesOrNoLeaderIsRejected) {
  SequenceGame t;
  Game& g = t.game;
  g.LeadSeat = 2;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank)
      g.Hand[seat][rank].Count = rank <= kAce ? 2 : 0;  // twos and jokers do not count
  }
  int shortened = 0;
  for (int seat = 1; seat <= kSeats && shortened < 15; ++seat) {
    for (int rank = kLowRank; rank <= kAce && shortened < 15; ++rank, ++shortened)
      g.Hand[seat][rank].Count = shortened % 2;
  }
  EXPECT_FALSE(IsUnevenDeal(g));
  EXPECT_EQ(std::tuple(g.Deal.ShortBuckets, g.Win.LblPrompt.Caption), std::tuple(15, "重新洗牌"));
  g.Hand[6][kAce].Count = 1;
  EXPECT_TRUE(IsUnevenDeal(g));
  EXPECT_EQ(g.Deal.ShortBuckets, 16);
  g.Hand[6][kAce].Count = 2;
  for (int leader : {0, 7}) {
    g.LeadSeat = leader;
    EXPECT_TRUE(IsUnevenDeal(g)) << leader;
  }
}

}  // namespace
}  // namespace zunda
