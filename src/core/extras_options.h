#pragma once

namespace zunda {

// The conveniences this program adds to the game: each one can be switched off, and none of
// them changes a rule. Saved in the option file's section "Extras"; a missing key keeps the
// default given here, and the defaults keep the game's own pace.
struct ExtrasOptions {
  bool Hint = true;          // the hint button and its key
  bool Autoplay = true;      // the autoplay menu item and its key are offered
  bool CardCounter = false;  // the card counter is shown
  bool KeyboardPlay = true;  // arrows, space and the button keys act on the hand
  // A finished round stays on the table until the user clicks.
  bool HoldLastPlay = false;
  // A finished round stays on the table at least this long; 0 keeps the turn cycle's wait.
  int RoundStayMs = 0;
  // The human may take back a play (悔牌); the hand then counts as practice. Off, so the
  // game's own rules stand unless the player chooses otherwise.
  bool TakeBack = false;
  bool operator==(const ExtrasOptions&) const = default;
};

// The scale of the round-stay slider.
inline constexpr int kRoundStayMsMax = 5000;
inline constexpr int kRoundStayMsStep = 250;

}  // namespace zunda
