#pragma once

namespace zunda {

struct Game;

// The turn cycle's one wait: the window stays responsive while it runs.
void Delay(Game& g, double seconds);

}  // namespace zunda
