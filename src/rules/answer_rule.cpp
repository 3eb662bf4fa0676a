#include "rules/answer_rule.h"

#include "core/game.h"
#include "rules/hand_display.h"

namespace zunda {

namespace {

int RaisedOfRank(const Game& g, int seat, int rank) {
  if (seat != g.HumanSeat) return 0;
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotRaised(g, slot) && CardCode(g.Win.ImgHand[slot].Tag).Rank() == rank) ++count;
  }
  return count;
}

// The raised cards of the human's hand as a set; the selection rules never raise two
// ordinary ranks together.
PlayRecord RaisedSet(const Game& g) {
  PlayRecord set;
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (!HandSlotRaised(g, slot)) continue;
    const int rank = CardCode(g.Win.ImgHand[slot].Tag).Rank();
    if (rank == kTwo) {
      ++set.TwoCount;
    } else if (rank == kSmallJoker) {
      ++set.SmallJokers;
    } else if (rank == kBigJoker) {
      ++set.BigJokers;
    } else {
      if (set.BaseCount == 0) set.BaseRank = rank;
      ++set.BaseCount;
    }
    ++set.Total;
  }
  if (set.BaseCount == 0) set.BaseRank = LowestRankOf(set);
  return set;
}

}  // namespace

int LowestRankOf(const PlayRecord& set) {
  if (set.BaseCount > 0) return set.BaseRank;
  if (set.TwoCount > 0) return kTwo;
  if (set.SmallJokers > 0) return kSmallJoker;
  return set.BigJokers > 0 ? kBigJoker : 0;
}

bool Answers(const PlayRecord& table, const PlayRecord& set) {
  if (table.Total <= 0 || table.BigJokers > 0) return false;
  const int total = set.BaseCount + set.TwoCount + set.SmallJokers + set.BigJokers;
  if (total != table.Total) return false;
  return LowestRankOf(set) > table.BaseRank && set.BigJokers >= table.SmallJokers;
}

int SelectedCount(const Game& g, int seat) {
  if (seat != g.HumanSeat) return 0;
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    count += HandSlotRaised(g, slot) ? 1 : 0;
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
  const PlayRecord set = RaisedSet(g);
  if (set.Total <= 0) return false;
  if (g.LeadSeat != human && !Answers(g.TablePlay, set)) return false;
  const SeatRecord& me = g.Seats[human];
  if (me.Burned && !g.Burn.BurnBeaten) {
    return set.SmallJokers + set.BigJokers >= 1 || set.Total == me.CardCount;
  }
  return true;
}

}  // namespace zunda
