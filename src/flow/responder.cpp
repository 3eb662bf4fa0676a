#include "flow/responder.h"

#include "core/game.h"
#include "core/label_looks.h"
#include "core/seats.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

void MarkOnTurn(Game& g, int seat) {
  for (int s = 1; s <= kSeats; ++s)
    g.Seats[s].OnTurn = s == seat;
}

// The normal rotation: the next seat round the table that may still answer.
int NormalRotation(Game& g, int s0, int tableSeat) {
  int seat = s0;
  for (int step = 0; step < kSeats; ++step) {
    seat = NextSeat(seat);
    if (seat == tableSeat) break;
    const SeatRecord& s = g.Seats[seat];
    if (!s.Passed && !s.Finished && !s.Scorched) {
      g.Flow.FoldInForce = false;
      return seat;
    }
  }
  // The turn has come back to the table player.
  g.Flow.FoldInForce = true;
  if (ActiveSeats(g) <= 4) {
    // With four or fewer in play a round does not end by passes alone: the seats are asked
    // again until the closing test finds them all folded.
    int next = NextActiveSeat(g, s0);
    if (next == tableSeat) next = NextActiveSeat(g, tableSeat);
    return next;
  }
  const int opposite = OppositeSeat(tableSeat);
  return InPlay(g, opposite) ? opposite : tableSeat;
}
}  // namespace

void ShadePassedLabel(Game& g, int seat) {
  SetPassedOverLook(g, seat);
}

int FoldTarget(Game& g, int x) {
  int seat = x;
  for (int step = 0; step < 2; ++step) {
    seat = NextSeat(seat);
    const SeatRecord& s = g.Seats[seat];
    if (!s.Finished && !s.Scorched && s.OppositeOut) return seat;
  }
  return 0;
}

int NextUnpassedSeat(Game& g, int s0) {
  const bool fold = ActiveSeats(g) >= 5;
  int seat = s0;
  for (int step = 0; step < kSeats; ++step) {
    seat = NextActiveSeat(g, seat);
    if (seat == s0) return 0;
    if (!g.Seats[seat].Passed) return seat;
    if (fold) g.Seats[seat].Folded = true;
  }
  return 0;
}

void NextResponder(Game& g, int s0) {
  const PlayRecord& table = g.TablePlay;
  const int t = table.Seat;
  const bool zunda = IsZundaPlay(table);
  const int active = ActiveSeats(g);
  FlowState& flow = g.Flow;
  int next = 0;

  if (active == 5 && zunda && t != 0) {
    if (t == s0) {
      if (g.Seats[t].OppositeOut) {
        next = NextUnpassedSeat(g, s0);
      } else {
        const int f = FoldTarget(g, t);
        next = (f != 0 && !g.Seats[f].Passed) ? f : OppositeSeat(s0);
      }
    } else if (g.Seats[t].OppositeOut) {
      next = NextUnpassedSeat(g, s0);
      if (next == t) flow.FoldInForce = true;
    } else if (s0 == OppositeSeat(t)) {
      flow.FoldInForce = true;
      const int f = FoldTarget(g, s0);
      next = (f != 0 && !g.Seats[f].Passed) ? f : s0;
    } else {
      const int f = FoldTarget(g, s0);
      next = f != 0 ? f : OppositeSeat(t);
    }
  } else if (zunda && active >= 5 && !g.Seats[s0].OppositeOut) {
    next = OppositeSeat(s0);
    // After a burner declines, the seat opposite it has often passed already (jumped by the
    // burn, or the burner itself): the turn goes back to the table player instead of to and
    // fro between those two seats for ever.
    if (next != t && g.Seats[next].Passed) next = t;
    flow.FoldInForce = true;
  } else if (!zunda && active >= 5 && t != 0 && !g.Seats[s0].OppositeOut && AllOthersShaded(g, t)) {
    const int opposite = OppositeSeat(t);
    if (InPlay(g, opposite) && g.Seats[opposite].CardCount > 0 && !g.Seats[t].Scorched) {
      next = opposite;
    } else {
      next = InPlay(g, t) ? t : NextActiveSeat(g, t);
    }
    flow.FoldInForce = true;
  } else {
    next = NormalRotation(g, s0, t);
  }

  if (g.Burn.BurnerSeat != 0) {
    next = g.Burn.BurnerSeat;
    g.Burn.BurnerSeat = 0;
    flow.FoldInForce = true;
  }
  if (table.BigJokers > 0) next = InPlay(g, s0) ? s0 : NextActiveSeat(g, s0);

  g.CurrentSeat = next;
  if (next != 0) MarkOnTurn(g, next);
}

bool AllOthersPassed(const Game& g, int tableSeat) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    // A scorched seat keeps its cards but is never asked again, so it cannot pass either.
    if (seat == tableSeat || g.Seats[seat].CardCount == 0 || !InPlay(g, seat)) continue;
    if (!g.Seats[seat].Passed) return false;
  }
  return true;
}

bool AllOthersFolded(Game& g, int tableSeat) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (seat == tableSeat || !InPlay(g, seat)) continue;
    if (!g.Seats[seat].Folded) return false;
  }
  g.Flow.FoldInForce = true;
  return true;
}

bool AllOthersShaded(const Game& g, int tableSeat) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (seat == tableSeat) continue;
    if (g.Seats[seat].Shade == SeatShade::None) return false;
  }
  return true;
}

}  // namespace zunda
