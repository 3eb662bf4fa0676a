#pragma once

namespace zunda {

struct Game;

// The save and load menu commands: they post the request.
void MnuSaveClick(Game& g);
void MnuReadClick(Game& g);
// The requests applied. A running turn cycle carries them out between two steps; when no step
// can come (the cycle waits for the human or is idle) they are carried out at once, which is
// equally between two steps.
void RequestSave(Game& g);
void RequestRestore(Game& g);

// The turn cycle's part: a pending save, then a pending restore. True when the tick must run
// no step because a restored hand waits for the human (or is not running).
bool CarryOutStorageRequests(Game& g);

// The run-data recorder: when the option is on, writes a silent snapshot into the next slot
// of the ring of five.
void RecordRunData(Game& g);

// The end of a hand for the score table: counts the result, saves the counters and shows the
// ranking in the talk list.
void RecordScores(Game& g);
// Closes the hand's record and adds it to the kept hands.
void KeepHandInHistory(Game& g);
// Writes the counters as they stand (the game has stopped).
void SaveScores(Game& g);

}  // namespace zunda
