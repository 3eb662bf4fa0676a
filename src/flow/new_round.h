#pragma once

namespace zunda {

struct Game;

// Clears the table for a new round: rows hidden, passes and folds of the seats in play
// forgotten, the table play emptied.
void NewRound(Game& g);

}  // namespace zunda
