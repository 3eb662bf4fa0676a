#pragma once

namespace zunda {

struct Game;

// The human side of the play rules, read from the raised slots of the hand display.
// Counts of raised slots (all, big jokers, small jokers); 0 for any seat but the human's.
int SelectedCount(const Game& g, int seat);
int SelectedBigJokers(const Game& g, int seat);
int SelectedSmallJokers(const Game& g, int seat);
// True when the raised cards answer the table play.
bool IsAnswer(Game& g);
// Builds the selection from the raised cards and, when the commit checks pass, lays it as the
// new table play.
void CommitSelection(Game& g);

}  // namespace zunda
