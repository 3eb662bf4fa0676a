#pragma once

#include <cstdint>
#include <string>

#include "core/scripted_host.h"

namespace zunda::sim {

// The scripted host of a simulated game: every Yes/No question is answered by the same seeded
// generator that shuffles the cards, the burn question with Yes at the burn rate, any other
// (such as taking tribute from a teammate) at even odds. OK boxes are simply confirmed.
class SimHost : public ScriptedHost {
 public:
  SimHost(std::uint64_t seed, double burnRate) : ScriptedHost(seed), burnRate_(burnRate) {}

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) override;

  long long BurnQuestions() const { return burnQuestions_; }

 private:
  double burnRate_;
  long long burnQuestions_ = 0;
};

}  // namespace zunda::sim
