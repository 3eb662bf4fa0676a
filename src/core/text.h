#pragma once

#include <string>
#include <string_view>

namespace zunda {

// Strings are UTF-8 inside the program; lengths the rules give in characters count code points.
std::string Trim(std::string_view text);
// The same text without copying it: a view into `text`.
std::string_view TrimView(std::string_view text);
std::string TrimRight(std::string_view text);
std::size_t CharCount(std::string_view text);
// The first n characters (code points) of the text.
std::string LeftChars(std::string_view text, std::size_t n);
// The text cut or blank-filled to exactly n characters.
std::string FixedWidth(std::string_view text, std::size_t n);

// The lenient numeric conversion used for every number read from a file: leading blanks are
// skipped, the longest leading number is taken, and text that is not a number gives 0.
double Val(std::string_view text);
int ValInt(std::string_view text);
// Trimmed, one trailing NUL removed, trimmed again.
std::string CleanIniValue(std::string_view text);
// The shortest decimal form with a point: 0.02, 5, 0.5.
std::string ShortestDecimal(double value);

}  // namespace zunda
