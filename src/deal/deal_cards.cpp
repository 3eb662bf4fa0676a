#include "deal/deal_cards.h"

#include <string_view>

#include "core/display.h"
#include "core/game.h"
#include "core/seats.h"
#include "core/table_display.h"
#include "core/text.h"

namespace zunda {

namespace {

constexpr std::string_view kSuitLetters = "CDHS";
constexpr std::string_view kTestPlayerName = "测试牌手";

// Suit 1..4 of a card code, 0 for a joker.
int SuitNumber(const CardCode& code) {
  const std::size_t at = kSuitLetters.find(code.Suit());
  return at == std::string_view::npos ? 0 : static_cast<int>(at) + 1;
}

// Shows the pair of threes that made the leader in the seat's row of the table.
void MakeLeaderByPair(Game& g, int seat, char suit) {
  g.LeadSeat = seat;
  const std::string& name = g.Seats[seat].Name;
  ShowPrompt(g, Trim(name) + "上班");
  AddEventLine(g, name, "上班");
  PlayRecord pair;
  pair.Seat = seat;
  pair.BaseRank = kLowRank;
  pair.BaseCount = 2;
  pair.Total = 2;
  const CardCode three(std::string{suit} + "03");
  pair.BaseCodes[1] = three;
  pair.BaseCodes[2] = three;
  ShowPlay(g, seat, pair);
}

// While no leader is known yet, threes decide it: a pair of one suit at once, otherwise the
// most threes, ties to the seat that got there first.
void CountThree(Game& g, int seat, const CardCode& code) {
  DealState& d = g.Deal;
  const int suit = SuitNumber(code);
  d.ThreesBySuit[seat][suit] += 1;
  d.ThreesDealt[seat] += 1;
  if (d.ThreesBySuit[seat][suit] >= 2) {
    MakeLeaderByPair(g, seat, code.Suit());
  } else if (d.ThreesDealt[seat] > d.MostThrees) {
    d.MostThreesSeat = seat;
    d.MostThrees = d.ThreesDealt[seat];
  }
}

void ClearBuckets(Game& g) {
  for (auto& seatHand : g.Hand) {
    for (HandBucket& bucket : seatHand) {
      bucket.Count = 0;
      bucket.Rank = 0;
      for (int slot = 1; slot <= 20; ++slot)
        bucket.Codes[slot] = CardCode();
    }
  }
}

void SettleLeader(Game& g) {
  if (!g.FirstHand) {
    g.LeadSeat = g.PrevFinishOrder[kSeats];
  } else if (g.LeadSeat == 0) {
    g.LeadSeat = g.Deal.MostThreesSeat;
    ShowPrompt(g, "3都不成对，3牌最多者发牌");
    AddEventLine(g, g.Seats[g.LeadSeat].Name, "上班");
  }
}

void ThrowInForTestPlayer(Game& g) {
  const int human = g.HumanSeat;
  if (Trim(g.Seats[human].Name) != kTestPlayerName) return;
  const auto& hand = g.Hand[human];
  const int high = hand[kTwo].Count + hand[kSmallJoker].Count + hand[kBigJoker].Count;
  if (high >= 4) return;
  g.Flow.Running = false;
  g.Deal.ThrownIn = true;
}

}  // namespace

void DealCards(Game& g) {
  ShowPrompt(g, "抓牌上班");
  DealState& d = g.Deal;
  d.ThreesDealt.Fill(0);
  for (auto& bySuit : d.ThreesBySuit)
    bySuit.Fill(0);
  d.MostThreesSeat = 1;
  d.MostThrees = 0;
  ClearBuckets(g);

  for (int n = 1; n <= kDeckSize; ++n) {
    const Card& card = g.DeckCopy[n];
    const int seat = (n - 1) % kSeats + 1;
    HandBucket& bucket = g.Hand[seat][card.Rank];
    bucket.Count += 1;
    bucket.Codes[bucket.Count] = card.Code;
    bucket.Rank = card.Rank;
    if (card.Rank == kLowRank && g.LeadSeat == 0) CountThree(g, seat, card.Code);
    g.DoEvents();
  }

  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
    s.BurnRight = s.JokerCount >= s.SetCount - 2;
  }
  SettleLeader(g);
  g.DealtHand = g.Hand;
  ThrowInForTestPlayer(g);
}

bool IsUnevenDeal(Game& g) {
  int shortBuckets = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kAce; ++rank) {
      if (g.Hand[seat][rank].Count <= 1) ++shortBuckets;
    }
  }
  g.Deal.ShortBuckets = shortBuckets;
  ShowPrompt(g, "重新洗牌");
  return shortBuckets > kMaxShortBuckets || g.LeadSeat < 1 || g.LeadSeat > kSeats;
}

}  // namespace zunda
