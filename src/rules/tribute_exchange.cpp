#include <algorithm>

#include "core/cards.h"
#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "core/text.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

constexpr int kSlots = 10;

int SlotsFor(const SeatRecord& s) {
  return std::clamp(s.TributeCount, 0, kSlots);
}

bool IsCard(const Card& card) {
  return !card.Code.IsBlank() && card.Rank >= kLowRank && card.Rank <= kBigJoker;
}

// Moves the very card named by its code, so that no code is doubled or lost on the way. A card
// the giver does not hold means the hands and the slots disagree: the model is broken.
void MoveCard(Game& g, int from, int to, const Card& card) {
  if (!IsCard(card)) return;
  HandBucket& source = g.Hand[from][card.Rank];
  int found = 0;
  for (int i = 1; i <= source.Count && found == 0; ++i) {
    if (source.Codes[i] == card.Code) found = i;
  }
  if (found == 0) Fatal("Err:贡牌不在手中(" + std::to_string(from) + ":" + card.Code.Str() + ")");
  for (int i = found; i < source.Count; ++i)
    source.Codes[i] = source.Codes[i + 1];
  source.Codes[source.Count] = CardCode();
  --source.Count;

  HandBucket& target = g.Hand[to][card.Rank];
  ++target.Count;
  target.Rank = card.Rank;
  target.Codes[target.Count] = card.Code;
}

std::string RankNames(const Arr<Card, 1, kSlots>& slots, int count) {
  std::string text;
  for (int j = 1; j <= count; ++j) {
    if (IsCard(slots[j])) text += RankLabel(slots[j].Rank) + " ";
  }
  return text;
}

}  // namespace

void ExchangeTribute(Game& g) {
  AddEventLine(g, "", "");
  for (int place = 1; place <= 3; ++place) {
    const int receiver = g.PrevFinishOrder[place];
    const int payer = g.PrevFinishOrder[7 - place];
    if (receiver == 0 || payer == 0) continue;
    const SeatRecord& r = g.Seats[receiver];
    for (int j = 1; j <= SlotsFor(r); ++j)
      MoveCard(g, payer, receiver, r.TributeSlots[j]);
  }
  for (int place = 4; place <= kSeats; ++place) {
    const int payer = g.PrevFinishOrder[place];
    const int receiver = g.PrevFinishOrder[7 - place];
    if (receiver == 0 || payer == 0) continue;
    const SeatRecord& q = g.Seats[payer];
    for (int j = 1; j <= SlotsFor(q); ++j)
      MoveCard(g, receiver, payer, q.ReturnSlots[j]);
  }
  // A receiver short of low cards gives back fewer than it took, and jokers change hands.
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.CardCount = CardsInHand(g, seat);
    s.JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
  }

  for (int place = 1; place <= 3; ++place) {
    const int receiver = g.PrevFinishOrder[place];
    if (receiver == 0) continue;
    const SeatRecord& r = g.Seats[receiver];
    const int count = SlotsFor(r);
    const std::string text = count > 0 ? RankNames(r.ReturnSlots, count) : " (未吃贡)";
    AddEventLine(g, r.Name + " 还贡牌 ", Trim(text));
  }
  for (int place = kSeats; place >= 4; --place) {
    const int payer = g.PrevFinishOrder[place];
    if (payer == 0) continue;
    const SeatRecord& q = g.Seats[payer];
    // A refused tribute keeps the text of the cards that were set aside; it no longer applies.
    const std::string text = SlotsFor(q) > 0 ? q.TributeText : " (未进贡)";
    AddEventLine(g, q.Name + " 进贡牌 ", Trim(text));
  }
}

}  // namespace zunda
