#pragma once

#include <string>
#include <string_view>

#include "core/game_store.h"

namespace zunda {

struct Game;

// The texts that tell the player about files that could not be written or read. Each is one
// whole message with the file name and the reason put in, so that it translates as a unit.

// A file the program writes by itself (option file, score file, run data, imported skins).
std::string WriteFailedText(const SaveResult& failure);
// The saved hand, written because the player asked for it.
std::string HandSaveFailedText(const SaveResult& failure);
// A load that did not restore a hand; empty for a hand restored.
std::string RestoreFailedText(const RestoreResult& result);

// Why the write failed, in a few words ("磁盘空间已满").
std::string WriteFaultText(const SaveResult& failure);

// `text` with %1, %2, ... replaced by the values in turn.
std::string FillIn(std::string_view text, std::initializer_list<std::string_view> values);

// The topics of the saves the program makes by itself.
inline constexpr char kOptionsTopic[] = "options";
inline constexpr char kScoresTopic[] = "scores";
inline constexpr char kRunDataTopic[] = "run data";
inline constexpr char kHistoryTopic[] = "history";

// After an automatic save of `topic` (a file or a group of files): a failure is told once,
// and not again while that save keeps failing; a success makes the next failure told again.
// The game goes on with what it holds and the next save tries again.
void TellSaveResult(Game& g, const std::string& topic, const SaveResult& result);
// After a save the player asked for: a failure is always told.
void TellSaveFailure(Game& g, const SaveResult& result);

}  // namespace zunda
