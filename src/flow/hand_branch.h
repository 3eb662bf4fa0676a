#pragma once

#include <cstddef>
#include <string>

#include "core/hand_record.h"

namespace zunda {

struct Game;

// Playing a recorded hand again from one of its moments: the record is replayed on a game of
// its own up to the human seat's action of index `nextAction` (0: the first moment the hand
// waits for the human), and the running game takes that hand over, with the human to play.
// What belongs to the run (options, scores, folders, the window's own marks) stays the
// running game's. A branched hand is a practice hand unless `scored`. Returns "" or, when
// the record does not replay to that point, why; the running game is then untouched.
std::string BranchFromRecord(Game& g, const HandRecord& record, std::size_t nextAction,
                             bool scored);

// Whether the take-back (悔牌) is open now: the option allows it, a hand is being played and
// the human seat has played or passed in it.
bool TakeBackAvailable(const Game& g);
// Takes back the human seat's last play or pass and everything after it: the hand is played
// again from its record up to that decision, which the human then makes anew. The hand
// becomes a practice hand. Returns "" or why nothing was taken back.
std::string TakeBackLastPlay(Game& g);

// The menu command; applied by the turn cycle like every other action.
void MnuTakeBackClick(Game& g);

// A branch or take-back asked for inside a tick, carried out as the tick ends.
void CarryOutTakeOver(Game& g);
// The take-back menu item: shown when the option allows it, enabled when it can be done.
void SyncTakeBackMenu(Game& g);

}  // namespace zunda
