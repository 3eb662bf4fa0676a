#pragma once

#include <string>
#include <vector>

#include "ui/music/music_player.h"

namespace zunda::testing {

// A player that only writes down what it was asked to do.
class RecordingPlayer : public MusicPlayer {
 public:
  int Devices = 3;
  std::string CurrentStatus;
  std::vector<std::string> Calls;

  int CanPlaySound() override { return Devices; }
  std::string Status() override { return CurrentStatus; }
  void SetFilename(const std::string& file) override { Calls.push_back("open " + file); }
  void mmSeek(float position) override {
    Calls.push_back("seek " + std::to_string(static_cast<int>(position)));
  }
  void mmPlay() override { Calls.push_back("play"); }
  void mmStop() override { Calls.push_back("stop"); }
  void mmClose() override { Calls.push_back("close"); }
};

}  // namespace zunda::testing
