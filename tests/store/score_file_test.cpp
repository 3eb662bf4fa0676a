#include "store/score_file.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "core/score_table.h"
#include "flow/hand_storage.h"
#include "store/file_game_store.h"
#include "store/ini_file.h"
#include "store/program_folder.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::ReadBytes;
using testing::WriteBytes;

class ScoreFileTest : public ::testing::Test {
 protected:
  ScoreFileTest() {
    game().AppPath = MakeAppPath(dir.path().toStdString());
    InstallFileStore(game(), store);
  }
  Game& game() { return t.game; }
  std::string Key(const std::string& section, const std::string& key) {
    return classIniFile(ScoreFilePath(game())).GetIniKey(section, key);
  }

  QTemporaryDir dir;
  testing::TestGame t;
  FileGameStore store;
};

TEST_F(ScoreFileTest, CountersOfSeatsAndPlayersGoUnderTheirTrimmedNames) {
  Game& g = game();
  g.Seats[1].Name = "Aldor  ";
  g.Options.Players[0].Name = "Aldor";
  g.Options.Players[1].Name = "Quiet";  // a player who is not seated
  g.Options.Players[1].Stats[kRestartIndex] = 3;
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Place = seat;
  RecordScores(g);

  EXPECT_EQ(Key("Aldor", "score"), "2");
  EXPECT_EQ(Key("Aldor", "one"), "1");
  EXPECT_EQ(Key("Bersa", "score"), "-2");
  EXPECT_EQ(Key("Bersa", "two"), "1");
  EXPECT_EQ(Key("Quiet", "RestartNum"), "3");
  EXPECT_NE(ReadBytes(ScoreFilePath(g)).indexOf("score=-2"), -1);
  EXPECT_EQ(SeatScoreSumInFile(g), 0);
  // The talk list shows the ranking of the players after the hand.
  EXPECT_EQ(g.Win.LstTalk.Items.at(1), "01 Aldor      2         ");
  EXPECT_EQ(g.Win.LstTalk.Items.at(2), "02 Quiet      0         ");

  testing::TestGame fresh;
  fresh.game.AppPath = g.AppPath;
  fresh.game.Seats[1].Name = "Aldor";
  fresh.game.Options.Players[5].Name = std::string("Quiet") + '\0';
  LoadScores(fresh.game);
  EXPECT_EQ(fresh.game.Seats[1].Stats, g.Seats[1].Stats);
  EXPECT_EQ(fresh.game.Seats[4].Stats, g.Seats[4].Stats);
  EXPECT_EQ(fresh.game.Options.Players[5].Stats[kRestartIndex], 3);
}

TEST_F(ScoreFileTest, MissingFileSectionsAndKeysReadAsZero) {
  Game& g = game();
  g.Seats[2].Stats[kScoreIndex] = 17;
  LoadScores(g);
  EXPECT_EQ(g.Seats[2].Stats[kScoreIndex], 0);

  classIniFile file(ScoreFilePath(g));
  file.WriteIniKey("Bersa", "Three", "4");  // another hand wrote the key with a capital
  file.WriteIniKey("Bersa", "score", "junk");
  g.Seats[2].Name = "Bersa";
  LoadScores(g);
  EXPECT_EQ(g.Seats[2].Stats[4], 4);
  EXPECT_EQ(g.Seats[2].Stats[kScoreIndex], 0);

  // A computer seat renamed starts a fresh section.
  g.Seats[2].Name = "Newcomer";
  LoadScores(g);
  EXPECT_EQ(g.Seats[2].Stats[4], 0);
}

TEST_F(ScoreFileTest, ADamagedFileIsSetAsideAndToldNeverOverwritten) {
  Game& g = game();
  const std::string folder = g.AppPath;
  const QByteArray zeros = QByteArray("[Aldor]\r\nscore=5\r\n") + QByteArray(64, '\0');
  WriteBytes(ScoreFilePath(g), zeros);
  LoadScores(g);
  const std::string first = folder + "/score-damaged-1.ini";
  EXPECT_EQ(ReadBytes(first), zeros);
  EXPECT_EQ(t.host.Messages(),
            std::vector<std::string>{"成绩文件“" + ScoreFilePath(g) + "”已损坏，已改名为“" + first +
                                     "”保存；成绩从零开始重新记录。"});
  EXPECT_EQ(g.Seats[1].Stats[kScoreIndex], 0);

  // Damaged again by the time a hand ends: kept under the next name, the counters written anew.
  WriteBytes(ScoreFilePath(g), "\xff\xfe binary");
  g.Seats[1].Stats[kScoreIndex] = 4;
  EXPECT_TRUE(SaveScoreFile(g).Ok());
  EXPECT_EQ(ReadBytes(folder + "/score-damaged-2.ini"), "\xff\xfe binary");
  EXPECT_EQ(ReadBytes(first), zeros);
  EXPECT_EQ(Key("Aldor", "score"), "4");
}

TEST_F(ScoreFileTest, ADeletedPlayersSectionIsGone) {
  Game& g = game();
  g.Options.Players[0].Name = "Aldor";
  g.Options.Players[1].Name = "Gone";
  g.Options.Players[1].Stats[kScoreIndex] = 8;
  SaveScoreFile(g);
  ASSERT_EQ(Key("Gone", "score"), "8");
  DeletePlayerScores(g, "  Gone ");
  const QByteArray text = ReadBytes(ScoreFilePath(g));
  EXPECT_EQ(text.indexOf("[Gone]"), -1);
  EXPECT_EQ(text.indexOf("score=8"), -1);
  EXPECT_NE(text.indexOf("[Aldor]"), -1);
}

}  // namespace
}  // namespace zunda
