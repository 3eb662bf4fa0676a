// The kept hands in the folder History, and one hand as a file of its own.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "memory_disk.h"
#include "played_game.h"
#include "sample_record.h"
#include "store/hand_history.h"
#include "store/hand_record_file.h"

namespace zunda {
namespace {

using testing::MemoryDisk;
using testing::SampleRecord;

const QString kProgram = QStringLiteral("/game");

HandRecord Numbered(int n) {
  HandRecord record = SampleRecord();
  record.Outcome.EventLines = n;
  return record;
}

QByteArray Bytes(const std::string& text) {
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// The second hand of a game played through, as the game kept it: it starts from the first
// hand's result, so it replays only from its recorded start.
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

TEST_F(HandHistory, AnExportedHandImportsAsItWas) {
  const HandRecord& record = PlayedRecord();
  ASSERT_FALSE(record.Decks.empty());
  ASSERT_FALSE(record.Start.FirstHand);
  const QString path = kProgram + "/shared.znr";
  ASSERT_TRUE(ExportHand(path, record).Ok());
  const ImportedHand imported = ImportHand(path);
  ASSERT_TRUE(imported.Ok()) << imported.Problem;
  EXPECT_EQ(imported.Record, record);
}

TEST_F(HandHistory, AnImportRefusesAnythingButOneHandThatReplaysAsRecorded) {
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
      {"PK\x03\x04 not text", "not a hand record"},
      {Bytes("zunda-hand-record " + std::to_string(kHandRecordVersion + 1) + "\n"), "newer"},
      {Bytes(good.substr(0, good.size() - 4)), "ends early"},
      {Bytes(version + "\n"), "0 hands"},
      {Bytes(HandRecordsText({PlayedRecord(), PlayedRecord()})), "2 hands"},
      {Bytes(tampered), "does not replay as recorded: the event lines differ"},
      {QByteArray(2 * 1024 * 1024, 'x'), "too large"},
  };
  const QString path = kProgram + "/shared.znr";
  for (const auto& c : cases) {
    disk.Put(path, c.bytes);
    const ImportedHand imported = ImportHand(path);
    EXPECT_NE(imported.Problem.find(c.reason), std::string::npos) << imported.Problem;
  }
  EXPECT_NE(ImportHand(kProgram + "/missing.znr").Problem, "");
}

}  // namespace
}  // namespace zunda
