#pragma once

#include <string>

#include "core/model.h"

namespace zunda {

struct Game;

// Clearing a play record: Tag blank and every count 0. ClearSelection also blanks both code
// lists; the other two leave the codes as they were.
void ClearTablePlay(Game& g);
void ClearSelection(Game& g);
void ClearPrevTablePlay(Game& g);
void ClearPlayCounts(PlayRecord& play);

// A play big enough to open burning and to change the pass and fold rules.
bool IsZundaPlay(const PlayRecord& play);
// True when the seat's hand holds no answer to the table play.
bool CannotBeat(const Game& g, int seat);
// n when the seat holds at least n cards of the rank, else 0.
int CanSupply(const Game& g, int seat, int rank, int n);
// The play's description in event lines: the label of its base rank.
std::string PlayLabel(const PlayRecord& play);

}  // namespace zunda
