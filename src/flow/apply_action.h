#pragma once

#include "core/action.h"

namespace zunda {

struct Game;

// Applies one posted action: the one place where the human's decisions (and the menu's
// commands) change the step, the timer and the hand. An action that no longer fits the state
// (a second play of the same cards, a pass after the turn moved on) is dropped.
void ApplyAction(Game& g, const Action& action);

// Applies every posted action in order, also those that applying one of them posts (a message
// box lets events run), and then, between ticks, the pace of a round's end (round_pace.h).
// The window calls it when it settles after an event, a wait calls it after letting events
// run, and the tick calls it before its step; a call nested inside a running one returns at
// once and leaves the rest to it.
void RunPostedActions(Game& g);

}  // namespace zunda
