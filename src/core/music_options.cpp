#include "core/music_options.h"

#include <algorithm>

namespace zunda {

void DeriveMusicSettings(OptionsModel& options) {
  options.MusicOn = options.BackMusicCtrl[0];
  if (options.BackMusicCtrl[3]) {
    options.MusicMode = kMusicRepeatOne;
  } else if (options.BackMusicCtrl[1]) {
    options.MusicMode = kMusicInOrder;
  } else {
    options.MusicMode = kMusicAtRandom;
  }
}

void SetMusicBox(OptionsModel& options, int box, bool ticked) {
  if (box < 0 || box > 3) return;
  options.BackMusicCtrl[box] = ticked;
  DeriveMusicSettings(options);
}

bool AddMusic(OptionsModel& options, const std::string& name) {
  if (static_cast<int>(options.MusicList.size()) >= kMaxMusicTracks) return false;
  options.MusicList.push_back(name);
  return true;
}

void DeleteMusic(OptionsModel& options, int index) {
  const int count = static_cast<int>(options.MusicList.size());
  if (index < 0 || index >= count) return;
  options.MusicList.erase(options.MusicList.begin() + index);
  if (options.CurBackMusic > index) --options.CurBackMusic;
  options.CurBackMusic = std::clamp(options.CurBackMusic, 0, std::max(0, count - 2));
}

}  // namespace zunda
