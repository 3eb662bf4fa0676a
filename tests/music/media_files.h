#pragma once

#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <numbers>
#include <string>
#include <vector>

#include "smf_writer.h"

namespace zunda::testing {

using Bytes = std::vector<std::uint8_t>;

inline void Put(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i)
    out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}
// Byte by byte: inserting the range makes GCC 12 at -O2 warn falsely (-Wstringop-overflow).
inline void PutTag(Bytes& out, const char* tag) {
  for (int i = 0; i < 4; ++i)
    out.push_back(static_cast<std::uint8_t>(tag[i]));
}

// A throw-away folder that files are written into.
struct ScratchFolder {
  std::string Path() const { return dir.path().toStdString(); }
  std::string Write(const std::string& name, const Bytes& bytes) const {
    const std::string file = Path() + "/" + name;
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return file;
  }
  QTemporaryDir dir;
};

// A mono 16-bit PCM WAV file with a soft tone of the given length.
inline Bytes ToneWav(double seconds) {
  constexpr std::uint32_t kRate = 22050;
  const auto frames = static_cast<std::uint32_t>(seconds * kRate);
  Bytes wav;
  PutTag(wav, "RIFF");
  Put(wav, 36 + frames * 2, 4);
  PutTag(wav, "WAVE");
  PutTag(wav, "fmt ");
  for (const auto& [value, size] : {std::pair<std::uint32_t, int>{16, 4},
                                    {1, 2},
                                    {1, 2},
                                    {kRate, 4},
                                    {kRate * 2, 4},
                                    {2, 2},
                                    {16, 2}})
    Put(wav, value, size);  // PCM, mono, 16 bits
  PutTag(wav, "data");
  Put(wav, frames * 2, 4);
  for (std::uint32_t i = 0; i < frames; ++i)
    Put(wav,
        static_cast<std::uint16_t>(
            static_cast<std::int16_t>(2000 * std::sin(2 * std::numbers::pi * 440 * i / kRate))),
        2);
  return wav;
}

// A short Standard MIDI File: a few notes on a piano.
inline Bytes ShortMidi() {
  using namespace zunda::music_tool;
  Song song{"Test", 120, 4, {}};
  Part piano{"Piano", 0, 0, 100, 64, 0, {}};
  AddMelody(piano, "C4:2 E4:2 G4:2 C5:2 | G4:2 E4:2 C4:4 | C4:8 | C4:8", 0, 90);
  song.Parts.push_back(piano);
  return EncodeSmf(song);
}

// The MIDI file wrapped in a RIFF "RMID" container, as .rmi files are.
inline Bytes WrapAsRmi(const Bytes& midi) {
  Bytes rmi;
  PutTag(rmi, "RIFF");
  Put(rmi, static_cast<std::uint32_t>(12 + midi.size() + (midi.size() & 1)), 4);
  PutTag(rmi, "RMID");
  PutTag(rmi, "data");
  Put(rmi, static_cast<std::uint32_t>(midi.size()), 4);
  rmi.insert(rmi.end(), midi.begin(), midi.end());
  if (midi.size() & 1) rmi.push_back(0);
  return rmi;
}

}  // namespace zunda::testing
