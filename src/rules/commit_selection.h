#pragma once

namespace zunda {

struct Game;

// Turns the human's raised cards into Selection and, when the table play allows it, lays
// them: TablePlay := Selection, the human's play is flagged for the turn cycle, the buttons
// are hidden and the raised slots emptied. A refusal shows its reason on the prompt line and
// changes nothing but Selection. Returns whether the play was laid.
bool CommitSelection(Game& g);
// The tests of CommitSelection alone: builds Selection from the raised cards and says whether
// the table play allows it, showing the reason when it does not. The play handler asks it
// before it posts the play, so that a refused set is refused while the human still chooses.
bool SelectionMayBeLaid(Game& g);

}  // namespace zunda
