#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zunda::sim {

// One run of whole hands that the play signature covers.
struct SignatureRun {
  std::uint64_t seed;
  long long hands;
  double burnRate;  // chance that the autopilot burns when offered
  bool tribute;     // tribute paid between hands
};

// Four seeds, about 2,000 hands: burning never to always, tribute on and off. Changing this
// list changes the signature.
inline constexpr std::array<SignatureRun, 4> kSignatureRuns = {{
    {1, 700, 0.2, true},
    {2, 500, 0.6, true},
    {3, 400, 1.0, true},
    {4, 400, 0.0, false},
}};

struct SignatureResult {
  std::uint64_t hash = 0;
  long long hands = 0;
  long long violations = 0;
  std::string report;  // what the runs reported when an invariant broke
};

// --signature: plays every run of kSignatureRuns and hashes, with FNV-1a, every event-list
// line and every decision of a computer seat (what it saw and what it chose). Any change of
// play changes the hash; a refactoring or a speed-up must leave it as it was.
SignatureResult RunPlaySignature();

// The hash as sixteen lower-case hex digits.
std::string FormatSignature(std::uint64_t hash);

}  // namespace zunda::sim
