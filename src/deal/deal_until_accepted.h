#pragma once

namespace zunda {

struct Game;

// Shuffles, cuts and deals until a deal is accepted, for the turn cycle's deal step (after
// InitHand). A rejected deal is dealt again from the shuffle while the game runs; on a first
// hand the re-deal is announced and the leader of the first deal stays the leader.
//
// Returns true for an accepted deal: the prompt and the played counts are cleared and the
// caller goes on with the new round and the human's hand. Returns false when the game
// stopped running during the deal (the test player threw the hand in); the deal has then
// already set MainCourse and the timer for the next tick, which the caller must leave alone.
//
// A leader outside the table on a later hand (no last place recorded) can never be mended
// by dealing again, so it takes the fatal path instead of dealing for ever.
bool DealUntilAccepted(Game& g);

}  // namespace zunda
