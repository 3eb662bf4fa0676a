#include "random_answer_position.h"

#include <algorithm>

#include "core/rng.h"
#include "core/seats.h"
#include "players/hand_analysis.h"
#include "position_counts.h"
#include "random_lead_position.h"
#include "rules/play_rules.h"

namespace zunda::sim {

namespace {

int Below(Rng& rng, int bound) {
  return static_cast<int>(rng.Next() % static_cast<std::uint64_t>(bound));
}

// Up to `most` cards, at least `least`, never more than held.
int SomeOf(Rng& rng, int held, int least) {
  return held < least ? 0 : least + Below(rng, held - least + 1);
}

// A legal set from the seat's hand, written into TablePlay with the bucket's last codes.
void RandomTablePlay(Game& g, int seat, Rng& rng) {
  const auto held = [&](int rank) { return g.Hand[seat][rank].Count; };
  PlayRecord& play = g.TablePlay;
  ClearPlayCounts(play);
  play.BaseCodes.Fill(CardCode());
  play.TwoCodes.Fill(CardCode());

  int ordinary[12] = {};
  int kinds = 0;
  for (int rank = kLowRank; rank <= kAce; ++rank) {
    if (held(rank) > 0) ordinary[kinds++] = rank;
  }
  while (play.BaseCount + play.TwoCount + play.SmallJokers + play.BigJokers == 0) {
    if (kinds > 0 && Below(rng, 4) != 0) {
      const int rank = ordinary[Below(rng, kinds)];
      play.BaseRank = rank;
      play.BaseCount = SomeOf(rng, held(rank), 1);
      if (Below(rng, 4) == 0) play.TwoCount = SomeOf(rng, held(kTwo), 0);
      if (Below(rng, 4) == 0) play.SmallJokers = SomeOf(rng, held(kSmallJoker), 0);
      if (Below(rng, 8) == 0) play.BigJokers = SomeOf(rng, held(kBigJoker), 0);
      continue;
    }
    switch (Below(rng, 3)) {
      case 0:
        play.TwoCount = SomeOf(rng, held(kTwo), 1);
        if (play.TwoCount > 0 && Below(rng, 3) == 0) {
          play.SmallJokers = SomeOf(rng, held(kSmallJoker), 0);
        }
        break;
      case 1:
        play.SmallJokers = SomeOf(rng, held(kSmallJoker), 1);
        break;
      default:
        play.BigJokers = SomeOf(rng, held(kBigJoker), 1);
        break;
    }
    play.BaseRank = play.TwoCount > 0 ? kTwo : play.SmallJokers > 0 ? kSmallJoker : kBigJoker;
  }
  const HandBucket& base = g.Hand[seat][std::min(play.BaseRank, kTwo)];
  for (int i = 1; i <= play.BaseCount; ++i)
    play.BaseCodes[i] = base.Codes[base.Count - play.BaseCount + i];
  const HandBucket& twos = g.Hand[seat][kTwo];
  for (int i = 1; i <= play.TwoCount; ++i)
    play.TwoCodes[i] = twos.Codes[twos.Count - play.TwoCount + i];
  play.Total = play.BaseCount + play.TwoCount + play.SmallJokers + play.BigJokers;
  play.Seat = seat;
  play.Tag = TeamLetter(seat);
}

// Moves one big joker into the seat's hand from the cards already played or, failing that,
// from another seat's hand; false when every big joker is with the seat already.
bool HandOverBigJoker(Game& g, int seat) {
  HandBucket& mine = g.Hand[seat][kBigJoker];
  if (g.PlayedByRank[kBigJoker] > 0) {
    --g.PlayedByRank[kBigJoker];
  } else {
    int from = 0;
    for (int other = 1; other <= kSeats && from == 0; ++other) {
      if (other != seat && g.Hand[other][kBigJoker].Count > 0) from = other;
    }
    if (from == 0) return false;
    HandBucket& theirs = g.Hand[from][kBigJoker];
    theirs.Codes[theirs.Count] = CardCode();
    --theirs.Count;
    SyncSeatCounts(g, from);
  }
  mine.Rank = kBigJoker;
  mine.Codes[++mine.Count] = CardCode("J17");
  SyncSeatCounts(g, seat);
  return true;
}

}  // namespace

int DealRandomAnswerPosition(Game& g, std::uint64_t seed) {
  for (std::uint64_t attempt = 0;; ++attempt) {
    const std::uint64_t position = seed * 7919 + attempt;
    const int owner = DealRandomLeadPosition(g, position);
    Rng rng(position ^ 0x5bd1e995u);
    RandomTablePlay(g, owner, rng);
    ClearPrevTablePlay(g);
    LayTablePlay(g);
    g.BigJokerOnTable = g.TablePlay.BigJokers > 0;
    if (g.Seats[owner].CardCount == 0) g.Seats[owner].Finished = true;

    int candidates[kSeats] = {};
    int count = 0;
    for (int seat = 1; seat <= kSeats; ++seat) {
      if (seat != owner && InPlay(g, seat)) candidates[count++] = seat;
    }
    if (count == 0 || ActiveSeats(g) < 2) continue;
    const int seat = candidates[Below(rng, count)];
    // Small jokers on the table are rarely met by chance: often the seat gets the big jokers.
    if (g.TablePlay.SmallJokers > 0 && Below(rng, 2) == 0) {
      const int wanted = g.TablePlay.SmallJokers + Below(rng, 2);
      while (g.Hand[seat][kBigJoker].Count < wanted && HandOverBigJoker(g, seat)) {
      }
    }
    AssessSeats(g);
    for (int other = 1; other <= kSeats; ++other) {
      if (other != owner && InPlay(g, other)) g.Seats[other].Passed = Below(rng, 3) == 0;
    }
    g.Flow.FoldInForce = Below(rng, 3) == 0;
    if (Below(rng, 4) == 0) g.Seats[seat].FinishMode = true;
    if (Below(rng, 4) == 0) g.Seats[seat].StrongHand = !g.Seats[seat].StrongHand;
    g.CurrentSeat = seat;
    return seat;
  }
}

}  // namespace zunda::sim
