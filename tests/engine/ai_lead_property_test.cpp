#include <gtest/gtest.h>

#include <string>

#include "core/seats.h"
#include "engine_fixture.h"
#include "players/hand_analysis.h"
#include "players/lead_choice.h"
#include "sim/choice_checks.h"
#include "sim/random_lead_position.h"

namespace zunda {
namespace {

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
  const std::string fault = sim::LeadFault(g, seat);
  if (fault.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << fault;
}

TEST(LeadProperty, EveryLeadIsLegalAndKeepsTheCardTotals) {
  Situations seen;
  int leads = 0;
  for (std::uint64_t seed = 1; seed <= 500; ++seed) {
    testing::TestGame t(seed);
    Game& g = t.game;
    int seat = sim::DealRandomLeadPosition(g, seed);
    // Play leads round the table until one seat is left, each seat leading in turn.
    while (ActiveSeats(g) >= 2) {
      Classify(g, seat, seen);
      const HandGrid before = g.Hand;
      ChooseLead(g, seat);
      ASSERT_TRUE(IsLegalLead(g, seat)) << "seed " << seed << " seat " << seat;
      ASSERT_EQ(g.Hand, before) << "choosing a lead changed a hand, seed " << seed;
      sim::LayTablePlay(g);
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
