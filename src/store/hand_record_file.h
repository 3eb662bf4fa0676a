#pragma once

#include <QString>
#include <string>
#include <string_view>
#include <vector>

#include "core/hand_record.h"
#include "core/save_result.h"

namespace zunda {

// The text form of hand records (docs/HAND_RECORD.md): a version line, then one block per
// hand, one line per action. Plain ASCII, so no code page is involved.
std::string HandRecordsText(const std::vector<HandRecord>& records);

struct HandRecordsRead {
  std::vector<HandRecord> Records;
  std::string Problem;  // empty when the text was read whole; else why it was refused
  bool Ok() const { return Problem.empty(); }
};

// Reads what HandRecordsText wrote. A damaged text or one of a newer version is refused with
// the reason and no records; nothing in the text can make it fail otherwise.
HandRecordsRead ParseHandRecords(std::string_view text);

// The records written whole to path, or the file left as it was.
SaveResult WriteHandRecords(const QString& path, const std::vector<HandRecord>& records);
HandRecordsRead ReadHandRecords(const QString& path);

}  // namespace zunda
