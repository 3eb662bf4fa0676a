#include "choice_checks.h"

#include "core/game.h"
#include "core/seats.h"
#include "players/answer_candidate.h"
#include "rules/answer_rule.h"

namespace zunda::sim {

namespace {

std::string SeatFault(const PlayRecord& p, int seat) {
  if (p.Seat == seat && p.Tag == TeamLetter(seat)) return "";
  return "the set is marked seat " + std::to_string(p.Seat) + " tag '" + std::string(1, p.Tag) +
         "'";
}

std::string CodesFault(const Game& g, int seat, const PlayRecord& p) {
  const HandBucket none;
  std::string fault =
      HeldCodesFault(p.BaseCodes, p.BaseCount, p.BaseCount > 0 ? g.Hand[seat][p.BaseRank] : none);
  if (fault.empty()) fault = HeldCodesFault(p.TwoCodes, p.TwoCount, g.Hand[seat][kTwo]);
  return fault;
}

}  // namespace

std::string HeldCodesFault(const Arr<CardCode, 1, 16>& codes, int count, const HandBucket& bucket) {
  Arr<bool, 1, 25> used;
  for (int i = 1; i <= count; ++i) {
    bool found = false;
    for (int k = 1; k <= bucket.Count && !found; ++k) {
      if (!used[k] && bucket.Codes[k] == codes[i]) used[k] = found = true;
    }
    // Built by appending: GCC 12 at -O3 takes a prepending concatenation for an overlapping copy.
    if (!found) return std::string("'").append(codes[i].Str()).append("' is not held");
  }
  for (int i = count + 1; i <= 16; ++i) {
    if (!codes[i].IsBlank()) return "code slot " + std::to_string(i) + " is not blank";
  }
  return "";
}

std::string LeadFault(const Game& g, int seat) {
  const PlayRecord& p = g.TablePlay;
  const auto held = [&](int rank) { return g.Hand[seat][rank].Count; };
  if (std::string fault = SeatFault(p, seat); !fault.empty()) return fault;
  if (p.Total <= 0 || p.Total != p.BaseCount + p.TwoCount + p.SmallJokers + p.BigJokers) {
    return "a lead of total " + std::to_string(p.Total);
  }
  if (p.BaseRank != LowestRankOf(p) ||
      (p.BaseCount > 0 && (p.BaseRank < kLowRank || p.BaseRank > kAce))) {
    return "a lead of base rank " + std::to_string(p.BaseRank);
  }
  if (p.BaseCount < 0 || p.TwoCount < 0 || p.SmallJokers < 0 || p.BigJokers < 0 ||
      (p.BaseCount > 0 && p.BaseCount > held(p.BaseRank)) || p.TwoCount > held(kTwo) ||
      p.SmallJokers > held(kSmallJoker) || p.BigJokers > held(kBigJoker)) {
    return "a lead of more cards than held";
  }
  if (p.BaseCount > 0 && p.BaseCount != held(p.BaseRank)) {
    return "a lead that splits the bucket of rank " + std::to_string(p.BaseRank);
  }
  return CodesFault(g, seat, p);
}

std::string AnswerFault(const Game& g, int seat) {
  const PlayRecord& a = g.Selection;
  if (std::string fault = SeatFault(a, seat); !fault.empty()) return fault;
  if (!IsLegalAnswer(g, seat, a)) return "an answer the play rules refuse";
  return CodesFault(g, seat, a);
}

}  // namespace zunda::sim
