#include "play_invariants.h"

#include <algorithm>
#include <array>

#include "core/fatal.h"
#include "core/game.h"
#include "core/seats.h"
#include "players/hand_analysis.h"

namespace zunda::sim {

namespace {

constexpr int kMostInHand = 36;
constexpr std::array<int, kSeats + 1> kTributeByPlace = {0, 2, 1, 0, 0, 1, 2};

std::string SeatText(int seat) {
  return "seat " + std::to_string(seat);
}

bool IsCard(const Card& card) {
  return !card.Code.IsBlank() && card.Rank >= kLowRank && card.Rank <= kBigJoker &&
         card.Code.Rank() == card.Rank;
}

void CheckSeatsOnTurn(const Game& g, std::vector<std::string>& out) {
  int onTurn = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    onTurn += g.Seats[seat].OnTurn ? 1 : 0;
  if (onTurn > 1) out.push_back(std::to_string(onTurn) + " seats are on turn at once");
}

void CheckHandSizes(const Game& g, std::vector<std::string>& out) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const int held = CardsInHand(g, seat);
    if (held > kMostInHand || g.Seats[seat].CardCount > kMostInHand) {
      out.push_back(SeatText(seat) + " holds " + std::to_string(held) + " cards");
    }
  }
}

// Once the hand is over the last seat counts no cards but keeps them in its buckets (they are
// shown as what it was left with), so the buckets are counted instead of the counters.
void CheckCardsAfterHand(const Game& g, std::vector<std::string>& out) {
  int total = 0;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    total += g.PlayedByRank[rank];
  for (int seat = 1; seat <= kSeats; ++seat)
    total += CardsInHand(g, seat);
  if (total != kDeckSize) {
    out.push_back("after the hand " + std::to_string(total) + " cards are played or held");
  }
}

}  // namespace

void PlayChecker::AfterStep(Game& g, std::vector<std::string>& out) {
  if (!g.Flow.HandOver) {
    try {
      const int errorCode = g.ErrorCode;
      CheckCardTotals(g);
      g.ErrorCode = errorCode;
    } catch (const FatalError& error) {
      out.push_back(std::string("the card totals do not add up: ") + error.what());
    }
  } else if (g.Ai.HandInPlay) {
    CheckCardsAfterHand(g, out);
  }
  CheckHandSizes(g, out);
  CheckSeatsOnTurn(g, out);
  if (const int seat = SeatWithStaleFigures(g)) {
    out.push_back("the figures kept for " + SeatText(seat) + " no longer match its hand");
  }

  if (g.MainCourse == TurnStep::Tribute) {
    // The deal is accepted and nothing has changed hands yet.
    for (int seat = 1; seat <= kSeats; ++seat) {
      for (int rank = kLowRank; rank <= kBigJoker; ++rank)
        dealt_[seat][rank] = g.Hand[seat][rank].Count;
    }
    dealtKept_ = true;
    lastHandCaptured_ = handCaptured_;
  } else if (dealtKept_ && g.MainCourse == TurnStep::AnnounceLeader) {
    dealtKept_ = false;
    if (g.Tribute.PlayedThisHand) CheckTribute(g, out);
  }
}

void PlayChecker::AtHandEnd(const Game& g, std::vector<std::string>& out) {
  handCaptured_ = g.TripleCapture;
  Arr<int, 1, kSeats> seatOfPlace;
  for (int seat = 1; seat <= kSeats; ++seat) {
    const int place = g.Seats[seat].Place;
    if (place < 1 || place > kSeats) {
      out.push_back(SeatText(seat) + " ends the hand in place " + std::to_string(place));
      continue;
    }
    if (seatOfPlace[place] != 0) {
      out.push_back("place " + std::to_string(place) + " is held by seats " +
                    std::to_string(seatOfPlace[place]) + " and " + std::to_string(seat));
    }
    seatOfPlace[place] = seat;
    if (g.FinishOrder[place] != seat) {
      out.push_back("the finishing order gives place " + std::to_string(place) + " to seat " +
                    std::to_string(g.FinishOrder[place]) + ", not to seat " + std::to_string(seat));
    }
  }
}

void PlayChecker::CheckTribute(const Game& g, std::vector<std::string>& out) const {
  // What every seat should hold now: the dealt cards, plus what came in, minus what went out.
  Arr<Arr<int, kLowRank, kBigJoker>, 1, kSeats> expected = dealt_;
  for (int place = 1; place <= 3; ++place) {
    const int receiver = g.PrevFinishOrder[place];
    const int payer = g.PrevFinishOrder[7 - place];
    if (receiver < 1 || receiver > kSeats || payer < 1 || payer > kSeats) {
      out.push_back("tribute without a known pair for place " + std::to_string(place));
      return;
    }
    const std::string pair = SeatText(receiver) + " and its payer " + SeatText(payer);
    const SeatRecord& r = g.Seats[receiver];
    const SeatRecord& q = g.Seats[payer];
    const int due = lastHandCaptured_ ? 1 : kTributeByPlace[static_cast<std::size_t>(place)];
    const int n = r.TributeCount;
    if (q.TributeCount != n) out.push_back(pair + " count different tributes");
    if (n != due && n != 0) out.push_back(pair + " exchange " + std::to_string(n) + " cards");
    const bool teammates = SameTeam(receiver, payer);
    if (n == 0 && due > 0 && !teammates)
      out.push_back(pair + " skipped a tribute between opponents");
    if (n > 0 && teammates && receiver != g.HumanSeat)
      out.push_back(pair + ": a computer took tribute from its teammate");
    if (n <= 0) continue;

    // The payer gives its highest cards.
    Arr<int, kLowRank, kBigJoker> highest;
    int left = n;
    for (int rank = kBigJoker; rank >= kLowRank && left > 0; --rank) {
      highest[rank] = std::min(left, dealt_[payer][rank]);
      left -= highest[rank];
    }
    Arr<int, kLowRank, kBigJoker> paid;
    int returned = 0;
    for (int j = 1; j <= n; ++j) {
      const Card& tribute = r.TributeSlots[j];
      if (!IsCard(tribute) || !(tribute == q.TributeSlots[j])) {
        out.push_back(pair + " disagree on tribute card " + std::to_string(j));
        continue;
      }
      ++paid[tribute.Rank];
      --expected[payer][tribute.Rank];
      ++expected[receiver][tribute.Rank];
      const Card& back = r.ReturnSlots[j];
      if (!(back == q.ReturnSlots[j]))
        out.push_back(pair + " disagree on returned card " + std::to_string(j));
      if (!IsCard(back)) continue;
      ++returned;
      --expected[receiver][back.Rank];
      ++expected[payer][back.Rank];
    }
    if (!(paid == highest)) out.push_back(SeatText(payer) + " did not pay its highest cards");
    if (receiver == g.HumanSeat && returned != n)
      out.push_back("the human returned " + std::to_string(returned) + " of " + std::to_string(n));
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    int total = 0;
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      total += expected[seat][rank];
      if (g.Hand[seat][rank].Count != expected[seat][rank]) {
        out.push_back(SeatText(seat) + " holds " + std::to_string(g.Hand[seat][rank].Count) +
                      " of rank " + std::to_string(rank) + " after the tribute, not " +
                      std::to_string(expected[seat][rank]));
      }
    }
    if (g.Seats[seat].CardCount != total)
      out.push_back(SeatText(seat) + " counts its cards wrong after the tribute");
  }
}

}  // namespace zunda::sim
