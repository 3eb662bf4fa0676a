#pragma once

#include <string>

#include "core/game.h"
#include "core/scripted_host.h"

namespace zunda::testing {

// Plays whole games through the turn cycle: runs the ticks the main timer asks for and, when
// the cycle waits for the human, acts for seat 1 through the real clicks and buttons. Every
// choice of the human is a function of the game state alone, so two games in the same state
// go on the same way. The human leads its lowest set, answers with its lowest set that
// beats the table, returns its lowest cards as tribute, and burns now and then.
class HandDriver {
 public:
  HandDriver(Game& g, ScriptedHost& host);

  void NewGame();
  // One tick, or one action of the human. False once the game has stopped or got stuck
  // (Problem() then says why).
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
