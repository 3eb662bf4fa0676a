#pragma once

namespace zunda {

struct Game;

// Burning lets the human jump in out of turn over an opponent's Zunda play; a burner must then
// play a joker (or all its cards) with every set until another seat plays over it.

// A click on the hand goes to the burn offer instead of the selection.
bool BurnConditionsHold(const Game& g);
// The burn question ("mode" 2) or the pause box ("mode" 1) for the seat. True when the seat
// burns: the turn cycle then goes on to the burner's answer.
bool OfferBurn(Game& g, int seat);
// The turn cycle's step right after a play was executed (a lead or an answer): opens the burn
// wait when the play can be burned.
void BurnWait(Game& g, bool afterLead);
// The decline-burn button.
void DeclineBurn(Game& g);
// What declining does: the burn wait ends at once.
void DeclineBurnOffer(Game& g);
// The force-pause menu command: the pause box, or the burn question when a burn is open.
void MnuForcePauseClick(Game& g);

// The joker obligation: the human's raised cards may not be played because the human burns
// and they hold no joker while leaving cards in hand.
bool JokerObligationRefuses(const Game& g);
// Bookkeeping when the turn cycle lays an answer of layingSeat over the table play (called
// before the table play is replaced): another seat's burn ends, the burner's own play binds it.
void BurnBeaten(Game& g, int layingSeat);

// The scorched verdict: the seat leaves the hand at the lowest free place and the seat whose
// Zunda play was burned receives the lead. byButton when the human declared it; true when the
// human's declaration was judged (the round then ends), false for a seat judged before.
bool ScorchedVerdict(Game& g, int seat, bool byButton);
// The scorched button.
void CmdShaoHuLeClick(Game& g);

}  // namespace zunda
