#pragma once

#include <cstdint>
#include <memory>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "flow/apply_action.h"

namespace zunda::testing {

// A fresh game on a scripted host with the start-up defaults set. Its waits apply what the
// handlers post during them also when a test runs a step outside a tick.
struct TestGame {
  explicit TestGame(std::uint64_t seed = 1) : host(seed), game(host) {
    SetStartupDefaults(game);
    game.ApplyPosted = &RunPostedActions;
  }

  ScriptedHost host;
  Game game;
};

}  // namespace zunda::testing
