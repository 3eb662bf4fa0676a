#include "deal_invariants.h"

#include <array>
#include <map>

#include "core/game.h"

namespace zunda::sim {

namespace {

constexpr int kSeatsAtTable = 6;

std::string SeatRank(int seat, int rank) {
  return "seat " + std::to_string(seat) + " rank " + std::to_string(rank);
}

void CheckDeck(const Game& g, std::vector<std::string>& out) {
  std::map<std::string, int> counts;
  for (const Card& card : g.DeckCopy) {
    ++counts[card.Code.Str()];
    if (card.Rank != card.Code.Rank())
      out.push_back("card " + card.Code.Str() + " has a wrong rank");
  }
  for (int k = 0; k < 54; ++k) {
    const std::string code = CodeAt(k).Str();
    if (counts[code] != 4) {
      out.push_back("the deck holds " + std::to_string(counts[code]) + " of " + code);
    }
  }
  if (g.Deck != g.DeckCopy) out.push_back("the deck and its copy differ after the deal");
}

void CheckHands(const Game& g, std::vector<std::string>& out) {
  // The hands the dealt order must give, card n to seat (n-1) mod 6 + 1.
  std::array<std::array<std::vector<CardCode>, kBigJoker + 1>, kSeatsAtTable + 1> dealt;
  for (int n = 1; n <= kDeckSize; ++n) {
    const Card& card = g.DeckCopy[n];
    if (card.Rank >= kLowRank && card.Rank <= kBigJoker) {
      dealt[static_cast<std::size_t>((n - 1) % kSeatsAtTable + 1)]
           [static_cast<std::size_t>(card.Rank)]
               .push_back(card.Code);
    }
  }
  int total = 0;
  for (int seat = 1; seat <= kSeatsAtTable; ++seat) {
    int held = 0;
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      const HandBucket& bucket = g.Hand[seat][rank];
      const auto& expected = dealt[static_cast<std::size_t>(seat)][static_cast<std::size_t>(rank)];
      held += bucket.Count;
      if (bucket.Count < 0 || bucket.Count > 25) {
        out.push_back(SeatRank(seat, rank) + " counts " + std::to_string(bucket.Count));
        continue;
      }
      if (bucket.Count > 0 && bucket.Rank != rank) {
        out.push_back(SeatRank(seat, rank) + " is marked rank " + std::to_string(bucket.Rank));
      }
      for (int slot = 1; slot <= 25; ++slot) {
        const CardCode& code = bucket.Codes[slot];
        if (slot <= bucket.Count ? code.Rank() != rank : !code.IsBlank()) {
          out.push_back(SeatRank(seat, rank) + " slot " + std::to_string(slot) + " holds '" +
                        code.Str() + "'");
        }
      }
      bool same = static_cast<std::size_t>(bucket.Count) == expected.size();
      for (std::size_t i = 0; same && i < expected.size(); ++i) {
        same = bucket.Codes[static_cast<int>(i) + 1] == expected[i];
      }
      if (!same) out.push_back(SeatRank(seat, rank) + " is not what the deck dealt");
    }
    if (held != 36)
      out.push_back("seat " + std::to_string(seat) + " holds " + std::to_string(held));
    if (g.Seats[seat].CardCount != 36) {
      out.push_back("seat " + std::to_string(seat) + " counts " +
                    std::to_string(g.Seats[seat].CardCount) + " cards");
    }
    const int jokers = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
    if (g.Seats[seat].JokerCount != jokers) {
      out.push_back("seat " + std::to_string(seat) + " counts its jokers wrong");
    }
    total += held;
  }
  if (total != kDeckSize) out.push_back(std::to_string(total) + " cards dealt");
  if (g.DealtHand != g.Hand) out.push_back("the dealt hands were not kept");
}

void CheckEvenness(const Game& g, std::vector<std::string>& out) {
  int shortBuckets = 0;
  for (int seat = 1; seat <= kSeatsAtTable; ++seat) {
    for (int rank = kLowRank; rank <= kAce; ++rank) {
      if (g.Hand[seat][rank].Count <= 1) ++shortBuckets;
    }
  }
  if (shortBuckets > 15) {
    out.push_back("accepted a deal with " + std::to_string(shortBuckets) + " short buckets");
  }
  if (shortBuckets != g.Deal.ShortBuckets) out.push_back("short buckets miscounted");
}

}  // namespace

int ThreesLeader(const DeckArray& dealt) {
  const std::string suits = "CDHS";
  std::array<std::array<int, 4>, kSeatsAtTable + 1> bySuit{};
  std::array<int, kSeatsAtTable + 1> threes{};
  int leader = 1;
  int most = 0;
  for (int n = 1; n <= kDeckSize; ++n) {
    if (dealt[n].Rank != kLowRank) continue;
    const auto seat = static_cast<std::size_t>((n - 1) % kSeatsAtTable + 1);
    const std::size_t suit = suits.find(dealt[n].Code.Suit());
    if (suit == std::string::npos) continue;
    if (++bySuit[seat][suit] == 2) return static_cast<int>(seat);
    if (++threes[seat] > most) {
      most = threes[seat];
      leader = static_cast<int>(seat);
    }
  }
  return leader;
}

std::vector<std::string> CheckAcceptedDeal(const Game& g, int expectedLeader) {
  std::vector<std::string> out;
  CheckDeck(g, out);
  CheckHands(g, out);
  CheckEvenness(g, out);
  if (g.LeadSeat != expectedLeader) {
    out.push_back("leader is seat " + std::to_string(g.LeadSeat) + ", expected seat " +
                  std::to_string(expectedLeader));
  }
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    if (g.PlayedByRank[rank] != 0) {
      out.push_back("played counts not cleared after the deal");
      break;
    }
  }
  return out;
}

}  // namespace zunda::sim
