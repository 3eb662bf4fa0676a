#pragma once

#include <vector>

#include "store/ini_file.h"

namespace zunda {

struct Game;
struct ExtrasOptions;

// The conveniences' settings live in the option file's own section "Extras", apart from every
// section the game has always kept. A missing or empty key keeps the default.
inline constexpr const char* kExtrasSection = "Extras";

void LoadExtrasOptions(const classIniFile& ini, ExtrasOptions& extras);
// The keys of the section, for a write of the whole option file.
void AddExtrasOptions(std::vector<classIniFile::KeyValue>& keys, const ExtrasOptions& extras);
// Writes only the section "Extras" of the program's option file from g.Options.Extras (a menu
// switch changed); the other sections stay as they are. A failure is told once.
void SaveExtrasOptions(Game& g);

}  // namespace zunda
