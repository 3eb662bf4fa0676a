#pragma once

// The steps of the turn cycle, one function per state; shared by the tick's dispatch table.
namespace zunda {

struct Game;

namespace steps {
// Hand level.
void NewGame(Game& g);         // 111_0
void DealHand(Game& g);        // 111_1
void Tribute(Game& g);         // 111_1_1
void ReturnTribute(Game& g);   // 111_1_3
void AnnounceLeader(Game& g);  // 111_1_2
void EndHand(Game& g);         // 111_3
void Stop(Game& g);            // 111_4
// Rounds.
void StartRound(Game& g);        // 333_1
void AfterLead(Game& g);         // 333_2
void EndRound(Game& g);          // 333_3
void AfterPlay(Game& g);         // 444_1
void CloseAnswer(Game& g);       // 444_2
void SetUpLead(Game& g);         // 555_1
void HumanLead(Game& g);         // 555_2
void HumanLed(Game& g);          // 555_3
void ComputerLead(Game& g);      // 555_4
void ExecuteLead(Game& g);       // 555_5
void SetUpResponder(Game& g);    // 666_1
void HumanResponse(Game& g);     // 666_2
void HumanAnswered(Game& g);     // 666_3
void ComputerResponse(Game& g);  // 666_6
void ApplyAnswer(Game& g);       // 666_7
}  // namespace steps

// Interval after a round ended: longer while the human is in play and must see who won.
double RoundEndInterval(const Game& g);

}  // namespace zunda
