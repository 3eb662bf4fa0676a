#pragma once

#include <string>

namespace zunda {

// What the music timer needs of a player. `Mmedia` plays through the sound card; tests put a
// recording player in its place to follow the timer's decisions without audio.
class MusicPlayer {
 public:
  virtual ~MusicPlayer() = default;

  // 1 when a wave device is there, plus 2 when a MIDI device is there.
  virtual int CanPlaySound() = 0;
  // "playing" while a file plays, "" when nothing is open.
  virtual std::string Status() = 0;
  // Opens the file, closing the one open before.
  virtual void SetFilename(const std::string& file) = 0;
  virtual void mmSeek(float position) = 0;
  virtual void mmPlay() = 0;
  virtual void mmStop() = 0;
  virtual void mmClose() = 0;
};

}  // namespace zunda
