// Hand records as zunda-sim --replay reads them. Any input is either refused with a reason and
// no records, or read whole; what was read writes back to a text that reads the same, at this
// program's version.
#include <cstdint>
#include <string_view>
#include <vector>

#include "fuzz_support.h"
#include "store/hand_record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using zunda::fuzz::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zunda::HandRecordsRead read = zunda::ParseHandRecords(text);
  Require(read.Ok() || read.Records.empty(), "a refused record yields no hands");
  if (!read.Ok()) return 0;
  std::vector<zunda::HandRecord> records = read.Records;
  for (zunda::HandRecord& record : records)
    record.Version = zunda::kHandRecordVersion;
  const zunda::HandRecordsRead again = zunda::ParseHandRecords(zunda::HandRecordsText(records));
  Require(again.Ok() && again.Records == records, "a record read writes back the same");
  return 0;
}
