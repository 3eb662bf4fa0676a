#pragma once

namespace zunda {

struct Game;

// The answer of a computer seat to the table play, left in Selection (empty for a pass).
void ChooseAnswer(Game& g, int seat);

}  // namespace zunda
