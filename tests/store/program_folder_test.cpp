#include "store/program_folder.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "core/game.h"
#include "core/scripted_host.h"
#include "store/option_file.h"
#include "store_files.h"

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

}  // namespace
}  // namespace zunda
