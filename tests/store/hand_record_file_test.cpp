#include <gtest/gtest.h>

#include <string>

#include "sample_record.h"
#include "store/hand_record_file.h"

namespace zunda {
namespace {

using testing::SampleRecord;

TEST(HandRecordFile, ARecordReadsBackAsItWasWritten) {
  const std::vector<HandRecord> records = {SampleRecord(), SampleRecord()};
  const std::string text = HandRecordsText(records);
  EXPECT_NE(text.find("\n0 1 play 3x9,1x15,1x16\n"), std::string::npos);
  EXPECT_NE(text.find("\n40 1 return C03,J16\n"), std::string::npos);
  for (const char c : text)
    ASSERT_TRUE(c == '\n' || (c >= ' ' && c <= '~')) << static_cast<int>(c);
  const HandRecordsRead read = ParseHandRecords(text);
  ASSERT_TRUE(read.Ok()) << read.Problem;
  EXPECT_EQ(read.Records, records);
}

// A record of version 1 has no date, practice mark or start: it reads with their defaults.
TEST(HandRecordFile, AFirstVersionRecordReadsWithoutWhatItLacks) {
  HandRecord record = SampleRecord();
  std::string text = HandRecordsText({record});
  for (const std::string_view key : {"\nplayed ", "\npractice ", "\nstart ", "\nnames "}) {
    const std::size_t at = text.find(key);
    ASSERT_NE(at, std::string::npos) << key;
    text.erase(at, text.find('\n', at + 1) - at);
  }
  text.replace(0, text.find('\n'), "zunda-hand-record 1");
  const HandRecordsRead read = ParseHandRecords(text);
  ASSERT_TRUE(read.Ok()) << read.Problem;
  ASSERT_EQ(read.Records.size(), 1U);
  record.Version = 1;
  record.Played.clear();
  record.Practice = false;
  record.Start = RecordedStart{};
  EXPECT_EQ(read.Records[0], record);
}

// Each row damages the sample's text in one place; the reader names the fault.
TEST(HandRecordFile, ADamagedOrNewerRecordIsRefusedWithItsReason) {
  const std::string good = HandRecordsText({SampleRecord()});
  const std::string version = "zunda-hand-record " + std::to_string(kHandRecordVersion);
  const auto replaced = [&](const std::string& from, const std::string& to) {
    std::string text = good;
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
  };
  const struct {
    std::string text;
    std::string reason;
  } cases[] = {
      {"", "empty"},
      {"PaiXing\n", "not a hand record"},
      {replaced(version, "zunda-hand-record " + std::to_string(kHandRecordVersion + 1)),
       "newer than this program's " + std::to_string(kHandRecordVersion)},
      {replaced("played 2026-12-09", "played 2026-13-09"), "line 3: the date"},
      {replaced("played ", "when "), "date is missing"},
      {replaced("practice 1", "practice yes"), "practice is 0 or 1"},
      {replaced("tribute=0", "tribute=2"), "line 5: option tribute"},
      {replaced("order=3,1,5", "order=3,1,7"), "start order"},
      {replaced("places=2,4,1,6,3,5", "places=2,4,1,6,3"), "start places"},
      {replaced(" capture=1", ""), "start capture"},
      {replaced(" folds=", " fold="), "start folds"},
      {replaced("start first", "start last"), "start first"},
      {replaced("names Bob", "names 张"), "percent-encoded"},
      {replaced("names Bob%20", "names Bob%2G"), "percent-encoded"},
      {replaced("names Bob%20Smith,", "names "), "six names"},
      {replaced("deck C03", "deck C04"), "every card four times"},
      {replaced("deck C03", "deck X03"), "unknown card"},
      {replaced(" play 3x9", " play 3x2"), "count x rank"},
      {replaced(" play 3x9,1x15", " play 3x9,1x9"), "twice"},
      {replaced("10 1 burn", "10 1 jump"), "unknown action"},
      {replaced("10 1 burn", "10 1 burn 3x9"), "no cards"},
      {replaced("20 1 answer no", "20 1 answer maybe"), "yes or no"},
      {replaced("20 1 answer", "2 1 answer"), "out of order"},
      {replaced("50 1 pass", "50 7 pass"), "a seat expected"},
      {replaced("50 1 pass", "50 1x pass"), "a seat expected"},
      {replaced("50 1 pass", "50 2 pass"), "not the human's"},
      {replaced("outcome 87", "outcome x"), "line count"},
      {good.substr(0, good.size() - 4), "ends early"},
  };
  for (const auto& c : cases) {
    const HandRecordsRead read = ParseHandRecords(c.text);
    EXPECT_TRUE(read.Records.empty()) << c.reason;
    EXPECT_NE(read.Problem.find(c.reason), std::string::npos) << read.Problem;
  }
}

}  // namespace
}  // namespace zunda
