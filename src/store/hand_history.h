#pragma once

#include <QString>
#include <string>
#include <vector>

#include "core/hand_record.h"
#include "core/save_result.h"

namespace zunda {

// The kept hands: the records of the last finished hands, one small file each in the folder
// "History" of the program folder, named "hand-000123.znr" with a number that rises with every
// hand kept (docs/HAND_RECORD.md). The folder and the files are found without regard to case.
inline constexpr int kKeptHands = 200;
inline constexpr char kHistoryFolder[] = "History";

struct KeptHand {
  QString Path;  // the file it was read from
  HandRecord Record;
};

// Adds a finished hand, making the folder when it is missing; once it is written, the oldest
// files beyond kKeptHands are removed. A failed write leaves the kept hands as they were.
SaveResult KeepInHistory(const std::string& programFolder, const HandRecord& record);

struct HistoryRead {
  std::vector<KeptHand> Hands;  // oldest first
  int Refused = 0;              // kept hands' files that do not read as one hand; left alone
};
HistoryRead ReadHistory(const std::string& programFolder);

// One hand's record as a file of its own, to share a deal: written whole or not at all.
SaveResult ExportHand(const QString& path, const HandRecord& record);

struct ImportedHand {
  HandRecord Record;
  std::string Problem;  // empty when the file holds one hand that replays as recorded
  bool Ok() const { return Problem.empty(); }
};
// Reads a file ExportHand wrote (or a kept hand's file); a damaged, foreign, newer or too large
// file, a file of more or fewer than one hand and a record that does not replay as it says are
// refused with the reason, a short English sentence for the window to put in its message.
ImportedHand ImportHand(const QString& path);

}  // namespace zunda
