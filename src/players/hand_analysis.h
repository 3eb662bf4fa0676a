#pragma once

namespace zunda {

struct Game;

// Recomputes the computer players' view of every seat's hand.
void AssessSeats(Game& g);
// Checks that every card of the deck is either in a hand or on the played counts.
void CheckCardTotals(Game& g);

}  // namespace zunda
