#pragma once

namespace zunda {

struct Game;

// Between hands the last places pay their highest cards to the first places (6 to 1, 5 to 2,
// 4 to 3) and get as many cards back. The turn cycle drives it in three steps:
//   RunTribute (counts, tribute cards, acceptance), then after a wait
//   BeginReturnPhase (the computers choose their returns, the human is asked), then
//   FinishTribute, or the human's CmdHGClick which finishes it and restarts the cycle.

// Tribute is played when the option is on, a hand has been finished before and its full
// finishing order is known.
bool TributeDue(const Game& g);
// Runs the tribute's first step when it is due and says whether it did.
bool RunTribute(Game& g);
// Milliseconds the turn cycle waits after RunTribute: longer when the human has just paid.
double TributeWaitMs(const Game& g);

// The seat that pays the given receiver (or receives from the given payer): the seat of the
// opposite place 7 - place in the previous hand's finishing order.
int TributePartner(const Game& g, int seat);

// Every payer's tribute: the slots cleared, the cards chosen, their ranks written for the
// summary and the cards shown on the table.
void ChooseTributeCards(Game& g);
// The computer's choice alone: the payer's highest cards, jokers first, into its tribute
// slots (the cards stay in hand until the exchange). It writes nothing else.
void PickTributeCards(Game& g, int payer);
void TakeTribute(Game& g);
void ChooseReturnCards(Game& g, int seat);
void ExchangeTribute(Game& g);
void ClearTribute(Game& g, int seat);
void ShowTributeCards(Game& g, int payer);

// Opens the return phase; true when the turn cycle must wait for the human's choice.
bool BeginReturnPhase(Game& g);
// Moves the cards, shows the human's new hand and closes the tribute.
void FinishTribute(Game& g);

// The human's choice of the cards to give back: while it is open, clicks on the hand go to
// ReturnTributeClick with the hand slot index (1..36), which raises or lowers the card.
bool ReturnChoiceOpen(const Game& g);
void ReturnTributeClick(Game& g, int index);
// The return-tribute button.
void CmdHGClick(Game& g);
// What the button does: the raised cards become the human's return and the tribute ends,
// unless the game is stopping. No when the choice is closed or the count is not right.
enum class ReturnGiven { No, Yes, WhileStopping };
ReturnGiven GiveBackRaisedCards(Game& g);

}  // namespace zunda
