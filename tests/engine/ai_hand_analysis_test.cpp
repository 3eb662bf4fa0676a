#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

#include "core/seats.h"
#include "engine_fixture.h"
#include "players/hand_analysis.h"
#include "sim/position_counts.h"
#include "sim/random_lead_position.h"

namespace zunda {
namespace {

using testing::SetHand;

using HandQueries = testing::GameTest;

TEST_F(HandQueries, LowestAndSecondLowestRanks) {
  struct Case {
    const char* hand;
    int lowest, second;
  };
  for (const Case& c : {Case{"2x9 1x4 3xA", 4, 9}, Case{"4xK", 13, 18}, Case{"1xJ16 2xJ17", 16, 17},
                        Case{"", 18, 18}}) {
    SetHand(g, 2, c.hand);
    EXPECT_EQ(LowestRank(g, 2), c.lowest) << c.hand;
    EXPECT_EQ(SecondLowestRank(g, 2), c.second) << c.hand;
  }
}

TEST_F(HandQueries, ZundaBucketsCountWholeBucketsOfOrdinaryRanksOnly) {
  // Three tens need five; four jacks, three queens, two kings and two aces are enough; twos
  // and jokers are never counted as a bucket.
  SetHand(g, 4, "3x10 4xJ 3xQ 2xK 1xA 4x9 3x2 2xJ17");
  EXPECT_EQ(CountZundaSets(g, 4), 3);
  EXPECT_EQ(CountPlainSets(g, 4), 3);
  SetHand(g, 4, "5x10 2xA");
  EXPECT_EQ(CountZundaSets(g, 4), 2);
  EXPECT_EQ(CountPlainSets(g, 4), 0);
}

using HandScoreTest = testing::GameTest;

TEST_F(HandScoreTest, AddsWeightsZundaBucketsGapsAndFewSetBonuses) {
  // Weights 50 + 60 + 70 + 200, two Zunda buckets (five tens, two kings) 60, gaps at
  // 3 4 6 7 8 9 J Q A and the small joker 580; three sets and one big joker: no bonus.
  SetHand(g, 2, "3x5 5x10 2xK 1x2 1xJ17");
  g.Ai.GapBonus.Fill(999);  // whatever was left in the table is overwritten first
  EXPECT_EQ(ScoreHand(g, 2), 1020);
  const auto& gap = g.Ai.GapBonus;
  EXPECT_EQ(std::vector({gap[3], gap[5], gap[7], gap[10], gap[13], gap[14], gap[17]}),
            std::vector({150, 100, 70, 50, 30, 20, 10}));

  // Two sets with a big joker to escort one of them: +500 and +600. All gaps together are 780.
  SetHand(g, 2, "3x5 1x9 1xJ17");
  EXPECT_EQ(ScoreHand(g, 2), 200 + (780 - 100 - 50 - 10) + 500 + 600);

  // Only twos and jokers: one set, +500 (0 big jokers >= 0) and +800.
  SetHand(g, 2, "2x2 1xJ16");
  EXPECT_EQ(ScoreHand(g, 2), 260 + 750 + 10 + 500 + 800);

  // An empty hand scores 0, then 500 because 0 big jokers are not fewer than 0 - 1.
  SetHand(g, 2, "");
  EXPECT_EQ(ScoreHand(g, 2), 500);
}

TEST(Assessment, StrongHandCountsTheSeatItself) {
  testing::TestGame t;
  Game& g = t.game;
  const int scores[] = {1000, 1079, 1080, 2000, 900, 5000};
  for (int seat = 1; seat <= 6; ++seat)
    g.Seats[seat].HandScore = scores[seat - 1];
  // Seat 1: itself, seat 2 and seat 5 are below 1080: three, not enough.
  // Seat 2: below 1159 are seats 1, 2, 3, 5.
  EXPECT_EQ(
      std::vector({IsStrongHand(g, 1), IsStrongHand(g, 2), IsStrongHand(g, 4), IsStrongHand(g, 5)}),
      std::vector({false, true, true, false}));
}

TEST(Assessment, NearFinishNeedsAtMostOneUnescortedSet) {
  testing::TestGame t;
  Game& g = t.game;
  SetHand(g, 3, "5x10 4xJ 1x3");
  EXPECT_TRUE(IsNearFinish(g, 3));
  SetHand(g, 3, "3x10 1x3");  // three tens are no Zunda bucket: two plain sets
  EXPECT_FALSE(IsNearFinish(g, 3));
  SetHand(g, 3, "3x10 1x3 1xJ16");
  EXPECT_TRUE(IsNearFinish(g, 3));
  SetHand(g, 3, "6x2 2xJ17");
  EXPECT_TRUE(IsNearFinish(g, 3));
  g.Seats[3].Scorched = true;
  EXPECT_FALSE(IsNearFinish(g, 3));
  g.Seats[3].Scorched = false;
  SetHand(g, 3, "");
  g.Seats[3].Finished = true;
  EXPECT_FALSE(IsNearFinish(g, 3));
}

TEST(Assessment, AssessSeatsRenewsSeatsInOrderAgainstOlderScores) {
  testing::TestGame t;
  Game& g = t.game;
  for (int seat = 1; seat <= 6; ++seat) {
    SetHand(g, seat, "2x3 2x5 2x7 2x9 2xJ");
    g.Seats[seat].HandScore = 10000;
  }
  AssessSeats(g);
  const int plain = g.Seats[6].HandScore;
  // Seat 1 still saw the old 10000 of everybody else; from seat 4 on, four equal new scores.
  for (int seat = 1; seat <= 6; ++seat) {
    EXPECT_EQ(
        std::tuple(g.Seats[seat].HandScore, g.Seats[seat].FinishMode, g.Seats[seat].StrongHand),
        std::tuple(plain, false, seat >= 4))
        << seat;
  }

  // A seat down to twos and jokers goes into finish mode with 300 on top of its score.
  SetHand(g, 2, "3x2 1xJ16");
  g.Seats[2].StrongHand = false;
  AssessSeats(g);
  EXPECT_TRUE(g.Seats[2].FinishMode && g.Seats[2].StrongHand);
  EXPECT_EQ(g.Seats[2].HandScore, ScoreHand(g, 2) + 300);
  // Going out of finish mode keeps the strength found in step 2.
  SetHand(g, 2, "2x3 2x5 2x7 2x9 2xJ");
  AssessSeats(g);
  EXPECT_TRUE(!g.Seats[2].FinishMode && g.Seats[2].StrongHand);
}

// The figures of a seat are kept while its hand is not open to change. Hands put back from
// another grid are a change, even when that grid's change numbers match the kept ones.
TEST(Assessment, HandsPutBackFromAnotherGridAreCountedAgain) {
  testing::TestGame kept;
  testing::TestGame other;
  for (int seat = 1; seat <= 6; ++seat) {
    SetHand(kept.game, seat, seat == 3 ? "2x3 2x5 2x7 2x9 2xJ" : "3x6 3x8");
    SetHand(other.game, seat, seat == 3 ? "2x2 2x4 2x6 2x8 2xJ" : "3x6 3x8");
  }
  ASSERT_EQ(kept.game.Hand.Changes(3), other.game.Hand.Changes(3));
  AssessSeats(kept.game);
  AssessSeats(other.game);
  ASSERT_NE(kept.game.Seats[3].HandScore, other.game.Seats[3].HandScore);

  kept.game.Hand = other.game.Hand;
  AssessSeats(kept.game);
  EXPECT_EQ(kept.game.Seats[3].HandScore, other.game.Seats[3].HandScore);
  EXPECT_EQ(SeatWithStaleFigures(kept.game), 0);
}

// With nothing to run at a yield the assessment is done in one pass; with a window (here a
// hook that runs at every yield) it yields after every rank. Both must give the same figures.
TEST(Assessment, OnePassAndYieldingAssessmentsAgree) {
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    testing::TestGame quiet(seed);
    testing::TestGame busy(seed);
    sim::DealRandomLeadPosition(quiet.game, seed);
    sim::DealRandomLeadPosition(busy.game, seed);
    int yields = 0;
    busy.host.OnDoEvents([&] { ++yields; });
    for (Game* g : {&quiet.game, &busy.game}) {
      g->Ai.GapBonus.Fill(0);
      // Odd corners: a finished and a scorched seat, and scores left from an older assessment.
      g->Seats[1 + seed % 6].Scorched = seed % 5 == 0;
      g->Seats[1 + seed % 4].Finished = seed % 7 == 0;
      g->Seats[2].HandScore = static_cast<int>(seed * 37 % 1500);
    }
    ASSERT_TRUE(quiet.host.EventsIdle());
    ASSERT_FALSE(busy.host.EventsIdle());
    AssessSeats(quiet.game);
    AssessSeats(busy.game);
    EXPECT_EQ(yields, 6 * 15);
    EXPECT_EQ(quiet.game.Seats, busy.game.Seats) << "seed " << seed;
    EXPECT_EQ(quiet.game.Ai.GapBonus, busy.game.Ai.GapBonus) << "seed " << seed;
  }
}

TEST(Assessment, OwnTeamBigPlayAndWeakFinisher) {
  testing::TestGame t;
  Game& g = t.game;
  for (int seat = 1; seat <= 6; ++seat)
    g.Seats[seat].Team = TeamLetter(seat);
  PlayRecord play = testing::MakePlay(12, 3);  // three queens: a Zunda play
  play.Tag = 'N';
  EXPECT_TRUE(IsOwnTeamBigPlay(g, 4, play));
  EXPECT_FALSE(IsOwnTeamBigPlay(g, 3, play));
  play.BaseRank = 5;  // three fives: neither Zunda nor six cards
  EXPECT_FALSE(IsOwnTeamBigPlay(g, 4, play));
  play.BaseCount = play.Total = 6;
  EXPECT_TRUE(IsOwnTeamBigPlay(g, 4, play));

  // A high last set is not weak, unless it is one card.
  for (const auto& [hand, weak] :
       {std::pair{"3x9 1x2", true}, std::pair{"3x9 2x2", false}, std::pair{"3x9 1xJ16", false},
        std::pair{"3x9 2xJ", false}, std::pair{"2xK", false}, std::pair{"1xA", true}}) {
    SetHand(g, 5, hand);
    EXPECT_EQ(IsWeakFinisher(g, 5), weak) << hand;
  }
}

using TeamRelations = testing::GameTest;

TEST_F(TeamRelations, TeammatesAndLastOpponents) {
  EXPECT_EQ(NextActiveTeammate(g, 2), 4);
  EXPECT_EQ(NextActiveTeammate(g, 5), 1);
  g.Seats[1].Finished = true;
  EXPECT_EQ(NextActiveTeammate(g, 5), 3);
  g.Seats[3].Finished = true;
  EXPECT_EQ(NextActiveTeammate(g, 5), 5);

  // Seat 2's opponents are 1, 3 and 5; 1 and 3 are out.
  EXPECT_TRUE(OneOpponentLeft(g, 2));
  EXPECT_TRUE(IsLastOpponent(g, 2, 5));
  EXPECT_FALSE(IsLastOpponent(g, 2, 4));  // a partner
  EXPECT_FALSE(OneOpponentLeft(g, 1));    // 2, 4, 6 all in play
  g.Seats[5].Scorched = true;
  EXPECT_FALSE(OneOpponentLeft(g, 2));
  g.Seats[5].Scorched = false;
  g.Seats[3].Finished = false;
  EXPECT_FALSE(IsLastOpponent(g, 2, 5));
  EXPECT_FALSE(OneOpponentLeft(g, 2));
}

using CardTotals = testing::GameTest;

TEST_F(CardTotals, CheckedOnlyDuringAHandAndFatalWhenBroken) {
  SetHand(g, 1, "3x5 1xJ17");
  SetHand(g, 4, "16x9");
  sim::MarkRestAsPlayed(g);
  g.Ai.HandInPlay = true;
  EXPECT_NO_THROW(CheckCardTotals(g));
  const auto fatalText = [&]() -> std::string {
    try {
      CheckCardTotals(g);
    } catch (const FatalError& e) {
      return e.what();
    }
    return "no error";
  };

  ++g.PlayedByRank[7];
  EXPECT_EQ(fatalText(), std::string("ERR:") + kCrashReportText + "5");
  EXPECT_EQ(g.ErrorCode, 5);
  g.Ai.HandInPlay = false;
  EXPECT_NO_THROW(CheckCardTotals(g));

  g.Ai.HandInPlay = true;
  --g.PlayedByRank[7];
  g.Hand[4][9].Count = -1;
  g.Seats[4].CardCount = 16;
  EXPECT_EQ(fatalText(), std::string("Err:") + kCrashReportText + " -手中牌有负数,4");
  EXPECT_EQ(g.ErrorCode, 4);

  // Through an entry point the text reaches the host once and the engine stops.
  g.Guard([&] { CheckCardTotals(g); });
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_TRUE(g.Stopped);
}

}  // namespace
}  // namespace zunda
