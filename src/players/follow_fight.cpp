#include <algorithm>

#include "core/game.h"
#include "core/seats.h"
#include "players/answer_choice.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// The outcome of trying to complete a set with wildcards. A single card on the table that
// no wildcard may answer ends the search: nothing is split or thrown for it.
struct Completion {
  AnswerCandidate answer;
  bool giveUp = false;
};

bool Supplies(const Game& g, int seat, const AnswerCandidate& c) {
  return (c.Base == 0 || CanSupply(g, seat, c.Rank, c.Base) == c.Base) &&
         CanSupply(g, seat, kTwo, c.Twos) == c.Twos &&
         CanSupply(g, seat, kSmallJoker, c.Small) == c.Small &&
         CanSupply(g, seat, kBigJoker, c.Big) == c.Big;
}

Completion SingleCardWildcard(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const bool strong = g.Seats[seat].StrongHand;
  Completion result;
  const int from = table.BaseRank < kTwo ? kTwo : table.BaseRank + 1;
  int rank = 0;
  for (int r = from; r <= kBigJoker && rank == 0; ++r) {
    if (HeldCount(g, seat, r) > 0) rank = r;
  }
  AnswerCandidate& c = result.answer;
  if (rank == kTwo && HeldCount(g, seat, kTwo) >= 2) {
    c = {kTwo, 0, 1, 0, 0};
  } else if (rank == kSmallJoker && table.BaseRank == kTwo && strong) {
    c = {kSmallJoker, 0, 0, 1, 0};
  } else if (rank == kBigJoker && table.BaseRank == kSmallJoker && strong) {
    c = {kBigJoker, 0, 0, 0, 1};
  } else {
    result.giveUp = true;
  }
  return result;
}

// One small joker, failing that one big joker (with no small jokers on the table).
bool AddJoker(const Game& g, int seat, AnswerCandidate& c) {
  if (HeldCount(g, seat, kSmallJoker) > 0) {
    c.Small = 1;
  } else if (HeldCount(g, seat, kBigJoker) > c.Big) {
    ++c.Big;
  } else {
    return false;
  }
  return true;
}

// One two, failing that one small joker.
bool AddTwoOrSmallJoker(const Game& g, int seat, AnswerCandidate& c) {
  if (HeldCount(g, seat, kTwo) > 0) {
    c.Twos = 1;
  } else if (HeldCount(g, seat, kSmallJoker) > 0) {
    c.Small = 1;
  } else {
    return false;
  }
  return true;
}

// need - 1 cards of the lowest rank that has exactly that many, and one wildcard. The lower
// the rank, the more readily a joker is spent on it, depending on the table's size.
AnswerCandidate OneShortSet(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const int need = AnswerNeed(table);
  if (need < 2) return {};
  int rank = 0;
  for (int r = table.BaseRank + 1; r <= kAce && rank == 0; ++r) {
    if (HeldCount(g, seat, r) == need - 1) rank = r;
  }
  if (rank == 0) return {};
  AnswerCandidate c{rank, need - 1, 0, 0, table.SmallJokers};
  const bool plain = table.SmallJokers == 0;
  bool ok = false;
  if (table.Total <= 3) {
    if (rank <= 12) {
      ok = plain && table.Total != g.Seats[seat].CardCount ? AddJoker(g, seat, c)
                                                           : AddTwoOrSmallJoker(g, seat, c);
    } else {
      c.Twos = 1;
      ok = true;
    }
  } else if (table.Total == 4) {
    if (rank <= 11 && plain) {
      ok = AddJoker(g, seat, c);
    } else {
      c.Twos = 1;
      ok = true;
    }
  } else {
    if (rank <= 9 && plain) {
      c.Small = 1;
    } else {
      c.Twos = 1;
    }
    ok = true;
  }
  if (!ok || !Supplies(g, seat, c)) return {};
  return c;
}

// Against aces, twos or jokers: need cards of the very next rank up, with a big joker for
// each small joker on the table.
AnswerCandidate NextRankUp(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  const int need = AnswerNeed(table);
  int rank = 0;
  for (int r = table.BaseRank + 1; r <= kBigJoker && rank == 0; ++r) {
    if (HeldCount(g, seat, r) >= need) rank = r;
  }
  if (rank == 0 || rank != table.BaseRank + 1) return {};
  AnswerCandidate c{rank, 0, 0, 0, table.SmallJokers};
  if (rank == kTwo) c.Twos = need;
  if (rank == kSmallJoker) c.Small = need;
  if (rank == kBigJoker) c.Big += need;
  if (!Supplies(g, seat, c)) return {};
  return c;
}

Completion CompleteWithWildcards(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  if (table.Total == 1) return SingleCardWildcard(g, seat);
  Completion result;
  if (table.BaseRank <= 13) {
    result.answer = OneShortSet(g, seat);
  } else {
    result.answer = NextRankUp(g, seat);
  }
  return result;
}

// A split is taken as base cards, as a few twos against a high table, or as a single joker
// against a table of twos or jokers.
bool AcceptSplit(const Game& g, int seat, const AnswerCandidate& c) {
  const PlayRecord& table = g.TablePlay;
  const bool strong = g.Seats[seat].StrongHand;
  const int brought = c.Total() - table.SmallJokers;
  if (c.Rank >= kLowRank && c.Rank <= kAce) return true;
  if (c.Rank == kTwo) return brought <= 3 && table.BaseRank >= 13;
  if (c.Rank == kSmallJoker) return brought == 1 && strong && table.BaseRank >= kTwo;
  if (c.Rank == kBigJoker) return brought == 1 && strong && table.BaseRank >= kSmallJoker;
  return false;
}

// Down to its last set: the table's size in cards from the top of the hand, jokers first.
AnswerCandidate TopCards(const Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  AnswerCandidate c;
  int left = table.Total;
  const auto take = [&](int rank, int& into) {
    const int n = std::min(HeldCount(g, seat, rank), left);
    if (n == 0) return;
    into += n;
    left -= n;
    c.Rank = rank;
  };
  take(kBigJoker, c.Big);
  if (left > 0) take(kSmallJoker, c.Small);
  if (left > 0) take(kTwo, c.Twos);
  for (int rank = kAce; rank > table.BaseRank && left > 0; --rank)
    take(rank, c.Base);
  return c;
}

}  // namespace

AnswerCandidate SplitSearch(Game& g, int seat) {
  const PlayRecord& table = g.TablePlay;
  if (!g.Seats[seat].StrongHand) return {};
  const int need = AnswerNeed(table);
  // Against aces and above the search goes on into the jokers.
  const int top = table.BaseRank <= 13 ? kTwo : kBigJoker;
  int rank = 0;
  for (int spare = 2; spare >= 1 && rank == 0; --spare) {
    for (int r = table.BaseRank + 1; r <= top && rank == 0; ++r) {
      if (HeldCount(g, seat, r) >= need + spare) rank = r;
    }
  }
  if (rank == 0) return {};
  AnswerCandidate c{rank, 0, 0, 0, table.SmallJokers};
  if (rank <= kAce) c.Base = need;
  if (rank == kTwo) c.Twos = need;
  if (rank == kSmallJoker) c.Small = need;
  if (rank == kBigJoker) c.Big += need;
  return c;
}

void FollowFight(Game& g, int seat) {
  ClearSelection(g);
  const PlayRecord& table = g.TablePlay;
  if (table.BigJokers > 0 || HeldCount(g, seat, kBigJoker) < table.SmallJokers) return;
  FollowExact(g, seat);
  if (g.Selection.Total > 0) return;

  const SeatRecord& me = g.Seats[seat];
  AnswerCandidate answer;
  if (!IsPartnerPlay(seat, table) || me.FinishMode) {
    const Completion completion = CompleteWithWildcards(g, seat);
    if (completion.giveUp) return;
    answer = completion.answer;
  }
  if (answer.Empty()) {
    const AnswerCandidate split = SplitSearch(g, seat);
    if (!split.Empty() && AcceptSplit(g, seat, split)) answer = split;
  }
  if (answer.Empty() && table.Total > 1 && me.SetCount == 1 && me.CardCount >= table.Total) {
    answer = TopCards(g, seat);
  }

  if (answer.Rank <= 0 || answer.Rank > kBigJoker) return;
  if (seat == g.HumanSeat && g.Ai.KeepHumanChoice) return;
  if (HoldBack(g, seat, answer.Rank, table)) return;
  if (LeaveTablePlay(g, seat, table)) return;
  // Completing, splitting and throwing top cards are for strong hands only.
  if (!me.StrongHand) return;
  if (IsOwnTeamBigPlay(g, seat, table) && me.SetCount > 1) return;
  BuildAnswer(g, seat, answer);
}

}  // namespace zunda
