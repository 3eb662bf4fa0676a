// The hand record's text, the kept hands in the folder History, and one hand as a file of its
// own.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "core/cards.h"
#include "memory_disk.h"
#include "played_game.h"
#include "store/hand_history.h"
#include "store/hand_record_file.h"

namespace zunda {
namespace {

using testing::MemoryDisk;

const QString kProgram = QStringLiteral("/game");

// A record with something of every kind a record holds; it does not replay.
HandRecord SampleRecord() {
  HandRecord record;
  record.Played = "2026-12-09 02:30";
  record.Practice = true;
  record.Start.FirstHand = false;
  record.Start.FinishOrder = {3, 1, 5, 2, 6, 4};
  record.Start.Places = {2, 4, 1, 6, 3, 5};
  record.Start.TributeCounts = {1, 0, 2, 0, 0, 1};
  record.Start.TripleCapture = true;
  // Blanks, the list's separators, the escape character, Chinese, and bytes that are no text.
  record.Start.Names = {"Bob Smith", "a,b c", "100%", "张三", "", std::string("\n\0\xff=", 4)};
  record.Options = RecordedOptions{false, 1, 0.02, 0.25, 1, 5};
  DeckArray deck;
  BuildDeck(deck);
  RecordedDeck recorded{};
  for (int i = 1; i <= kDeckSize; ++i)
    recorded[static_cast<std::size_t>(i - 1)] = static_cast<std::uint8_t>(CodeNumber(deck[i].Code));
  record.Decks = {recorded, recorded};
  PlayRecord set;
  set.BaseRank = 9;
  set.BaseCount = 3;
  set.TwoCount = 1;
  set.SmallJokers = 1;
  set.Total = 5;
  record.Actions = {PlayAction(1, set),
                    SimpleAction(RecordedKind::OfferBurn, 1),
                    AnswerAction(1, false),
                    SimpleAction(RecordedKind::Save, 1),
                    ReturnAction(1, {CardCode("C03"), CardCode("J16")}),
                    SimpleAction(RecordedKind::Pass, 1)};
  for (std::size_t i = 0; i < record.Actions.size(); ++i)
    record.Actions[i].Tick = static_cast<long>(10 * i);
  // Given up after three seats went out: the rest of the order is empty.
  record.Outcome = RecordedOutcome{87, 0x9f3c2a0e11b4d6c8ULL, {3, 1, 5, 0, 0, 0}};
  return record;
}

HandRecord Numbered(int n) {
  HandRecord record = SampleRecord();
  record.Outcome.EventLines = n;
  return record;
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The second hand of a played game, which replays only from its recorded start.
const HandRecord& PlayedRecord() {
  static const HandRecord record = [] {
    MemoryDisk disk;
    disk.AddFolder(QStringLiteral("/played"));
    const ScopedFileSystem files(disk);
    testing::PlayedGame p(11, "/played");
    p.driver->NewGame();
    EXPECT_TRUE(p.AdvanceUntil([&] { return p.driver->HandsEnded() >= 2; })) << p.driver->Problem();
    const HistoryRead kept = ReadHistory(p.g().AppPath);
    EXPECT_EQ(kept.Hands.size(), 2U);
    EXPECT_EQ(kept.Refused, 0);
    return kept.Hands.empty() ? HandRecord{} : kept.Hands.back().Record;
  }();
  return record;
}

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
  std::string overfull = "return C03";
  for (int i = 0; i < kRecordedCards; ++i)
    overfull += ",J16";
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
      {replaced("return C03,J16", overfull), "too many returned cards"},
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

class HandHistory : public ::testing::Test {
 protected:
  HandHistory() { disk.AddFolder(kProgram); }

  void Keep(int from, int to) {
    for (int n = from; n <= to; ++n)
      ASSERT_TRUE(KeepInHistory(kProgram.toStdString(), Numbered(n)).Ok()) << n;
  }
  std::vector<long> KeptNumbers() {
    std::vector<long> numbers;
    for (const KeptHand& hand : ReadHistory(kProgram.toStdString()).Hands)
      numbers.push_back(hand.Record.Outcome.EventLines);
    return numbers;
  }

  MemoryDisk disk;
  ScopedFileSystem files{disk};
};

TEST_F(HandHistory, KeepsTheLastHandsAndDropsTheOldestFirst) {
  // The folder is found whatever its case, and what else the player put there stays.
  disk.Put(kProgram + "/hiSTory/notes.txt", "mine");
  Keep(1, kKeptHands + 5);
  std::vector<long> wanted;
  for (int n = 6; n <= kKeptHands + 5; ++n)
    wanted.push_back(n);
  EXPECT_EQ(KeptNumbers(), wanted);
  EXPECT_FALSE(disk.IsFolder(kProgram + "/History"));
  EXPECT_EQ(disk.Get(kProgram + "/hiSTory/notes.txt"), "mine");
  EXPECT_TRUE(disk.Get(kProgram + "/hiSTory/hand-000205.znr").has_value());
  EXPECT_EQ(disk.Entries(kProgram + "/hiSTory").size(), kKeptHands + 1);
}

TEST_F(HandHistory, AFailedWriteLeavesTheKeptHandsAsTheyWereAndSaysWhy) {
  Keep(1, kKeptHands);
  const qint64 size = Bytes(HandRecordsText({Numbered(1)})).size();
  const MemoryDisk full = disk;
  const struct {
    std::function<void(MemoryDisk&)> fault;
    WriteFault reported;
  } cases[] = {
      {[](MemoryDisk& d) { d.capacity = d.Used(); }, WriteFault::DiskFull},
      {[&](MemoryDisk& d) { d.capacity = d.Used() + size - 1; }, WriteFault::DiskFull},
      {[](MemoryDisk& d) { d.refuseRenames = true; }, WriteFault::Other},
      {[](MemoryDisk& d) { d.lockedFolders = {kProgram + "/History"}; }, WriteFault::NoPermission},
  };
  for (const auto& c : cases) {
    disk = full;
    c.fault(disk);
    const auto before = disk.Contents();
    EXPECT_EQ(KeepInHistory(kProgram.toStdString(), Numbered(0)).Fault, c.reported);
    EXPECT_EQ(disk.Contents(), before);
  }
  // A folder that cannot be made.
  disk = MemoryDisk();
  disk.AddFolder(kProgram);
  disk.lockedFolders = {kProgram};
  EXPECT_EQ(KeepInHistory(kProgram.toStdString(), Numbered(0)).Fault, WriteFault::NoPermission);
  EXPECT_TRUE(disk.Contents().empty());
}

TEST_F(HandHistory, AFileThatIsNotOneHandIsCountedAndLeftAndTheOthersRead) {
  Keep(1, 2);
  const QString folder = kProgram + "/History/";
  const std::string text = HandRecordsText({Numbered(3)});
  disk.Put(folder + "hand-000003.znr", Bytes(text.substr(0, text.size() / 2)));
  disk.Put(folder + "hand-000004.znr", Bytes(HandRecordsText({Numbered(4), Numbered(4)})));
  disk.Put(folder + "HAND-000005.ZNR", QByteArray(2 * 1024 * 1024, 'x'));
  const auto damaged = disk.Contents();
  EXPECT_EQ(ReadHistory(kProgram.toStdString()).Refused, 3);
  EXPECT_EQ(disk.Contents(), damaged);
  Keep(6, 6);
  EXPECT_EQ(KeptNumbers(), (std::vector<long>{1, 2, 6}));
  EXPECT_TRUE(disk.Get(folder + "hand-000006.znr").has_value());
}

TEST_F(HandHistory, AnExportedHandImportsAsItWasAndAnythingElseIsRefused) {
  const HandRecord& record = PlayedRecord();
  ASSERT_FALSE(record.Start.FirstHand);
  const QString path = kProgram + "/shared.znr";
  ASSERT_TRUE(ExportHand(path, record).Ok());
  const ImportedHand imported = ImportHand(path);
  ASSERT_TRUE(imported.Ok()) << imported.Problem;
  EXPECT_EQ(imported.Record, record);

  const std::string good = HandRecordsText({PlayedRecord()});
  // One digit of the event lines' hash changed.
  std::string tampered = good;
  const std::size_t digit = tampered.find(' ', tampered.find("\noutcome ") + 9) + 1;
  tampered[digit] = tampered[digit] == '0' ? '1' : '0';
  const std::string version = "zunda-hand-record " + std::to_string(kHandRecordVersion);
  const struct {
    QByteArray bytes;
    std::string reason;
  } cases[] = {
      {Bytes(good.substr(0, good.size() - 4)), "ends early"},
      {Bytes(version + "\n"), "0 hands"},
      {Bytes(HandRecordsText({PlayedRecord(), PlayedRecord()})), "2 hands"},
      {Bytes(tampered), "does not replay as recorded: the event lines differ"},
      {QByteArray(2 * 1024 * 1024, 'x'), "too large"},
  };
  for (const auto& c : cases) {
    disk.Put(path, c.bytes);
    const std::string problem = ImportHand(path).Problem;
    EXPECT_NE(problem.find(c.reason), std::string::npos) << problem;
  }
  EXPECT_NE(ImportHand(kProgram + "/missing.znr").Problem, "");
}

}  // namespace
}  // namespace zunda
