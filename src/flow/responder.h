#pragma once

namespace zunda {

struct Game;

// The first of the two seats after x that is in play and whose opposite seat has gone out,
// or 0 when neither is.
int FoldTarget(Game& g, int x);
// Steps round from s0 over the seats in play, folding the passed ones it meets while five or
// more seats are in play; the first seat that has not passed, or 0.
int NextUnpassedSeat(Game& g, int s0);
// Chooses the seat that must answer after s0 acted; leaves it in CurrentSeat (0 for none).
void NextResponder(Game& g, int s0);

// Every other seat that still holds cards and is in play has passed.
bool AllOthersPassed(const Game& g, int tableSeat);
// Every other seat in play has folded; sets FoldInForce when true.
bool AllOthersFolded(Game& g, int tableSeat);
// Every seat but the table player shows the passed or the out colour on its name label.
bool AllOthersShaded(const Game& g, int tableSeat);
// Shades a seat's name label after it passed or was passed over.
void ShadePassedLabel(Game& g, int seat);

}  // namespace zunda
