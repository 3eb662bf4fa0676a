#pragma once

namespace zunda {

struct Game;

// Places a seat that went out or was scorched.
void SeatFinished(Game& g, int seat);

}  // namespace zunda
