#include <algorithm>

#include "core/game.h"
#include "core/seats.h"
#include "players/answer_choice.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

constexpr int kNoRank = 18;

// The next seat is down to one set. A partner is fed the lowest set of the table's size
// that lies below its only rank, so that it can answer with its whole hand; an opponent
// only sees a set its hand cannot top, unless the table play's seat is already out.
int RankAgainstLastSet(Game& g, int seat, int next, int need) {
  const PlayRecord& table = g.TablePlay;
  const int low = LowestRank(g, next);
  if (SameTeam(seat, next)) {
    for (int rank = kLowRank; rank < low; ++rank) {
      if (HeldCount(g, seat, rank) == need) return rank;
    }
    return 0;
  }
  const bool ownerOut = g.Seats[table.Seat].Finished;
  for (int rank = std::max(table.BaseRank + 1, kLowRank); rank <= kBigJoker; ++rank) {
    if (rank < low && !ownerOut) continue;
    if (HeldCount(g, seat, rank) != need) continue;
    const bool accepted = (rank <= kTwo && (rank >= low || rank >= 12)) || ownerOut;
    return accepted ? rank : 0;
  }
  return 0;
}

}  // namespace

void FollowExact(Game& g, int seat) {
  ClearSelection(g);
  const PlayRecord& table = g.TablePlay;
  if (table.BigJokers > 0) return;
  const int need = AnswerNeed(table);
  const SeatRecord& me = g.Seats[seat];

  int rank = 0;
  const int next = NextActiveSeat(g, seat);
  if (next != seat && g.Seats[next].SetCount == 1 && !IsZundaPlay(table)) {
    rank = RankAgainstLastSet(g, seat, next, need);
  }
  if (rank == 0) {
    if (HeldCount(g, seat, kBigJoker) < table.SmallJokers) return;
    rank = kNoRank;
    // Only a set of exactly the size needed: a bigger set is never split here.
    for (int r = std::max(table.BaseRank + 1, kLowRank); r <= kBigJoker; ++r) {
      if (HeldCount(g, seat, r) == need) {
        rank = r;
        break;
      }
    }
  }

  if (rank > kBigJoker) return;
  if (seat == g.HumanSeat && g.Ai.KeepHumanChoice) return;
  if (HoldBack(g, seat, rank, table)) return;
  // Jokers go only one rank above the table.
  if (rank > kTwo && rank != table.BaseRank + 1) return;
  // A hand not clearly ahead of the opposite seat's keeps its twos and jokers.
  if (me.HandScore - 200 < g.Seats[OppositeSeat(seat)].HandScore && rank >= kTwo &&
      !me.StrongHand) {
    return;
  }

  AnswerCandidate answer;
  answer.Rank = rank;
  const int held = HeldCount(g, seat, rank);
  if (rank <= kAce) answer.Base = held;
  if (rank == kTwo) answer.Twos = held;
  if (rank == kSmallJoker) answer.Small = held;
  answer.Big = (rank == kBigJoker ? held : 0) + table.SmallJokers;
  BuildAnswer(g, seat, answer);
}

}  // namespace zunda
