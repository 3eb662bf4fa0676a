#include <gtest/gtest.h>

#include "play_checks.h"

#include <string>

#include "core/seats.h"
#include "hand_builder.h"
#include "players/hand_analysis.h"
#include "players/lead_choice.h"
#include "random_position.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::CodesHeld;

// How often each lead chooser's situation came up, to be sure the positions reach them all.
struct Situations {
  int finishMode = 0;
  int againstFinisher = 0;
  int forPartner = 0;
  int plain = 0;
};

void Classify(Game& g, int seat, Situations& seen) {
  const int next = NextActiveSeat(g, seat);
  if (g.Seats[seat].FinishMode) {
    ++seen.finishMode;
  } else if (g.Seats[next].SetCount == 1 && !SameTeam(seat, next)) {
    ++seen.againstFinisher;
  } else if (g.Seats[next].SetCount == 1 && LowestRank(g, seat) < LowestRank(g, next)) {
    ++seen.forPartner;
  } else {
    ++seen.plain;
  }
}

::testing::AssertionResult IsLegalLead(const Game& g, int seat) {
  const PlayRecord& p = g.TablePlay;
  const auto held = [&](int rank) { return g.Hand[seat][rank].Count; };
  if (p.Seat != seat || p.Tag != TeamLetter(seat)) {
    return ::testing::AssertionFailure() << "seat " << p.Seat << " tag " << p.Tag;
  }
  if (p.Total <= 0 || p.Total != p.BaseCount + p.TwoCount + p.SmallJokers + p.BigJokers) {
    return ::testing::AssertionFailure() << "total " << p.Total;
  }
  // The base rank is the lowest card of the set.
  const int lowest = p.BaseCount > 0     ? p.BaseRank
                     : p.TwoCount > 0    ? kTwo
                     : p.SmallJokers > 0 ? kSmallJoker
                                         : kBigJoker;
  if (p.BaseRank != lowest || (p.BaseCount > 0 && (p.BaseRank < kLowRank || p.BaseRank > kAce))) {
    return ::testing::AssertionFailure() << "base rank " << p.BaseRank;
  }
  if (p.BaseCount < 0 || p.TwoCount < 0 || p.SmallJokers < 0 || p.BigJokers < 0 ||
      (p.BaseCount > 0 && p.BaseCount > held(p.BaseRank)) || p.TwoCount > held(kTwo) ||
      p.SmallJokers > held(kSmallJoker) || p.BigJokers > held(kBigJoker)) {
    return ::testing::AssertionFailure() << "more cards than held";
  }
  // Leads are made of whole buckets: every base card of its rank goes.
  if (p.BaseCount > 0 && p.BaseCount != held(p.BaseRank)) {
    return ::testing::AssertionFailure() << "bucket " << p.BaseRank << " split";
  }
  const HandBucket empty;
  const auto base =
      CodesHeld(p.BaseCodes, p.BaseCount, p.BaseCount > 0 ? g.Hand[seat][p.BaseRank] : empty);
  if (!base) return base;
  return CodesHeld(p.TwoCodes, p.TwoCount, g.Hand[seat][kTwo]);
}

TEST(LeadProperty, EveryLeadIsLegalAndKeepsTheCardTotals) {
  Situations seen;
  int leads = 0;
  for (std::uint64_t seed = 1; seed <= 500; ++seed) {
    testing::TestGame t(seed);
    Game& g = t.game;
    int seat = testing::DealRandomPosition(g, seed);
    // Play leads round the table until one seat is left, each seat leading in turn.
    while (ActiveSeats(g) >= 2) {
      Classify(g, seat, seen);
      const HandGrid before = g.Hand;
      ChooseLead(g, seat);
      ASSERT_TRUE(IsLegalLead(g, seat)) << "seed " << seed << " seat " << seat;
      ASSERT_EQ(g.Hand, before) << "choosing a lead changed a hand, seed " << seed;
      testing::LayTablePlay(g);
      ASSERT_NO_THROW(CheckCardTotals(g)) << "seed " << seed;
      ++leads;
      if (g.Seats[seat].CardCount == 0) g.Seats[seat].Finished = true;
      AssessSeats(g);
      if (ActiveSeats(g) < 2) break;
      seat = NextActiveSeat(g, seat);
    }
  }
  EXPECT_GT(leads, 8000);
  EXPECT_GT(seen.finishMode, 2000);
  EXPECT_GT(seen.againstFinisher, 400);
  EXPECT_GT(seen.forPartner, 100);
  EXPECT_GT(seen.plain, 3000);
}

}  // namespace
}  // namespace zunda
