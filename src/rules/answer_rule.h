#pragma once

#include "core/model.h"

namespace zunda {

struct Game;

// The lowest card of a set: the rank of its ordinary cards, else a two, a small joker or a big
// joker; 0 for an empty set. It is the set's base rank.
int LowestRankOf(const PlayRecord& set);

// The answer rule, the one place that decides whether a set answers the table play, for the
// human's buttons, the computer seats, the hint and the simulator's checks alike: as many
// cards as the table play, the lowest card above its base rank, a big joker for every small
// joker it carries, and nothing answers a play that carries a big joker. The set's counts
// are taken as they are; whether the seat holds the cards is the caller's question.
bool Answers(const PlayRecord& table, const PlayRecord& set);

// Raised slots of the human's hand display: all of them, the big jokers, the small jokers.
// Other seats have no display, so their counts are 0.
int SelectedCount(const Game& g, int seat);
int SelectedBigJokers(const Game& g, int seat);
int SelectedSmallJokers(const Game& g, int seat);

// True when the human's raised cards may be laid: any non-empty selection when the human
// leads, otherwise a set that answers the table play. A burning human must also play a joker
// or all remaining cards until another seat beats the burn.
bool IsAnswer(const Game& g);

}  // namespace zunda
