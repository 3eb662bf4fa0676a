// The music list of the option file, loaded and then played through by the music timer.
#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "core/music_options.h"
#include "fuzz_support.h"
#include "store/option_file.h"
#include "ui/music/background_music.h"

namespace {

using zunda::fuzz::Require;

// Opens nothing: every file it is given counts as finished at the next tick.
class SilentPlayer final : public zunda::MusicPlayer {
 public:
  int CanPlaySound() override { return 3; }
  std::string Status() override { return ""; }
  void SetFilename(const std::string& file) override { opened.push_back(file); }
  void mmSeek(float) override {}
  void mmPlay() override {}
  void mmStop() override {}
  void mmClose() override {}

  std::vector<std::string> opened;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto app = zunda::fuzz::WorkFolder() / "app";
  zunda::fuzz::EmptyFolder(app);
  zunda::fuzz::WriteFile(app / "Option.ini", data, size);

  auto fuzzGame = zunda::fuzz::MakeGame(app);
  zunda::Game& g = fuzzGame->game;
  if (zunda::LoadOptions(g) != zunda::OptionsLoadResult::Loaded) return 0;
  const zunda::OptionsModel& o = g.Options;
  const int tracks = static_cast<int>(o.MusicList.size());
  Require(tracks <= zunda::kMaxMusicTracks, "a music list the options dialog can hold");

  // Twice round the list (bounded), in whatever order mode the file chose.
  SilentPlayer player;
  const std::string folder = zunda::MusicFilePath(g, "");
  const int ticks = std::min(2 * tracks + 2, 64);
  for (int tick = 0; tick < ticks; ++tick) {
    zunda::TmrMediaTimer(g, player);
    Require(o.CurBackMusic >= -1 && o.CurBackMusic <= tracks, "a current piece by the list");
  }
  for (const std::string& file : player.opened) {
    Require(file.compare(0, folder.size(), folder) == 0, "music is opened in the Sound folder");
  }
  if (o.MusicOn && tracks > 0 && o.MusicMode != zunda::kMusicRepeatOne) {
    Require(!player.opened.empty(), "music that is on plays");
  }
  return 0;
}
