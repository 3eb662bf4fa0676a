#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace zunda {

struct Game;

// The state file of a snapshot: every variable of the running game but the hands, one value
// a line: strings in double quotes (a quote inside doubled), integers in decimal, Booleans as
// #TRUE# or #FALSE#, single-precision numbers in decimal with a point. Lines end in CR LF;
// the text is GBK on disk and UTF-8 here.

// The version text of the first line: major, minor and revision run together.
std::string StateFileVersion();

// pairCheck ties the state file to its hands file; it is the last value.
std::string EncodeStateFile(const Game& g, std::uint32_t pairCheck);

enum class StateFileResult { Read, OtherVersion, Damaged };
// Reads every value into g, checking each against its range, the version, the constant card
// tables, the pair check and that nothing follows. On anything but Read, g holds a partial
// state and must be thrown away.
StateFileResult DecodeStateFile(std::string_view text, Game& g, std::uint32_t pairCheck);

// The first value of the text when it is a quoted string; empty otherwise.
std::string FirstStateValue(std::string_view text);
// The pair check the text ends with, as written; nothing when its last line is no such number.
std::optional<std::uint32_t> StatePairCheck(std::string_view text);

}  // namespace zunda
