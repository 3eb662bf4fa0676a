#pragma once

#include <string>
#include <string_view>

namespace zunda {

struct Game;

// The prompt line: white, visible only while the text is not blank, blinking while visible.
void ShowPrompt(Game& g, std::string_view text);
// The prompt after a play: "name:text".
void ShowPlayPrompt(Game& g, std::string_view name, std::string_view text);
// One line of the event list: "name: text", or the text alone when the name is blank.
void AddEventLine(Game& g, std::string_view name, std::string_view text);
// The event line's text of a seat that passes.
inline constexpr char kPassLine[] = "过";

}  // namespace zunda
