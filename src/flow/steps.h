#pragma once

// The steps of the turn cycle, one function per TurnStep of the same name; shared by the
// tick's dispatch table.
namespace zunda {

struct Game;

namespace steps {
// Hand level.
void NewGame(Game& g);
void DealHand(Game& g);
void Tribute(Game& g);
void ReturnTribute(Game& g);
void AnnounceLeader(Game& g);
void EndHand(Game& g);
void Stop(Game& g);
// Rounds.
void StartRound(Game& g);
void AfterLead(Game& g);
void EndRound(Game& g);
void AfterPlay(Game& g);
void CloseAnswer(Game& g);
void SetUpLead(Game& g);
void HumanLead(Game& g);
void HumanLed(Game& g);
void ComputerLead(Game& g);
void ExecuteLead(Game& g);
void SetUpResponder(Game& g);
void HumanResponse(Game& g);
void HumanAnswered(Game& g);
void ComputerResponse(Game& g);
void ApplyAnswer(Game& g);
}  // namespace steps

// Interval after a round ended: longer while the human is in play and must see who won.
double RoundEndInterval(const Game& g);

}  // namespace zunda
