// Stand-in until the selection rules are merged: the counts are the real ones, the answer rule
// is a plain reading of the rule so that the hand's buttons can be exercised, and the commit
// does nothing.
#include "rules/selection.h"

#include "core/game.h"

namespace zunda {

namespace {
int CountRaised(const Game& g, int seat, int rank) {
  if (seat != g.HumanSeat) return 0;
  int count = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const Image& card = g.Win.ImgHand[slot];
    if (card.Top != kHandRaised) continue;
    if (rank == 0 || CardCode(card.Tag).Rank() == rank) ++count;
  }
  return count;
}
}  // namespace

int SelectedCount(const Game& g, int seat) {
  return CountRaised(g, seat, 0);
}
int SelectedBigJokers(const Game& g, int seat) {
  return CountRaised(g, seat, kBigJoker);
}
int SelectedSmallJokers(const Game& g, int seat) {
  return CountRaised(g, seat, kSmallJoker);
}

bool IsAnswer(Game& g) {
  const int n = SelectedCount(g, g.HumanSeat);
  const int b = SelectedBigJokers(g, g.HumanSeat);
  const int s = SelectedSmallJokers(g, g.HumanSeat);
  const PlayRecord& t = g.TablePlay;
  if (n <= 0) return false;
  if (g.LeadSeat == g.HumanSeat) return true;
  if (n != t.Total) return false;
  if (t.BaseRank < kTwo) return b >= t.SmallJokers;
  if (t.BaseRank == kTwo) return b >= t.SmallJokers && b + s >= t.Total;
  if (t.BaseRank == kSmallJoker) return b == t.SmallJokers;
  return false;
}

void CommitSelection(Game& /*g*/) {}

}  // namespace zunda
