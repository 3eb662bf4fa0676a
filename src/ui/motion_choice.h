#pragma once

namespace zunda {

struct Game;

// Whether cards move over the table, kept in the option file's [Display] section beside the
// language: "0" keeps them still, anything else (or nothing) lets them move.
inline constexpr const char* kCardMotionKey = "CardMotion";

bool StoredCardMotion(const Game& g);
// Tells the player when the option file could not be written.
void StoreCardMotion(Game& g, bool on);

}  // namespace zunda
