#include "rules/play_rules.h"

#include <algorithm>

#include "core/game.h"

namespace zunda {

void ClearPlayCounts(PlayRecord& play) {
  play.Tag = ' ';
  play.Seat = 0;
  play.Total = 0;
  play.BaseRank = 0;
  play.BaseCount = 0;
  play.TwoCount = 0;
  play.SmallJokers = 0;
  play.BigJokers = 0;
}

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

bool IsZundaPlay(const PlayRecord& play) {
  if (play.Total <= 0) return false;
  if (play.BigJokers > 0 || play.SmallJokers > 0) return true;
  return IsZundaSet(play.BaseRank, play.Total);
}

bool CannotBeat(const Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const auto held = [&](int rank) { return g.Hand[seat][rank].Count; };
  const int jokers = held(kBigJoker) + held(kSmallJoker);
  if (jokers < table.SmallJokers + table.TwoCount && table.BaseRank >= kTwo) return true;
  if (held(kBigJoker) < table.SmallJokers) return true;
  const int wild = held(kTwo) + held(kSmallJoker) + held(kBigJoker);
  for (int rank = std::max(table.BaseRank + 1, kLowRank); rank <= kBigJoker; ++rank) {
    const int available = (rank < kTwo ? held(rank) : 0) + wild;
    if (available >= table.Total) return false;
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
