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
  double DelayTimeShunPai = 0.02;
  double DelayTimeZundaPai = 0.02;
  double DelayTimeKouPai = 0.5;
  double DelayTimeShaoPai = 5;
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
