#pragma once

namespace zunda {

struct Game;

// One tick of the main timer: runs the step of the current state and arms the timer for the
// next one (g.Win.TmrMainCircle), unless the step waits for the human.
void TmrMainCircleTimer(Game& g);

// Menu commands that drive the turn cycle.
void MnuZundaRunClick(Game& g);  // new game
void MnuZundaEndClick(Game& g);  // end this hand
// The exit question; true when the user confirmed and the game is stopping.
bool MnuFileExitClick(Game& g);

// Interval of the next tick in milliseconds after an ordinary play, and after a fold.
double ShunInterval(const Game& g);
double KouInterval(const Game& g);

}  // namespace zunda
