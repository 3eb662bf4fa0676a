#include "ui/music/background_music.h"

#include "core/music_options.h"
#include "core/text.h"

namespace zunda {

std::string NextTrack(Game& g) {
  OptionsModel& options = g.Options;
  const int count = static_cast<int>(options.MusicList.size());
  int current = options.CurBackMusic + 1;  // the 1-based track number
  if (options.MusicMode == kMusicInOrder) {
    current = current >= count ? 1 : current + 1;
  } else if (options.MusicMode == kMusicAtRandom) {
    current = static_cast<int>(g.Random() * count + 1);
  }
  // The dialog's music list shows the current piece selected.
  if (options.MusicMode == kMusicInOrder || options.MusicMode == kMusicAtRandom) {
    options.CurBackMusic = current - 1;
  }
  if (current < 1 || current > count) return "";
  return Trim(options.MusicList[static_cast<std::size_t>(current - 1)]);
}

std::string MusicFilePath(const Game& g, const std::string& name) {
  return g.AppPath + g.SoundDir + "\\" + name;
}

void TmrMediaTimer(Game& g, MusicPlayer& player) {
  g.Win.TmrMedia.Enabled = false;
  if (player.CanPlaySound() < 3) return;
  if (g.Options.MusicOn) {
    if (player.Status() != "playing") {
      player.SetFilename(MusicFilePath(g, NextTrack(g)));
      player.mmSeek(0);
      player.mmPlay();
    }
    g.Win.TmrMedia = {true, kMusicTickMs};
  } else {
    player.mmStop();
    player.mmClose();
  }
}

void MusicOptionsChanged(Game& g) {
  if (g.Options.MusicOn) g.Win.TmrMedia = {true, kMusicTickMs};
}

void StopAllMedia(MusicPlayer& player) {
  player.mmStop();
  player.mmClose();
}

}  // namespace zunda
