#pragma once

namespace zunda {

struct Game;
class classIniFile;
struct ExtrasOptions;

// The conveniences' settings live in the option file's own section "Extras", apart from every
// section the game has always kept. A missing or empty key keeps the default.
inline constexpr const char* kExtrasSection = "Extras";

void LoadExtrasOptions(const classIniFile& ini, ExtrasOptions& extras);
void SaveExtrasOptions(const classIniFile& ini, const ExtrasOptions& extras);
// Writes only the section "Extras" of the program's option file from g.Options.Extras (a menu
// switch changed); the other sections stay as they are.
void SaveExtrasOptions(Game& g);

}  // namespace zunda
