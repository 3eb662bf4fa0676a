#include "ui/music/riff_midi.h"

#include <cstring>

namespace zunda {

namespace {

std::uint32_t LittleEndian32(const std::uint8_t* at) {
  return static_cast<std::uint32_t>(at[0]) | static_cast<std::uint32_t>(at[1]) << 8 |
         static_cast<std::uint32_t>(at[2]) << 16 | static_cast<std::uint32_t>(at[3]) << 24;
}

}  // namespace

std::optional<std::vector<std::uint8_t>> MidiInsideRiff(const std::vector<std::uint8_t>& bytes) {
  if (bytes.size() < 12 || std::memcmp(bytes.data(), "RIFF", 4) != 0 ||
      std::memcmp(bytes.data() + 8, "RMID", 4) != 0) {
    return std::nullopt;
  }
  std::size_t at = 12;
  while (bytes.size() - at >= 8) {
    const std::uint32_t size = LittleEndian32(bytes.data() + at + 4);
    const std::size_t body = at + 8;
    if (size > bytes.size() - body) return std::nullopt;
    if (std::memcmp(bytes.data() + at, "data", 4) == 0) {
      return std::vector<std::uint8_t>(bytes.begin() + static_cast<std::ptrdiff_t>(body),
                                       bytes.begin() + static_cast<std::ptrdiff_t>(body + size));
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
    if (at > bytes.size()) return std::nullopt;
  }
  return std::nullopt;
}

}  // namespace zunda
