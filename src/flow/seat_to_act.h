#pragma once

namespace zunda {

struct Game;

// The seat whose turn it is in a round, for the table to mark: from the lead's set-up to the
// closing test, but not while the seats are assessed after a lead. 0 outside a round (the
// deal, tribute, between hands), for a seat that has gone out, and while its name is hidden.
int SeatToAct(const Game& g);

}  // namespace zunda
