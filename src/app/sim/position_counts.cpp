#include "position_counts.h"

#include "core/seats.h"

namespace zunda::sim {

void SyncSeatCounts(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  s.CardCount = CardsInHand(g, seat);
  s.SetCount = CountSets(g, seat);
  s.JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
}

void MarkRestAsPlayed(Game& g) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    int held = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
      held += g.Hand[seat][rank].Count;
    g.PlayedByRank[rank] = (rank >= kSmallJoker ? 4 : 16) - held;
  }
}

}  // namespace zunda::sim
