#pragma once

namespace zunda {

struct Game;

// The one wait of the game: waits the given seconds on the host's clock while pending events
// (clicks, menu commands) run. The first wait after a play lasts as asked, later ones are short.
void Delay(Game& g, double seconds);
// The wait's clock: marks the wait done once the clock has reached its end.
void TmrDelayTimer(Game& g);

}  // namespace zunda
