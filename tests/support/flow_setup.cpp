#include "flow_setup.h"

#include "deal/hand_setup.h"
#include "flow/new_round.h"
#include "hand_builder.h"
#include "rules/burn_right.h"
#include "rules/finishing.h"
#include "rules/hand_display.h"
#include "sim/position_counts.h"

namespace zunda::testing {

void ReplaceHands(Game& g, const std::array<std::string_view, 6>& hands) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SetHand(g, seat, hands[static_cast<std::size_t>(seat - 1)]);
    g.DealtHand[seat] = g.Hand[seat];
    UpdateBurnRight(g, seat);
  }
  sim::MarkRestAsPlayed(g);
  ShowHand(g, g.HumanSeat);
}

void SetUpRound(Game& g, const std::array<std::string_view, 6>& hands, int leader) {
  InitHand(g);
  BuildDeck(g.Deck);  // the four packs the next deal shuffles
  ReplaceHands(g, hands);
  g.Ai.HandInPlay = true;
  NewRound(g);
  g.LeadSeat = leader;
  g.MainCourse = TurnStep::StartRound;
  g.Win.TmrMainCircle.Interval = 10;
  g.Win.TmrMainCircle.Enabled = true;
}

void GoneOut(Game& g, int seat) {
  SetHand(g, seat, "");
  sim::MarkRestAsPlayed(g);
  SeatFinished(g, seat);
}

void AnswerWith(Game& g, int seat, int rank, int count, int smallJokers, int bigJokers) {
  PlayRecord& play = g.Selection;
  play = PlayRecord();
  const HandBucket& bucket = g.Hand[seat][rank];
  play.BaseRank = rank;
  for (int i = 1; i <= count; ++i) {
    const CardCode code = bucket.Codes[bucket.Count - count + i];
    if (rank == kTwo) {
      play.TwoCodes[i] = code;
    } else {
      play.BaseCodes[i] = code;
    }
  }
  (rank == kTwo ? play.TwoCount : play.BaseCount) = count;
  play.SmallJokers = smallJokers;
  play.BigJokers = bigJokers;
  play.Total = count + smallJokers + bigJokers;
}

std::vector<int> Order(const Arr<int, 1, kSeats>& order) {
  return std::vector<int>(order.begin(), order.end());
}

int EventLinesWith(const Game& g, std::string_view text) {
  int count = 0;
  for (const std::string& line : g.Win.LstDispEvent.Items) {
    if (line.find(text) != std::string::npos) ++count;
  }
  return count;
}

}  // namespace zunda::testing
