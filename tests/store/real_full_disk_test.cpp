// The real disk filling up under the program folder: a small tmpfs mounted for the test, where
// the machine allows it (as root, on CI). Every save then either goes through or fails with
// "disk full", and the files the player had stay byte for byte.
#include <gtest/gtest.h>
#include <sys/mount.h>

#include <QFile>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>

#include "core/game.h"
#include "core/score_table.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/hands_file.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/score_file.h"
#include "store/snapshot.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::ReadBytes;

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
  // Runs after a failed test too, before the folder itself is removed.
  void TearDown() override {
    ForgetIniFiles();
    if (mounted_) ::umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
  }

  std::string Folder() const { return folder_.path().toStdString(); }

  // Fills the disk to the last byte, or leaves `pages` pages of it free.
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
  testing::PlayedGame p(2, Folder());
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

  // Everything changes: names, scores and the hand.
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
    // A file whose save failed is the old one, byte for byte.
    for (std::size_t i = 0; i < files.size(); ++i) {
      if (!results[std::min<std::size_t>(i, 2)].Ok()) {
        EXPECT_EQ(ReadBytes(p.File(files[i])), old[i]) << files[i];
      }
    }
  }

  Fill(0);
  saveAll();
  testing::TestGame loaded;
  loaded.game.AppPath = g.AppPath;
  ForgetIniFiles();
  ASSERT_EQ(LoadOptions(loaded.game), OptionsLoadResult::Loaded);
  ASSERT_EQ(ReadSavedHand(loaded.game, g.AppPath).Outcome, RestoreOutcome::Restored);
  EXPECT_EQ(EncodeHandsFile(loaded.game), old[2]);

  // With room again the same saves go through.
  QFile::remove(QString::fromStdString(p.File("filler")));
  for (const SaveResult& result : saveAll())
    EXPECT_TRUE(result.Ok()) << result.File;
  EXPECT_NE(ReadBytes(p.File("Var.znd")), old[3]);
}

}  // namespace
}  // namespace zunda
