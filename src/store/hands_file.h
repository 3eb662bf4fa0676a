#pragma once

#include <QByteArray>
#include <cstdint>

namespace zunda {

struct Game;

// The hands file of a snapshot: 180 records of 79 bytes. For seat s and rank r, with
// k = (s - 1) * 15 + (r - 3), record 2k + 1 holds Hand(s, r) and record 2k + 2 DealtHand(s, r).
// A record: Count and Rank as 16-bit little-endian signed integers, then the 25 card codes of
// three single-byte characters each, blank-filled.
inline constexpr int kHandRecordSize = 79;
inline constexpr int kHandRecords = 180;
inline constexpr int kHandsFileSize = kHandRecordSize * kHandRecords;

QByteArray EncodeHandsFile(const Game& g);
// Reads both grids into g; false when the file is not exactly such a file or a bucket is
// impossible (a count outside 0..25, a code that is not a card of the bucket's rank). Codes
// above the count are kept as they are: a new hand lowers the counts before the deal
// overwrites the codes. g is then partly overwritten and must be thrown away.
bool DecodeHandsFile(const QByteArray& bytes, Game& g);

// Ties a state file to the hands file it was written with.
std::uint32_t PairCheck(const QByteArray& handsFile);

}  // namespace zunda
