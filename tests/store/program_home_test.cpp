#include "store/program_home.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "store_files.h"

namespace zunda {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

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

  QTemporaryDir dir;
  const std::filesystem::path user = Path("home/.local/share/zunda");
};

TEST_F(ProgramHomeTest, TheLayoutOnDiskDecidesTheProgramFolder) {
  // A build or portable folder: the data lies beside the executable.
  MakeFolder("build/Data");
  ProgramHome home = ChooseProgramHome(Path("build"), std::nullopt, user);
  EXPECT_EQ(home.Folder, Path("build"));
  EXPECT_EQ(home.ShippedData, Path("build"));

  // Installed: the per-user folder, seeded from the share folder.
  MakeInstall();
  home = ChooseProgramHome(Path("prefix/bin"), std::nullopt, user);
  EXPECT_EQ(home.Folder, user);
  EXPECT_EQ(home.ShippedData, Path("prefix/share/zunda"));
  // The same with the path spelled through "..", as a launcher might.
  EXPECT_EQ(ChooseProgramHome(Path("prefix/share/../bin"), std::nullopt, user).Folder, user);

  // --home wins over both layouts; the shipped data still comes from the install.
  home = ChooseProgramHome(Path("prefix/bin"), Path("elsewhere"), user);
  EXPECT_EQ(home.Folder, Path("elsewhere"));
  EXPECT_EQ(home.ShippedData, Path("prefix/share/zunda"));
  EXPECT_EQ(ChooseProgramHome(Path("build"), Path("elsewhere"), user).Folder, Path("elsewhere"));
}

TEST_F(ProgramHomeTest, ABinFolderIsOnlyAnInstallWithItsShareFolderAndWithoutDataBesideIt) {
  // A portable copy that happens to live in a bin folder keeps its own folder.
  MakeInstall();
  MakeFolder("prefix/bin/data");  // found without regard to case
  EXPECT_FALSE(InstalledDataFolder(Path("prefix/bin")));
  EXPECT_EQ(ChooseProgramHome(Path("prefix/bin"), std::nullopt, user).Folder, Path("prefix/bin"));

  // No share/zunda beside the bin folder: not an install either.
  MakeFolder("other/bin");
  MakeFolder("other/share/games");
  EXPECT_FALSE(InstalledDataFolder(Path("other/bin")));
  EXPECT_EQ(ChooseProgramHome(Path("other/bin"), std::nullopt, user).Folder, Path("other/bin"));

  // share/zunda beside a folder that is not called bin: not an install.
  MakeFolder("odd/libexec");
  MakeFolder("odd/share/zunda/Data");
  EXPECT_FALSE(InstalledDataFolder(Path("odd/libexec")));
}

TEST_F(ProgramHomeTest, TheFirstStartCopiesTheShippedDataAndLaterStartsLeaveTheFolderAlone) {
  MakeInstall();
  MakeFile("prefix/share/zunda/Extra/unrelated.txt", "not program data");
  const ProgramHome home = ChooseProgramHome(Path("prefix/bin"), std::nullopt, user);

  SeedResult seeded = PrepareProgramFolder(home);
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 4);
  const std::string folder = user.string();
  EXPECT_EQ(ReadBytes(folder + "/Data/zunda.ico"), "icon");
  EXPECT_EQ(ReadBytes(folder + "/Skins/Normal/skin.ini"), "[Skin]");
  EXPECT_EQ(ReadBytes(folder + "/Sound/QuietGarden.mid"), "MThd");
  EXPECT_EQ(ReadBytes(folder + "/Help/readme.html"), "<html>");
  EXPECT_FALSE(Exists(folder + "/Extra/unrelated.txt"));
  EXPECT_FALSE(Exists(folder + "/Option.ini"));  // start-up writes it, with its message

  // Until Option.ini exists every start fills in what is missing, and keeps what is there.
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

TEST_F(ProgramHomeTest, CopiesOfReadOnlyInstalledFilesCanBeChangedByTheirUser) {
  MakeInstall();
  QFile::setPermissions(dir.filePath("prefix/share/zunda/Sound/QuietGarden.mid"),
                        QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
  ASSERT_TRUE(PrepareProgramFolder(ChooseProgramHome(Path("prefix/bin"), std::nullopt, user)).Ok);
  const QFileDevice::Permissions copied =
      QFile::permissions(QString::fromStdString(user.string() + "/Sound/QuietGarden.mid"));
  EXPECT_TRUE(copied & QFileDevice::WriteOwner);
}

TEST_F(ProgramHomeTest, APortableFolderIsNeverCopiedOntoItself) {
  MakeFile("build/Data/zunda.ico", "icon");
  const ProgramHome home = ChooseProgramHome(Path("build"), std::nullopt, user);
  const SeedResult seeded = PrepareProgramFolder(home);
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);
  EXPECT_EQ(testing::Entries(dir.filePath("build")), QStringList{"Data"});

  // A fresh --home folder of a portable copy gets the data the executable's folder holds.
  const ProgramHome elsewhere = ChooseProgramHome(Path("build"), Path("fresh"), user);
  EXPECT_EQ(PrepareProgramFolder(elsewhere).Copied, 1);
  EXPECT_EQ(ReadBytes(Path("fresh/Data/zunda.ico").string()), "icon");
}

TEST_F(ProgramHomeTest, AnInstallIntoThePlayersOwnDataFolderIsPlayedInPlace) {
  // cmake --install --prefix ~/.local puts the shipped data where the player's folder is.
  MakeInstall();
  const ProgramHome home =
      ChooseProgramHome(Path("prefix/bin"), std::nullopt, Path("prefix/share/zunda"));
  const SeedResult seeded = PrepareProgramFolder(home);
  EXPECT_TRUE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);
  EXPECT_EQ(home.Folder, home.ShippedData);
}

TEST_F(ProgramHomeTest, AProgramFolderThatCannotBeMadeIsReported) {
  MakeInstall();
  MakeFile("blocker", "a file, not a folder");
  const ProgramHome home =
      ChooseProgramHome(Path("prefix/bin"), std::nullopt, Path("blocker/zunda"));
  const SeedResult seeded = PrepareProgramFolder(home);
  EXPECT_FALSE(seeded.Ok);
  EXPECT_EQ(seeded.Copied, 0);
}

}  // namespace
}  // namespace zunda
