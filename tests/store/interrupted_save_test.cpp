// A save that stops half-way, because the disk is full, the folder is read-only or the
// program is killed between the two files, must leave the older saved pair loadable and the
// option file as it was.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>

#include "flow/hand_storage.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "saved_hand_texts.h"
#include "store/gbk.h"
#include "store/hands_file.h"
#include "store/option_file.h"
#include "store/snapshot.h"
#include "store/state_file.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::Exists;
using testing::kAskRestore;
using testing::kAskSave;
using testing::kRestored;
using testing::kSaveFailed;
using testing::PlayedGame;
using testing::ReadBytes;
using testing::WriteBytes;

// A game waiting for the human's lead has saved its hand and its options; it has then played
// on, so that a new save differs from the older one.
class InterruptedSaveTest : public ::testing::Test {
 protected:
  InterruptedSaveTest() : p(2) {
    p.driver->NewGame();
    EXPECT_TRUE(p.AdvanceUntil([&] { return HumanAwaited(p.g()) && p.g().Flow.LeadMode; }));
    SaveOptions(p.g());
    EXPECT_TRUE(WriteSnapshot(p.g(), p.g().AppPath, kSavedHandsFile, kSavedStateFile));
    olderHands = ReadBytes(p.File(kSavedHandsFile));
    olderState = ReadBytes(p.File(kSavedStateFile));
    options = ReadBytes(p.File("Option.ini"));
    EXPECT_TRUE(p.AdvanceUntil([&] { return p.g().MainCourse == "444_2"; }));
    p.host.ClearMessages();
  }

  // The pair of folder loads, and is the older pair: saved again, it gives the same bytes.
  void ExpectOlderPairLoads(const std::string& folder) {
    testing::TestGame loaded;
    loaded.game.AppPath = folder;
    ASSERT_EQ(ReadSavedHand(loaded.game, folder), RestoreOutcome::Restored);
    EXPECT_EQ(EncodeHandsFile(loaded.game), olderHands);
    const std::string state = EncodeStateFile(loaded.game, PairCheck(olderHands));
    EXPECT_EQ(ToGbk(QString::fromStdString(state)), olderState);
    EXPECT_EQ(ReadBytes(JoinPath(folder, "Option.ini")), options);
  }

  PlayedGame p;
  QByteArray olderHands;
  QByteArray olderState;
  QByteArray options;
};

TEST_F(InterruptedSaveTest, AFullDiskAtAnyFileLeavesTheOlderPair) {
  const qint64 hands = olderHands.size();
  const qint64 state = olderState.size();
  // Full in the new hands file, in the new state file, and in the copy of the older hands.
  for (const qint64 room : {qint64{0}, hands / 2, hands + state / 2, 2 * hands + state / 2}) {
    SCOPED_TRACE(room);
    SaveInterruption cut;
    cut.diskRoom = room;
    EXPECT_FALSE(WriteSnapshot(p.g(), p.g().AppPath, kSavedHandsFile, kSavedStateFile, cut));
    ExpectOlderPairLoads(p.g().AppPath);
    EXPECT_FALSE(Exists(p.File("PaiXing.znd.tmp")));
    EXPECT_FALSE(Exists(p.File("Var.znd.tmp")));
  }
  // With room enough the same save goes through.
  SaveInterruption cut;
  cut.diskRoom = 3 * hands + 2 * state;
  EXPECT_TRUE(WriteSnapshot(p.g(), p.g().AppPath, kSavedHandsFile, kSavedStateFile, cut));
  EXPECT_NE(ReadBytes(p.File(kSavedHandsFile)), olderHands);
  EXPECT_FALSE(Exists(p.File("PaiXing.znd.old")));
}

TEST_F(InterruptedSaveTest, AReadOnlyFolderRefusesTheSaveAndStillLoadsTheOlderPair) {
  const QString folder = QString::fromStdString(p.g().AppPath);
  const QFile::Permissions writable = QFile::permissions(folder);
  ASSERT_TRUE(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
  QFile probe(folder + "/probe");
  if (probe.open(QIODevice::WriteOnly)) {
    // Permissions do not bind this user (root): folders in the way of the two new files
    // refuse them just as a read-only folder does.
    probe.close();
    probe.remove();
    ASSERT_TRUE(QFile::setPermissions(folder, writable));
    ASSERT_TRUE(QDir(folder).mkdir("PaiXing.znd.tmp"));
    ASSERT_TRUE(QDir(folder).mkdir("Var.znd.tmp"));
  }
  p.g().Storage.SaveRequested = true;
  CarryOutStorageRequests(p.g());
  EXPECT_EQ(p.host.Messages(), (std::vector<std::string>{kAskSave, kSaveFailed}));
  EXPECT_EQ(ReadBytes(p.File(kSavedHandsFile)), olderHands);
  EXPECT_EQ(ReadBytes(p.File(kSavedStateFile)), olderState);

  p.host.ClearMessages();
  p.g().Storage.RestoreRequested = true;
  CarryOutStorageRequests(p.g());
  EXPECT_EQ(p.host.Messages(), (std::vector<std::string>{kAskRestore, kRestored}));
  ASSERT_TRUE(QFile::setPermissions(folder, writable));
  ExpectOlderPairLoads(p.g().AppPath);
}

// The helper plays another game in the folder and ends itself right after the given step of
// its save, the way a killed program would: no destructors, no flushing.
int SaveAndDieAfter(SaveStep step, const std::string& folder) {
  QProcess helper;
  helper.setProcessChannelMode(QProcess::ForwardedChannels);
  helper.start(ZUNDA_SAVED_HAND_HELPER,
               {"cut", QString::number(static_cast<int>(step)), QString::fromStdString(folder)});
  if (!helper.waitForFinished(60000) || helper.exitStatus() != QProcess::NormalExit) return -1;
  return helper.exitCode();
}

TEST_F(InterruptedSaveTest, AProgramKilledBetweenTheTwoFilesLeavesTheOlderPair) {
  constexpr int kDiedAtSeam = 3;
  const QDir app(QString::fromStdString(p.g().AppPath));
  for (const SaveStep step : {SaveStep::HandsTempWritten, SaveStep::StateTempWritten,
                              SaveStep::OlderHandsKept, SaveStep::HandsInPlace}) {
    SCOPED_TRACE(static_cast<int>(step));
    const std::string folder =
        JoinPath(p.g().AppPath, "cut" + std::to_string(static_cast<int>(step)));
    ASSERT_TRUE(app.mkpath(QString::fromStdString(folder)));
    WriteBytes(JoinPath(folder, kSavedHandsFile), olderHands);
    WriteBytes(JoinPath(folder, kSavedStateFile), olderState);
    WriteBytes(JoinPath(folder, "Option.ini"), options);
    ASSERT_EQ(SaveAndDieAfter(step, folder), kDiedAtSeam);
    ExpectOlderPairLoads(folder);
    // The next save tidies up after the killed one.
    ASSERT_TRUE(WriteSnapshot(p.g(), folder, kSavedHandsFile, kSavedStateFile));
    EXPECT_EQ(testing::Entries(QString::fromStdString(folder)),
              (QStringList{"Option.ini", "PaiXing.znd", "Var.znd"}));
  }

  // Killed once both files are in place, the new pair is the saved hand.
  const std::string folder = JoinPath(p.g().AppPath, "done");
  ASSERT_TRUE(app.mkpath(QString::fromStdString(folder)));
  WriteBytes(JoinPath(folder, kSavedHandsFile), olderHands);
  WriteBytes(JoinPath(folder, kSavedStateFile), olderState);
  ASSERT_EQ(SaveAndDieAfter(SaveStep::StateInPlace, folder), kDiedAtSeam);
  testing::TestGame loaded;
  loaded.game.AppPath = folder;
  ASSERT_EQ(ReadSavedHand(loaded.game, folder), RestoreOutcome::Restored);
  EXPECT_NE(EncodeHandsFile(loaded.game), olderHands);
}

}  // namespace
}  // namespace zunda
