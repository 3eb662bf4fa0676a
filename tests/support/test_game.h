#pragma once

#include <cstdint>
#include <memory>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"

namespace zunda::testing {

// A fresh game on a scripted host with the start-up defaults set.
struct TestGame {
  explicit TestGame(std::uint64_t seed = 1) : host(seed), game(host) { SetStartupDefaults(game); }

  ScriptedHost host;
  Game game;
};

}  // namespace zunda::testing
