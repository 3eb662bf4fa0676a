#pragma once

namespace zunda {

struct Game;

// The card counter: for a rank, how many of the four packs' cards (16 of each rank 3 to the
// two, 4 of each joker) are neither laid on the table this hand nor in the human's own hand,
// so still held by the other seats. It reads only what the human has seen: the played counts
// and the human's hand.
int CardsOfRankInDeck(int rank);
int CardsStillOut(const Game& g, int rank);

}  // namespace zunda
