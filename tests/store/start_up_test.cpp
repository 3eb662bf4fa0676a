#include "store/start_up.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "store/option_file.h"
#include "store/program_lock.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::Entries;
using testing::Exists;

const char* const kFirstRunMessage = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";
const char* const kAlreadyRunningMessage =
    "本软件已经在运行了！\n请试着点击屏幕最下面任务栏中的应用程序即可调出。";

class StartUpTest : public ::testing::Test {
 protected:
  StartUpContext Context(int width = 800, int height = 600) const {
    return {dir.path().toStdString(), width, height, [] { return false; }};
  }
  std::string OptionFile() const { return dir.path().toStdString() + "/Option.ini"; }

  QTemporaryDir dir;
};

TEST_F(StartUpTest, FirstRunWritesTheOptionFileAndTheNextStartReadsItsWaits) {
  zunda::testing::TestGame first;
  EXPECT_EQ(StartUp(first.game, Context()), StartUpResult::EndProgram);
  EXPECT_EQ(first.host.Messages(), std::vector<std::string>{kFirstRunMessage});
  EXPECT_TRUE(Exists(OptionFile()));
  EXPECT_FALSE(first.game.OptionFilePresent);

  zunda::testing::TestGame second;
  ASSERT_EQ(StartUp(second.game, Context()), StartUpResult::Continue);
  Game& g = second.game;
  EXPECT_TRUE(second.host.Messages().empty());
  EXPECT_EQ(g.AppPath, dir.path().toStdString());
  EXPECT_TRUE(g.OptionFilePresent);
  EXPECT_DOUBLE_EQ(g.DelayTimeShunPai, 0.02);
  EXPECT_DOUBLE_EQ(g.DelayTimeZundaPai, 0.02);
  EXPECT_DOUBLE_EQ(g.DelayTimeKouPai, 0.5);
  EXPECT_DOUBLE_EQ(g.DelayTimeShaoPai, 5);
  EXPECT_EQ(g.PlayerCount, 0);  // the players come later in start-up
  EXPECT_EQ(g.Seats[1].Name, "Aldor");

  // Deleting the file starts the cycle again.
  QFile::remove(QString::fromStdString(OptionFile()));
  zunda::testing::TestGame third;
  EXPECT_EQ(StartUp(third.game, Context()), StartUpResult::EndProgram);
  EXPECT_EQ(third.host.Messages(), std::vector<std::string>{kFirstRunMessage});
}

TEST_F(StartUpTest, AFolderWhereNothingCanBeWrittenIsNotReportedAsAFirstRun) {
  zunda::testing::TestGame t;
  StartUpContext context = Context();
  context.ProgramFolder += "/missing/folder";
  EXPECT_EQ(StartUp(t.game, context), StartUpResult::EndProgram);
  ASSERT_EQ(t.host.Messages().size(), 1u);
  EXPECT_NE(t.host.Messages()[0], kFirstRunMessage);
}

TEST_F(StartUpTest, TheScreenMustBeAtLeast800By600) {
  const std::string message =
      "请将Windows屏幕分辨率设置到800x600小字体模式或更高分辨率再运行本软件，具体调整方式请见本软件"
      "FAQ提示。";
  for (const auto& [width, height] : {std::pair{800, 599}, {799, 600}, {640, 480}}) {
    zunda::testing::TestGame t;
    EXPECT_EQ(StartUp(t.game, Context(width, height)), StartUpResult::EndProgram);
    EXPECT_EQ(t.host.Messages(), std::vector<std::string>{message});
  }
  EXPECT_TRUE(Entries(dir.path()).isEmpty());  // refused before anything was written

  zunda::testing::TestGame t;
  EXPECT_EQ(StartUp(t.game, Context(800, 600)), StartUpResult::EndProgram);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{kFirstRunMessage});
}

TEST_F(StartUpTest, ASecondCopyIsRefusedWhileTheFirstHoldsTheFolder) {
  {
    zunda::testing::TestGame t;
    t.game.AppPath = dir.path().toStdString();
    WriteDefaultOptions(t.game);
  }
  ProgramLock firstLock(dir.path().toStdString());
  zunda::testing::TestGame first;
  StartUpContext firstContext = Context();
  firstContext.AnotherCopyRunning = [&] { return firstLock.HeldByAnotherCopy(); };
  ASSERT_EQ(StartUp(first.game, firstContext), StartUpResult::Continue);

  {
    ProgramLock secondLock(dir.path().toStdString());
    zunda::testing::TestGame second;
    StartUpContext secondContext = Context();
    secondContext.AnotherCopyRunning = [&] { return secondLock.HeldByAnotherCopy(); };
    EXPECT_EQ(StartUp(second.game, secondContext), StartUpResult::EndProgram);
    EXPECT_EQ(second.host.Messages(), std::vector<std::string>{kAlreadyRunningMessage});
    EXPECT_TRUE(second.game.AppPath.empty());
  }
  EXPECT_TRUE(first.host.Messages().empty());
  EXPECT_FALSE(firstLock.HeldByAnotherCopy());  // the refused copy took nothing away
}

TEST_F(StartUpTest, ALockLeftByACrashedCopyDoesNotBlock) {
  const QString lockPath = dir.path() + "/" + kLockFileName;
  QByteArray content;
  {
    QLockFile probe(lockPath);
    ASSERT_TRUE(probe.tryLock(0));
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    content = file.readAll();
  }
  // The same lock, now owned by a process that has ended.
  QProcess finished;
  finished.start("true", {});
  ASSERT_TRUE(finished.waitForStarted());
  const qint64 deadPid = finished.processId();
  ASSERT_TRUE(finished.waitForFinished());
  content = QByteArray::number(deadPid) + content.mid(content.indexOf('\n'));
  testing::WriteBytes(lockPath.toStdString(), content);

  ProgramLock lock(dir.path().toStdString());
  EXPECT_FALSE(lock.HeldByAnotherCopy());
  ProgramLock another(dir.path().toStdString());
  EXPECT_TRUE(another.HeldByAnotherCopy());
}

}  // namespace
}  // namespace zunda
