#pragma once

namespace zunda {

struct Game;

// The pace of a finished round, as the user set it (g.Options.Extras): the round's last play
// can stay on the table until the user clicks, or at least a chosen time. Neither changes what
// the turn cycle does next, only when its next tick comes.

// Run after every entry point of the engine, once the step has armed the main timer: when the
// turn cycle stands at the end of a round and is about to clear the table, it either holds the
// timer off until ReleaseRoundHold, or lengthens its interval to the chosen stay. A stop
// request, or a cycle that moved on, ends a hold; while autoplay is on no round is held.
void ApplyRoundPace(Game& g);

// A held round is on the table, waiting for the user's click.
bool RoundHeld(const Game& g);

// The user's click on a held round: the turn cycle goes on. True when a round was held.
bool ReleaseRoundHold(Game& g);

inline constexpr const char* kRoundHeldPrompt = " 本轮结束，点击牌桌继续 ";

}  // namespace zunda
