#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>

#include "core/cards.h"
#include "core/controls.h"
#include "core/game.h"
#include "core/seats.h"

namespace zunda::testing {

// A hand in progress: every seat in play with 36 cards and its plain name on its label.
inline void StartPlaying(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.CardCount = 36;
    s.Finished = false;
    s.Scorched = false;
    s.OppositeOut = false;
    s.Team = TeamLetter(seat);
    g.Win.LblName[seat] = Label{};
    g.Win.LblName[seat].Caption = s.Name;
    g.Win.LblName[seat].Tag = s.Name;
  }
  g.TripleCapture = false;
}

// The seat plays its last card.
inline void EmptyHand(Game& g, int seat) {
  g.Seats[seat].CardCount = 0;
}

// The scorched verdict as the burning rules give it, up to the moment the seat is placed.
inline void Scorch(Game& g, int seat) {
  g.Seats[seat].Scorched = true;
  g.Seats[seat].Place = 6 - g.Burn.ScorchedCounter;
  ++g.Burn.ScorchedCounter;
}

inline void GiveCard(Game& g, int seat, std::string_view code) {
  const CardCode card(code);
  HandBucket& bucket = g.Hand[seat][card.Rank()];
  ++bucket.Count;
  bucket.Rank = card.Rank();
  bucket.Codes[bucket.Count] = card;
}

inline void ClearHands(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank)
      g.Hand[seat][rank] = HandBucket{};
    g.Seats[seat].CardCount = 0;
  }
}

// The four packs dealt one card at a time round the table: every seat gets the same nine codes
// four times over; seat 5 holds the four small jokers and seat 6 the four big ones.
inline void DealRoundTheTable(Game& g) {
  ClearHands(g);
  DeckArray deck;
  BuildDeck(deck);
  for (int i = 1; i <= kDeckSize; ++i)
    GiveCard(g, (i - 1) % kSeats + 1, deck[i].Code.Str());
  for (int seat = 1; seat <= kSeats; ++seat) {
    g.Seats[seat].CardCount = CardsInHand(g, seat);
    g.Seats[seat].JokerCount = g.Hand[seat][kSmallJoker].Count + g.Hand[seat][kBigJoker].Count;
  }
}

// The previous hand's result as the next hand sees it: places, both finishing orders, and a
// hand played before.
inline void SetPreviousResult(Game& g, const std::array<int, 6>& seatsByPlace) {
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = seatsByPlace[static_cast<std::size_t>(place - 1)];
    g.Seats[seat].Place = place;
    g.FinishOrder[place] = seat;
    g.PrevFinishOrder[place] = seat;
  }
  g.FirstHand = false;
}

// The human's hand row laid out from the buckets, highest rank first, every card lowered.
inline void LayOutHumanHand(Game& g) {
  int slot = 0;
  for (int i = 1; i <= kHandSlots; ++i)
    g.Win.ImgHand[i] = Image{};
  for (int rank = kBigJoker; rank >= kLowRank; --rank) {
    const HandBucket& bucket = g.Hand[g.HumanSeat][rank];
    for (int i = 1; i <= bucket.Count; ++i) {
      Image& image = g.Win.ImgHand[++slot];
      image.Tag = bucket.Codes[i].Str();
      image.Top = kHandLowered;
      image.Visible = true;
    }
  }
}

// How many of each card code the six hands hold together.
inline std::map<std::string, int> CodesHeld(const Game& g) {
  std::map<std::string, int> held;
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      const HandBucket& bucket = g.Hand[seat][rank];
      for (int i = 1; i <= bucket.Count; ++i)
        ++held[bucket.Codes[i].Str()];
    }
  }
  return held;
}

}  // namespace zunda::testing
