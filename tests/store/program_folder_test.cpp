// The program folder: paths, where it is, what the first start copies, and start-up.
#include "store/program_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>

#include "store/music_files.h"
#include "store/option_file.h"
#include "store/program_home.h"
#include "store/program_lock.h"
#include "store/start_up.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::Entries;
using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

TEST(ProgramFolderTest, AppPathHasNoTrailingSeparatorExceptAtTheRoot) {
  EXPECT_EQ(MakeAppPath("/"), "/");
  EXPECT_EQ(MakeAppPath("/opt/zunda/"), "/opt/zunda");
  EXPECT_EQ(MakeAppPath("/opt//zunda/./bin/.."), "/opt/zunda");
  EXPECT_EQ(MakeAppPath("relative"), QDir::current().absoluteFilePath("relative").toStdString());

  EXPECT_EQ(JoinPath("/", "\\Option.ini"), "/Option.ini");
  EXPECT_EQ(JoinPath("/", "\\Data"), "/Data");
  EXPECT_EQ(JoinPath("/opt/zunda", "\\Data\\pass.ico"), "/opt/zunda/Data/pass.ico");
  EXPECT_EQ(JoinPath("/opt/zunda", "Option.ini"), "/opt/zunda/Option.ini");

  testing::TestGame t;
  t.game.AppPath = MakeAppPath("/");
  EXPECT_EQ(
      QString::fromStdString(OptionFilePath(t.game)).compare("/Option.ini", Qt::CaseInsensitive),
      0);
  EXPECT_EQ(JoinPath(t.game.AppPath, t.game.SoundDir + "\\a.mid"), "/Sound/a.mid");
}

TEST(ProgramFolderTest, NamesAreResolvedWithoutRegardToCase) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkpath("Data/Sub"));
  for (const char* name : {"/Data/Pass.ICO", "/option.ini", "/Score.ini", "/SCORE.INI"})
    WriteBytes(root + name, "x");

  EXPECT_EQ(ResolveNoCase(root, "\\data\\pass.ico"), root + "/Data/Pass.ICO");
  EXPECT_EQ(ResolveNoCase(root, "Option.ini"), root + "/option.ini");
  EXPECT_EQ(ResolveNoCase(root, "SCORE.INI"), root + "/SCORE.INI");  // exact spelling wins
  EXPECT_EQ(ResolveNoCase(root, "DATA/sub/New.znd"), root + "/Data/Sub/New.znd");
  EXPECT_EQ(ResolveNoCase(root, "\\Skin\\Normal\\skin.ini"), root + "/Skin/Normal/skin.ini");
  EXPECT_EQ(ResolveFileNoCase(root + "/OPTION.INI"), root + "/option.ini");
  EXPECT_EQ(ResolveFileNoCase(root + "/missing.ini"), root + "/missing.ini");
}

TEST(SoundFolderCopy, CopiesOnceAndNeverLosesTheFileAlreadyThere) {
  QTemporaryDir dir;
  testing::TestGame t;
  t.game.AppPath = MakeAppPath(dir.path().toStdString());
  const std::string source = dir.filePath("in/Song.mid").toStdString();
  ASSERT_TRUE(QDir().mkpath(dir.filePath("in")));
  WriteBytes(source, "first");

  EXPECT_EQ(CopyIntoSoundFolder(t.game, source), "Song.mid");
  const std::string copy = dir.filePath("Sound/Song.mid").toStdString();
  EXPECT_EQ(ReadBytes(copy), "first");

  // The newer piece replaces a file of that name, which keeps its spelling.
  const std::string other = dir.filePath("in/song.MID").toStdString();
  WriteBytes(other, "second");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, other), "Song.mid");
  EXPECT_EQ(ReadBytes(copy), "second");

  // Not copied onto itself, which would empty it.
  EXPECT_EQ(CopyIntoSoundFolder(t.game, copy), "Song.mid");
  EXPECT_EQ(ReadBytes(copy), "second");

  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in/none.mid").toStdString()), "");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in").toStdString()), "");
  EXPECT_EQ(Entries(dir.filePath("Sound")), QStringList{"Song.mid"});
}

class ProgramHomeTest : public ::testing::Test {
 protected:
  std::filesystem::path Path(const QString& relative) const {
    return std::filesystem::path(dir.filePath(relative).toStdString());
  }
  void MakeFolder(const QString& relative) const { ASSERT_TRUE(QDir(dir.path()).mkpath(relative)); }
  void MakeFile(const QString& relative, const QByteArray& bytes) const {
    MakeFolder(QFileInfo(relative).path());
    WriteBytes(Path(relative).string(), bytes);
  }
  // <prefix>/bin/zunda with the shipped data in <prefix>/share/zunda.
  void MakeInstall() const {
    MakeFolder("prefix/bin");
    MakeFile("prefix/share/zunda/Data/zunda.ico", "icon");
    MakeFile("prefix/share/zunda/Skins/Normal/skin.ini", "[Skin]");
    MakeFile("prefix/share/zunda/Sound/QuietGarden.mid", "MThd");
    MakeFile("prefix/share/zunda/Help/readme.html", "<html>");
  }
  std::filesystem::path FolderOf(const char* executable) const {
    return ChooseProgramHome(Path(executable), std::nullopt, user).Folder;
  }

  QTemporaryDir dir;
  const std::filesystem::path user = Path("home/.local/share/zunda");
};

TEST_F(ProgramHomeTest, TheLayoutOnDiskDecidesTheProgramFolder) {
  MakeFolder("build/Data");
  ProgramHome home = ChooseProgramHome(Path("build"), std::nullopt, user);
  EXPECT_EQ(home.Folder, Path("build"));
  EXPECT_EQ(home.ShippedData, Path("build"));

  // Installed: the per-user folder, seeded from the share folder.
  MakeInstall();
  home = ChooseProgramHome(Path("prefix/bin"), std::nullopt, user);
  EXPECT_EQ(home.Folder, user);
  EXPECT_EQ(home.ShippedData, Path("prefix/share/zunda"));
  EXPECT_EQ(FolderOf("prefix/share/../bin"), user);

  // --home wins over both layouts; the shipped data still comes from the install.
  home = ChooseProgramHome(Path("prefix/bin"), Path("elsewhere"), user);
  EXPECT_EQ(home.Folder, Path("elsewhere"));
  EXPECT_EQ(home.ShippedData, Path("prefix/share/zunda"));
  EXPECT_EQ(ChooseProgramHome(Path("build"), Path("elsewhere"), user).Folder, Path("elsewhere"));

  // A bin folder is an install only with share/zunda beside it and no data in it.
  MakeFolder("prefix/bin/data");  // found without regard to case
  EXPECT_FALSE(InstalledDataFolder(Path("prefix/bin")));
  EXPECT_EQ(FolderOf("prefix/bin"), Path("prefix/bin"));
  MakeFolder("other/bin");
  MakeFolder("other/share/games");
  EXPECT_FALSE(InstalledDataFolder(Path("other/bin")));
  EXPECT_EQ(FolderOf("other/bin"), Path("other/bin"));
  MakeFolder("odd/libexec");
  MakeFolder("odd/share/zunda/Data");
  EXPECT_FALSE(InstalledDataFolder(Path("odd/libexec")));
}

TEST_F(ProgramHomeTest, TheFirstStartCopiesTheShippedDataAndLaterStartsLeaveTheFolderAlone) {
  MakeInstall();
  MakeFile("prefix/share/zunda/Extra/unrelated.txt", "not program data");
  QFile::setPermissions(dir.filePath("prefix/share/zunda/Sound/QuietGarden.mid"),
                        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  const ProgramHome home = ChooseProgramHome(Path("prefix/bin"), std::nullopt, user);

  SeedResult seeded = PrepareProgramFolder(home);
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 4);
  const std::string folder = user.string();
  EXPECT_EQ(ReadBytes(folder + "/Data/zunda.ico"), "icon");
  EXPECT_EQ(ReadBytes(folder + "/Skins/Normal/skin.ini"), "[Skin]");
  EXPECT_EQ(ReadBytes(folder + "/Sound/QuietGarden.mid"), "MThd");
  EXPECT_EQ(ReadBytes(folder + "/Help/readme.html"), "<html>");
  EXPECT_TRUE(QFile::permissions(QString::fromStdString(folder + "/Sound/QuietGarden.mid")) &
              QFileDevice::WriteOwner);
  EXPECT_FALSE(Exists(folder + "/Extra/unrelated.txt"));
  EXPECT_FALSE(Exists(folder + "/Option.ini"));  // start-up writes it, with its message

  // Until Option.ini exists a start fills in what is missing and keeps what is there.
  WriteBytes(folder + "/Data/zunda.ico", "the user's own");
  QFile::remove(QString::fromStdString(folder + "/Help/readme.html"));
  seeded = PrepareProgramFolder(home);
  EXPECT_EQ(seeded.Copied, 1);
  EXPECT_EQ(ReadBytes(folder + "/Data/zunda.ico"), "the user's own");
  EXPECT_EQ(ReadBytes(folder + "/Help/readme.html"), "<html>");

  // Once the first run has written Option.ini, nothing is copied back.
  WriteBytes(folder + "/option.ini", "[Player]");
  QFile::remove(QString::fromStdString(folder + "/Sound/QuietGarden.mid"));
  EXPECT_EQ(PrepareProgramFolder(home).Copied, 0);
  EXPECT_FALSE(Exists(folder + "/Sound/QuietGarden.mid"));
}

TEST_F(ProgramHomeTest, AFolderIsNeverCopiedOntoItselfAndOneThatCannotBeMadeIsReported) {
  MakeFile("build/Data/zunda.ico", "icon");
  SeedResult seeded = PrepareProgramFolder(ChooseProgramHome(Path("build"), std::nullopt, user));
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);
  EXPECT_EQ(Entries(dir.filePath("build")), QStringList{"Data"});
  EXPECT_EQ(PrepareProgramFolder(ChooseProgramHome(Path("build"), Path("fresh"), user)).Copied, 1);
  EXPECT_EQ(ReadBytes(Path("fresh/Data/zunda.ico").string()), "icon");

  // cmake --install --prefix ~/.local puts the shipped data where the player's folder is.
  MakeInstall();
  const ProgramHome own =
      ChooseProgramHome(Path("prefix/bin"), std::nullopt, Path("prefix/share/zunda"));
  EXPECT_EQ(own.Folder, own.ShippedData);
  seeded = PrepareProgramFolder(own);
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);

  MakeFile("blocker", "a file, not a folder");
  seeded = PrepareProgramFolder(
      ChooseProgramHome(Path("prefix/bin"), std::nullopt, Path("blocker/zunda")));
  EXPECT_FALSE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);
}

const char* const kFirstRunMessage = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";

class StartUpTest : public ::testing::Test {
 protected:
  StartUpContext Context(int width = 800, int height = 600) const {
    return {dir.path().toStdString(), width, height, [] { return false; }};
  }
  std::string OptionFile() const { return dir.path().toStdString() + "/Option.ini"; }

  QTemporaryDir dir;
};

TEST_F(StartUpTest, FirstRunWritesTheOptionFileAndTheNextStartReadsItsWaits) {
  // A folder where nothing can be written is not reported as a first run.
  testing::TestGame nowhere;
  StartUpContext missing = Context();
  missing.ProgramFolder += "/missing/folder";
  EXPECT_EQ(StartUp(nowhere.game, missing), StartUpResult::EndProgram);
  ASSERT_EQ(nowhere.host.Messages().size(), 1u);
  EXPECT_NE(nowhere.host.Messages()[0], kFirstRunMessage);

  testing::TestGame first;
  EXPECT_EQ(StartUp(first.game, Context()), StartUpResult::EndProgram);
  EXPECT_EQ(first.host.Messages(), std::vector<std::string>{kFirstRunMessage});
  EXPECT_TRUE(Exists(OptionFile()));
  EXPECT_FALSE(first.game.OptionFilePresent);

  testing::TestGame second;
  ASSERT_EQ(StartUp(second.game, Context()), StartUpResult::Continue);
  Game& g = second.game;
  EXPECT_TRUE(second.host.Messages().empty());
  EXPECT_EQ(g.AppPath, dir.path().toStdString());
  EXPECT_TRUE(g.OptionFilePresent);
  EXPECT_DOUBLE_EQ(g.DelayTimeKouPai, 0.5);
  EXPECT_EQ(g.PlayerCount, 0);  // the players come later in start-up
  EXPECT_EQ(g.Seats[1].Name, "Aldor");

  // Deleting the file starts the cycle again.
  QFile::remove(QString::fromStdString(OptionFile()));
  testing::TestGame third;
  EXPECT_EQ(StartUp(third.game, Context()), StartUpResult::EndProgram);
  EXPECT_EQ(third.host.Messages(), std::vector<std::string>{kFirstRunMessage});
}

TEST_F(StartUpTest, TheScreenMustBeAtLeast800By600) {
  const std::string message =
      "请将Windows屏幕分辨率设置到800x600小字体模式或更高分辨率再运行本软件，具体调整方式请见本软件"
      "FAQ提示。";
  for (const auto& [width, height] : {std::pair{800, 599}, {799, 600}, {640, 480}}) {
    testing::TestGame t;
    EXPECT_EQ(StartUp(t.game, Context(width, height)), StartUpResult::EndProgram);
    EXPECT_EQ(t.host.Messages(), std::vector<std::string>{message});
  }
  EXPECT_TRUE(Entries(dir.path()).isEmpty());  // refused before anything was written
}

TEST_F(StartUpTest, ASecondCopyIsRefusedWhileTheFirstHoldsTheFolderButNotByACrashedOne) {
  // A lock left by a copy that crashed.
  const QString lockPath = dir.path() + "/" + kLockFileName;
  QByteArray content;
  {
    QLockFile probe(lockPath);
    ASSERT_TRUE(probe.tryLock(0));
    QFile file(lockPath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    content = file.readAll();
  }
  QProcess finished;
  finished.start("true", {});
  ASSERT_TRUE(finished.waitForStarted());
  const qint64 deadPid = finished.processId();
  ASSERT_TRUE(finished.waitForFinished());
  WriteBytes(lockPath.toStdString(),
             QByteArray::number(deadPid) + content.mid(content.indexOf('\n')));

  {
    testing::TestGame t;
    t.game.AppPath = dir.path().toStdString();
    WriteDefaultOptions(t.game);
  }
  ProgramLock firstLock(dir.path().toStdString());
  testing::TestGame first;
  StartUpContext firstContext = Context();
  firstContext.AnotherCopyRunning = [&] { return firstLock.HeldByAnotherCopy(); };
  ASSERT_EQ(StartUp(first.game, firstContext), StartUpResult::Continue);
  {
    ProgramLock secondLock(dir.path().toStdString());
    testing::TestGame second;
    StartUpContext secondContext = Context();
    secondContext.AnotherCopyRunning = [&] { return secondLock.HeldByAnotherCopy(); };
    EXPECT_EQ(StartUp(second.game, secondContext), StartUpResult::EndProgram);
    EXPECT_EQ(second.host.Messages(),
              std::vector<std::string>{
                  "本软件已经在运行了！\n请试着点击屏幕最下面任务栏中的应用程序即可调出。"});
    EXPECT_TRUE(second.game.AppPath.empty());
  }
  EXPECT_TRUE(first.host.Messages().empty());
  EXPECT_FALSE(firstLock.HeldByAnotherCopy());  // the refused copy took nothing away
}

}  // namespace
}  // namespace zunda
