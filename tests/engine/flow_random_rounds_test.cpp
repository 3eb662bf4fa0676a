#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <random>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "flow/seat_to_act.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::SlotsOfRank;

// Ranks above the table play's that the seat holds (every hand here is singles).
std::vector<int> Answers(const Game& g, int seat) {
  std::vector<int> ranks;
  for (int rank = std::max(g.TablePlay.BaseRank + 1, kLowRank); rank <= kAce; ++rank) {
    if (g.Hand[seat][rank].Count > 0) ranks.push_back(rank);
  }
  return ranks;
}

int OthersInPlay(const Game& g, int tableSeat) {
  int n = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    n += seat != tableSeat && InPlay(g, seat) ? 1 : 0;
  return n;
}

// Seats pass or play at random (computers in place of their chooser, the human through its
// clicks), some seats having gone out before the round. However they choose, between two
// plays every other seat in play answers at most twice, the table marks the seat whose turn
// it is, and the hand comes to its end.
void PlayRandomHand(std::uint64_t seed, int fewestOut, int mostOut) {
  SCOPED_TRACE("seed " + std::to_string(seed));
  testing::TestGame t(seed);
  Game& g = t.game;
  std::mt19937 rng(static_cast<unsigned>(seed));
  auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };

  std::array<int, kSeats> seats = {1, 2, 3, 4, 5, 6};
  std::shuffle(seats.begin(), seats.end(), rng);
  const int outCount =
      fewestOut + static_cast<int>(rng() % static_cast<unsigned>(mostOut - fewestOut + 1));
  std::array<std::string, kSeats> hands;
  for (int seat = 1; seat <= kSeats; ++seat) {
    std::vector<int> ranks = {3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    std::shuffle(ranks.begin(), ranks.end(), rng);
    ranks.resize(2 + rng() % 5);
    for (int rank : ranks)
      hands[static_cast<std::size_t>(seat - 1)] += "1x" + std::to_string(rank) + " ";
  }
  const int leader = seats[static_cast<std::size_t>(outCount)];
  testing::SetUpRound(g, {hands[0], hands[1], hands[2], hands[3], hands[4], hands[5]}, leader);
  for (int i = 0; i < outCount; ++i)
    testing::GoneOut(g, seats[static_cast<std::size_t>(i)]);

  int answersSincePlay = 0;
  int lastTableSeat = -1;
  int lastTableRank = -1;
  bool handEnded = false;
  for (int tick = 0; tick < 5000 && !handEnded; ++tick) {
    const TurnStep state = g.MainCourse;
    handEnded = state == TurnStep::EndHand;
    if (!g.Win.TmrMainCircle.Enabled) {
      ASSERT_TRUE(HumanAwaited(g)) << state;
      ASSERT_EQ(SeatToAct(g), g.HumanSeat) << state;
      const std::vector<int> ranks = Answers(g, 1);
      if (state == TurnStep::HumanLead || (!ranks.empty() && chance(50))) {
        const int rank = state == TurnStep::HumanLead ? ranks.front() : ranks[rng() % ranks.size()];
        const int slot = SlotsOfRank(g, rank)[0];
        Input(g, ImgHandMouseUp, slot, MouseButton::Left, 0);
        Input(g, ImgHandMouseUp, slot, MouseButton::Left, 0);
      } else {
        Input(g, CmdPassClick);
      }
      ASSERT_TRUE(g.Win.TmrMainCircle.Enabled) << state;
      continue;
    }
    if (state == TurnStep::ApplyAnswer && g.CurrentSeat != g.HumanSeat) {
      ASSERT_EQ(SeatToAct(g), g.CurrentSeat);
      const std::vector<int> ranks = Answers(g, g.CurrentSeat);
      if (!ranks.empty() && chance(40)) {
        testing::AnswerWith(g, g.CurrentSeat, ranks[rng() % ranks.size()], 1);
      }
    }
    testing::Tick(g);
    ASSERT_TRUE(t.host.FatalMessages().empty()) << t.host.FatalMessages().front();
    if (state != TurnStep::ApplyAnswer) continue;
    if (g.TablePlay.Seat != lastTableSeat || g.TablePlay.BaseRank != lastTableRank) {
      answersSincePlay = 0;
      lastTableSeat = g.TablePlay.Seat;
      lastTableRank = g.TablePlay.BaseRank;
    } else {
      ++answersSincePlay;
      ASSERT_LE(answersSincePlay, 2 * OthersInPlay(g, g.TablePlay.Seat));
    }
  }
  EXPECT_TRUE(handEnded);
  EXPECT_EQ(SeatToAct(g), 0) << "no seat is marked once the hand is over";
}

// With four or fewer in play a round is never ended by passes alone; the seats are asked
// again until they have all folded.
TEST(RandomRounds, WithTwoToFourSeatsInPlayNoRoundAsksTheSameSeatsForEver) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed)
    PlayRandomHand(seed, 2, 4);
}

TEST(RandomRounds, WithFiveOrSixSeatsInPlayNoRoundAsksTheSameSeatsForEver) {
  for (std::uint64_t seed = 1; seed <= 200; ++seed)
    PlayRandomHand(seed, 0, 1);
}

}  // namespace
}  // namespace zunda
