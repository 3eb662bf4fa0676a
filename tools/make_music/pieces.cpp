#include "pieces.h"

#include <array>
#include <string_view>

namespace zunda::music_tool {

namespace {

constexpr int kBar = 4 * kTicksPerQuarter;

// The three keys of a triad named like "C", "Am" or "F#m", with its root in the given octave.
std::array<int, 3> Triad(std::string_view symbol, int octave) {
  const bool minor = symbol.back() == 'm';
  const std::string root(symbol.substr(0, minor ? symbol.size() - 1 : symbol.size()));
  const int key = KeyOf(root + std::to_string(octave));
  return {key, key + (minor ? 3 : 4), key + 7};
}

// Harp: a rising and falling broken chord in eighths.
void AddArpeggioBar(Part& part, std::string_view chord, int bar, int velocity) {
  const auto [root, third, fifth] = Triad(chord, 3);
  const std::array<int, 8> pattern = {root,       fifth,      root + 12, third + 12,
                                      fifth + 12, third + 12, root + 12, fifth};
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const int accent = i % 4 == 0 ? 8 : 0;
    part.Notes.push_back({bar * kBar + static_cast<int>(i) * kTicksPerEighth,
                          kTicksPerQuarter * 3 / 2, pattern[i], velocity + accent});
  }
}

void AddPadBar(Part& part, std::string_view chord, int bar, int velocity) {
  for (const int key : Triad(chord, 4))
    part.Notes.push_back({bar * kBar, kBar, key, velocity});
}

// Bass: root on the first beat, fifth on the third.
void AddRootFifthBar(Part& part, std::string_view chord, int bar, int velocity) {
  const auto [root, third, fifth] = Triad(chord, 2);
  (void)third;
  part.Notes.push_back({bar * kBar, kBar / 2 - 20, root, velocity});
  part.Notes.push_back({bar * kBar + kBar / 2, kBar / 2 - 20, fifth - 12, velocity - 6});
}

// Pizzicato: chord stabs on the off-beats.
void AddOffbeatBar(Part& part, std::string_view chord, int bar, int velocity) {
  const auto keys = Triad(chord, 4);
  for (int beat = 0; beat < 4; ++beat) {
    for (const int key : keys) {
      part.Notes.push_back({bar * kBar + beat * kTicksPerQuarter + kTicksPerEighth,
                            kTicksPerEighth - 30, key, velocity});
    }
  }
}

// Drums: kick on one and three, snare on two and four, closed hi-hat on every eighth.
void AddBeatBar(Part& part, int bar, bool fill) {
  constexpr int kKick = 36, kSnare = 38, kClosedHat = 42, kCrash = 49;
  const int at = bar * kBar;
  for (int eighth = 0; eighth < 8; ++eighth) {
    part.Notes.push_back({at + eighth * kTicksPerEighth, 60, kClosedHat, eighth % 2 ? 50 : 70});
  }
  part.Notes.push_back({at, 60, kKick, 96});
  part.Notes.push_back({at + 2 * kTicksPerQuarter, 60, kKick, 88});
  part.Notes.push_back({at + kTicksPerQuarter, 60, kSnare, 80});
  part.Notes.push_back({at + 3 * kTicksPerQuarter, 60, kSnare, 84});
  if (fill) {
    part.Notes.push_back({at + 3 * kTicksPerQuarter + kTicksPerEighth, 60, kSnare, 70});
  }
  if (bar == 0) part.Notes.push_back({at, 240, kCrash, 80});
}

}  // namespace

Piece QuietGarden() {
  Song song{"Quiet Garden", 76, 4, {}};
  Part flute{"Pan flute", 0, 75, 100, 64, 60, {}};
  Part harp{"Harp", 1, 46, 84, 44, 50, {}};
  Part strings{"Strings", 2, 48, 60, 84, 70, {}};
  Part bass{"Bass", 3, 32, 86, 64, 30, {}};

  // Sixteen bars in C major pentatonic: a phrase, its answer, a turn to the minor, home.
  constexpr std::array<std::string_view, 16> kChords = {"C",  "Am", "F", "G", "C", "Am", "Dm", "G",
                                                        "Am", "Em", "F", "C", "F", "G",  "C",  "C"};
  constexpr std::string_view kAir =
      "E5:3 D5:1 C5:2 D5:2 | E5:2 G5:2 A5:4 | C6:2 A5:2 G5:2 A5:2 | G5:6 r:2 | "
      "E5:3 G5:1 A5:2 G5:2 | E5:2 D5:2 C5:4 | D5:2 E5:2 A4:2 C5:2 | D5:6 r:2 | "
      "A5:3 G5:1 E5:2 G5:2 | G5:2 E5:2 D5:4 | C5:2 D5:2 E5:2 G5:2 | E5:6 r:2 | "
      "A5:2 C6:2 D6:2 C6:2 | A5:2 G5:2 E5:2 D5:2 | E5:3 D5:1 C5:2 A4:2 | C5:8";

  AddMelody(flute, kAir, 0, 88);
  for (int bar = 0; bar < static_cast<int>(kChords.size()); ++bar) {
    const std::string_view chord = kChords[static_cast<std::size_t>(bar)];
    if (bar < 15) AddArpeggioBar(harp, chord, bar, 58);
    AddPadBar(strings, chord, bar, 44);
    AddRootFifthBar(bass, chord, bar, 76);
  }
  // The last bar rings out on a held chord instead of a broken one.
  for (const int key : Triad("C", 3))
    harp.Notes.push_back({15 * kBar, kBar, key, 60});

  song.Parts = {flute, harp, strings, bass};
  return {"QuietGarden.mid", song};
}

Piece MarketDay() {
  Song song{"Market Day", 132, 4, {}};
  Part marimba{"Marimba", 0, 12, 108, 56, 30, {}};
  Part pizzicato{"Pizzicato", 1, 45, 72, 84, 30, {}};
  Part bass{"Bass", 2, 33, 96, 64, 20, {}};
  Part drums{"Drums", 9, 0, 84, 64, 30, {}};

  // G major pentatonic; the opening tune, a second strain, and the opening again to close.
  constexpr std::string_view kTune =
      "D5:1 E5:1 G5:2 E5:1 D5:1 B4:2 | D5:1 E5:1 G5:1 A5:1 B5:2 A5:2 | "
      "G5:1 E5:1 G5:2 A5:1 G5:1 E5:2 | D5:2 E5:1 D5:1 B4:2 A4:2 | "
      "D5:1 E5:1 G5:2 E5:1 D5:1 B4:2 | D5:1 E5:1 G5:1 A5:1 B5:2 D6:2 | "
      "B5:1 A5:1 G5:2 E5:1 D5:1 E5:2 | ";
  constexpr std::string_view kTuneLeadOn = "G5:4 r:2 D5:2 | ";
  constexpr std::string_view kTuneEnd = "G5:6 r:2";
  constexpr std::string_view kStrain =
      "E5:2 E5:1 G5:1 A5:2 G5:2 | D5:2 B4:1 D5:1 E5:2 D5:2 | "
      "E5:1 G5:1 A5:1 B5:1 A5:2 G5:2 | A5:4 D5:4 | "
      "B5:2 A5:1 G5:1 E5:2 G5:2 | A5:2 G5:1 E5:1 D5:2 E5:2 | "
      "A4:1 B4:1 D5:1 E5:1 G5:2 A5:2 | B5:4 A5:2 r:2";
  constexpr std::array<std::string_view, 24> kChords = {"G", "Em", "C", "D", "G",  "Em", "C",  "D",
                                                        "C", "G",  "C", "D", "Em", "C",  "Am", "D",
                                                        "G", "Em", "C", "D", "G",  "Em", "C",  "G"};

  int tick = AddMelody(marimba, kTune, 0, 96);
  tick = AddMelody(marimba, kTuneLeadOn, tick, 96);
  tick = AddMelody(marimba, kStrain, tick, 100);
  tick = AddMelody(marimba, kTune, tick, 100);
  AddMelody(marimba, kTuneEnd, tick, 104);

  for (int bar = 0; bar < static_cast<int>(kChords.size()); ++bar) {
    const std::string_view chord = kChords[static_cast<std::size_t>(bar)];
    AddOffbeatBar(pizzicato, chord, bar, 64);
    AddRootFifthBar(bass, chord, bar, 100);
    AddBeatBar(drums, bar, bar % 8 == 7);
  }

  song.Parts = {marimba, pizzicato, bass, drums};
  return {"MarketDay.mid", song};
}

std::vector<Piece> AllPieces() {
  return {QuietGarden(), MarketDay()};
}

}  // namespace zunda::music_tool
