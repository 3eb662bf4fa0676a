#include "core/game.h"
#include "core/seats.h"
#include "players/answer_choice.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// An ace (or a king or queen, with the thresholds moved down) is spent on a set of more than
// one card only by a strong hand, or on a short set that is already high; never on a
// partner's fairly high set by a weak hand, and not by a strong hand with several sets left
// against a low set.
bool KeepHighRank(const Game& g, int seat, int rank, const PlayRecord& table) {
  const SeatRecord& me = g.Seats[seat];
  const int highTable = rank == kAce ? 12 : rank - 4;
  const int lowTable = rank == kAce ? 10 : rank - 6;
  const bool answer = (me.StrongHand || (table.BaseRank > highTable && table.Total < 4)) &&
                      !(IsPartnerPlay(seat, table) && !me.StrongHand && table.BaseRank >= 10) &&
                      !(table.BaseRank <= lowTable && me.StrongHand && me.SetCount > 2);
  return !answer;
}

bool KeepForLongSet(const Game& g, int seat, int rank, const PlayRecord& table) {
  const SeatRecord& me = g.Seats[seat];
  if (rank >= kSmallJoker) {
    return me.SetCount > 2 || !me.StrongHand || table.SmallJokers > 0;
  }
  if (rank == kTwo) {
    const bool spend = me.StrongHand && table.BaseRank >= kAce &&
                       (table.Total < 4 || HeldCount(g, seat, kTwo) > 4 || me.SetCount <= 2);
    return !spend;
  }
  if (rank >= 12) return KeepHighRank(g, seat, rank, table);
  return false;
}

bool KeepForSingleCard(const Game& g, int seat, int rank, const PlayRecord& table) {
  const SeatRecord& me = g.Seats[seat];
  return (rank == kTwo && !me.StrongHand && HeldCount(g, seat, kTwo) <= 2) ||
         (rank >= kSmallJoker && table.BaseRank < rank - 1);
}

// Every opponent of the seat is out or has passed on the table play.
bool OpponentsGaveUp(const Game& g, int seat) {
  for (int other = 1; other <= kSeats; ++other) {
    if (SameTeam(seat, other)) continue;
    const SeatRecord& s = g.Seats[other];
    if (!s.Finished && !s.Scorched && !s.Passed) return false;
  }
  return true;
}

// Table situations in which the seat lets the play stand whatever it would answer with.
bool LetTableStand(Game& g, int seat, const PlayRecord& table) {
  const SeatRecord& me = g.Seats[seat];
  const bool partner = IsPartnerPlay(seat, table);
  const bool zunda = IsZundaPlay(table);
  if (LeaveTablePlay(g, seat, table)) return true;
  if (partner && table.Total >= 5 && table.BaseRank >= 9) return true;
  if (zunda && (partner || !me.StrongHand)) return true;
  if (ActiveSeats(g) <= 4 && partner && !g.Seats[table.Seat].Finished &&
      (table.BaseRank >= 8 || table.Total >= 5)) {
    return true;
  }
  return OpponentsGaveUp(g, seat) && g.Seats[table.Seat].CardCount > 0;
}

}  // namespace

bool HoldBack(Game& g, int seat, int rank, const PlayRecord& table) {
  // Against the last opponent in play nothing is worth keeping.
  if (IsLastOpponent(g, seat, table.Seat)) return false;
  bool hold = false;
  if (table.Total > 1) {
    hold = KeepForLongSet(g, seat, rank, table);
  } else if (table.Total == 1) {
    hold = KeepForSingleCard(g, seat, rank, table);
  }
  hold = LetTableStand(g, seat, table) || hold;
  // A seat that can go out with this answer always does.
  if (table.Total == g.Seats[seat].CardCount) return false;
  return hold;
}

bool LeaveTablePlay(Game& g, int seat, const PlayRecord& table) {
  const int owner = table.Seat;
  if (owner < 1 || owner > kSeats) return false;
  const SeatRecord& s = g.Seats[owner];
  const bool big = (table.BaseRank >= 7 && table.Total >= 6) ||
                   (table.BaseRank >= 9 && table.Total >= 5) || IsZundaPlay(table);
  // The seat after a finished player takes its round over: the seat's team gets it anyway.
  if (big && (s.Finished || s.Scorched) && SameTeam(NextSeat(owner), seat)) return true;
  if (s.CardCount != 0) return false;
  if (!SameTeam(NextActiveSeat(g, owner), seat)) return false;
  for (int other = 1; other <= kSeats; ++other) {
    if (other == seat || other == owner) continue;
    if (g.Seats[other].CardCount > 0 && !g.Seats[other].Passed) return false;
  }
  return true;
}

bool PartnerPassed(const Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  if (!IsPartnerPlay(seat, table)) return false;
  for (int other = 1; other <= kSeats; ++other) {
    if (!SameTeam(seat, other) && InPlay(g, other) && !g.Seats[other].Passed) return false;
  }
  return true;
}

}  // namespace zunda
