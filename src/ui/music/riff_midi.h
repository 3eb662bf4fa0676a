#pragma once

#include <cstdint>
#include <optional>
#include <vector>

namespace zunda {

// An .rmi file is a Standard MIDI File wrapped in a RIFF "RMID" container. Returns the MIDI
// file inside its "data" chunk; nothing when the bytes are not such a container or the chunk
// runs past the end.
std::optional<std::vector<std::uint8_t>> MidiInsideRiff(const std::vector<std::uint8_t>& bytes);

}  // namespace zunda
