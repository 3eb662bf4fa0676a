#include "players/answer_choice.h"

#include <algorithm>

#include "core/game.h"
#include "core/seats.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// Jokers answering a table of twos or jokers: small jokers meet the twos as far as they go,
// big jokers the rest and every small joker on the table.
bool JokersOverWildcards(Game& g, int seat, AnswerCandidate& answer) {
  const PlayRecord& table = g.TablePlay;
  const int small = HeldCount(g, seat, kSmallJoker);
  const int big = HeldCount(g, seat, kBigJoker);
  if (small + big < table.Total || big < table.SmallJokers) return false;
  answer.Small = small >= table.TwoCount ? table.TwoCount : small;
  answer.Big = table.SmallJokers + (table.TwoCount - answer.Small);
  answer.Rank = answer.Small > 0 ? kSmallJoker : kBigJoker;
  return true;
}

// The rank to fill up with wildcards: the highest the seat holds exactly the table's size
// of, else the one it holds most of (the highest on a tie), else none.
int FillRank(const Game& g, int seat, int size) {
  const int table = g.TablePlay.BaseRank;
  for (int rank = kAce; rank > table; --rank) {
    if (HeldCount(g, seat, rank) == size) return rank;
  }
  int best = 0;
  int most = 0;
  for (int rank = kAce; rank > table; --rank) {
    if (HeldCount(g, seat, rank) > most) {
      most = HeldCount(g, seat, rank);
      best = rank;
    }
  }
  return best;
}

bool WildcardsOverBase(Game& g, int seat, AnswerCandidate& answer) {
  const PlayRecord& table = g.TablePlay;
  const int size = table.BaseCount + table.TwoCount;
  const int twos = HeldCount(g, seat, kTwo);
  const int small = HeldCount(g, seat, kSmallJoker);
  const int rank = FillRank(g, seat, size);
  const int held = rank > 0 ? HeldCount(g, seat, rank) : 0;
  const int shortBy = std::max(size - held, 0);
  if (twos + small < shortBy || HeldCount(g, seat, kBigJoker) < table.SmallJokers) return false;
  answer.Base = std::min(held, size);
  answer.Twos = std::min(twos, shortBy);
  answer.Small = std::min(small, shortBy - answer.Twos);
  answer.Big = table.SmallJokers + (shortBy - answer.Twos - answer.Small);
  answer.Rank = rank > 0 ? rank : twos > 0 ? kTwo : small > 0 ? kSmallJoker : kBigJoker;
  return true;
}

}  // namespace

bool JokerAnswer(Game& g, int seat) {
  ClearSelection(g);
  const PlayRecord& table = g.TablePlay;
  if (table.BigJokers > 0) return false;
  AnswerCandidate answer;
  const bool found = table.BaseRank >= kTwo ? JokersOverWildcards(g, seat, answer)
                                            : WildcardsOverBase(g, seat, answer);
  if (!found) return false;
  BuildAnswer(g, seat, answer);
  return g.Selection.Total > 0;
}

void ChooseAnswer(Game& g, int seat) {
  ClearSelection(g);
  const PlayRecord& table = g.TablePlay;
  if (table.Total <= 0 || table.Seat < 1 || table.Seat > kSeats) return;
  if (LeaveTablePlay(g, seat, table) || IsOwnTeamBigPlay(g, seat, table)) return;

  const bool partnerTable = SameTeam(seat, table.Seat);
  const bool weakFinisher = IsWeakFinisher(g, table.Seat);
  const bool oneOpponent = OneOpponentLeft(g, seat);
  const bool jokerAnswer = JokerAnswer(g, seat);
  // An opponent about to go out is stopped at once with wildcards.
  if (jokerAnswer && (weakFinisher || oneOpponent) && !partnerTable) return;
  ClearSelection(g);

  const SeatRecord& me = g.Seats[seat];
  const int active = ActiveSeats(g);
  if (me.SetCount == 1 || (me.FinishMode && active != 4) || (active == 2 && oneOpponent)) {
    FollowToFinish(g, seat);
    return;
  }
  const int next = NextActiveSeat(g, table.Seat);
  const bool sameSide = SameTeam(table.Seat, seat);
  const bool fight = ((active <= 2 || active >= 5) && me.StrongHand) ||
                     (g.Seats[table.Seat].Finished && !SameTeam(next, seat)) ||
                     (g.Flow.FoldInForce && !PartnerPassed(g, seat)) ||
                     (active <= 3 && !sameSide) || (IsZundaPlay(table) && !sameSide);
  if (fight) {
    FollowFight(g, seat);
  } else {
    FollowExact(g, seat);
  }
}

}  // namespace zunda
