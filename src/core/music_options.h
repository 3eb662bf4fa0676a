#pragma once

#include <string>

#include "core/options.h"

namespace zunda {

// Order modes of the background music.
inline constexpr int kMusicInOrder = 1;
inline constexpr int kMusicAtRandom = 2;
inline constexpr int kMusicRepeatOne = 3;
// The music list holds at most this many pieces.
inline constexpr int kMaxMusicTracks = 1024;

// Shown on the music page beside the file chooser: video files never play as music.
inline constexpr const char* kMusicVideoNote = "AVI 视频文件不作为背景音乐播放。";

// The music switch and order mode follow the four music boxes: box 0 allows music; the mode
// is repeat-one when box 3 is ticked, else in order when box 1 is, else at random.
void DeriveMusicSettings(OptionsModel& options);
// Ticks or clears one of the boxes 0..3 and updates the switch and mode; other boxes ignored.
void SetMusicBox(OptionsModel& options, int box, bool ticked);

// Appends a piece (a file name relative to the Sound folder); false when the list is full.
bool AddMusic(OptionsModel& options, const std::string& name);
// Removes the piece at a 0-based list index; the current piece keeps pointing at the same
// piece, or at the last one when the current piece itself was removed from the end.
void DeleteMusic(OptionsModel& options, int index);

}  // namespace zunda
