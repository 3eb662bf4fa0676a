#pragma once
// Temporary declarations of the rules the turn cycle calls; replaced by their real headers
// when those land.
namespace zunda {
struct Game;
void NewHand(Game& g);
void InitHand(Game& g);
void DealUntilAccepted(Game& g);
void ShowHand(Game& g, int seat);
void ResetTableDisplay(Game& g);
void AssessSeats(Game& g);
void ChooseLead(Game& g, int seat);
void ChooseAnswer(Game& g, int seat);
void ExecutePlay(Game& g, int seat);
void BurnWait(Game& g, bool afterLead);
void PromptForHuman(Game& g);
void SeatFinished(Game& g, int seat);
void DeclareTripleCapture(Game& g);
void ShowFinishSummary(Game& g);
void LeaveSeal(Game& g, int fromSeat);
bool StartTribute(Game& g);
bool ReturnTributeStep(Game& g);
}  // namespace zunda
