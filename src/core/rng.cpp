#include "core/rng.h"

#include <chrono>

namespace zunda {

std::uint64_t Rng::EntropySeed() {
  std::random_device device;
  const std::uint64_t high = device();
  const std::uint64_t low = device();
  const auto now = static_cast<std::uint64_t>(
      std::chrono::high_resolution_clock::now().time_since_epoch().count());
  return ((high << 32) | low) ^ now;
}

}  // namespace zunda
