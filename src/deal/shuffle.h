#pragma once

namespace zunda {

struct Game;

// Shuffles Deck with one draw per card and leaves the shuffled order in both Deck and
// DeckCopy. A deck that does not hold 4 big jokers, 4 small jokers and 16 twos afterwards
// takes the fatal path with the counts found.
void ShuffleDeck(Game& g);

// Cuts the shuffled deck at a random card between the second and the second-last, and
// leaves the cut order in both Deck and DeckCopy.
void CutDeck(Game& g);

// Rounds to the nearest integer, halves to the even neighbour.
int RoundHalfEven(double value);

}  // namespace zunda
