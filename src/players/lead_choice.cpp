#include "players/lead_choice.h"

#include <algorithm>
#include <string>

#include "core/game.h"
#include "core/seats.h"
#include "players/hand_analysis.h"
#include "rules/play_rules.h"

namespace zunda {

namespace {

int Held(const Game& g, int seat, int rank) {
  return g.Hand[seat][rank].Count;
}

void UpdateTotal(PlayRecord& play) {
  play.Total = play.BaseCount + play.TwoCount + play.SmallJokers + play.BigJokers;
}

// An empty record in the seat's name: counts zero, every code slot blank.
void StartPlay(int seat, PlayRecord& play) {
  ClearPlayCounts(play);
  play.BaseCodes.Fill(CardCode());
  play.TwoCodes.Fill(CardCode());
  play.Seat = seat;
  play.Tag = TeamLetter(seat);
}

// Twos are attached from the top of the seat's bucket of twos: those are the cards the play
// executor takes out, so the codes shown on the table are the ones that leave the hand.
void AttachTwos(const Game& g, int seat, int count, PlayRecord& play) {
  const HandBucket& twos = g.Hand[seat][kTwo];
  for (int i = 1; i <= count; ++i) {
    ++play.TwoCount;
    play.TwoCodes[play.TwoCount] = twos.Codes[twos.Count + 1 - i];
  }
  UpdateTotal(play);
}

// One small joker if the seat has one, else one big joker if it has one, else nothing.
void AttachOneJoker(const Game& g, int seat, PlayRecord& play) {
  if (Held(g, seat, kSmallJoker) > 0) {
    ++play.SmallJokers;
  } else if (Held(g, seat, kBigJoker) > 0) {
    ++play.BigJokers;
  }
  UpdateTotal(play);
}

// The second-lowest rank, or the lowest when the seat holds a single rank: a seat always
// leads a set it holds.
int SecondLowestHeldRank(const Game& g, int seat) {
  const int second = SecondLowestRank(g, seat);
  return second <= kBigJoker ? second : LowestRank(g, seat);
}

// Everything the seat holds: its lowest rank as base (when ordinary), all twos, all jokers.
void LeadWholeHand(Game& g, int seat) {
  PlayRecord& lead = g.TablePlay;
  const int lowest = LowestRank(g, seat);
  SetWholeBucket(g, seat, lowest, lead);
  if (lowest < kTwo) AttachTwos(g, seat, Held(g, seat, kTwo), lead);
  if (lowest < kSmallJoker) lead.SmallJokers = Held(g, seat, kSmallJoker);
  lead.BigJokers = Held(g, seat, kBigJoker);
  UpdateTotal(lead);
}

// `twos` of the seat's twos with all its jokers. Without a two the set is its jokers alone
// and takes the rank of its lowest joker, as every set of wildcards does.
void LeadWildcards(Game& g, int seat, int twos) {
  PlayRecord& lead = g.TablePlay;
  StartPlay(seat, lead);
  AttachTwos(g, seat, twos, lead);
  lead.SmallJokers = Held(g, seat, kSmallJoker);
  lead.BigJokers = Held(g, seat, kBigJoker);
  lead.BaseRank = twos > 0 ? kTwo : lead.SmallJokers > 0 ? kSmallJoker : kBigJoker;
  UpdateTotal(lead);
}

}  // namespace

void SetWholeBucket(const Game& g, int seat, int rank, PlayRecord& play) {
  StartPlay(seat, play);
  const HandBucket& bucket = g.Hand[seat][rank];
  play.BaseRank = rank;
  if (rank <= kAce) {
    play.BaseCount = bucket.Count;
    for (int i = 1; i <= bucket.Count; ++i)
      play.BaseCodes[i] = bucket.Codes[i];
  } else if (rank == kTwo) {
    AttachTwos(g, seat, bucket.Count, play);
  } else if (rank == kSmallJoker) {
    play.SmallJokers = bucket.Count;
  } else {
    play.BigJokers = bucket.Count;
  }
  UpdateTotal(play);
}

void ChooseLead(Game& g, int seat) {
  if (g.Seats[seat].FinishMode) {
    LeadInFinishMode(g, seat);
  } else {
    const int next = NextActiveSeat(g, seat);
    const bool nextOnLastSet = g.Seats[next].SetCount == 1;
    if (nextOnLastSet && !SameTeam(seat, next)) {
      LeadAgainstFinisher(g, seat);
    } else if (nextOnLastSet && LowestRank(g, seat) < LowestRank(g, next) && SameTeam(seat, next)) {
      LeadForPartner(g, seat);
    } else {
      LeadDefault(g, seat);
    }
  }
  // Only counters out of step with the buckets could leave the lead empty; the seat then
  // gets rid of its lowest set rather than lay nothing.
  if (g.TablePlay.Total == 0) LeadDefault(g, seat);
}

void LeadDefault(Game& g, int seat) {
  SetWholeBucket(g, seat, LowestRank(g, seat), g.TablePlay);
}

void LeadForPartner(Game& g, int seat) {
  const int partner = NextActiveTeammate(g, seat);
  const int partnerLow = LowestRank(g, partner);
  const int partnerCards = g.Seats[partner].CardCount;
  // A set of exactly the partner's size below its only rank: it answers with its whole hand.
  int rank = kLowRank;
  while (rank < partnerLow && Held(g, seat, rank) != partnerCards)
    ++rank;
  SetWholeBucket(g, seat, rank < partnerLow ? rank : LowestRank(g, seat), g.TablePlay);
}

void LeadAgainstFinisher(Game& g, int seat) {
  const int next = NextActiveSeat(g, seat);
  const int finisherLow = LowestRank(g, next);
  const int finisherCards = g.Seats[next].CardCount;
  // Skip every set of the opponent's size that its whole hand could answer.
  int found = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int held = Held(g, seat, rank);
    if ((rank <= finisherLow || rank >= kBigJoker) && held == finisherCards) continue;
    if (held > 0) {
      found = rank;
      break;
    }
  }
  if (found != 0 && found < 13) {
    SetWholeBucket(g, seat, found, g.TablePlay);
    return;
  }
  const bool holdsTwo = Held(g, seat, kTwo) > 0;
  const int rank = holdsTwo ? LowestRank(g, seat) : SecondLowestHeldRank(g, seat);
  PlayRecord& lead = g.TablePlay;
  SetWholeBucket(g, seat, rank, lead);
  // One card more than the opponent holds: its whole hand no longer answers.
  if (lead.Total == finisherCards && lead.BaseRank < finisherLow && holdsTwo &&
      lead.BaseRank < kTwo) {
    AttachTwos(g, seat, 1, lead);
  }
}

void LeadInFinishMode(Game& g, int seat) {
  const SeatRecord& me = g.Seats[seat];
  const int next = NextActiveSeat(g, seat);
  PlayRecord& lead = g.TablePlay;
  if (me.SetCount == 1) {
    if (SameTeam(seat, next)) {
      LeadWholeHand(g, seat);
      return;
    }
    const int twos = Held(g, seat, kTwo);
    const int small = Held(g, seat, kSmallJoker);
    const int big = Held(g, seat, kBigJoker);
    const bool headsUp = ActiveSeats(g) == 2;
    const bool few = twos + small < 3 && big == 0 && small < 2;
    const int opponentBig = MaxOpponentHigh(g, seat, kBigJoker);
    const int opponentJokers = MaxOpponentJokers(g, seat);
    const bool safe = opponentJokers >= twos || me.CardCount != g.Seats[next].CardCount;
    if (safe && ((small <= opponentBig && few) || headsUp)) {
      LeadWholeHand(g, seat);
      return;
    }
    // Keep one two back when the opponent's hand is exactly the size of what would be left
    // behind; with no two to keep the wildcards go alone.
    const int keepOne = g.Seats[next].CardCount == me.CardCount - twos ? 1 : 0;
    LeadWildcards(g, seat, std::max(twos - keepOne, 0));
    return;
  }
  if (SameTeam(seat, next)) {
    SetWholeBucket(g, seat, LowestRank(g, seat), lead);
    AttachOneJoker(g, seat, lead);
  } else if (me.JokerCount >= me.SetCount - 1) {
    SetWholeBucket(g, seat, SecondLowestHeldRank(g, seat), lead);
    AttachOneJoker(g, seat, lead);
  } else {
    for (int rank = 10; rank <= kAce; ++rank) {
      if (IsZundaBucket(g, seat, rank)) {
        SetWholeBucket(g, seat, rank, lead);
        return;
      }
    }
    // The twos; a seat without twos has only its lowest set left to lead.
    SetWholeBucket(g, seat, Held(g, seat, kTwo) > 0 ? kTwo : LowestRank(g, seat), lead);
  }
}

int MaxOpponentJokers(const Game& g, int seat) {
  int most = 0;
  for (int other = 1; other <= kSeats; ++other) {
    if (!SameTeam(seat, other)) most = std::max(most, g.Seats[other].JokerCount);
  }
  return most;
}

int MaxOpponentHigh(const Game& g, int seat, int rank) {
  if (rank <= 13) Fatal("ERR:此数无效 " + std::to_string(rank));
  int most = 0;
  for (int other = 1; other <= kSeats; ++other) {
    if (SameTeam(seat, other)) continue;
    int high = 0;
    for (int r = rank; r <= kBigJoker; ++r)
      high += Held(g, other, r);
    most = std::max(most, high);
  }
  return most;
}

}  // namespace zunda
