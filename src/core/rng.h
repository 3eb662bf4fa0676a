#pragma once

#include <cstdint>
#include <random>

namespace zunda {

// The one pseudo-random generator of the program. std::mt19937_64 is specified to the bit by
// the standard, and u is formed from its top 53 bits by our own code, so a seed gives the same
// sequence on every compiler and platform.
class Rng {
 public:
  explicit Rng(std::uint64_t seed = 1) : engine_(seed) {}

  void Seed(std::uint64_t seed) { engine_.seed(seed); }
  double Uniform() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }
  std::uint64_t Next() { return engine_(); }

  static std::uint64_t EntropySeed();

 private:
  std::mt19937_64 engine_;
};

}  // namespace zunda
