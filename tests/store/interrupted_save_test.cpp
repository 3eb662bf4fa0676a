// A save that stops half-way, because the program is killed between two of its steps (once, or
// in two saves one after the other), on the real disk, must leave the last pair that was
// written whole loadable and the option file as it was. (A save refused by the disk: see
// SavedHandTest.AFailedSaveKeepsTheOlderPairAndSaysSo.)
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "flow/hand_storage.h"
#include "memory_disk.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/disk_file_system.h"
#include "store/hands_file.h"
#include "store/option_file.h"
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
// The games the helper saves: each its own deal, so that their pairs differ.
constexpr std::uint64_t kFirstSave = 3;
constexpr std::uint64_t kSecondSave = 4;

bool HumanLeads(const Game& g) {
  return HumanAwaited(g) && g.Flow.LeadMode && !g.Win.TmrMainCircle.Enabled;
}

// The hands file of the game the helper plays from the seed, as its save writes it.
QByteArray HandsOfSave(std::uint64_t seed) {
  PlayedGame p(seed);
  p.driver->NewGame();
  EXPECT_TRUE(p.AdvanceUntil([&] { return HumanLeads(p.g()); }, 400000));
  return EncodeHandsFile(p.g());
}

// A game waiting for the human's lead has saved its hand and its options; it has then played
// on, so that a new save differs from the older one.
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

  // The hands of the pair that folder loads; empty when none loads.
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

// The helper plays a game of its own in the folder and ends itself after the given number of
// steps of its save, the way a killed program would: no destructors, no flushing.
int SaveAndDieAfter(int steps, std::uint64_t seed, const std::string& folder) {
  QProcess helper;
  helper.setProcessChannelMode(QProcess::ForwardedChannels);
  helper.start(ZUNDA_SAVED_HAND_HELPER, {"cut", QString::number(steps), QString::number(seed),
                                         QString::fromStdString(folder)});
  if (!helper.waitForFinished(60000) || helper.exitStatus() != QProcess::NormalExit) return -1;
  return helper.exitCode();
}

// The steps of a save into a folder that holds a pair, counted on the real disk.
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
    // Until the new pair is whole the older one loads; from then on the new one, at every
    // later step too.
    ASSERT_TRUE(once == olderHands || once == first);
    if (firstWasWhole) {
      EXPECT_EQ(once, first);
    }
    firstWasWhole = once == first;

    // The next save, killed at the same step, never loses what the first left loadable.
    const int exit = SaveAndDieAfter(step, kSecondSave, folder);
    ASSERT_TRUE(exit == kDiedAtStep || exit == kSaveEnded);
    const QByteArray twice = LoadedHands(folder);
    EXPECT_TRUE(twice == once || twice == second);
  }
  EXPECT_TRUE(firstWasWhole);
  // Saved in full, the last save leaves nothing behind but its pair.
  const std::string last = JoinPath(p.g().AppPath, "cut" + std::to_string(steps));
  EXPECT_EQ(testing::Entries(QString::fromStdString(last)),
            (QStringList{"Option.ini", "PaiXing.znd", "Var.znd"}));
}

}  // namespace
}  // namespace zunda
