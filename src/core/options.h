#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/checked_array.h"
#include "core/extras_options.h"

namespace zunda {

inline constexpr int kMaxPlayers = 31;

struct PlayerEntry {
  std::string Name;      // at most 30 characters
  std::string Password;  // at most 12 characters, compared after trimming blanks
  Arr<std::int32_t, 1, 10> Stats;
  bool operator==(const PlayerEntry&) const = default;
};

// The four waits in seconds, as a new option file holds them and as a game starts with: a
// tick of an ordinary play (also the turn cycle's pace), of a Zunda play, the wait after a
// fold, and the burn offer's wait.
struct DefaultWaits {
  static constexpr double ShunPai = 0.02;
  static constexpr double ZundaPai = 0.02;
  static constexpr double KouPai = 0.5;
  static constexpr double ShaoPai = 5;
};

// Everything the option file holds, as a plain model the options dialog edits and the
// storage layer loads and saves.
struct OptionsModel {
  int PlayerNum = 1;
  int CurPlayer = 0;
  bool Remember = false;
  Arr<PlayerEntry, 0, kMaxPlayers - 1> Players;

  std::vector<std::string> SkinsList;
  std::string CurSkin;

  bool JinGong = true;  // tribute between hands
  double DelayTimeShunPai = DefaultWaits::ShunPai;
  double DelayTimeZundaPai = DefaultWaits::ZundaPai;
  double DelayTimeKouPai = DefaultWaits::KouPai;
  double DelayTimeShaoPai = DefaultWaits::ShaoPai;
  std::string BarName = "WINDOWS";
  bool RecRunData = false;

  std::vector<std::string> MusicList;
  int CurBackMusic = 0;
  Arr<bool, 0, 3> BackMusicCtrl;  // allow, in order, at random, repeat one
  bool MusicOn = false;
  int MusicMode = 2;

  ExtrasOptions Extras;
  bool operator==(const OptionsModel&) const = default;
};

}  // namespace zunda
