#include <algorithm>

#include "core/cards.h"
#include "core/game.h"
#include "core/seats.h"
#include "rules/finishing.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

constexpr int kSlots = 10;
constexpr int kSeatTableImages = 20;
constexpr int kShownCardTop = 1320;  // where a card laid on the table starts its slide
constexpr int kHighestReturnRank = 11;

// The number of slots a seat fills: its tribute count, never more than the slots it has.
int SlotsFor(const SeatRecord& s) {
  return std::clamp(s.TributeCount, 0, kSlots);
}

bool IsReceiverPlace(int place) {
  return place >= 1 && place <= 3;
}
bool IsPayerPlace(int place) {
  return place >= 4 && place <= kSeats;
}

// The paid cards' ranks for the summary line, "小虎 小虎 ": the slots filled in order, up to
// the first empty one.
void DescribeTribute(SeatRecord& s) {
  for (int k = 1; k <= SlotsFor(s); ++k) {
    const int rank = s.TributeSlots[k].Rank;
    if (rank == 0) break;
    s.TributeText += RankLabel(rank);
    s.TributeText += ' ';
  }
}

}  // namespace

int TributePartner(const Game& g, int seat) {
  const int place = g.Seats[seat].Place;
  if (place < 1 || place > kSeats) return 0;
  return g.PrevFinishOrder[7 - place];
}

void ClearTribute(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  s.TributeCount = 0;
  s.TributeSlots.Fill(Card{});
  s.ReturnSlots.Fill(Card{});
}

void ShowTributeCards(Game& g, int payer) {
  const SeatRecord& s = g.Seats[payer];
  g.TableCache.RowClear[payer - 1] = false;
  for (int k = 1; k <= SlotsFor(s); ++k) {
    const Card& card = s.TributeSlots[k];
    if (card.Rank == 0) break;
    const int index = kSeatTableImages * (payer - 1) + k;
    CardImage& image = g.Win.ImgTable[index];
    image.Tag = card.Code.Str();
    image.Top = kShownCardTop;
    image.Visible = true;
    g.Table.TableSlotUsed[index] = true;
  }
}

void ChooseTributeCards(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.TributeText.clear();
    for (int j = 1; j <= kSlots; ++j) {
      s.TributeSlots[j].Rank = 0;
      s.ReturnSlots[j].Rank = 0;
    }
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (!IsPayerPlace(g.Seats[seat].Place)) continue;
    PickTributeCards(g, seat);
    DescribeTribute(g.Seats[seat]);
    ShowTributeCards(g, seat);
  }
}

void PickTributeCards(Game& g, int payer) {
  SeatRecord& s = g.Seats[payer];
  // The highest cards go, jokers first; the cards stay in hand until the exchange.
  const int wanted = SlotsFor(s);
  int taken = 0;
  for (int rank = kBigJoker; rank >= kLowRank && taken < wanted; --rank) {
    const HandBucket& bucket = g.Hand[payer][rank];
    for (int i = 1; i <= bucket.Count && taken < wanted; ++i) {
      s.TributeSlots[++taken] = Card{bucket.Codes[i], rank};
    }
  }
}

void TakeTribute(Game& g) {
  for (int receiver = 1; receiver <= kSeats; ++receiver) {
    SeatRecord& r = g.Seats[receiver];
    if (!IsReceiverPlace(r.Place)) continue;
    const int payer = TributePartner(g, receiver);
    if (payer == 0) continue;
    bool accept = false;
    if (receiver == g.HumanSeat) {
      if (r.TributeCount <= 0) {
        accept = false;
      } else if (SameTeam(receiver, payer)) {
        const std::string question = TitleOf(7 - r.Place) + "是联邦,是否吃贡?";
        accept = g.Msg(question, Host::Buttons::YesNo, Host::Icon::Question) == Host::Answer::Yes;
        RecordAction(g, AnswerAction(receiver, accept));
      } else {
        accept = true;
      }
    } else {
      // A computer never takes cards from its own team.
      accept = !SameTeam(receiver, payer);
    }
    if (accept) {
      r.TributeSlots = g.Seats[payer].TributeSlots;
    } else {
      ClearTribute(g, receiver);
      ClearTribute(g, payer);
    }
  }
}

void ChooseReturnCards(Game& g, int seat) {
  SeatRecord& s = g.Seats[seat];
  const int wanted = SlotsFor(s);
  s.ReturnSlots.Fill(Card{});
  int filled = 0;
  // Singles from three to jack first: they are the cards hardest to get rid of.
  for (int rank = kLowRank; rank <= kHighestReturnRank && filled < wanted; ++rank) {
    const HandBucket& bucket = g.Hand[seat][rank];
    if (bucket.Count == 1) s.ReturnSlots[++filled] = Card{bucket.Codes[1], rank};
  }
  for (int rank = kLowRank; rank <= kHighestReturnRank && filled < wanted; ++rank) {
    const HandBucket& bucket = g.Hand[seat][rank];
    if (bucket.Count <= 1) continue;
    for (int i = 1; i <= bucket.Count && filled < wanted; ++i) {
      s.ReturnSlots[++filled] = Card{bucket.Codes[i], rank};
    }
  }
  const int payer = TributePartner(g, seat);
  if (payer == 0) return;
  for (int j = 1; j <= wanted; ++j)
    g.Seats[payer].ReturnSlots[j] = s.ReturnSlots[j];
}

}  // namespace zunda
