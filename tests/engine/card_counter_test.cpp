#include "core/card_counter.h"

#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

using testing::GiveCards;

using CardCounterTest = testing::GameTest;

TEST_F(CardCounterTest, CountsWhatIsNeitherPlayedNorInTheHumansHand) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    EXPECT_EQ(CardsStillOut(g, rank), rank >= kSmallJoker ? 4 : 16) << rank;

  GiveCards(g, 1, 7, 3);
  GiveCards(g, 1, kBigJoker, 2);
  g.PlayedByRank[7] = 5;
  g.PlayedByRank[kBigJoker] = 1;
  g.PlayedByRank[kTwo] = 16;
  EXPECT_EQ(CardsStillOut(g, 7), 8);
  EXPECT_EQ(CardsStillOut(g, kBigJoker), 1);
  EXPECT_EQ(CardsStillOut(g, kTwo), 0);
  EXPECT_EQ(CardsStillOut(g, 8), 16);

  // What the other seats hold is never read: the human could not have counted it.
  GiveCards(g, 2, 7, 4);
  GiveCards(g, 5, kBigJoker, 1);
  EXPECT_EQ(CardsStillOut(g, 7), 8);
  EXPECT_EQ(CardsStillOut(g, kBigJoker), 1);

  // A damaged count never shows below zero.
  g.PlayedByRank[kBigJoker] = 4;
  EXPECT_EQ(CardsStillOut(g, kBigJoker), 0);
}

}  // namespace
}  // namespace zunda
