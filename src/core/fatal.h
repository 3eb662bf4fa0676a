#pragma once

#include <stdexcept>
#include <string>

namespace zunda {

// A broken model: the engine reports the "Err:" text once and never continues. Thrown from
// deep inside a rule, caught at the entry point the window called (see Game::Guard).
class FatalError : public std::runtime_error {
 public:
  explicit FatalError(const std::string& message) : std::runtime_error(message) {}
};

// Thrown when control comes back to a running step after the game has already stopped on a
// fatal error inside a nested handler; it unwinds the step without a second message.
class GameStopped : public std::runtime_error {
 public:
  GameStopped() : std::runtime_error("game stopped") {}
};

[[noreturn]] inline void Fatal(const std::string& message) {
  throw FatalError(message);
}

}  // namespace zunda
