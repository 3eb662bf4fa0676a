// Saves on the real disk that cannot finish: a process killed between two steps of a save,
// and a full tmpfs (where the machine allows mounting one).
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/score_table.h"
#include "flow/hand_storage.h"
#include "memory_disk.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/disk_file_system.h"
#include "store/hands_file.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/score_file.h"
#include "store/snapshot.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::PlayedGame;
using testing::ReadBytes;
using testing::WriteBytes;

constexpr int kDiedAtStep = 3;
constexpr int kSaveEnded = 4;
// Each its own deal, so that the pairs differ.
constexpr std::uint64_t kFirstSave = 3;
constexpr std::uint64_t kSecondSave = 4;

bool HumanLeads(const Game& g) {
  return HumanAwaited(g) && g.Flow.LeadMode && !g.Win.TmrMainCircle.Enabled;
}

QByteArray HandsOfSave(std::uint64_t seed) {
  PlayedGame p(seed);
  p.driver->NewGame();
  EXPECT_TRUE(p.AdvanceUntil([&] { return HumanLeads(p.g()); }, 400000));
  return EncodeHandsFile(p.g());
}

// A game that saved its pair and options at the human's lead, then played on.
class InterruptedSaveTest : public ::testing::Test {
 protected:
  InterruptedSaveTest() : p(2) {
    p.driver->NewGame();
    EXPECT_TRUE(p.AdvanceUntil([&] { return HumanAwaited(p.g()) && p.g().Flow.LeadMode; }));
    SaveOptions(p.g());
    EXPECT_TRUE(WriteSnapshot(p.g(), p.g().AppPath, kSavedHandsFile, kSavedStateFile).Ok());
    olderHands = ReadBytes(p.File(kSavedHandsFile));
    olderState = ReadBytes(p.File(kSavedStateFile));
    options = ReadBytes(p.File("Option.ini"));
    EXPECT_TRUE(p.AdvanceUntil([&] { return p.g().MainCourse == TurnStep::CloseAnswer; }));
    p.host.ClearMessages();
  }

  QByteArray LoadedHands(const std::string& folder) {
    testing::TestGame loaded;
    loaded.game.AppPath = folder;
    if (ReadSavedHand(loaded.game, folder).Outcome != RestoreOutcome::Restored) return {};
    EXPECT_EQ(ReadBytes(JoinPath(folder, "Option.ini")), options);
    return EncodeHandsFile(loaded.game);
  }

  std::string FolderWithOlderPair(const std::string& name) {
    std::string folder = JoinPath(p.g().AppPath, name);
    EXPECT_TRUE(QDir().mkpath(QString::fromStdString(folder)));
    WriteBytes(JoinPath(folder, kSavedHandsFile), olderHands);
    WriteBytes(JoinPath(folder, kSavedStateFile), olderState);
    WriteBytes(JoinPath(folder, "Option.ini"), options);
    return folder;
  }

  PlayedGame p;
  QByteArray olderHands;
  QByteArray olderState;
  QByteArray options;
};

// The helper saves a game of its own and _Exits after `steps` steps of the save.
int SaveAndDieAfter(int steps, std::uint64_t seed, const std::string& folder) {
  QProcess helper;
  helper.setProcessChannelMode(QProcess::ForwardedChannels);
  helper.start(ZUNDA_SAVED_HAND_HELPER, {"cut", QString::number(steps), QString::number(seed),
                                         QString::fromStdString(folder)});
  if (!helper.waitForFinished(60000) || helper.exitStatus() != QProcess::NormalExit) return -1;
  return helper.exitCode();
}

int StepsOfASave(const Game& g, const std::string& folder) {
  DiskFileSystem disk;
  int steps = 0;
  testing::SteppedFiles counting(disk, [&] { ++steps; });
  const ScopedFileSystem files(counting);
  EXPECT_TRUE(WriteSnapshot(g, folder, kSavedHandsFile, kSavedStateFile).Ok());
  return steps;
}

TEST_F(InterruptedSaveTest, KilledAtAnyStepOnceOrTwiceInARowTheLastWholePairLoads) {
  const QByteArray first = HandsOfSave(kFirstSave);
  const QByteArray second = HandsOfSave(kSecondSave);
  ASSERT_NE(first, second);
  const int steps = StepsOfASave(p.g(), FolderWithOlderPair("count"));
  ASSERT_GT(steps, 4);

  bool firstWasWhole = false;
  for (int step = 0; step <= steps; ++step) {
    SCOPED_TRACE(step);
    const std::string folder = FolderWithOlderPair("cut" + std::to_string(step));
    ASSERT_EQ(SaveAndDieAfter(step, kFirstSave, folder), step < steps ? kDiedAtStep : kSaveEnded);
    const QByteArray once = LoadedHands(folder);
    ASSERT_TRUE(once == olderHands || once == first);
    if (firstWasWhole) {
      EXPECT_EQ(once, first);
    }
    firstWasWhole = once == first;

    // The next save, killed at the same step, never loses what the first left.
    const int exit = SaveAndDieAfter(step, kSecondSave, folder);
    ASSERT_TRUE(exit == kDiedAtStep || exit == kSaveEnded);
    const QByteArray twice = LoadedHands(folder);
    EXPECT_TRUE(twice == once || twice == second);
  }
  EXPECT_TRUE(firstWasWhole);
  const std::string last = JoinPath(p.g().AppPath, "cut" + std::to_string(steps));
  EXPECT_EQ(testing::Entries(QString::fromStdString(last)),
            (QStringList{"Option.ini", "PaiXing.znd", "Var.znd"}));
}

class RealFullDisk : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(folder_.isValid());
    const QByteArray path = QFile::encodeName(folder_.path());
    if (::mount("tmpfs", path.constData(), "tmpfs", 0, "size=256k") != 0) {
      GTEST_SKIP() << "mounting a tmpfs is not allowed here (" << std::strerror(errno)
                   << "), so saving onto a real full disk is not tried";
    }
    mounted_ = true;
    ForgetIniFiles();
  }
  void TearDown() override {
    ForgetIniFiles();
    if (mounted_) ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
  }

  std::string Folder() const { return folder_.path().toStdString(); }

  void Fill(int pages) {
    QFile::remove(folder_.filePath("filler"));
    QFile filler(folder_.filePath("filler"));
    ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
    const QByteArray page(4096, 'f');
    while (filler.write(page) == page.size()) {
    }
    while (filler.write("f", 1) == 1) {
    }
    filler.close();
    if (pages > 0) {
      ASSERT_TRUE(filler.resize(filler.size() - qint64{pages} * page.size()));
    }
  }

 private:
  QTemporaryDir folder_;
  bool mounted_ = false;
};

TEST_F(RealFullDisk, SavesGoThroughOrFailAsDiskFullAndTheOldFilesStay) {
  PlayedGame p(2, Folder());
  Game& g = p.g();
  p.driver->NewGame();
  ASSERT_TRUE(p.AdvanceUntil([&] { return HumanAwaited(g) && g.Flow.LeadMode; }));
  g.Options.PlayerNum = 2;
  g.Options.Players[1].Name = "Bersa";
  ASSERT_TRUE(WriteOptionFile(g).Ok());
  ASSERT_TRUE(SaveScoreFile(g).Ok());
  ASSERT_TRUE(WriteSnapshot(g, g.AppPath, kSavedHandsFile, kSavedStateFile).Ok());
  const std::vector<std::string> files = {"Option.ini", "score.ini", "PaiXing.znd", "Var.znd"};
  std::vector<QByteArray> old;
  old.reserve(files.size());
  for (const std::string& file : files)
    old.push_back(ReadBytes(p.File(file)));

  g.Options.Players[1].Name = std::string(20, 'x');
  g.Seats[1].Stats[kScoreIndex] = 123456;
  ASSERT_TRUE(p.AdvanceUntil([&] { return g.MainCourse == TurnStep::CloseAnswer; }));
  const auto saveAll = [&] {
    return std::vector<SaveResult>{WriteOptionFile(g), SaveScoreFile(g),
                                   WriteSnapshot(g, g.AppPath, kSavedHandsFile, kSavedStateFile)};
  };
  for (const int pages : {0, 1, 3}) {
    SCOPED_TRACE(pages);
    Fill(pages);
    const std::vector<SaveResult> results = saveAll();
    for (std::size_t i = 0; i < results.size(); ++i) {
      const bool mustFail = pages == 0 || !results[i].Ok();
      EXPECT_EQ(results[i].Fault, mustFail ? WriteFault::DiskFull : WriteFault::None) << i;
    }
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (!results[std::min<std::size_t>(i, 2)].Ok()) {
        EXPECT_EQ(ReadBytes(p.File(files[i])), old[i]) << files[i];
      }
    }
  }

  QFile::remove(QString::fromStdString(p.File("filler")));
  for (const SaveResult& result : saveAll())
    EXPECT_TRUE(result.Ok()) << result.File;
  EXPECT_NE(ReadBytes(p.File("Var.znd")), old[3]);
}

}  // namespace
}  // namespace zunda
