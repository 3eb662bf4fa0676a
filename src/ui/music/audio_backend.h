#pragma once

#include <cstddef>
#include <cstdint>

namespace zunda {

// A decoded piece, owned by the back end that made it.
struct AudioTrack;

// What the music player needs of the sound library. The SDL2_mixer implementation lives in a
// module of its own (src/sdl_music) that the player loads on its worker thread, so that the
// program does not load and bind SDL and the many libraries it brings before its window shows.
//
// The player calls every method under its own lock; Open, Load and ReleaseThread come from the
// player's worker thread, the others from either thread.
class AudioBackend {
 public:
  virtual ~AudioBackend() = default;

  // Opens the audio output: 1 when wave files can play, plus 2 when MIDI files can (through
  // the soundfont; an empty path means none). 0 when there is no audio output.
  virtual int Open(const char* soundFont) = 0;
  // Null when the bytes do not decode. The bytes must outlive the track: it reads them while
  // it plays.
  virtual AudioTrack* Load(const std::uint8_t* bytes, std::size_t size, bool midi) = 0;
  virtual void Free(AudioTrack* track) = 0;

  // One track plays at a time. Play starts it from the beginning; false when it cannot.
  virtual bool Play(AudioTrack* track) = 0;
  virtual void Pause() = 0;
  virtual void Resume() = 0;
  virtual void Halt() = 0;
  virtual bool Playing() = 0;
  virtual void Seek(double seconds) = 0;
  // Seconds; 0 or less when the decoder cannot tell.
  virtual double Duration(AudioTrack* track) = 0;
  virtual double Position(AudioTrack* track) = 0;

  // Frees what the sound library keeps for the calling thread, before the thread ends.
  virtual void ReleaseThread() = 0;
};

// The module's one entry point, looked up by name. A module built against another version of
// this interface returns null, so a stale module is never called into.
inline constexpr int kAudioBackendVersion = 1;
inline constexpr const char* kAudioBackendEntry = "ZundaMakeAudioBackend";
using MakeAudioBackendFunction = AudioBackend* (*)(int version);

}  // namespace zunda
