#pragma once

#include <array>
#include <string_view>

namespace zunda {

struct Game;

inline constexpr std::array<std::string_view, 6> kDefaultSeatNames = {"Aldor", "Bersa", "Corvan",
                                                                      "Delis", "Edrik", "Fanya"};

// The constant tables and seat defaults every game starts from: card weights, places and
// finishing orders cleared, the default seat names, the human seat, the scorched button's tip and
// the version text.
void SetStartupDefaults(Game& g);

}  // namespace zunda
