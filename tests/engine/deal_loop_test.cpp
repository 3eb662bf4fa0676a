#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "core/seats.h"
#include "deal/deal_cards.h"
#include "deal/deal_until_accepted.h"
#include "deal/hand_setup.h"
#include "deal_script.h"

namespace zunda {
namespace {

using testing::DealPosition;
using testing::SequenceGame;

int CountEvents(const Game& g, const std::string& line) {
  const auto& items = g.Win.LstDispEvent.Items;
  return static_cast<int>(std::count(items.begin(), items.end(), line));
}

// Every seat gets a run of about two ranks: far too many short buckets. Seat 1 is dealt the
// first five threes, so a pair of clubs makes it the leader.
DeckArray UnevenDeal() {
  const DeckArray sorted = testing::DeckSortedByRank();
  DeckArray deck;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int round = 1; round <= 36; ++round) {
      deck[DealPosition(seat, round)] = sorted[36 * (seat - 1) + round];
    }
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
    EXPECT_EQ(g.Deal.ShortBuckets, 0);
    EXPECT_EQ(g.LeadSeat, 1);
    EXPECT_EQ(CountEvents(g, "裁  判: 洗牌不匀,重新洗牌、抓牌"), firstHand ? 1 : 0);
    EXPECT_EQ(CountEvents(g, "Aldor: 好吧\n"), firstHand ? 1 : 0);
    EXPECT_EQ(CountEvents(g, "Delis: 上班"), 0);
    // The leader took its pair of threes back before the second deal.
    EXPECT_FALSE(g.Win.ImgTable[1].Visible || g.Table.TableSlotUsed[2]);
    EXPECT_EQ(g.Win.LblPrompt.Caption, "");
    EXPECT_FALSE(g.Win.LblPrompt.Visible);
    for (int rank = kLowRank; rank <= kBigJoker; ++rank)
      EXPECT_EQ(g.PlayedByRank[rank], 0);
    for (int seat = 1; seat <= kSeats; ++seat)
      EXPECT_EQ(CardsInHand(g, seat), 36);
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
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_EQ(t.host.FatalMessages()[0], "Err:发牌方座次错误,LeadSeat=0");
  EXPECT_LE(t.host.Draws(), kDeckSize + 5);
}

TEST(UnevenDeal, MoreThanFifteenShortBucketsOfThreesToAcesOrNoLeaderIsRejected) {
  SequenceGame t;
  Game& g = t.game;
  g.LeadSeat = 2;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      g.Hand[seat][rank].Count = rank <= kAce ? 2 : 0;  // twos and jokers do not count
    }
  }
  int shortened = 0;
  for (int seat = 1; seat <= kSeats && shortened < 15; ++seat) {
    for (int rank = kLowRank; rank <= kAce && shortened < 15; ++rank, ++shortened) {
      g.Hand[seat][rank].Count = shortened % 2;
    }
  }
  EXPECT_FALSE(IsUnevenDeal(g));
  EXPECT_EQ(g.Deal.ShortBuckets, 15);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "重新洗牌");
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
