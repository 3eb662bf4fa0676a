// The option file and the score file; a damaged one is rebuilt or set aside, never lost.
#include "store/option_file.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

#include "core/score_table.h"
#include "core/text.h"
#include "flow/hand_storage.h"
#include "store/extras_option_file.h"
#include "store/file_game_store.h"
#include "store/ini_file.h"
#include "store/program_folder.h"
#include "store/score_file.h"
#include "store_files.h"
#include "test_game.h"

namespace zunda {
namespace {

using testing::Exists;
using testing::ReadBytes;
using testing::WriteBytes;

const QByteArray kDefaultFile =
    "[Player]\r\nPW00=\r\nCur=0\r\nRemember=0\r\nName00=Aldor\r\nNum=1\r\n[GameSpeed]\r\n"
    "DelayTimeShunPai=0.02\r\nDelayTimeZundaPai=0.02\r\nDelayTimeKouPai=0.5\r\n"
    "DelayTimeShaoPai=5\r\n[Skins]\r\nCurSkin=ParisDress\r\nSkinsList=Normal,ParisDress,"
    "military\r\n"
    "[ZundaRules]\r\nJinGong=True\r\n[Boss]\r\nBarName=WINDOWS\r\n[BackMusic]\r\nCount=0\r\n";

const char* const kRebuiltMessage =
    "配置文件出错，系统试图重建之，请在退出后重新运行本软件。如果问题仍然存在，请用电子邮件向作者"
    "反映此现象,并说明详细情况。";

std::string RebuiltKeptMessage(const std::string& kept) {
  return "配置文件出错，系统试图重建之，原来的配置文件已另存为“" + kept +
         "”。请在退出后重新运行本软件。如果问题仍然存在，请用电子邮件向作者反映此现象,并说明详细"
         "情况。";
}

class OptionFileTest : public ::testing::Test {
 protected:
  OptionFileTest() { t.game.AppPath = dir.path().toStdString(); }
  std::string File() const { return dir.path().toStdString() + "/Option.ini"; }
  std::string Key(const char* section, const std::string& key) const {
    return classIniFile(File()).GetIniKey(section, key);
  }

  QTemporaryDir dir;
  zunda::testing::TestGame t;
  Game& g = t.game;
};

TEST_F(OptionFileTest, DefaultsAreWrittenByteForByteAndLoadAsOnePlayer) {
  g.Options.BarName = "Boss";
  WriteDefaultOptions(g);
  EXPECT_EQ(ReadBytes(File()), kDefaultFile);
  EXPECT_EQ(g.Options.BarName, "WINDOWS");

  g.Options = OptionsModel{};
  g.Options.JinGong = false;
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  const OptionsModel& o = g.Options;
  EXPECT_EQ(o.PlayerNum, 1);
  EXPECT_EQ(g.PlayerCount, 1);
  EXPECT_EQ(o.Players[0].Name, "Aldor");
  EXPECT_TRUE(o.JinGong);
  EXPECT_DOUBLE_EQ(o.DelayTimeKouPai, 0.5);
  EXPECT_DOUBLE_EQ(o.DelayTimeShaoPai, 5);
  EXPECT_DOUBLE_EQ(g.DelayTimeZundaPai, 0.02);
  EXPECT_TRUE(t.host.Messages().empty());
}

TEST_F(OptionFileTest, AnUnusablePlayerCountRebuildsTheFileKeepsTheOldOneAndEnds) {
  int kept = 0;
  for (const char* num : {"0", "", "abc", "-2"}) {
    SCOPED_TRACE(num);
    const QByteArray broken =
        QByteArray("[Player]\r\nNum=") + num + "\r\nName00=Someone\r\n[Junk]\r\nx=1\r\n";
    WriteBytes(File(), broken);
    t.host.ClearMessages();
    EXPECT_EQ(LoadOptions(g), OptionsLoadResult::RebuiltEndProgram);
    EXPECT_EQ(ReadBytes(File()), kDefaultFile);
    const std::string copy = dir.filePath("Option-damaged-%1.ini").arg(++kept).toStdString();
    EXPECT_EQ(ReadBytes(copy), broken);
    EXPECT_EQ(t.host.Messages(), std::vector<std::string>{RebuiltKeptMessage(copy)});
  }
  // A missing file is as broken as a missing count, with nothing to keep.
  QFile::remove(QString::fromStdString(File()));
  t.host.ClearMessages();
  EXPECT_EQ(LoadOptions(g), OptionsLoadResult::RebuiltEndProgram);
  EXPECT_EQ(ReadBytes(File()), kDefaultFile);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{kRebuiltMessage});
}

TEST_F(OptionFileTest, AFileAnEditorSavedInUtf8KeepsEveryPlayerAndItsEncoding) {
  const QByteArray text =
      "[Player]\r\nNum=2\r\nCur=1\r\nRemember=1\r\nName00=张三丰\r\nPW00=密码\r\nName01=李四\r\n";
  for (const bool mark : {true, false}) {
    SCOPED_TRACE(mark);
    WriteBytes(File(), (mark ? QByteArray("\xEF\xBB\xBF") : QByteArray()) + text);
    for (int start = 0; start < 2; ++start) {
      zunda::testing::TestGame loaded;
      loaded.game.AppPath = g.AppPath;
      ASSERT_EQ(LoadOptions(loaded.game), OptionsLoadResult::Loaded);
      const OptionsModel& o = loaded.game.Options;
      EXPECT_EQ(o.PlayerNum, 2);
      EXPECT_EQ(Trim(o.Players[0].Name), "张三丰");
      EXPECT_EQ(Trim(o.Players[0].Password), "密码");
      EXPECT_EQ(Trim(o.Players[1].Name), "李四");
      SaveOptions(loaded.game);
      EXPECT_TRUE(loaded.host.Messages().empty());
    }
    const QByteArray saved = ReadBytes(File());
    EXPECT_EQ(saved.startsWith("\xEF\xBB\xBF"), mark);
    EXPECT_TRUE(saved.contains(QByteArray("Name01=李四") + QByteArray(28, ' ')));
  }
}

TEST_F(OptionFileTest, PlayersAreSavedBlankFilledUnderTwoDigitKeys) {
  OptionsModel& o = g.Options;
  o.PlayerNum = 13;
  for (int i = 0; i < 13; ++i)
    o.Players[i].Name = "P" + std::to_string(i);
  o.Players[7].Name = "张三丰";
  o.Players[7].Password = "ab c";
  o.Players[12].Name = std::string(40, 'x');
  o.CurPlayer = 12;
  o.Remember = false;
  SaveOptions(g);

  const QByteArray bytes = ReadBytes(File());
  EXPECT_TRUE(bytes.contains("Name07=" + QByteArray::fromHex("d5c5c8fdb7e1") + QByteArray(27, ' ') +
                             "\r\nPW07=ab c" + QByteArray(8, ' ') + "\r\n"));
  EXPECT_TRUE(bytes.contains("Name12=" + QByteArray(30, 'x') + "\r\n"));
  EXPECT_TRUE(bytes.contains("PW12=" + QByteArray(12, ' ') + "\r\n"));
  EXPECT_FALSE(bytes.contains("Name13"));
  EXPECT_EQ(Key("Player", "Num"), "13");
  EXPECT_EQ(Key("Player", "Cur"), "0");  // not remembered: the next start asks again
  EXPECT_EQ(Key("Player", "Remember"), "0");

  o.Remember = true;
  SaveOptions(g);
  EXPECT_EQ(Key("Player", "Cur"), "12");

  o.Players[7] = PlayerEntry{};
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(o.Players[7].Name, "张三丰");
  EXPECT_EQ(o.Players[7].Password, "ab c");
  EXPECT_EQ(o.Players[12].Name, std::string(30, 'x'));
  EXPECT_EQ(o.CurPlayer, 12);
  EXPECT_TRUE(o.Remember);
  EXPECT_EQ(g.PlayerCount, 13);
}

TEST_F(OptionFileTest, SavedWaitsUseTheDialogScalesAndShortestDecimals) {
  OptionsModel& o = g.Options;
  o.DelayTimeShunPai = 0.04;
  o.DelayTimeZundaPai = 0.15;  // never saved on its own
  o.DelayTimeKouPai = 1.5;
  o.DelayTimeShaoPai = 7;
  SaveOptions(g);
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShunPai"), "0.04");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeZundaPai"), "0.04");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeKouPai"), "1.5");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShaoPai"), "7");
  EXPECT_DOUBLE_EQ(g.DelayTimeShunPai, 0.04);
  EXPECT_DOUBLE_EQ(g.DelayTimeZundaPai, 0.04);
  EXPECT_DOUBLE_EQ(g.DelayTimeKouPai, 1.5);
  EXPECT_DOUBLE_EQ(g.DelayTimeShaoPai, 7);

  classIniFile ini(File());
  ini.WriteIniKey("GameSpeed", "DelayTimeShunPai", "0.0234");
  ini.WriteIniKey("GameSpeed", "DelayTimeKouPai", "99");
  ini.WriteIniKey("GameSpeed", "DelayTimeShaoPai", "0");
  ini.WriteIniKey("Player", "Cur", "40");
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_DOUBLE_EQ(o.DelayTimeShunPai, 0.023);
  EXPECT_DOUBLE_EQ(o.DelayTimeZundaPai, 0.023);
  EXPECT_DOUBLE_EQ(o.DelayTimeKouPai, 3);
  EXPECT_DOUBLE_EQ(o.DelayTimeShaoPai, 1);
  EXPECT_EQ(o.CurPlayer, 0);
}

TEST_F(OptionFileTest, SkinsRulesAndMusicRoundTrip) {
  OptionsModel& o = g.Options;
  o.SkinsList = {"Normal", "我的皮肤"};
  o.CurSkin = "  我的皮肤 ";
  o.JinGong = false;
  o.BarName = " Excel ";
  o.RecRunData = true;
  SaveOptions(g);
  EXPECT_EQ(Key("Skins", "SkinsList"), "Normal,我的皮肤");
  EXPECT_EQ(FitsSkinsList(o.SkinsList, "Forest"), SkinNameFit::Fits);
  EXPECT_EQ(FitsSkinsList(o.SkinsList, "Red,Blue"), SkinNameFit::HasComma);
  EXPECT_EQ(Key("ZundaRules", "JinGong"), "False");
  EXPECT_EQ(Key("Other", "RecRunData"), "1");

  g.Options = OptionsModel{};
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(o.SkinsList, (std::vector<std::string>{"Normal", "我的皮肤"}));
  EXPECT_EQ(o.CurSkin, "我的皮肤");
  EXPECT_FALSE(o.JinGong);
  EXPECT_EQ(o.BarName, "Excel");
  EXPECT_TRUE(o.RecRunData);

  o.MusicList = {"a.mid", "b.mid", "c.wav"};
  o.CurBackMusic = 1;
  o.BackMusicCtrl[0] = true;
  o.BackMusicCtrl[1] = true;
  SaveOptions(g);
  g.Options = OptionsModel{};
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(o.MusicList, (std::vector<std::string>{"a.mid", "b.mid", "c.wav"}));
  EXPECT_EQ(o.CurBackMusic, 1);
  EXPECT_TRUE(o.MusicOn);
  EXPECT_EQ(o.MusicMode, 1);

  o.BackMusicCtrl[1] = false;
  o.BackMusicCtrl[3] = true;
  SaveOptions(g);
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(o.MusicMode, 3);
  EXPECT_TRUE(o.MusicOn) << "the first box alone switches the music on";

  o.BackMusicCtrl.Fill(false);
  o.MusicList = {"a.mid"};
  SaveOptions(g);
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(o.MusicMode, 2);
  EXPECT_FALSE(o.MusicOn);
  EXPECT_EQ(o.CurBackMusic, -1);  // the saved index 1 is past the shorter list
  // Entries dropped from the list stay in the file; the count decides.
  EXPECT_EQ(Key("BackMusic", "2"), "c.wav");

  o.MusicList.clear();
  SaveOptions(g);
  EXPECT_EQ(Key("BackMusic", "Count"), "0");
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_TRUE(o.MusicList.empty());
}

TEST_F(OptionFileTest, ADamagedFileWithAHugeMusicCountLoadsSavesAndLoadsTheSame) {
  // Found by the fuzzer: a count running into the next line, a section never closed.
  WriteBytes(File(),
             "Num=5\n[Player\nNum = 40 \nCur=-3\nName00=  Al dor \n[GameSpeed]\n"
             "DelayTimeShunPai=1e9\nDelayTimeKouPai=-2\nDelayTimeShaoPai=NaN\n[BackMusic]\n"
             "Count=99999999Player]\n7=seven.mid\nBackMusicCtrl0=1\n");
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  const OptionsModel& o = g.Options;
  EXPECT_EQ(o.PlayerNum, kMaxPlayers);
  EXPECT_EQ(o.Players[0].Name, "Al dor");
  EXPECT_EQ(o.CurPlayer, 0);
  ASSERT_EQ(o.MusicList.size(), 1000u);
  EXPECT_EQ(o.MusicList[7], "seven.mid");
  EXPECT_EQ(o.DelayTimeShunPai, 0.2);
  EXPECT_EQ(o.DelayTimeKouPai, 0.1);
  EXPECT_EQ(o.DelayTimeShaoPai, 1);

  SaveOptions(g);
  const OptionsModel saved = g.Options;
  testing::TestGame again;
  again.game.AppPath = g.AppPath;
  ASSERT_EQ(LoadOptions(again.game), OptionsLoadResult::Loaded);
  EXPECT_EQ(again.game.Options, saved);
  EXPECT_EQ(Key("BackMusic", "Count"), "1000");
}

TEST_F(OptionFileTest, WaitsFallBackOnlyWhenTheFileIsMissing) {
  LoadWaits(g);
  EXPECT_FALSE(g.OptionFilePresent);
  EXPECT_DOUBLE_EQ(g.DelayTimeShunPai, 0.01);
  EXPECT_DOUBLE_EQ(g.DelayTimeZundaPai, 0.01);
  EXPECT_DOUBLE_EQ(g.DelayTimeKouPai, 1.0);
  EXPECT_DOUBLE_EQ(g.DelayTimeShaoPai, 5.0);

  WriteBytes(dir.path().toStdString() + "/OPTION.INI",
             "[gamespeed]\r\nDelayTimeShunPai= 0.03 \r\nDelayTimeKouPai=abc\r\n");
  LoadWaits(g);
  EXPECT_TRUE(g.OptionFilePresent);
  EXPECT_DOUBLE_EQ(g.DelayTimeShunPai, 0.03);
  EXPECT_DOUBLE_EQ(g.DelayTimeZundaPai, 0);
  EXPECT_DOUBLE_EQ(g.DelayTimeKouPai, 0);
  EXPECT_DOUBLE_EQ(g.DelayTimeShaoPai, 0);
  EXPECT_FALSE(Exists(File()));  // the differently spelled file was the one read
}

TEST_F(OptionFileTest, TheExtrasRoundTripUnderTheirOwnSectionAndDamagedKeysFallBackOneByOne) {
  WriteDefaultOptions(g);
  g.Options.Extras.RoundStayMs = 750;
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(g.Options.Extras, ExtrasOptions{}) << "a file without the section: the defaults";

  // The menu switches write only their own section.
  const QByteArray before = ReadBytes(File());
  ExtrasOptions& x = g.Options.Extras;
  x = {false, false, true, false, true, 2250, true};
  const ExtrasOptions saved = x;
  g.Options.BarName = "changed elsewhere";
  SaveExtrasOptions(g);
  const QByteArray after = ReadBytes(File());
  ASSERT_TRUE(after.startsWith(before));
  EXPECT_EQ(after.mid(before.size()),
            "[Extras]\r\nHint=0\r\nAutoplay=0\r\nCardCounter=1\r\nKeyboardPlay=0\r\n"
            "HoldLastPlay=1\r\nTakeBack=1\r\nRoundStayMs=2250\r\n");
  x = ExtrasOptions{};
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(x, saved);

  const classIniFile ini(File());
  for (const auto& [key, value] : {std::pair<const char*, const char*>{"CardCounter", " 1 "},
                                   {"Hint", ""},
                                   {"Autoplay", "1"},
                                   {"HoldLastPlay", "0"},
                                   {"TakeBack", "1"},
                                   {"RoundStayMs", "999999"},
                                   {"KeyboardPlay", "1"}})
    ini.WriteIniKey(kExtrasSection, key, value);
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  ExtrasOptions expected;
  expected.CardCounter = true;
  expected.TakeBack = true;
  expected.RoundStayMs = kRoundStayMsMax;
  EXPECT_EQ(x, expected);
  ini.WriteIniKey(kExtrasSection, "RoundStayMs", "-40");
  ini.WriteIniKey(kExtrasSection, "KeyboardPlay", "no");  // not a number: off
  ASSERT_EQ(LoadOptions(g), OptionsLoadResult::Loaded);
  EXPECT_EQ(x.RoundStayMs, 0);
  EXPECT_FALSE(x.KeyboardPlay);
}

class ScoreFileTest : public OptionFileTest {
 protected:
  ScoreFileTest() { InstallFileStore(g, store); }
  std::string Key(const std::string& section, const std::string& key) {
    return classIniFile(ScoreFilePath(g)).GetIniKey(section, key);
  }

  FileGameStore store;
};

TEST_F(ScoreFileTest, CountersOfSeatsAndPlayersGoUnderTheirTrimmedNames) {
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

  // Damaged again when a hand ends: kept under the next name, the counters written anew.
  WriteBytes(ScoreFilePath(g), "\xff\xfe binary");
  g.Seats[1].Stats[kScoreIndex] = 4;
  EXPECT_TRUE(SaveScoreFile(g).Ok());
  EXPECT_EQ(ReadBytes(folder + "/score-damaged-2.ini"), "\xff\xfe binary");
  EXPECT_EQ(ReadBytes(first), zeros);
  EXPECT_EQ(Key("Aldor", "score"), "4");
}

TEST_F(ScoreFileTest, ADeletedPlayersSectionIsGone) {
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
