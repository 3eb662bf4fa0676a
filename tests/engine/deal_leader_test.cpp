#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>

#include "core/seats.h"
#include "deal/deal_cards.h"
#include "deal/hand_setup.h"
#include "deal_script.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

using testing::DealPosition;
using testing::DeckWith;

bool HasEvent(const Game& g, const std::string& line) {
  const auto& items = g.Win.LstDispEvent.Items;
  return std::find(items.begin(), items.end(), line) != items.end();
}

int EventsEndingWith(const Game& g, const std::string& tail) {
  return static_cast<int>(std::count_if(g.Win.LstDispEvent.Items.begin(),
                                        g.Win.LstDispEvent.Items.end(),
                                        [&](const std::string& s) { return s.ends_with(tail); }));
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
  const int other = firstToFour == 2 ? 5 : 2;
  return {{DealPosition(2, 1), "C03"},           {DealPosition(2, 2), "D03"},
          {DealPosition(2, 3), "H03"},           {DealPosition(5, 1), "C03"},
          {DealPosition(5, 2), "D03"},           {DealPosition(5, 3), "H03"},
          {DealPosition(firstToFour, 4), "S03"}, {DealPosition(other, 5), "S03"},
          {DealPosition(1, 6), "C03"},           {DealPosition(1, 7), "D03"},
          {DealPosition(4, 6), "C03"},           {DealPosition(4, 7), "D03"},
          {DealPosition(3, 6), "H03"},           {DealPosition(3, 7), "S03"},
          {DealPosition(6, 6), "H03"},           {DealPosition(6, 7), "S03"}};
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
  EXPECT_EQ(g.Deal.ThreesDealt[2], 3);
  EXPECT_EQ(g.Deal.ThreesDealt[3], 2);

  const PlayRecord& shown = g.Table.ShownPlay[2];
  EXPECT_EQ(shown.BaseRank, 3);
  EXPECT_EQ(shown.BaseCount, 2);
  EXPECT_EQ(shown.Total, 2);
  EXPECT_EQ(shown.TwoCount + shown.SmallJokers + shown.BigJokers, 0);
  EXPECT_EQ(shown.BaseCodes[1].Str(), "C03");
  EXPECT_EQ(shown.BaseCodes[2].Str(), "C03");
  for (int slot : {41, 42}) {
    EXPECT_TRUE(g.Win.ImgTable[slot].Visible);
    EXPECT_EQ(g.Win.ImgTable[slot].Tag, "C03");
    EXPECT_TRUE(g.Table.TableSlotUsed[slot]);
  }
  EXPECT_FALSE(g.Win.ImgTable[43].Visible);
}

TEST(DealLeader, WithoutAPairTheSeatFirstToReachTheMostThreesLeads) {
  for (int first : {5, 2}) {
    testing::TestGame t;
    Game& g = t.game;
    InitHand(g);
    g.DeckCopy = DeckWith(TieOfFourThrees(first));
    DealCards(g);
    EXPECT_EQ(g.LeadSeat, first);
    EXPECT_EQ(g.Deal.MostThrees, 4);
    EXPECT_EQ(g.Win.LblPrompt.Caption, "3都不成对，3牌最多者发牌");
    EXPECT_TRUE(HasEvent(g, g.Seats[first].Name + ": 上班"));
    EXPECT_EQ(EventsEndingWith(g, "上班"), 1);
    for (int slot = 1; slot <= kTableSlots; ++slot)
      EXPECT_FALSE(g.Win.ImgTable[slot].Visible);
  }
}

TEST(DealLeader, AfterAFinishedHandThePreviousLastPlaceLeadsWhateverTheThrees) {
  testing::TestGame t;
  Game& g = t.game;
  g.FirstHand = false;
  const int order[] = {3, 1, 5, 2, 6, 4};
  for (int place = 1; place <= kSeats; ++place)
    g.FinishOrder[place] = order[place - 1];
  InitHand(g);
  EXPECT_EQ(g.LeadSeat, 4);
  g.DeckCopy = DeckWith(PairAfterMoreThrees());
  DealCards(g);
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_EQ(EventsEndingWith(g, "上班"), 0);
  EXPECT_EQ(g.Deal.ThreesDealt[2], 0);
  EXPECT_FALSE(g.Win.ImgTable[41].Visible);
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

TEST(DealCards, TheTestPlayerThrowsInAHandWithFewerThanFourHighCards) {
  // Sorted by rank and dealt round the table, every seat gets exactly four twos and jokers.
  const DeckArray even = testing::DeckSortedByRank();
  DeckArray short1 = even;
  std::swap(short1[DealPosition(1, 33)], short1[DealPosition(2, 1)]);

  struct Case {
    std::string name;
    const DeckArray* deck;
    bool thrownIn;
  };
  for (const Case& c : {Case{"测试牌手", &even, false}, Case{"测试牌手", &short1, true},
                        Case{" 测试牌手  ", &short1, true}, Case{"Aldor", &short1, false}}) {
    testing::TestGame t;
    Game& g = t.game;
    g.Seats[1].Name = c.name;
    InitHand(g);
    g.MainCourse = TurnStep::Idle;
    g.Win.TmrMainCircle = Timer{false, 10};
    g.DeckCopy = *c.deck;
    DealCards(g);
    EXPECT_EQ(g.Flow.Running, !c.thrownIn) << c.name;
    // The deal only says so; the turn cycle deals again.
    EXPECT_EQ(g.Deal.ThrownIn, c.thrownIn) << c.name;
    EXPECT_EQ(g.MainCourse, TurnStep::Idle);
    EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  }
}

}  // namespace
}  // namespace zunda
