// Hand records as zunda-sim --replay reads them. Any input is either refused with a reason and
// no records, or read whole; what was read writes back to a text that reads the same.
#include <cstdint>
#include <string_view>

#include "fuzz_support.h"
#include "store/hand_record_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using zunda::fuzz::Require;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const zunda::HandRecordsRead read = zunda::ParseHandRecords(text);
  Require(read.Ok() || read.Records.empty(), "a refused record yields no hands");
  if (!read.Ok()) return 0;
  const zunda::HandRecordsRead again =
      zunda::ParseHandRecords(zunda::HandRecordsText(read.Records));
  Require(again.Ok() && again.Records == read.Records, "a record read writes back the same");
  return 0;
}
