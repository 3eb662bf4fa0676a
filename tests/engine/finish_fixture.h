#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "hand_builder.h"
#include "rules/finishing.h"

namespace zunda::testing {

// A hand in progress: every seat in play with 36 cards and its plain name on its label.
inline void StartPlaying(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    SeatRecord& s = g.Seats[seat];
    s.CardCount = 36;
    s.Finished = s.Scorched = s.OppositeOut = false;
    g.Win.LblName[seat] = Label{};
    g.Win.LblName[seat].Caption = s.Name;
  }
  g.TripleCapture = false;
}

// A seat plays its last card and the turn cycle applies the rules that follow.
inline GoingOutResult GoOut(Game& g, int seat) {
  g.Seats[seat].CardCount = 0;
  SeatFinished(g, seat);
  return SettleAfterGoingOut(g, seat);
}

// The scorched verdict: flagged and placed from the bottom, then placed by the finishing order.
inline void Scorch(Game& g, int seat) {
  g.Seats[seat].Scorched = true;
  g.Seats[seat].Place = 6 - g.Burn.ScorchedCounter++;
  SeatFinished(g, seat);
}

// The four packs dealt one card at a time round the table: every seat gets nine codes four
// times over; seat 5 holds the four small jokers and seat 6 the four big ones.
inline void DealRoundTheTable(Game& g) {
  g.Hand = HandGrid{};
  DeckArray deck;
  BuildDeck(deck);
  for (int i = 1; i <= kDeckSize; ++i)
    GiveCards(g, (i - 1) % kSeats + 1, {deck[i].Code.Str()});
}

// The previous hand's result as the next hand sees it.
inline void SetPreviousResult(Game& g, const std::array<int, 6>& seatsByPlace) {
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = seatsByPlace[static_cast<std::size_t>(place - 1)];
    g.Seats[seat].Place = place;
    g.FinishOrder[place] = g.PrevFinishOrder[place] = seat;
  }
  g.FirstHand = false;
}

inline std::vector<std::string> LastEvents(const Game& g, std::size_t n) {
  const auto& items = g.Win.LstDispEvent.Items;
  return {items.end() - static_cast<std::ptrdiff_t>(n), items.end()};
}

}  // namespace zunda::testing
