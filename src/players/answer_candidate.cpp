#include "players/answer_candidate.h"

#include "core/seats.h"
#include "players/hand_analysis.h"
#include "rules/answer_rule.h"
#include "rules/play_rules.h"

namespace zunda {

bool IsPartnerPlay(int seat, const PlayRecord& table) {
  return table.Seat != seat && SameTeam(seat, table.Seat);
}

bool IsLegalAnswer(const Game& g, int seat, const PlayRecord& answer) {
  if (answer.BaseCount < 0 || answer.TwoCount < 0 || answer.SmallJokers < 0 ||
      answer.BigJokers < 0) {
    return false;
  }
  const int total = answer.BaseCount + answer.TwoCount + answer.SmallJokers + answer.BigJokers;
  if (answer.Total != total || answer.BaseRank != LowestRankOf(answer)) return false;
  if (answer.BaseCount > 0 && (answer.BaseRank < kLowRank || answer.BaseRank > kAce)) return false;
  if (!Answers(g.TablePlay, answer)) return false;
  if (answer.BaseCount > 0 && answer.BaseCount > HeldCount(g, seat, answer.BaseRank)) return false;
  return answer.TwoCount <= HeldCount(g, seat, kTwo) &&
         answer.SmallJokers <= HeldCount(g, seat, kSmallJoker) &&
         answer.BigJokers <= HeldCount(g, seat, kBigJoker);
}

void BuildAnswer(Game& g, int seat, const AnswerCandidate& candidate) {
  ClearSelection(g);
  PlayRecord& answer = g.Selection;
  answer.Seat = seat;
  answer.Tag = TeamLetter(seat);
  answer.BaseRank = candidate.Rank;
  answer.BaseCount = candidate.Base;
  answer.TwoCount = candidate.Twos;
  answer.SmallJokers = candidate.Small;
  answer.BigJokers = candidate.Big;
  answer.Total = candidate.Total();
  if (!IsLegalAnswer(g, seat, answer)) {
    ClearSelection(g);
    return;
  }
  // Read through a const grid: a write access would count as a change of the seat's hand.
  const HandGrid& hands = g.Hand;
  if (answer.BaseCount > 0) {
    const HandBucket& bucket = hands[seat][answer.BaseRank];
    const int first = bucket.Count - answer.BaseCount;
    for (int i = 1; i <= answer.BaseCount; ++i)
      answer.BaseCodes[i] = bucket.Codes[first + i];
  }
  const HandBucket& twos = hands[seat][kTwo];
  for (int i = 1; i <= answer.TwoCount; ++i)
    answer.TwoCodes[i] = twos.Codes[twos.Count + 1 - i];
  CheckCardTotals(g);
}

}  // namespace zunda
