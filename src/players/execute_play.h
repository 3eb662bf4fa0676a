#pragma once

#include <string_view>

#include "core/fixed_text.h"
#include "core/model.h"

namespace zunda {

struct Game;

// Carries out TablePlay as the play of the seat: takes the cards out of its hand, brings its
// counters up to date, applies the seating effects of Zunda plays, lays the cards on the
// table, announces the play and the cards left, and judges a burner who can no longer keep
// the joker obligation. Every play, human or computer, lead or answer, goes through here.
void ExecutePlay(Game& g, int seat);

// The play as the event list names it: "4张  9(1大虎)" for three 9s with a big joker. Kept in
// a buffer of its own rather than a string: it is written for every play of every hand.
class PlayEventText {
 public:
  explicit PlayEventText(const PlayRecord& play);
  std::string_view View() const { return text_.View(); }

 private:
  // Room for the longest any counts could give: three numbers of eleven characters, a
  // two-character rank and both jokers come to 57 bytes.
  FixedText<64> text_;
};

}  // namespace zunda
