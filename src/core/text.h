#pragma once

#include <string>
#include <string_view>

namespace zunda {

// Strings are UTF-8 inside the program; lengths the rules give in characters count code points.
std::string Trim(std::string_view text);
// The same text without copying it: a view into `text`. Inline: every event line and
// prompt trims a name.
inline std::string_view TrimView(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t'; };
  std::size_t first = 0;
  std::size_t last = text.size();
  while (first < last && blank(text[first]))
    ++first;
  while (last > first && blank(text[last - 1]))
    --last;
  return text.substr(first, last - first);
}
// Writes the text unless the target already holds it: texts that are set again and again to
// what they already say (the table's tool tips at every round) then cost a comparison.
inline void AssignIfChanged(std::string& target, std::string_view text) {
  if (std::string_view(target) != text) target.assign(text.data(), text.size());
}
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
