#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/seats.h"
#include "engine_fixture.h"
#include "players/answer_choice.h"
#include "players/execute_play.h"
#include "players/hand_analysis.h"
#include "sim/choice_checks.h"
#include "sim/random_answer_position.h"

namespace zunda {
namespace {

// The play rules as the human's selection is judged: same size as the table, a big joker for
// every small joker on it, only jokers over twos and only big jokers over small jokers, and a
// lowest card above the table's base rank.
::testing::AssertionResult AnswersTable(const PlayRecord& a, const PlayRecord& t) {
  const int n = a.BaseCount + a.TwoCount + a.SmallJokers + a.BigJokers;
  if (t.BigJokers > 0) return ::testing::AssertionFailure() << "a big joker was answered";
  if (n != a.Total || n != t.Total) {
    return ::testing::AssertionFailure() << n << " cards against " << t.Total;
  }
  const bool counts = (t.BaseRank < kTwo && a.BigJokers >= t.SmallJokers) ||
                      (t.BaseRank == kTwo && a.BigJokers >= t.SmallJokers &&
                       a.BigJokers + a.SmallJokers >= t.Total) ||
                      (t.BaseRank == kSmallJoker && a.BigJokers == t.SmallJokers);
  if (!counts) return ::testing::AssertionFailure() << "jokers do not meet the table";
  const int lowest = a.BaseCount > 0     ? a.BaseRank
                     : a.TwoCount > 0    ? kTwo
                     : a.SmallJokers > 0 ? kSmallJoker
                                         : kBigJoker;
  if (lowest != a.BaseRank || lowest <= t.BaseRank || (a.BaseCount > 0 && lowest > kAce)) {
    return ::testing::AssertionFailure() << "base rank " << a.BaseRank << " over " << t.BaseRank;
  }
  return ::testing::AssertionSuccess();
}

// The rules above, and the checks the simulator makes of every answer.
::testing::AssertionResult IsLegalAnswerOf(const Game& g, int seat) {
  const auto rules = AnswersTable(g.Selection, g.TablePlay);
  if (!rules) return rules;
  const std::string fault = sim::AnswerFault(g, seat);
  if (fault.empty()) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << fault;
}

// The codes a bucket holds, counted.
std::map<std::string, int> CodesOf(const HandBucket& bucket) {
  std::map<std::string, int> codes;
  for (int k = 1; k <= bucket.Count; ++k)
    ++codes[bucket.Codes[k].Str()];
  return codes;
}

TEST(AnswerProperty, EveryAnswerIsLegalAndTheExecutedPlayKeepsTheCards) {
  // How often each kind of answer came up: a chooser that always passes would check nothing.
  int answers = 0, overSmallJokers = 0, wildcardsOnly = 0, completed = 0, goingOut = 0;
  for (std::uint64_t seed = 1; seed <= 3000; ++seed) {
    testing::TestGame t(seed);
    Game& g = t.game;
    const int seat = sim::DealRandomAnswerPosition(g, seed);
    const HandGrid hands = g.Hand;
    const PlayRecord table = g.TablePlay;

    // Each follower on its own, and the entry point that picks among them.
    for (auto* chooser : {&FollowExact, &FollowFight, &FollowToFinish, &ChooseAnswer}) {
      chooser(g, seat);
      ASSERT_EQ(g.Hand, hands) << "seed " << seed;
      ASSERT_EQ(g.TablePlay, table) << "seed " << seed;
      if (g.Selection.Total != 0) {
        ASSERT_TRUE(IsLegalAnswerOf(g, seat)) << "seed " << seed;
      }
    }
    const bool built = JokerAnswer(g, seat);
    ASSERT_EQ(built, g.Selection.Total > 0) << "seed " << seed;
    if (built) {
      ASSERT_TRUE(IsLegalAnswerOf(g, seat)) << "seed " << seed;
    }

    ChooseAnswer(g, seat);
    const PlayRecord answer = g.Selection;
    if (answer.Total == 0) continue;
    ++answers;
    overSmallJokers += table.SmallJokers > 0 ? 1 : 0;
    wildcardsOnly += answer.BaseCount == 0 ? 1 : 0;
    completed += answer.BaseCount > 0 && answer.Total > answer.BaseCount ? 1 : 0;
    goingOut += answer.Total == g.Seats[seat].CardCount ? 1 : 0;

    g.PrevTablePlay = g.TablePlay;
    g.TablePlay = answer;
    ASSERT_TRUE(g.Ai.HandInPlay);
    ASSERT_NO_THROW(ExecutePlay(g, seat)) << "seed " << seed;
    ASSERT_NO_THROW(CheckCardTotals(g)) << "seed " << seed;
    // The cards that left the hand are the very cards the answer named.
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      auto expected = CodesOf(hands[seat][rank]);
      if (rank == answer.BaseRank && answer.BaseCount > 0) {
        for (int i = 1; i <= answer.BaseCount; ++i)
          --expected[answer.BaseCodes[i].Str()];
      }
      if (rank == kTwo) {
        for (int i = 1; i <= answer.TwoCount; ++i)
          --expected[answer.TwoCodes[i].Str()];
      }
      if (rank == kSmallJoker) expected["J16"] -= answer.SmallJokers;
      if (rank == kBigJoker) expected["J17"] -= answer.BigJokers;
      std::erase_if(expected, [](const auto& entry) { return entry.second == 0; });
      ASSERT_EQ(CodesOf(g.Hand[seat][rank]), expected) << "seed " << seed << " rank " << rank;
    }
  }
  EXPECT_TRUE(answers > 1200 && overSmallJokers > 15 && wildcardsOnly > 120 && completed > 25 &&
              goingOut > 80)
      << answers << " " << overSmallJokers << " " << wildcardsOnly << " " << completed << " "
      << goingOut;
}

}  // namespace
}  // namespace zunda
