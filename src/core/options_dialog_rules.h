#pragma once

#include <string>
#include <string_view>

#include "core/options.h"

namespace zunda {

// What the options dialog decides beyond the player table, kept apart from the widgets.

// Scales of the speed scroll bars: the ordinary wait in milliseconds, the fold wait in
// milliseconds, the burn wait in seconds.
struct ScrollScale {
  int Min, Max, SmallStep, LargeStep;
};
inline constexpr ScrollScale kGameSpeedScale{5, 200, 10, 40};
inline constexpr ScrollScale kFoldDelayScale{100, 3000, 100, 500};
inline constexpr ScrollScale kBurnWaitScale{1, 10, 1, 5};

// The scroll positions of the waits held in seconds, kept on their scales.
int GameSpeedMs(const OptionsModel& options);
int FoldDelayMs(const OptionsModel& options);
int BurnWaitSeconds(const OptionsModel& options);
// Stores a scroll position; the Zunda wait always follows the ordinary one.
void SetGameSpeedMs(OptionsModel& options, int ms);
void SetFoldDelayMs(OptionsModel& options, int ms);
void SetBurnWaitSeconds(OptionsModel& options, int seconds);

std::string GameSpeedText(int ms);      // "延时40毫秒"
std::string FoldDelayText(int ms);      // "500毫秒"
std::string BurnWaitText(int seconds);  // "5秒"

// The dialog's own defaults (the Defaults button): music allowed and played in order, the first
// piece chosen, 40 ms, 500 ms, 5 s and the boss caption "WINDOWS". Players, skins, the tribute
// choice and the run-data switch stay as they are.
void SetDialogDefaults(OptionsModel& options);

// OK asks to log in again when the player chosen in the list is not the one at the table.
bool NotLoggedIn(std::string_view seatName, std::string_view chosenPlayer);
std::string NotLoggedInQuestion(std::string_view chosenPlayer);

inline constexpr const char* kRestartQuestion =
    "您修改了重要设置，需要在重新启动本软件后才能生效，是否现在就退出？";
// Shown on the main window after OK and after Cancel.
std::string LoggedInStatus(std::string_view name);
std::string DefaultPlayerStatus(std::string_view name);

// Skin folder names are compared without regard to case, as the file system of the program's
// origin did.
bool SameSkin(std::string_view a, std::string_view b);

}  // namespace zunda
