#include "random_lead_position.h"

#include <utility>

#include "core/rng.h"
#include "core/seats.h"
#include "players/hand_analysis.h"
#include "position_counts.h"

namespace zunda::sim {

namespace {

int Below(Rng& rng, int bound) {
  return static_cast<int>(rng.Next() % static_cast<std::uint64_t>(bound));
}

void ResetSeat(SeatRecord& s, int seat) {
  s.Team = TeamLetter(seat);
  s.IsHuman = seat == 1;
  s.Passed = s.Folded = s.Finished = s.Burned = s.Scorched = false;
  s.StrongHand = s.FinishMode = s.OppositeOut = s.OnTurn = false;
  s.HandScore = 0;
}

// Removes `count` cards of the rank whose codes match `codes` (or, for jokers, any).
void TakeCodes(HandBucket& bucket, const Arr<CardCode, 1, 16>* codes, int count) {
  for (int k = 1; k <= count; ++k) {
    int slot = bucket.Count;
    if (codes != nullptr) {
      while (slot >= 1 && !(bucket.Codes[slot] == (*codes)[k]))
        --slot;
      if (slot < 1) Fatal("Err:lead holds a card the seat does not have");
    }
    for (int i = slot; i < bucket.Count; ++i)
      bucket.Codes[i] = bucket.Codes[i + 1];
    bucket.Codes[bucket.Count] = CardCode();
    --bucket.Count;
  }
}

}  // namespace

int DealRandomLeadPosition(Game& g, std::uint64_t seed) {
  Rng rng(seed);
  BuildDeck(g.Deck);
  for (int i = kDeckSize; i >= 2; --i)
    std::swap(g.Deck[i], g.Deck[1 + Below(rng, i)]);

  const int leader = 2 + Below(rng, 5);
  Arr<int, 1, kSeats> size;
  int inPlay = 0;
  for (int seat = 1; seat <= kSeats; ++seat) {
    ResetSeat(g.Seats[seat], seat);
    for (int rank = kLowRank; rank <= kBigJoker; ++rank)
      g.Hand[seat][rank] = HandBucket();
    const bool out = seat != leader && Below(rng, 5) == 0;
    // Late positions are where the choosers differ, so small hands come up often.
    size[seat] = out ? 0 : Below(rng, 2) == 0 ? 1 + Below(rng, 6) : 1 + Below(rng, 36);
    g.Seats[seat].Finished = out;
    inPlay += out ? 0 : 1;
  }
  if (inPlay < 2) {
    const int other = leader == kSeats ? 1 : leader + 1;
    g.Seats[other].Finished = false;
    size[other] = 1 + Below(rng, 36);
  }

  int next = 1;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int k = 0; k < size[seat]; ++k, ++next) {
      const Card& card = g.Deck[next];
      HandBucket& bucket = g.Hand[seat][card.Rank];
      bucket.Rank = card.Rank;
      ++bucket.Count;
      bucket.Codes[bucket.Count] = card.Code;
    }
    SyncSeatCounts(g, seat);
  }
  MarkRestAsPlayed(g);
  g.Ai.HandInPlay = true;
  AssessSeats(g);
  if (Below(rng, 4) == 0) g.Seats[leader].FinishMode = true;
  g.CurrentSeat = g.LeadSeat = leader;
  return leader;
}

void LayTablePlay(Game& g) {
  const PlayRecord& play = g.TablePlay;
  const int seat = play.Seat;
  if (play.BaseCount > 0) {
    TakeCodes(g.Hand[seat][play.BaseRank], &play.BaseCodes, play.BaseCount);
    g.PlayedByRank[play.BaseRank] += play.BaseCount;
  }
  TakeCodes(g.Hand[seat][kTwo], &play.TwoCodes, play.TwoCount);
  TakeCodes(g.Hand[seat][kSmallJoker], nullptr, play.SmallJokers);
  TakeCodes(g.Hand[seat][kBigJoker], nullptr, play.BigJokers);
  g.PlayedByRank[kTwo] += play.TwoCount;
  g.PlayedByRank[kSmallJoker] += play.SmallJokers;
  g.PlayedByRank[kBigJoker] += play.BigJokers;
  SyncSeatCounts(g, seat);
}

}  // namespace zunda::sim
