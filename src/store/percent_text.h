#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace zunda {

// Any bytes as one word of plain ASCII: letters, digits and "-._~" stay as they are, every
// other byte becomes %XX. A name so written survives a line of blank- and comma-separated
// words whatever it holds (UTF-8, blanks, commas, line breaks).
std::string PercentEncoded(std::string_view bytes);

// The bytes of a word PercentEncoded wrote (hex digits of either case); nothing when the word
// holds a character it never writes or a % without two hex digits.
std::optional<std::string> PercentDecoded(std::string_view word);

}  // namespace zunda
