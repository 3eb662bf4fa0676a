#include "store/program_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "core/game.h"
#include "core/scripted_host.h"
#include "store/music_files.h"
#include "store/option_file.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

TEST(ProgramFolderTest, AppPathHasNoTrailingSeparatorExceptAtTheRoot) {
  EXPECT_EQ(MakeAppPath("/"), "/");
  EXPECT_EQ(MakeAppPath("/opt/zunda/"), "/opt/zunda");
  EXPECT_EQ(MakeAppPath("/opt//zunda/./bin/.."), "/opt/zunda");
  EXPECT_EQ(MakeAppPath("relative"), QDir::current().absoluteFilePath("relative").toStdString());

  EXPECT_EQ(JoinPath("/", "\\Option.ini"), "/Option.ini");
  EXPECT_EQ(JoinPath("/", "\\Data"), "/Data");
  EXPECT_EQ(JoinPath("/opt/zunda", "\\Data\\pass.ico"), "/opt/zunda/Data/pass.ico");
  EXPECT_EQ(JoinPath("/opt/zunda", "Option.ini"), "/opt/zunda/Option.ini");
}

TEST(ProgramFolderTest, AProgramFolderAtTheRootKeepsItsFilesThere) {
  ScriptedHost host;
  Game g(host);
  g.AppPath = MakeAppPath("/");
  // Only names are built here; nothing is written to the root.
  EXPECT_EQ(QString::fromStdString(OptionFilePath(g)).compare("/Option.ini", Qt::CaseInsensitive),
            0);
  EXPECT_EQ(JoinPath(g.AppPath, g.DataDir), "/Data");
  EXPECT_EQ(JoinPath(g.AppPath, g.SoundDir + "\\a.mid"), "/Sound/a.mid");
}

TEST(ProgramFolderTest, NamesAreResolvedWithoutRegardToCase) {
  QTemporaryDir dir;
  const std::string root = dir.path().toStdString();
  ASSERT_TRUE(QDir(dir.path()).mkpath("Data/Sub"));
  testing::WriteBytes(root + "/Data/Pass.ICO", "x");
  testing::WriteBytes(root + "/option.ini", "x");
  testing::WriteBytes(root + "/Score.ini", "x");
  testing::WriteBytes(root + "/SCORE.INI", "x");

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
  ASSERT_TRUE(dir.isValid());
  testing::TestGame t;
  t.game.AppPath = MakeAppPath(dir.path().toStdString());
  const std::string source = dir.filePath("in/Song.mid").toStdString();
  ASSERT_TRUE(QDir().mkpath(dir.filePath("in")));
  testing::WriteBytes(source, "first");

  // The Sound folder is made when missing.
  EXPECT_EQ(CopyIntoSoundFolder(t.game, source), "Song.mid");
  const std::string copy = dir.filePath("Sound/Song.mid").toStdString();
  EXPECT_EQ(testing::ReadBytes(copy), "first");

  // A file of that name is replaced by the newer piece; the name keeps its spelling there.
  const std::string other = dir.filePath("in/song.MID").toStdString();
  testing::WriteBytes(other, "second");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, other), "Song.mid");
  EXPECT_EQ(testing::ReadBytes(copy), "second");
  EXPECT_EQ(testing::Entries(dir.filePath("Sound")), QStringList{"Song.mid"});

  // A piece already in the folder is not copied onto itself (which would empty it).
  EXPECT_EQ(CopyIntoSoundFolder(t.game, copy), "Song.mid");
  EXPECT_EQ(testing::ReadBytes(copy), "second");

  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in/none.mid").toStdString()), "");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in").toStdString()), "");
  EXPECT_EQ(testing::Entries(dir.filePath("Sound")), QStringList{"Song.mid"});
}

}  // namespace
}  // namespace zunda
