#pragma once

namespace zunda {

struct Game;

// One tick of the main timer: runs the step of the current state and arms the timer for the
// next one (g.Win.TmrMainCircle), unless the step waits for the human.
void TmrMainCircleTimer(Game& g);

// Menu commands that drive the turn cycle; they post their action.
void MnuZundaRunClick(Game& g);  // new game
void MnuZundaEndClick(Game& g);  // end this hand
// The exit question; true when the user confirmed, and the exit is posted.
bool MnuFileExitClick(Game& g);

// What the commands do once applied: a new game (at once, or as the running tick ends), the
// end of the hand, and the exit (the game stops first when it runs).
void BeginNewGame(Game& g);
void RequestEndOfHand(Game& g);
void BeginExit(Game& g);

// Hands the turn back after the human's action: the human is no longer waited for and the
// main timer runs again with the tick length of ordinary play.
void ResumeTurnCycle(Game& g);

// Interval of the next tick in milliseconds after an ordinary play, and after a fold.
double ShunInterval(const Game& g);
double KouInterval(const Game& g);

}  // namespace zunda
