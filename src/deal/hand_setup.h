#pragma once

namespace zunda {

struct Game;

// What starts a game's first hand: asks before throwing away a hand that is still being dealt,
// then resets the hand and builds the deck. False when the user kept the hand; otherwise the
// turn cycle goes on to the deal.
bool NewHand(Game& g);

// Puts every hand-level variable, flag, button, menu entry and seat back to the state a new
// hand starts from. The leader of a hand after a finished one is the previous last place.
//
// The load-game entry is offered only while a saved hand exists; the engine asks the host
// layer through Game::SavedHandExists, and an unset callback counts as no saved hand.
void InitHand(Game& g);

}  // namespace zunda
