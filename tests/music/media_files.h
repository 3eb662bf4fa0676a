#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace zunda::testing {

// A fresh folder under the system's temporary folder, removed with everything in it.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) const;

 private:
  std::filesystem::path path_;
};

// A mono 16-bit PCM WAV file with a soft tone of the given length.
std::vector<std::uint8_t> ToneWav(double seconds);
// A short Standard MIDI File: a few notes on a piano.
std::vector<std::uint8_t> ShortMidi();
// The MIDI file wrapped in a RIFF "RMID" container, as .rmi files are.
std::vector<std::uint8_t> WrapAsRmi(const std::vector<std::uint8_t>& midi);
std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path);

}  // namespace zunda::testing
