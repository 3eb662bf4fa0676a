#include "store/music_files.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>

#include "store/program_folder.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda::testing {
namespace {

TEST(SoundFolderCopy, CopiesOnceAndNeverLosesTheFileAlreadyThere) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  TestGame t;
  t.game.AppPath = MakeAppPath(dir.path().toStdString());
  const std::string source = dir.filePath("in/Song.mid").toStdString();
  ASSERT_TRUE(QDir().mkpath(dir.filePath("in")));
  WriteBytes(source, "first");

  // The Sound folder is made when missing.
  EXPECT_EQ(CopyIntoSoundFolder(t.game, source), "Song.mid");
  const std::string copy = dir.filePath("Sound/Song.mid").toStdString();
  EXPECT_EQ(ReadBytes(copy), "first");

  // A file of that name is replaced by the newer piece; the name keeps its spelling there.
  const std::string other = dir.filePath("in/song.MID").toStdString();
  WriteBytes(other, "second");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, other), "Song.mid");
  EXPECT_EQ(ReadBytes(copy), "second");
  EXPECT_EQ(Entries(dir.filePath("Sound")), QStringList{"Song.mid"});

  // A piece already in the folder is not copied onto itself (which would empty it).
  EXPECT_EQ(CopyIntoSoundFolder(t.game, copy), "Song.mid");
  EXPECT_EQ(ReadBytes(copy), "second");

  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in/none.mid").toStdString()), "");
  EXPECT_EQ(CopyIntoSoundFolder(t.game, dir.filePath("in").toStdString()), "");
  EXPECT_EQ(Entries(dir.filePath("Sound")), QStringList{"Song.mid"});
}

}  // namespace
}  // namespace zunda::testing
