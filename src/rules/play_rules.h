#pragma once

#include <limits>
#include <string>

#include "core/model.h"

namespace zunda {

struct Game;

// Clearing the three play records of the game (ClearPlayCounts, src/core/model.h).
// ClearSelection also blanks both code lists; the other two leave the codes as they were.
void ClearTablePlay(Game& g);
void ClearSelection(Game& g);
void ClearPrevTablePlay(Game& g);

// The fewest cards of one rank, without jokers, that make a Zunda play: five tens, four jacks,
// three queens, two kings or aces, one two or joker. Ranks below ten never make one alone.
inline constexpr int kNeverZunda = std::numeric_limits<int>::max();
constexpr int ZundaMinimum(int rank) {
  switch (rank) {
    case 10:
      return 5;
    case 11:
      return 4;
    case 12:
      return 3;
    case 13:
    case kAce:
      return 2;
    case kTwo:
    case kSmallJoker:
    case kBigJoker:
      return 1;
    default:
      return kNeverZunda;
  }
}

// The same test for `total` cards of one rank without attached jokers (a twos-and-jokers rank
// 15..17 counts as one). Used where a whole bucket is judged, without building a record.
inline bool IsZundaSet(int rank, int total) {
  return total > 0 && total >= ZundaMinimum(rank);
}

// A play big enough to open burning and to change the pass and fold rules. Inline: asked
// several times for every play and answer.
inline bool IsZundaPlay(const PlayRecord& play) {
  if (play.Total <= 0) return false;
  if (play.BigJokers > 0 || play.SmallJokers > 0) return true;
  return IsZundaSet(play.BaseRank, play.Total);
}

// True when the seat's hand holds no answer to the table play.
bool CannotBeat(const Game& g, int seat);
// n when the seat holds at least n cards of the rank, else 0.
int CanSupply(const Game& g, int seat, int rank, int n);
// The play's description in event lines: the label of its base rank.
std::string PlayLabel(const PlayRecord& play);

}  // namespace zunda
