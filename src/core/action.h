#pragma once

#include <cstdint>

namespace zunda {

struct Game;

// What a handler asks of the hand. The handlers of clicks, keys, menu commands, the autopilot
// and the simulator post actions and return; the turn cycle applies them in the order they
// came (src/flow/apply_action.*): at the start of the next tick, after every time a wait let
// events run, and when the window settles after an event. Choosing cards (raising and
// lowering them, taking them back) is not an action: it changes no more than the selection.
enum class ActionKind : std::uint8_t {
  Play,           // lay the raised cards: the play button, or a click on a raised card
  Pass,           // the pass or fold button
  OfferBurn,      // a click on the hand over a burnable play, or the pause command
  DeclineBurn,    // the decline-burn button
  Scorch,         // the scorched button
  ReturnTribute,  // give back the raised cards
  HoldTurn,       // the human began to choose a set: the turn cycle stays stopped meanwhile
  ReleaseRound,   // the click that ends a held round end
  Save,           // the save command
  Restore,        // the restore command
  NewGame,        // the new-game command
  EndHand,        // the command that ends the hand in play
  Exit,           // the exit command, once the user confirmed it
  TakeBack,       // take back the human's last play or pass
};

struct Action {
  ActionKind Kind = ActionKind::Pass;
  int Seat = 0;  // the seat it is done for; the human seat but for OfferBurn's replay
  bool operator==(const Action&) const = default;
};

// The one way for a handler to move the hand: queued for the turn cycle.
void PostAction(Game& g, ActionKind kind);
void PostAction(Game& g, Action action);

}  // namespace zunda
