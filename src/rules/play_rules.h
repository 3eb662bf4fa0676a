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
// The same test for `total` cards of one rank without attached jokers (a twos-and-jokers rank
// 15..17 counts as one). Used where a whole bucket is judged, without building a record.
inline bool IsZundaSet(int rank, int total) {
  if (total <= 0) return false;
  if (rank >= kTwo && rank <= kBigJoker) return true;
  switch (rank) {
    case 10:
      return total >= 5;
    case 11:
      return total >= 4;
    case 12:
      return total >= 3;
    case 13:
    case kAce:
      return total >= 2;
    default:
      return false;
  }
}

// True when the seat's hand holds no answer to the table play.
bool CannotBeat(const Game& g, int seat);
// n when the seat holds at least n cards of the rank, else 0.
int CanSupply(const Game& g, int seat, int rank, int n);
// The play's description in event lines: the label of its base rank.
std::string PlayLabel(const PlayRecord& play);

}  // namespace zunda
