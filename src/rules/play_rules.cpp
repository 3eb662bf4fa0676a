#include "rules/play_rules.h"

#include <algorithm>

#include "core/game.h"
#include "rules/answer_rule.h"

namespace zunda {

void ClearTablePlay(Game& g) {
  ClearPlayCounts(g.TablePlay);
}

void ClearSelection(Game& g) {
  ClearPlayCounts(g.Selection);
  g.Selection.BaseCodes.Fill(CardCode());
  g.Selection.TwoCodes.Fill(CardCode());
}

void ClearPrevTablePlay(Game& g) {
  ClearPlayCounts(g.PrevTablePlay);
}

namespace {

// The strongest set of `total` cards whose lowest card has the given rank: one card of that
// rank, then as many big jokers as the seat holds, then small jokers, twos and the rank's own
// cards. No other set of that rank meets the table's small jokers better. Empty when the seat
// cannot make one.
PlayRecord StrongestSetAt(const Game& g, int seat, int rank, int total) {
  const auto held = [&](int r) { return g.Hand[seat][r].Count; };
  if (total <= 0 || held(rank) <= 0) return PlayRecord{};
  Arr<int, kLowRank, kBigJoker> taken;
  taken[rank] = 1;
  int left = total - 1;
  for (const int r : {kBigJoker, kSmallJoker, kTwo, rank}) {
    if (r < rank) continue;
    const int n = std::min(held(r) - taken[r], left);
    taken[r] += n;
    left -= n;
  }
  if (left > 0) return PlayRecord{};
  PlayRecord set;
  set.BaseRank = rank;
  set.BaseCount = rank < kTwo ? taken[rank] : 0;
  set.TwoCount = taken[kTwo];
  set.SmallJokers = taken[kSmallJoker];
  set.BigJokers = taken[kBigJoker];
  set.Total = total;
  return set;
}

}  // namespace

bool CannotBeat(const Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  // An empty table is a lead, not a play to answer.
  if (table.Total <= 0) return false;
  for (int rank = std::max(table.BaseRank + 1, kLowRank); rank <= kBigJoker; ++rank) {
    const PlayRecord set = StrongestSetAt(g, seat, rank, table.Total);
    if (set.Total > 0 && Answers(table, set)) return false;
  }
  return true;
}

int CanSupply(const Game& g, int seat, int rank, int n) {
  return g.Hand[seat][rank].Count >= n ? n : 0;
}

std::string PlayLabel(const PlayRecord& play) {
  return RankLabel(play.BaseRank);
}

}  // namespace zunda
