// The option file as start-up reads it: the waits, then the whole file; a loaded file saved
// and loaded again must keep what it held.
#include <cmath>
#include <cstdint>
#include <string>

#include "core/text.h"
#include "fuzz_support.h"
#include "store/option_file.h"

namespace {

using zunda::OptionsModel;
using zunda::fuzz::Require;

bool OnScale(double seconds, double lo, double hi) {
  return std::isfinite(seconds) && seconds >= lo && seconds <= hi;
}

void RequireSane(const OptionsModel& o) {
  Require(o.PlayerNum >= 1 && o.PlayerNum <= zunda::kMaxPlayers, "a player count in range");
  Require(o.CurPlayer >= 0 && o.CurPlayer < o.PlayerNum, "a current player in the table");
  for (int i = 0; i < o.PlayerNum; ++i) {
    Require(zunda::CharCount(o.Players[i].Name) <= 30, "a name of at most 30 characters");
    Require(zunda::CharCount(o.Players[i].Password) <= 12, "a password of at most 12 characters");
  }
  Require(OnScale(o.DelayTimeShunPai, 0.005, 0.2), "the ordinary wait on its scale");
  Require(o.DelayTimeZundaPai == o.DelayTimeShunPai, "the Zunda wait equal to the ordinary one");
  Require(OnScale(o.DelayTimeKouPai, 0.1, 3), "the fold wait on its scale");
  Require(OnScale(o.DelayTimeShaoPai, 1, 10), "the burn wait on its scale");
  const int tracks = static_cast<int>(o.MusicList.size());
  Require(tracks <= 1024, "a music list the options dialog can hold");
  if (tracks > 0) {
    Require(o.CurBackMusic >= -1 && o.CurBackMusic < tracks, "a current piece in the list");
  }
  Require(o.MusicMode >= 1 && o.MusicMode <= 3, "a music mode");
}

// Loads the option file of the folder into a fresh game.
OptionsModel Load(const std::filesystem::path& app) {
  auto fresh = zunda::fuzz::MakeGame(app);
  Require(zunda::LoadOptions(fresh->game) == zunda::OptionsLoadResult::Loaded,
          "a saved option file loads");
  RequireSane(fresh->game.Options);
  return fresh->game.Options;
}

void Save(const std::filesystem::path& app, const OptionsModel& options) {
  auto fresh = zunda::fuzz::MakeGame(app);
  fresh->game.Options = options;
  zunda::SaveOptions(fresh->game);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto app = zunda::fuzz::WorkFolder() / "app";
  zunda::fuzz::EmptyFolder(app);
  zunda::fuzz::WriteFile(app / "Option.ini", data, size);

  auto started = zunda::fuzz::MakeGame(app);
  zunda::Game& g = started->game;
  zunda::LoadWaits(g);
  Require(g.OptionFilePresent, "the option file is seen");
  for (double wait :
       {g.DelayTimeShunPai, g.DelayTimeZundaPai, g.DelayTimeKouPai, g.DelayTimeShaoPai}) {
    Require(std::isfinite(wait), "a finite wait");
  }

  if (zunda::LoadOptions(g) == zunda::OptionsLoadResult::RebuiltEndProgram) {
    Require(started->host.Messages().size() == 1, "the rebuild is announced once");
    Load(app);  // the rebuilt file must load at the next start
    return 0;
  }
  RequireSane(g.Options);

  // The first save may normalise (undecodable bytes become '?'); from then on a save and a
  // load give back the same options.
  Save(app, g.Options);
  const OptionsModel once = Load(app);
  Save(app, once);
  Require(Load(app) == once, "saving and loading keep the options");
  return 0;
}
