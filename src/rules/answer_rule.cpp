#include "rules/answer_rule.h"

#include "core/game.h"

namespace zunda {

namespace {

int RaisedOfRank(const Game& g, int seat, int rank) {
  if (seat != g.HumanSeat) return 0;
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (IsSlotRaised(g, slot) && CardCode(g.Win.ImgHand[slot].Tag).Rank() == rank) ++count;
  }
  return count;
}

}  // namespace

bool IsSlotRaised(const Game& g, int slot) {
  return g.Win.ImgHand[slot].Top == kHandRaised;
}

int SelectedCount(const Game& g, int seat) {
  if (seat != g.HumanSeat) return 0;
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    count += IsSlotRaised(g, slot) ? 1 : 0;
  return count;
}

int SelectedBigJokers(const Game& g, int seat) {
  return RaisedOfRank(g, seat, kBigJoker);
}

int SelectedSmallJokers(const Game& g, int seat) {
  return RaisedOfRank(g, seat, kSmallJoker);
}

bool IsAnswer(const Game& g) {
  const int human = g.HumanSeat;
  const int n = SelectedCount(g, human);
  const int big = SelectedBigJokers(g, human);
  const int small = SelectedSmallJokers(g, human);
  const PlayRecord& table = g.TablePlay;
  if (n <= 0) return false;

  bool answers = g.LeadSeat == human;
  if (!answers && n == table.Total) {
    if (table.BaseRank < kTwo) {
      answers = big >= table.SmallJokers;
    } else if (table.BaseRank == kTwo) {
      // Twos are met only by jokers, a big one for each small joker they carry.
      answers = big >= table.SmallJokers && big + small >= table.Total;
    } else if (table.BaseRank == kSmallJoker) {
      answers = big == table.SmallJokers;
    }
  }
  if (!answers) return false;

  const SeatRecord& me = g.Seats[human];
  if (me.Burned && !g.Burn.BurnBeaten) return big + small >= 1 || n == me.CardCount;
  return true;
}

}  // namespace zunda
