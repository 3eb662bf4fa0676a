// Every writer of the program's files on a disk in memory that fails: full at any byte, a
// locked folder, a refused rename, a process killed between any two steps.
#include <gtest/gtest.h>

#include <functional>

#include "core/score_table.h"
#include "core/text.h"
#include "flow/hand_storage.h"
#include "memory_disk.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/file_game_store.h"
#include "store/hands_file.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/safe_write.h"
#include "store/score_file.h"
#include "store/snapshot.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::MemoryDisk;
using testing::PlayedGame;
using testing::SteppedFiles;
using Contents = std::map<QString, QByteArray>;

const QString kApp = QStringLiteral("/home/player/zunda");

struct Killed {};

// Without the temporary files a killed process leaves beside the files.
Contents Kept(const Contents& contents) {
  Contents kept;
  for (const auto& [path, bytes] : contents) {
    if (!path.contains(QStringLiteral(".~"))) kept[path] = bytes;
  }
  return kept;
}

class FileFaultsTest : public ::testing::Test {
 public:
  FileFaultsTest() : files_(disk) {
    disk.AddFolder(kApp);
    t.game.AppPath = kApp.toStdString();
    InstallFileStore(t.game, store);
    ForgetIniFiles();
  }
  ~FileFaultsTest() override { ForgetIniFiles(); }

  QString File(const char* name) const { return kApp + QLatin1Char('/') + name; }

  // What a new start of the program reads.
  std::string LoadedOptions() {
    ForgetIniFiles();
    testing::TestGame fresh;
    fresh.game.AppPath = t.game.AppPath;
    if (LoadOptions(fresh.game) != OptionsLoadResult::Loaded) return "rebuilt";
    const OptionsModel& o = fresh.game.Options;
    return o.Players[0].Name + "/" + o.Players[1].Name + "/" + std::to_string(o.PlayerNum);
  }
  std::string LoadedScores() {
    ForgetIniFiles();
    testing::TestGame fresh;
    fresh.game.AppPath = t.game.AppPath;
    LoadScores(fresh.game);
    return std::to_string(fresh.game.Seats[1].Stats[kScoreIndex]) + "/" +
           std::to_string(fresh.game.Seats[2].Stats[kScoreIndex]);
  }

  void SetPlayers(const std::string& first, const std::string& second) {
    t.game.Options.PlayerNum = 2;
    t.game.Options.Players[0].Name = first;
    t.game.Options.Players[1].Name = second;
  }
  void SetScores(int seat1, int seat2) {
    t.game.Seats[1].Stats[kScoreIndex] = seat1;
    t.game.Seats[2].Stats[kScoreIndex] = seat2;
  }

  // True when the save was killed before its step-th change, false when it ended first.
  bool KilledAt(int step, const std::function<void()>& save) {
    int done = 0;
    SteppedFiles dying(disk, [&] {
      if (done++ == step) {
        disk.Freeze();
        throw Killed{};
      }
    });
    bool killed = false;
    {
      const ScopedFileSystem through(dying);
      try {
        save();
      } catch (const Killed&) {
        killed = true;
      }
    }
    disk.Restart();
    return killed;
  }

  void AtEveryKill(const MemoryDisk& before, const std::function<void()>& save,
                   const std::function<void(int step)>& check) {
    bool ended = false;
    for (int step = 0; !ended && !::testing::Test::HasFatalFailure(); ++step) {
      disk = before;
      ended = !KilledAt(step, save);
      check(step);
    }
  }

  MemoryDisk disk;
  testing::TestGame t;
  FileGameStore store;

 private:
  ScopedFileSystem files_;
};

struct FileKind {
  const char* id;
  std::function<void(FileFaultsTest&)> older;
  std::function<SaveResult(FileFaultsTest&)> save;
  std::function<std::string(FileFaultsTest&)> loaded;
};

void PrintTo(const FileKind& kind, std::ostream* out) {
  *out << kind.id;
}

const FileKind kOptionFile{"OptionFile",
                           [](FileFaultsTest& f) {
                             f.SetPlayers("Aldor", "Bersa");
                             EXPECT_TRUE(WriteOptionFile(f.t.game).Ok());
                             f.SetPlayers("张三", "李四");
                           },
                           [](FileFaultsTest& f) { return WriteOptionFile(f.t.game); },
                           [](FileFaultsTest& f) { return f.LoadedOptions(); }};

const FileKind kScoreFile{"ScoreFile",
                          [](FileFaultsTest& f) {
                            f.SetScores(6, -6);
                            EXPECT_TRUE(SaveScoreFile(f.t.game).Ok());
                            f.SetScores(8, -8);
                          },
                          [](FileFaultsTest& f) { return SaveScoreFile(f.t.game); },
                          [](FileFaultsTest& f) { return f.LoadedScores(); }};

class EveryFileKind : public FileFaultsTest, public ::testing::WithParamInterface<FileKind> {};

// A full disk at any byte or a kill at any step leaves the old file or the whole new one,
// also where a locked folder makes the file be written in place.
TEST_P(EveryFileKind, AnUnfinishedSaveLeavesTheOldFileOrTheWholeNewOne) {
  const FileKind& kind = GetParam();
  kind.older(*this);
  const MemoryDisk start = disk;
  const Contents old = disk.Contents();
  const std::string oldLoaded = kind.loaded(*this);
  for (const bool inPlace : {false, true}) {
    SCOPED_TRACE(inPlace ? "written in place" : "written beside");
    disk = start;
    if (inPlace) disk.lockedFolders = {kApp};
    const MemoryDisk before = disk;
    ASSERT_TRUE(kind.save(*this).Ok());
    const qint64 needed = disk.Written() - before.Written();
    const std::string newLoaded = kind.loaded(*this);
    const Contents saved = disk.Contents();
    ASSERT_NE(newLoaded, oldLoaded);
    EXPECT_EQ(saved.size(), old.size());  // no copy left behind in the spare folder

    // In place the old contents free their room, so less than all that is written may do.
    bool fitted = false;
    for (qint64 room = 0; room <= needed && !fitted; ++room) {
      disk = before;
      disk.capacity = disk.Used() + room;
      const SaveResult result = kind.save(*this);
      fitted = result.Ok();
      if (!fitted) {
        ASSERT_EQ(disk.Contents(), old) << room;
      }
      if (!inPlace) {
        ASSERT_EQ(result.Fault, room < needed ? WriteFault::DiskFull : WriteFault::None) << room;
      }
    }
    EXPECT_EQ(kind.loaded(*this), newLoaded);

    bool wasNew = false;
    AtEveryKill(
        before, [&] { kind.save(*this); },
        [&](int step) {
          const std::string loaded = kind.loaded(*this);
          ASSERT_TRUE(loaded == oldLoaded || loaded == newLoaded) << step;
          // A save that got further never leaves an older file.
          if (wasNew) {
            ASSERT_EQ(loaded, newLoaded) << step;
          }
          wasNew = loaded == newLoaded;
          const Contents after = Kept(disk.Contents());
          ASSERT_TRUE(after == old || after == saved) << step;
        });
    EXPECT_TRUE(wasNew);
  }
}

TEST_P(EveryFileKind, ARefusedWriteChangesNothingAndSaysWhy) {
  const FileKind& kind = GetParam();
  kind.older(*this);
  const MemoryDisk start = disk;
  const Contents old = disk.Contents();
  disk.refuseRenames = true;
  EXPECT_FALSE(kind.save(*this).Ok());
  EXPECT_EQ(disk.Contents(), old);

  disk = start;
  disk.lockedFolders = {kApp};
  for (const auto& [path, bytes] : old)
    disk.Put(path, bytes, false);
  EXPECT_EQ(kind.save(*this).Fault, WriteFault::NoPermission);
  EXPECT_EQ(disk.Contents(), old);

  disk = start;
  t.game.AppPath = "/home/player/gone";
  const SaveResult missing = kind.save(*this);
  EXPECT_EQ(missing.Fault, WriteFault::FolderMissing);
  EXPECT_EQ(missing.File.rfind("/home/player/gone/", 0), 0u);
  EXPECT_EQ(disk.Contents(), old);
}

INSTANTIATE_TEST_SUITE_P(Files, EveryFileKind, ::testing::Values(kOptionFile, kScoreFile),
                         [](const auto& info) { return std::string(info.param.id); });

// The saved pair from two moments of one game.
class SavedPairFaults : public FileFaultsTest {
 protected:
  SavedPairFaults() : played(2) {
    played.driver->NewGame();
    const auto at = [&](const std::function<bool(const Game&)>& moment) {
      EXPECT_TRUE(played.AdvanceUntil([&] { return moment(played.g()); }));
      return EncodePair(played.g());
    };
    older = at([](const Game& g) { return HumanAwaited(g) && g.Flow.LeadMode; });
    first = at([](const Game& g) { return g.MainCourse == TurnStep::CloseAnswer; });
    EXPECT_TRUE(Save(older).Ok());
  }

  SaveResult Save(const PairBytes& pair) {
    return WritePair(played.g(), kApp.toStdString(), kSavedHandsFile, kSavedStateFile, pair);
  }
  // The pair the next start restores; empty when none loads.
  PairBytes Loaded() {
    testing::TestGame fresh;
    fresh.game.AppPath = kApp.toStdString();
    if (ReadSavedHand(fresh.game, kApp.toStdString()).Outcome != RestoreOutcome::Restored) {
      return {};
    }
    return EncodePair(fresh.game);
  }
  PlayedGame played;
  PairBytes older;
  PairBytes first;
};

TEST_F(SavedPairFaults, AFullDiskOrAKillKeepsTheOlderPairAlsoWhenWrittenInPlace) {
  const Contents old = disk.Contents();
  const MemoryDisk before = disk;
  ASSERT_TRUE(Save(first).Ok());
  const qint64 needed = disk.Written() - before.Written();
  for (qint64 room = 0; room < needed; ++room) {
    disk = before;
    disk.capacity = disk.Used() + room;
    ASSERT_EQ(Save(first).Fault, WriteFault::DiskFull) << room;
    ASSERT_EQ(disk.Contents(), old) << room;
  }
  EXPECT_EQ(Loaded(), older);

  // A locked folder gets the pair in place, as one step.
  disk = before;
  disk.lockedFolders = {kApp};
  const MemoryDisk locked = disk;
  ASSERT_TRUE(Save(first).Ok());
  EXPECT_EQ(Loaded(), first);
  AtEveryKill(
      locked, [&] { Save(first); },
      [&](int step) {
        const PairBytes loaded = Loaded();
        ASSERT_TRUE(loaded == older || loaded == first) << step;
      });
  disk = locked;
  disk.refuseRenames = true;
  disk.capacity = disk.Used() + first.Hands.size();
  EXPECT_EQ(Save(first).Fault, WriteFault::DiskFull);
  EXPECT_EQ(Loaded(), older);
}

// The old contents an interrupted write in place kept aside must go back before the next save,
// or they would later be put back over it.
TEST_F(FileFaultsTest, ASaveAfterAWriteInPlaceWasInterruptedIsNeverUndoneByItsLeftovers) {
  const QString path = File("score.ini");
  ASSERT_TRUE(ReplaceFile(path, "old").Ok());
  disk.lockedFolders = {kApp};
  const MemoryDisk locked = disk;
  AtEveryKill(
      locked, [&] { ReplaceFile(path, "interrupted"); },
      [&](int step) {
        disk.lockedFolders.clear();
        ASSERT_TRUE(ReplaceFile(path, "newest").Ok()) << step;
        RecoverUnfinishedWrites(kApp);
        EXPECT_EQ(disk.Contents()[path], "newest") << step;
      });
}

// Each write in place first puts back what an interrupted one kept aside, even when called on
// its own: keeping aside what that one left half written would lose the old contents at the
// next interruption.
TEST_F(FileFaultsTest, TwoInterruptedWritesInPlaceInARowStillKeepTheOldContents) {
  const QString path = File("score.ini");
  ASSERT_TRUE(ReplaceFile(path, "old").Ok());
  const MemoryDisk before = disk;
  for (int first = 0; KilledAt(first, [&] { WriteInPlace({{path, "interrupted"}}); }); ++first) {
    const MemoryDisk afterFirst = disk;
    for (int second = 0; KilledAt(second, [&] { WriteInPlace({{path, "second"}}); }); ++second) {
      RecoverUnfinishedWrites(kApp);
      const QByteArray now = disk.Contents()[path];
      ASSERT_TRUE(now == "old" || now == "second") << first << ", " << second << ": " << now.data();
      disk = afterFirst;
    }
    disk = before;
  }
}

TEST_F(FileFaultsTest, AFailingAutomaticSaveIsToldOnceUntilItSucceedsAgain) {
  const std::string full =
      "无法保存文件“/home/player/zunda/score.ini”：磁盘空间已满。游戏照常进行，下次保存时将再试"
      "一次。";
  disk.capacity = 0;
  SaveScores(t.game);
  SaveScores(t.game);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{full});
  disk.capacity.reset();
  SaveScores(t.game);
  EXPECT_EQ(t.host.Messages().size(), 1u);
  EXPECT_TRUE(disk.Get(File("score.ini")).has_value());
  SetScores(2, -2);  // a change to write
  disk.capacity = disk.Used();
  SaveScores(t.game);
  EXPECT_EQ(t.host.Messages(), (std::vector<std::string>{full, full}));
}

TEST_F(FileFaultsTest, AStartReadsEachFileOnceAndAnOutsideEditIsSeen) {
  SetPlayers("Aldor", "Bersa");
  ASSERT_TRUE(WriteOptionFile(t.game).Ok());
  ASSERT_TRUE(SaveScoreFile(t.game).Ok());
  const Contents written = disk.Contents();
  const int optionReads = disk.ReadsOf(File("Option.ini"));
  const int scoreReads = disk.ReadsOf(File("score.ini"));

  ForgetIniFiles();
  testing::TestGame started;
  started.game.AppPath = t.game.AppPath;
  LoadWaits(started.game);
  ASSERT_EQ(LoadOptions(started.game), OptionsLoadResult::Loaded);
  LoadScores(started.game);
  // What the start writes back is unchanged: no write at all.
  SaveOptions(started.game);
  EXPECT_EQ(disk.ReadsOf(File("Option.ini")), optionReads + 1);
  EXPECT_EQ(disk.ReadsOf(File("score.ini")), scoreReads + 1);
  EXPECT_EQ(disk.Contents(), written);

  QByteArray edited = *disk.Get(File("Option.ini"));
  edited.replace("Bersa", "Cyrus");
  disk.Put(File("Option.ini"), edited);
  ASSERT_EQ(LoadOptions(started.game), OptionsLoadResult::Loaded);
  EXPECT_EQ(Trim(started.game.Options.Players[1].Name), "Cyrus");
}

}  // namespace
}  // namespace zunda
