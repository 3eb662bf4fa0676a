#include <gtest/gtest.h>

#include <array>
#include <string>

#include "core/seats.h"
#include "engine_fixture.h"
#include "players/hand_analysis.h"
#include "players/lead_choice.h"
#include "sim/choice_checks.h"
#include "sim/random_lead_position.h"

namespace zunda {
namespace {

using testing::SetHand;
using testing::Shape;

// Six seats in play with a neutral hand each; tests then give the seats that matter their
// own hands. Seat 2 leads.
struct LeadTable : testing::GameTest {
  void SetUp() override {
    for (int seat = 1; seat <= kSeats; ++seat) {
      g.Seats[seat].Team = TeamLetter(seat);
      SetHand(g, seat, "2x3 2x6 2x8 2xJ");
    }
  }
  std::string Lead(void (*chooser)(Game&, int), int seat = 2) {
    chooser(g, seat);
    return Shape(g.TablePlay);
  }
  // Seat 2, holding `hand`, leads with `chooser`.
  void Expect(void (*chooser)(Game&, int), const char* hand, const char* want) {
    SetHand(g, 2, hand);
    EXPECT_EQ(Lead(chooser), want) << hand;
  }
};

TEST_F(LeadTable, DispatchFollowsFinishModeThenTheNextSeatInPlay) {
  SetHand(g, 2, "3x6 3xQ");
  SetHand(g, 3, "3x9");
  // Next is an opponent on its last set: the sixes could be answered by its nines.
  EXPECT_EQ(Lead(ChooseLead), "12:3/0/0/0");

  // With seat 3 out, the next seat is partner 4; on its last set of four queens it is fed the
  // four fives, which it can answer with its whole hand.
  g.Seats[3].Finished = true;
  SetHand(g, 2, "3x4 4x5 2x8");
  SetHand(g, 4, "4xQ");
  EXPECT_EQ(Lead(ChooseLead), "5:4/0/0/0");
  // A partner whose only rank is not above the seat's lowest is not fed.
  SetHand(g, 4, "4x3");
  EXPECT_EQ(Lead(ChooseLead), "4:3/0/0/0");
  // A next seat with more than one set sees the lowest set.
  SetHand(g, 4, "4xQ 1xK");
  EXPECT_EQ(Lead(ChooseLead), "4:3/0/0/0");

  // Finish mode comes first: partner next, lowest set with one joker.
  SetHand(g, 2, "2x4 5x10 1xJ16");
  SetHand(g, 4, "4xQ");
  g.Seats[2].FinishMode = true;
  EXPECT_EQ(Lead(ChooseLead), "4:2/0/1/0");
}

TEST_F(LeadTable, AgainstAFinisherSetsItCouldAnswerAreAvoided) {
  SetHand(g, 3, "3x9");
  Expect(LeadAgainstFinisher, "2x4 3x6 4xJ", "4:2/0/0/0");
  // The sixes are skipped, the queens are below the king and are led.
  Expect(LeadAgainstFinisher, "3x6 3xQ", "12:3/0/0/0");
  // The kings are not below the king: without a two the second-lowest rank is led.
  Expect(LeadAgainstFinisher, "3x6 3xK", "13:3/0/0/0");
  // With a two the lowest set is led and made one card longer than the finisher's hand.
  Expect(LeadAgainstFinisher, "3x6 3xK 1x2", "6:3/1/0/0");
  EXPECT_EQ(g.TablePlay.Total, 4);
  EXPECT_EQ(g.TablePlay.TwoCodes[1], g.Hand[2][kTwo].Codes[1]);
  // Only sets of the finisher's size at or below its rank are skipped.
  SetHand(g, 2, "1x5 2x7");
  SetHand(g, 3, "1x9");
  EXPECT_EQ(Lead(LeadAgainstFinisher), "7:2/0/0/0");
  Expect(LeadAgainstFinisher, "1x5 1x7 2xJ", "11:2/0/0/0");
  Expect(LeadAgainstFinisher, "1x5 1xJ", "11:1/0/0/0");
  // Nothing below the king to lead: without a two the next rank up goes, here a big joker.
  Expect(LeadAgainstFinisher, "1x5 1xJ17", "17:0/0/0/1");
}

TEST_F(LeadTable, AgainstAFinisherASeatWithOneRankLeadsIt) {
  // No two and a single rank: there is no second-lowest rank, the one set held is led.
  SetHand(g, 3, "3x9");
  Expect(LeadAgainstFinisher, "3xK", "13:3/0/0/0");
  Expect(LeadAgainstFinisher, "2xJ17", "17:0/0/0/2");
}

TEST_F(LeadTable, PartnerFeedingNeedsAnExactMatchBelowThePartnersRank) {
  g.Seats[3].Finished = true;
  SetHand(g, 4, "3xQ");
  Expect(LeadForPartner, "4x5 2x9", "5:4/0/0/0");
  Expect(LeadForPartner, "4x5 3xK", "5:4/0/0/0");  // three kings match but would not be answered
  Expect(LeadForPartner, "4x5 2x7 3xJ", "11:3/0/0/0");
  // The partner is the next teammate not finished, even when an opponent sits between.
  g.Seats[3].Finished = false;
  EXPECT_EQ(Lead(LeadForPartner), "11:3/0/0/0");
}

TEST_F(LeadTable, FinishModeOnTheLastSetRunsOutWhenItIsSafe) {
  // A partner next: the whole hand.
  SetHand(g, 2, "4xK 2x2");
  SetHand(g, 3, "");
  g.Seats[3].Finished = true;
  EXPECT_EQ(Lead(LeadInFinishMode), "13:4/2/0/0");
  EXPECT_EQ(g.TablePlay.Total, 6);
  g.Seats[3].Finished = false;

  // Opponents hold jokers, so the one two is safe to attach: the whole hand.
  SetHand(g, 2, "3x9 1x2");
  SetHand(g, 5, "1xJ16");
  EXPECT_EQ(Lead(LeadInFinishMode), "9:3/1/0/0");

  // No opponent joker, and the next opponent holds as many cards as the seat: the twos go
  // first, with every joker.
  SetHand(g, 5, "2x3");
  SetHand(g, 2, "2x9 2x2");
  SetHand(g, 3, "4x3");
  EXPECT_EQ(Lead(LeadInFinishMode), "15:0/2/0/0");
  // Twos are named from the top of the bucket, as the executor takes them out.
  EXPECT_EQ(g.TablePlay.TwoCodes[2], g.Hand[2][kTwo].Codes[1]);
  // A big joker makes the wildcards too many to attach safely: with the next opponent on
  // three cards, the two is kept back and the big joker goes alone...
  SetHand(g, 2, "2x9 1x2 1xJ17");
  SetHand(g, 3, "3x3");
  EXPECT_EQ(Lead(LeadInFinishMode), "17:0/0/0/1");
  // ...but with only two players left the seat runs out at once.
  for (int seat : {1, 4, 5, 6})
    g.Seats[seat].Finished = true;
  EXPECT_EQ(ActiveSeats(g), 2);
  EXPECT_EQ(Lead(LeadInFinishMode), "9:2/1/0/1");
}

TEST_F(LeadTable, FinishModeOnTheLastSetLeadsWildcardsWhenRunningOutIsUnsafe) {
  // Too many wildcards to be "few": twos and jokers, one two kept back because the next
  // opponent's two cards equal what would be left.
  SetHand(g, 2, "1x9 2x2 1xJ16");
  SetHand(g, 3, "2x5");
  EXPECT_EQ(Lead(LeadInFinishMode), "15:0/1/1/0");
  EXPECT_EQ(g.TablePlay.TwoCodes[1], g.Hand[2][kTwo].Codes[2]);
  EXPECT_TRUE(g.TablePlay.TwoCodes[2].IsBlank());

  // No two to keep back: the jokers go alone, under the rank of the lowest joker.
  SetHand(g, 2, "2x9 1xJ16 1xJ17");
  SetHand(g, 3, "4x5");
  EXPECT_EQ(Lead(LeadInFinishMode), "16:0/0/1/1");
  Expect(LeadInFinishMode, "2x9 2xJ17", "17:0/0/0/2");

  // A lone small joker is kept for the end only if an opponent's big joker could not beat it.
  Expect(LeadInFinishMode, "1x9 1xJ16", "16:0/0/1/0");
  SetHand(g, 5, "1xJ17");
  EXPECT_EQ(Lead(LeadInFinishMode), "9:1/0/1/0");
}

TEST_F(LeadTable, FinishModeWithSeveralSetsEscortsOrLeadsItsStrongestSet) {
  SetHand(g, 2, "2x4 5x10 1xJ16 1xJ17");
  SetHand(g, 3, "");
  g.Seats[3].Finished = true;
  EXPECT_EQ(Lead(LeadInFinishMode), "4:2/0/1/0");  // partner next: lowest plus a joker
  g.Seats[3].Finished = false;
  SetHand(g, 3, "4x5");

  // Enough jokers to escort all but one set: second-lowest plus one joker.
  Expect(LeadInFinishMode, "2x4 3x7 1xJ17", "7:3/0/0/1");
  // Otherwise the lowest Zunda bucket from the tens up...
  Expect(LeadInFinishMode, "1x3 2x5 3xQ 5x10", "10:5/0/0/0");
  // ...else the twos...
  Expect(LeadInFinishMode, "1x3 2x5 3x10 2x2", "15:0/2/0/0");
  // ...and a seat without twos leads its lowest set rather than nothing.
  Expect(LeadInFinishMode, "1x3 2x5 3x10", "3:1/0/0/0");
}

TEST_F(LeadTable, OpponentWildcardCounts) {
  SetHand(g, 1, "1x2 2xJ16 1xJ17");
  SetHand(g, 3, "3xA 1xJ17");
  SetHand(g, 4, "4xJ17");  // a partner of seat 2: not counted
  EXPECT_EQ(MaxOpponentJokers(g, 2), 3);
  EXPECT_EQ(MaxOpponentHigh(g, 2, kBigJoker), 1);
  EXPECT_EQ(MaxOpponentHigh(g, 2, kTwo), 4);
  EXPECT_EQ(MaxOpponentHigh(g, 2, kAce), 4);
  EXPECT_EQ(MaxOpponentJokers(g, 1), 4);
  try {
    MaxOpponentHigh(g, 2, 13);
    FAIL();
  } catch (const FatalError& e) {
    EXPECT_STREQ(e.what(), "ERR:此数无效 13");
  }
}

// Which lead chooser's situation came up (finish mode, against a finisher, for a partner,
// plain), to be sure the positions reach them all.
int Situation(Game& g, int seat) {
  const int next = NextActiveSeat(g, seat);
  if (g.Seats[seat].FinishMode) return 0;
  if (g.Seats[next].SetCount == 1 && !SameTeam(seat, next)) return 1;
  return g.Seats[next].SetCount == 1 && LowestRank(g, seat) < LowestRank(g, next) ? 2 : 3;
}

::testing::AssertionResult IsLegalLead(const Game& g, int seat) {
  const std::string fault = sim::LeadFault(g, seat);
  if (fault.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << fault;
}

TEST(LeadProperty, EveryLeadIsLegalAndKeepsTheCardTotals) {
  std::array<int, 4> seen{};
  int leads = 0;
  for (std::uint64_t seed = 1; seed <= 500; ++seed) {
    testing::TestGame t(seed);
    Game& g = t.game;
    int seat = sim::DealRandomLeadPosition(g, seed);
    // Play leads round the table until one seat is left, each seat leading in turn.
    while (ActiveSeats(g) >= 2) {
      ++seen[static_cast<std::size_t>(Situation(g, seat))];
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
  EXPECT_TRUE(seen[0] > 2000 && seen[1] > 400 && seen[2] > 100 && seen[3] > 3000)
      << seen[0] << " " << seen[1] << " " << seen[2] << " " << seen[3];
}

}  // namespace
}  // namespace zunda
