#pragma once

#include <string>

#include "core/game.h"
#include "core/scripted_host.h"

namespace zunda::testing {

// Plays whole games: runs the timer's ticks and acts for the human through the real clicks,
// as a function of the game state alone (lowest lead, lowest beating answer, lowest returns,
// a burn now and then), so two games in the same state go on the same way.
class HandDriver {
 public:
  HandDriver(Game& g, ScriptedHost& host);

  void NewGame();
  // One tick or one action of the human; false once the game stopped or got stuck (Problem()).
  bool Advance();

  // Burn at every offer instead of now and then.
  void BurnWheneverOffered() { burnAlways_ = true; }

  long long HandsEnded() const { return handsEnded_; }
  const std::string& Problem() const { return problem_; }

 private:
  void ActForHuman();
  bool TryLead();
  bool TryAnswer();
  void ReturnTribute();
  void MaybeBurn();

  Game& g_;
  long long handsEnded_ = 0;
  long long stalled_ = 0;
  bool burnAlways_ = false;
  std::string problem_;
};

}  // namespace zunda::testing
