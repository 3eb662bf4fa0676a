#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "ui/music/audio_module.h"
#include "ui/music/music_player.h"
#include "ui/music/sound_font.h"

namespace zunda {

// The kind of device a file opens, chosen by its last three characters.
enum class MediaDevice { None, Waveaudio, AviVideo, Sequencer };
MediaDevice DeviceForFile(std::string_view file);

struct MmediaConfig {
  std::vector<std::string> SoundFontCandidates = DefaultSoundFontCandidates();
  // The module that plays through the sound library (see LoadAudioBackend).
  std::vector<std::string> ModuleCandidates = DefaultAudioModuleCandidates();
};

// The music player: one open file at a time, played through SDL2_mixer (WAV directly, MIDI
// through FluidSynth and a General MIDI soundfont) in the music module. Audio errors are never
// reported: a file that cannot be opened or decoded simply does not play, and `Status` tells
// the caller so; without the module or the sound library nothing plays at all.
//
// Loading the module, opening the audio output and decoding a file happen on a worker thread,
// so no call blocks the window's thread for longer than a lock; a file asked to play while it
// is still being decoded starts as soon as it is ready and reports "playing" meanwhile. Build
// the player when the window is built so that the audio output is ready before the first
// music tick.
class Mmedia final : public MusicPlayer {
 public:
  explicit Mmedia(MmediaConfig config = {});
  ~Mmedia() override;
  Mmedia(const Mmedia&) = delete;
  Mmedia& operator=(const Mmedia&) = delete;

  // Closes the open file, then opens this one when its ending is WAV (wave), MID or RMI
  // (MIDI) and that device is there; any other ending, AVI among them, opens nothing.
  void mmOpen(const std::string& file);
  void mmClose() override;
  void mmPause();
  // Plays from the sought position, or resumes after a pause. Never waits for the end.
  void mmPlay() override;
  void mmStop() override;
  // Moves to a position in milliseconds and stops there.
  void mmSeek(float position) override;

  std::string Filename() const;
  void SetFilename(const std::string& file) override { mmOpen(file); }
  // Kept for callers that ask for it; play returns at once all the same, and a caller that
  // needs the end of a piece watches `Status`.
  bool Wait() const { return wait_; }
  void SetWait(bool wait) { wait_ = wait; }
  // Milliseconds; 0 when nothing is open or the decoder cannot tell.
  float Length();
  float Position();
  // "playing", "paused" or "stopped"; "" when nothing is open.
  std::string Status() override;
  // True while the open file is still being decoded.
  bool Opening() const;
  // The name the open file goes by: its ending and the minute it was opened ("MID37").
  std::string Alias() const;
  // 1 when audio output opens, plus 2 when MIDI can play (a soundfont was found).
  int CanPlaySound() override;

 private:
  struct Shared;
  std::unique_ptr<Shared> shared_;
  bool wait_ = false;
};

}  // namespace zunda
