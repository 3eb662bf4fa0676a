#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zunda::music_tool {

inline constexpr int kTicksPerQuarter = 480;
inline constexpr int kTicksPerEighth = kTicksPerQuarter / 2;

struct Note {
  int Start = 0;   // ticks from the beginning of the piece
  int Length = 0;  // ticks
  int Key = 60;    // MIDI key, middle C = 60
  int Velocity = 80;
};

// One instrument on one MIDI channel.
struct Part {
  std::string Name;
  int Channel = 0;  // 0..15; 9 is the General MIDI percussion channel
  int Program = 0;  // General MIDI program, 0-based
  int Volume = 100;
  int Pan = 64;
  int Reverb = 40;
  std::vector<Note> Notes;
};

struct Song {
  std::string Title;
  int BeatsPerMinute = 120;
  int BeatsPerBar = 4;
  std::vector<Part> Parts;
};

// A Standard MIDI File of format 1: a conductor track with title, metre and tempo, then one
// track per part. The bytes depend only on the song, so a piece is reproducible.
std::vector<std::uint8_t> EncodeSmf(const Song& song);

// The MIDI key of a note name such as "C4" (60), "A#3" or "Bb5".
int KeyOf(std::string_view name);

// Appends a melody written as blank-separated tokens: "E5:3" is E5 for three eighths, "r:2" a
// rest of two eighths; "|" marks bar lines for the reader and is skipped. Returns the tick
// after the last token.
int AddMelody(Part& part, std::string_view text, int start, int velocity);

}  // namespace zunda::music_tool
