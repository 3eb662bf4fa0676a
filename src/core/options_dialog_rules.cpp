#include "core/options_dialog_rules.h"

#include <algorithm>
#include <cmath>

#include "core/music_options.h"
#include "core/players.h"
#include "core/text.h"

namespace zunda {

namespace {

int OnScale(double value, const ScrollScale& scale) {
  if (!std::isfinite(value)) return scale.Min;
  return static_cast<int>(std::nearbyint(std::clamp(value, double(scale.Min), double(scale.Max))));
}

char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

}  // namespace

int GameSpeedMs(const OptionsModel& options) {
  return OnScale(options.DelayTimeShunPai * 1000, kGameSpeedScale);
}

int FoldDelayMs(const OptionsModel& options) {
  return OnScale(options.DelayTimeKouPai * 1000, kFoldDelayScale);
}

int BurnWaitSeconds(const OptionsModel& options) {
  return OnScale(options.DelayTimeShaoPai, kBurnWaitScale);
}

void SetGameSpeedMs(OptionsModel& options, int ms) {
  options.DelayTimeShunPai = options.DelayTimeZundaPai = OnScale(ms, kGameSpeedScale) / 1000.0;
}

void SetFoldDelayMs(OptionsModel& options, int ms) {
  options.DelayTimeKouPai = OnScale(ms, kFoldDelayScale) / 1000.0;
}

void SetBurnWaitSeconds(OptionsModel& options, int seconds) {
  options.DelayTimeShaoPai = OnScale(seconds, kBurnWaitScale);
}

std::string GameSpeedText(int ms) {
  return "延时" + std::to_string(ms) + "毫秒";
}

std::string FoldDelayText(int ms) {
  return std::to_string(ms) + "毫秒";
}

std::string BurnWaitText(int seconds) {
  return std::to_string(seconds) + "秒";
}

void SetDialogDefaults(OptionsModel& options) {
  options.BackMusicCtrl[0] = true;
  options.BackMusicCtrl[1] = true;
  options.BackMusicCtrl[3] = false;
  DeriveMusicSettings(options);
  options.CurBackMusic = 0;
  SetGameSpeedMs(options, 40);
  SetFoldDelayMs(options, 500);
  SetBurnWaitSeconds(options, 5);
  options.BarName = "WINDOWS";
}

bool NotLoggedIn(std::string_view seatName, std::string_view chosenPlayer) {
  // The seat holds only the first 12 characters of a player's name.
  return Trim(seatName) != SeatNameOf(chosenPlayer);
}

std::string NotLoggedInQuestion(std::string_view chosenPlayer) {
  return "游戏玩家〖" + Trim(chosenPlayer) + "〗未登录！是否重新登录？";
}

std::string LoggedInStatus(std::string_view name) {
  return "当前登录玩家是：〖" + Trim(name) + "〗";
}

std::string DefaultPlayerStatus(std::string_view name) {
  return "默认登录玩家：〖" + Trim(name) + "〗";
}

bool SameSkin(std::string_view a, std::string_view b) {
  const std::string x = Trim(a), y = Trim(b);
  return std::equal(x.begin(), x.end(), y.begin(), y.end(),
                    [](char p, char q) { return LowerAscii(p) == LowerAscii(q); });
}

}  // namespace zunda
