#pragma once

#include <string>
#include <string_view>

#include "core/options.h"

namespace zunda {

// The player table as the options dialog edits it: logging in, adding, changing a password and
// deleting. Each action leaves the table unchanged unless it reports Done, and always gives
// the text for the dialog's player message line.

inline constexpr int kPlayerNameWidth = 30;
inline constexpr int kPasswordWidth = 12;
inline constexpr int kSeatNameWidth = 12;
// A blank name typed for a new player.
inline constexpr const char* kNewPlayerName = "New Player";

struct PlayerOutcome {
  bool Done = false;
  std::string Message;
};

// "当前登录玩家 : " and the name.
std::string CurrentPlayerText(std::string_view name);

// The name a seat takes for a player: trimmed, its first 12 characters.
std::string SeatNameOf(std::string_view playerName);

// Index of the player with this name (both trimmed), or -1.
int FindPlayer(const OptionsModel& options, std::string_view name);

// Whether the typed password is the player's; both are compared trimmed of blanks.
bool PasswordMatches(const PlayerEntry& player, std::string_view typed);

// Checks the password of the player at index; on success that player becomes the current one.
PlayerOutcome LogIn(OptionsModel& options, int index, std::string_view typed);

// Appends a player without a password; a blank name becomes "New Player".
PlayerOutcome AddPlayer(OptionsModel& options, std::string_view name);

// The old password must be the player's; the first player never gets one.
PlayerOutcome ChangePassword(OptionsModel& options, int index, std::string_view oldPassword,
                             std::string_view newPassword);

// The password must be the player's; the first player is never deleted. Later players move up
// one place and the current player keeps pointing at the same player (the first one when the
// current player itself goes).
PlayerOutcome DeletePlayer(OptionsModel& options, int index, std::string_view typed);

}  // namespace zunda
