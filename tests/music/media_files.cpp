#include "media_files.h"

#include <atomic>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

#include <unistd.h>

#include "smf_writer.h"

namespace zunda::testing {

namespace {

void PutLittleEndian(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

// Byte by byte: inserting the range into an empty vector makes GCC 12 at -O2 warn falsely
// that memmove overflows it (-Wstringop-overflow).
void PutTag(std::vector<std::uint8_t>& out, const char* tag) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(tag[i]));
}

}  // namespace

ScratchFolder::ScratchFolder() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("zunda-music-" + std::to_string(getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

ScratchFolder::~ScratchFolder() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string ScratchFolder::Write(const std::string& name,
                                 const std::vector<std::uint8_t>& bytes) const {
  const std::filesystem::path file = path_ / name;
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()),
            static_cast<std::streamsize>(bytes.size()));
  return file.string();
}

std::vector<std::uint8_t> ToneWav(double seconds) {
  constexpr std::uint32_t kRate = 22050;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  std::vector<std::uint8_t> wav;
  PutTag(wav, "RIFF");
  PutLittleEndian(wav, 36 + frames * 2, 4);
  PutTag(wav, "WAVE");
  PutTag(wav, "fmt ");
  PutLittleEndian(wav, 16, 4);
  PutLittleEndian(wav, 1, 2);  // PCM
  PutLittleEndian(wav, 1, 2);  // mono
  PutLittleEndian(wav, kRate, 4);
  PutLittleEndian(wav, kRate * 2, 4);
  PutLittleEndian(wav, 2, 2);
  PutLittleEndian(wav, 16, 2);
  PutTag(wav, "data");
  PutLittleEndian(wav, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i) {
    const double sample = 2000 * std::sin(2 * std::numbers::pi * 440 * i / kRate);
    PutLittleEndian(wav, static_cast<std::uint16_t>(static_cast<std::int16_t>(sample)), 2);
  }
  return wav;
}

std::vector<std::uint8_t> ShortMidi() {
  using namespace zunda::music_tool;
  Song song{"Test", 120, 4, {}};
  Part piano{"Piano", 0, 0, 100, 64, 0, {}};
  AddMelody(piano, "C4:2 E4:2 G4:2 C5:2 | G4:2 E4:2 C4:4 | C4:8 | C4:8", 0, 90);
  song.Parts.push_back(piano);
  return EncodeSmf(song);
}

std::vector<std::uint8_t> WrapAsRmi(const std::vector<std::uint8_t>& midi) {
  std::vector<std::uint8_t> rmi;
  PutTag(rmi, "RIFF");
  const std::uint32_t padded = static_cast<std::uint32_t>(midi.size() + (midi.size() & 1));
  PutLittleEndian(rmi, 4 + 8 + padded, 4);
  PutTag(rmi, "RMID");
  PutTag(rmi, "data");
  PutLittleEndian(rmi, static_cast<std::uint32_t>(midi.size()), 4);
  rmi.insert(rmi.end(), midi.begin(), midi.end());
  if (midi.size() & 1) rmi.push_back(0);
  return rmi;
}

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace zunda::testing
