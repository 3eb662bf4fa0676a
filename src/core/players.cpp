#include "core/players.h"

#include <algorithm>

#include "core/text.h"

namespace zunda {

namespace {

bool ValidIndex(const OptionsModel& options, int index) {
  return index >= 0 && index < std::min(options.PlayerNum, kMaxPlayers);
}

PlayerOutcome Refused(std::string message) {
  return {false, std::move(message)};
}

PlayerOutcome Done(std::string message) {
  return {true, std::move(message)};
}

// The file keeps a password in 12 characters; a longer one would be cut on saving and the
// player could never log in again.
bool FitsPasswordField(std::string_view password) {
  return CharCount(Trim(password)) <= kPasswordWidth;
}

}  // namespace

std::string CurrentPlayerText(std::string_view name) {
  return "当前登录玩家 : " + std::string(name);
}

std::string SeatNameOf(std::string_view playerName) {
  return LeftChars(Trim(playerName), kSeatNameWidth);
}

int FindPlayer(const OptionsModel& options, std::string_view name) {
  const std::string wanted = Trim(name);
  for (int i = 0; ValidIndex(options, i); ++i) {
    if (Trim(options.Players[i].Name) == wanted) return i;
  }
  return -1;
}

bool PasswordMatches(const PlayerEntry& player, std::string_view typed) {
  return Trim(player.Password) == Trim(typed);
}

PlayerOutcome LogIn(OptionsModel& options, int index, std::string_view typed) {
  if (!ValidIndex(options, index)) return {};
  if (!PasswordMatches(options.Players[index], typed)) return Refused("Err : 密码错。");
  options.CurPlayer = index;
  const std::string name = Trim(options.Players[index].Name);
  return Done("成功登录:" + name + "\n" + CurrentPlayerText(name));
}

PlayerOutcome AddPlayer(OptionsModel& options, std::string_view typedName) {
  std::string name = Trim(typedName);
  if (name.empty()) name = kNewPlayerName;
  if (FindPlayer(options, name) >= 0) return Refused("该玩家已经存在!");
  if (CharCount(name) > kPlayerNameWidth) return Refused("Err : 玩家姓名不能超过30个字符!");
  if (options.PlayerNum >= kMaxPlayers) return Refused("Err : 玩家人数已满,不能再添加!");
  PlayerEntry& entry = options.Players[options.PlayerNum];
  entry = PlayerEntry();
  entry.Name = name;
  ++options.PlayerNum;
  return Done(name + " 添加完毕, None Password.");
}

PlayerOutcome ChangePassword(OptionsModel& options, int index, std::string_view oldPassword,
                             std::string_view newPassword) {
  if (!ValidIndex(options, index)) return {};
  if (!PasswordMatches(options.Players[index], oldPassword)) {
    return Refused("Err : 原有密码输入错!");
  }
  if (index == 0) return Refused("Err : 原始玩家不能设密码!");
  if (!FitsPasswordField(newPassword)) return Refused("Err : 密码不能超过12个字符!");
  options.Players[index].Password = Trim(newPassword);
  return Done("密码修改完毕!");
}

PlayerOutcome DeletePlayer(OptionsModel& options, int index, std::string_view typed) {
  if (!ValidIndex(options, index)) return {};
  if (!PasswordMatches(options.Players[index], typed)) return Refused("Err : 密码错!");
  if (index == 0) return Refused("Err : 原始玩家不能删除!");
  const int last = options.PlayerNum - 1;
  for (int i = index; i < last; ++i)
    options.Players[i] = options.Players[i + 1];
  options.Players[last] = PlayerEntry();
  options.PlayerNum = last;
  if (options.CurPlayer == index) {
    options.CurPlayer = 0;
  } else if (options.CurPlayer > index) {
    --options.CurPlayer;
  }
  return Done("删除完毕!");
}

}  // namespace zunda
