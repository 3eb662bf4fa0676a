#include "players/autopilot_choice.h"

#include <algorithm>

#include "core/game.h"
#include "core/seats.h"
#include "players/answer_choice.h"
#include "players/lead_choice.h"
#include "rules/answer_rule.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

// The choosers leave their choice in the play records and may refresh the computer players'
// working tables; everything they may touch is put back, so that asking changes nothing.
class ChooserScope {
 public:
  explicit ChooserScope(Game& g)
      : g_(g),
        table_(g.TablePlay),
        selection_(g.Selection),
        previous_(g.PrevTablePlay),
        ai_(g.Ai) {}
  ~ChooserScope() {
    g_.TablePlay = table_;
    g_.Selection = selection_;
    g_.PrevTablePlay = previous_;
    g_.Ai = ai_;
  }
  ChooserScope(const ChooserScope&) = delete;
  ChooserScope& operator=(const ChooserScope&) = delete;

 private:
  Game& g_;
  PlayRecord table_;
  PlayRecord selection_;
  PlayRecord previous_;
  AiState ai_;
};

int Held(const Game& g, int seat, int rank) {
  return g.Hand[seat][rank].Count;
}

bool HasJoker(const PlayRecord& set) {
  return set.SmallJokers + set.BigJokers > 0;
}

// A set described by its counts; the autopilot raises cards by rank, so no codes are kept.
PlayRecord MakeSet(int seat, int rank, int base, int twos, int small, int big) {
  PlayRecord set;
  set.Seat = seat;
  set.Tag = TeamLetter(seat);
  set.BaseCount = rank < kTwo ? base : 0;
  set.TwoCount = twos;
  set.SmallJokers = small;
  set.BigJokers = big;
  set.BaseRank = set.BaseCount > 0 ? rank : twos > 0 ? kTwo : small > 0 ? kSmallJoker : kBigJoker;
  set.Total = set.BaseCount + twos + small + big;
  return set;
}

// Everything in the seat's hand as one set, when its ordinary cards are of one rank.
PlayRecord WholeHandAsOneSet(const Game& g, int seat) {
  int rank = 0;
  for (int r = kLowRank; r <= kAce; ++r) {
    if (Held(g, seat, r) == 0) continue;
    if (rank != 0) return PlayRecord{};
    rank = r;
  }
  const int base = rank != 0 ? Held(g, seat, rank) : 0;
  return MakeSet(seat, rank != 0 ? rank : kTwo, base, Held(g, seat, kTwo),
                 Held(g, seat, kSmallJoker), Held(g, seat, kBigJoker));
}

}  // namespace

int CardsOfRank(const PlayRecord& set, int rank) {
  if (rank == kTwo) return set.TwoCount;
  if (rank == kSmallJoker) return set.SmallJokers;
  if (rank == kBigJoker) return set.BigJokers;
  return set.BaseRank == rank ? set.BaseCount : 0;
}

bool JokerObligationBinds(const Game& g, int seat) {
  return g.Seats[seat].Burned && !g.Burn.BurnBeaten;
}

bool IsLegalHumanPlay(const Game& g, int seat, const PlayRecord& set) {
  if (set.Total <= 0 || set.Total != set.BaseCount + set.TwoCount + set.SmallJokers + set.BigJokers)
    return false;
  if (set.BaseCount > 0 && (set.BaseRank < kLowRank || set.BaseRank > kAce)) return false;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (CardsOfRank(set, rank) > Held(g, seat, rank)) return false;
  }
  const PlayRecord& table = g.TablePlay;
  return table.Total == 0 || Answers(table, set);
}

void ForEachLegalAnswer(const Game& g, int seat, bool withJoker,
                        const std::function<bool(const PlayRecord&)>& visit) {
  const PlayRecord& table = g.TablePlay;
  if (table.Total == 0 || table.BigJokers > 0) return;
  const int cards = g.Seats[seat].CardCount;
  const int twosHeld = Held(g, seat, kTwo);
  const int smallHeld = Held(g, seat, kSmallJoker);
  for (int rank = std::max(kLowRank, table.BaseRank + 1); rank <= kBigJoker; ++rank) {
    const bool ordinary = rank < kTwo;
    const int mostBase = ordinary ? std::min(Held(g, seat, rank), table.Total) : 0;
    if (ordinary && mostBase == 0) continue;
    // As many ordinary cards as possible, then twos before small jokers before big jokers.
    for (int base = mostBase; base >= (ordinary ? 1 : 0); --base) {
      const int wild = table.Total - base;
      const int mostTwos = rank <= kTwo ? std::min(twosHeld, wild) : 0;
      for (int twos = mostTwos; twos >= (rank == kTwo ? 1 : 0); --twos) {
        const int mostSmall = rank <= kSmallJoker ? std::min(smallHeld, wild - twos) : 0;
        for (int small = mostSmall; small >= (rank == kSmallJoker ? 1 : 0); --small) {
          const int big = wild - twos - small;
          const PlayRecord set = MakeSet(seat, rank, base, twos, small, big);
          if (withJoker && !HasJoker(set) && set.Total < cards) continue;
          if (IsLegalHumanPlay(g, seat, set) && !visit(set)) return;
        }
      }
    }
  }
}

PlayRecord LowestLegalAnswer(const Game& g, int seat, bool withJoker) {
  PlayRecord lowest;
  ForEachLegalAnswer(g, seat, withJoker, [&](const PlayRecord& set) {
    lowest = set;
    return false;
  });
  return lowest;
}

PlayRecord AutopilotLead(Game& g, int seat) {
  PlayRecord lead;
  {
    ChooserScope scope(g);
    ChooseLead(g, seat);
    lead = g.TablePlay;
  }
  if (!JokerObligationBinds(g, seat) || HasJoker(lead) || lead.Total == g.Seats[seat].CardCount)
    return lead;
  // A burner escorts its lead with a joker, the small one first, or lays its whole hand.
  if (Held(g, seat, kSmallJoker) > 0) {
    ++lead.SmallJokers;
  } else if (Held(g, seat, kBigJoker) > 0) {
    ++lead.BigJokers;
  } else {
    lead = WholeHandAsOneSet(g, seat);
    if (lead.Total != g.Seats[seat].CardCount) return PlayRecord{};
  }
  lead.Total = lead.BaseCount + lead.TwoCount + lead.SmallJokers + lead.BigJokers;
  return lead;
}

PlayRecord AutopilotAnswer(Game& g, int seat) {
  PlayRecord answer;
  {
    ChooserScope scope(g);
    ClearSelection(g);
    ChooseAnswer(g, seat);
    answer = g.Selection;
  }
  const bool bound = JokerObligationBinds(g, seat);
  if (answer.Total > 0 && bound && !HasJoker(answer) && answer.Total < g.Seats[seat].CardCount) {
    answer = LowestLegalAnswer(g, seat, true);
  }
  // Burning is jumping in to answer: a burner the choosers would let pass answers all the same.
  if (answer.Total == 0 && g.Seats[seat].Burned) answer = LowestLegalAnswer(g, seat, bound);
  return answer;
}

}  // namespace zunda
