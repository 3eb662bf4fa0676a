#pragma once

namespace zunda {

struct Game;

// The human's choice of the cards to return after a tribute.
bool ReturnChoiceOpen(const Game& g);
void ReturnTributeClick(Game& g, int index);

}  // namespace zunda
