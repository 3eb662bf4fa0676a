#pragma once

#include <string>

#include "core/game.h"
#include "ui/music/music_player.h"

namespace zunda {

// The background music: which piece plays next and the once-a-second timer that keeps it
// going. The list, the current piece (a 0-based list index), the switch and the order mode are
// those of the options model; the timer is `g.Win.TmrMedia`.

inline constexpr int kMusicTickMs = 1000;

// Moves to the next piece by the order mode and returns its name, blanks trimmed; "" when the
// list has no such piece. The random mode draws from the game's generator.
std::string NextTrack(Game& g);

// The file of a piece: program folder + Sound folder + name, in the program's path form.
std::string MusicFilePath(const Game& g, const std::string& name);

// One tick of `TmrMedia`. The window calls it when the timer fires and afterwards re-arms its
// timer from `g.Win.TmrMedia`.
void TmrMediaTimer(Game& g, MusicPlayer& player);

// After the options dialog's OK: music switched on starts the timer again; switched off, the
// running timer stops and closes the player on its next tick.
void MusicOptionsChanged(Game& g);

// Stops and closes the player; on exit and at the end of a game.
void StopAllMedia(MusicPlayer& player);

}  // namespace zunda
