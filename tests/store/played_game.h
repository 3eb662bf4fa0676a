#pragma once

#include <QTemporaryDir>
#include <cstdint>
#include <memory>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "hand_driver.h"
#include "store/file_game_store.h"
#include "store/program_folder.h"

namespace zunda::testing {

// A game in its own program folder with the file store, played by the hand driver.
struct PlayedGame {
  // The program folder is a fresh one, or programFolder when given.
  explicit PlayedGame(std::uint64_t seed, const std::string& programFolder = {})
      : host(seed), game(std::make_unique<Game>(host)) {
    SetStartupDefaults(*game);
    game->AppPath =
        MakeAppPath(programFolder.empty() ? folder.path().toStdString() : programFolder);
    InstallFileStore(*game, store);
    driver = std::make_unique<HandDriver>(*game, host);
  }

  Game& g() { return *game; }
  std::string File(std::string_view name) const { return ProgramFile(*game, name); }

  // Advances until the condition holds, at most limit steps; false if it never did.
  template <typename Condition>
  bool AdvanceUntil(Condition condition, int limit = 200000) {
    for (int i = 0; i < limit; ++i) {
      if (condition()) return true;
      if (!driver->Advance()) return false;
    }
    return false;
  }

  QTemporaryDir folder;
  ScriptedHost host;
  std::unique_ptr<Game> game;
  FileGameStore store;
  std::unique_ptr<HandDriver> driver;
};

}  // namespace zunda::testing
