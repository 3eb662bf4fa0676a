#pragma once

#include <string>

namespace zunda::sim {

// What a run did, for the summary line every mode ends with.
struct SimSummary {
  long long hands = 0;
  long long plays = 0;
  long long violations = 0;
  double seconds = 0;
};

// "N hands, P plays, V violations, X hands/s"
std::string FormatSummary(const SimSummary& summary);

}  // namespace zunda::sim
