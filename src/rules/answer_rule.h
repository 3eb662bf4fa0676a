#pragma once

namespace zunda {

struct Game;

// A hand slot is selected while its card stands at the raised position.
bool IsSlotRaised(const Game& g, int slot);
// Raised slots of the human's hand display: all of them, the big jokers, the small jokers.
// Other seats have no display, so their counts are 0.
int SelectedCount(const Game& g, int seat);
int SelectedBigJokers(const Game& g, int seat);
int SelectedSmallJokers(const Game& g, int seat);

// True when the human's raised cards may be laid: any non-empty selection when the human
// leads, otherwise as many cards as the table play with the jokers it demands. The rank of the
// answer is checked when the cards are clicked, not here. A burning human must also play a
// joker or all remaining cards until another seat beats the burn.
bool IsAnswer(const Game& g);

}  // namespace zunda
