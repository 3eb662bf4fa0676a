#include <algorithm>

#include "core/game.h"
#include "core/seats.h"
#include "players/answer_choice.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// A single card on the table: the lowest two or joker the seat holds that may answer it.
AnswerCandidate SingleWildcard(const Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const int from = table.BaseRank < kTwo ? kTwo : table.BaseRank + 1;
  for (int rank = from; rank <= kBigJoker; ++rank) {
    if (HeldCount(g, seat, rank) == 0) continue;
    AnswerCandidate c{rank, 0, 0, 0, 0};
    if (rank == kTwo) c.Twos = 1;
    if (rank == kSmallJoker) c.Small = 1;
    if (rank == kBigJoker) c.Big = 1;
    return c;
  }
  return {};
}

// The one wildcard that completes a set one card short. A seat with more sets than jokers
// to escort them spends a two when the set becomes a Zunda play with it.
bool AddOneWildcard(const Game& g, int seat, AnswerCandidate& c) {
  const SeatRecord& me = g.Seats[seat];
  PlayRecord withTwo;
  withTwo.BaseRank = c.Rank;
  withTwo.BaseCount = c.Base;
  withTwo.TwoCount = 1;
  withTwo.BigJokers = c.Big;
  withTwo.Total = c.Base + 1 + c.Big;
  if (me.JokerCount + 1 < me.SetCount && IsZundaPlay(withTwo)) {
    if (HeldCount(g, seat, kTwo) < 1) return false;
    c.Twos = 1;
  } else if (HeldCount(g, seat, kSmallJoker) > 0) {
    c.Small = 1;
  } else if (HeldCount(g, seat, kBigJoker) > c.Big) {
    ++c.Big;
  } else {
    return false;
  }
  return true;
}

// Several wildcards: twos first, then small jokers, then big jokers beyond those that meet
// the table's small jokers.
bool AddWildcards(const Game& g, int seat, int count, AnswerCandidate& c) {
  c.Twos = std::min(HeldCount(g, seat, kTwo), count);
  c.Small = std::min(HeldCount(g, seat, kSmallJoker), count - c.Twos);
  const int big = count - c.Twos - c.Small;
  if (HeldCount(g, seat, kBigJoker) < c.Big + big) return false;
  c.Big += big;
  return true;
}

// A set of the lowest rank above the table completed by one, two or three wildcards, the
// fewest that do.
AnswerCandidate CompleteToFinish(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  if (table.Total == 1) return SingleWildcard(g, seat);
  const int need = AnswerNeed(table);
  for (int wild = 1; wild <= 3; ++wild) {
    const int base = need - wild;
    if (base <= 0) break;
    int rank = 0;
    for (int r = table.BaseRank + 1; r <= kAce && rank == 0; ++r) {
      if (HeldCount(g, seat, r) == base) rank = r;
    }
    if (rank == 0) continue;
    AnswerCandidate c{rank, base, 0, 0, table.SmallJokers};
    const bool ok = wild == 1 ? AddOneWildcard(g, seat, c) : AddWildcards(g, seat, wild, c);
    if (ok) return c;
  }
  return {};
}

// The completion leaves enough jokers to escort the sets that remain.
bool KeepsJokersToFinish(const Game& g, int seat, const AnswerCandidate& c) {
  const int zundaSets = CountZundaSets(g, seat);
  return g.Seats[seat].JokerCount - (c.Small + c.Big) + zundaSets + 2 >= CountSets(g, seat);
}

bool AcceptWildAnswer(const Game& g, int seat, const AnswerCandidate& c) {
  const PlayRecord& table = g.TablePlay;
  const SeatRecord& me = g.Seats[seat];
  const bool few = me.SetCount <= 2;
  if (c.Rank == kTwo) return c.Twos <= 3 && (table.BaseRank >= 13 || few);
  if (c.Rank == kSmallJoker) {
    return c.Small == 1 && me.StrongHand && (table.BaseRank >= kTwo || few);
  }
  if (c.Rank == kBigJoker) {
    return c.Big == 1 && me.StrongHand && (table.BaseRank >= kSmallJoker || few);
  }
  return false;
}

}  // namespace

AnswerCandidate WildAnswer(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const int enough = AnswerNeed(table);
  const bool zunda = IsZundaPlay(table);
  for (int rank = table.BaseRank + 1; rank <= kBigJoker; ++rank) {
    if (HeldCount(g, seat, rank) < enough) continue;
    // Ordinary cards do not count here: against a Zunda play the search ends at them.
    if (rank <= kAce) {
      if (zunda) return {};
      continue;
    }
    AnswerCandidate c{rank, 0, 0, 0, table.SmallJokers};
    if (rank == kTwo) c.Twos = enough;
    if (rank == kSmallJoker) c.Small = enough;
    if (rank == kBigJoker) c.Big += enough;
    return c;
  }
  return {};
}

void FollowToFinish(Game& g, int seat) {
  ClearSelection(g);
  const PlayRecord& table = g.TablePlay;
  if (table.BigJokers > 0 || HeldCount(g, seat, kBigJoker) < table.SmallJokers) return;
  FollowFight(g, seat);
  const PlayRecord& fought = g.Selection;
  if (fought.Total > 0 &&
      (IsZundaPlay(fought) || fought.Total == g.Seats[seat].CardCount || fought.Total == 1)) {
    return;
  }

  AnswerCandidate answer = CompleteToFinish(g, seat);
  if (!answer.Empty() && !KeepsJokersToFinish(g, seat, answer)) answer = {};
  if (answer.Empty()) {
    const AnswerCandidate wild = WildAnswer(g, seat);
    if (!wild.Empty() && AcceptWildAnswer(g, seat, wild)) answer = wild;
  }
  if ((IsOwnTeamBigPlay(g, seat, table) && g.Seats[seat].SetCount > 1) || answer.Empty()) {
    FollowFight(g, seat);
    return;
  }
  BuildAnswer(g, seat, answer);
}

}  // namespace zunda
