// The options dialog on a program folder with three players: Aldor without a password, Bersa
// ("pw") and a player whose name is longer than a seat's; two pieces of music, three skins.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>
#include <QTabWidget>
#include <QTest>

#include "../store/store_files.h"
#include "core/players.h"
#include "flow/apply_action.h"
#include "program_fixture.h"
#include "test_game.h"
#include "ui/options_dialog.h"
#include "ui/options_extras_box.h"
#include "ui/options_game_page.h"
#include "ui/options_music_page.h"
#include "ui/options_players_page.h"
#include "ui/options_skins_page.h"

namespace zunda::testing {
namespace {

class OptionsDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    g().AppPath = MakeAppPath(dir_.path().toStdString());
    WriteDefaultOptions(g());
    ASSERT_EQ(LoadOptions(g()), OptionsLoadResult::Loaded);
    OptionsModel& o = g().Options;
    ASSERT_TRUE(AddPlayer(o, "Bersa").Done);
    o.Players[1].Password = "pw";
    ASSERT_TRUE(AddPlayer(o, "Abcdefghijklmnop").Done);
    o.MusicList = {"a.mid", "b.mid"};
    o.CurBackMusic = 1;
    o.BackMusicCtrl[0] = true;
    SaveOptions(g());
    ASSERT_EQ(LoadOptions(g()), OptionsLoadResult::Loaded);
    hooks_.DeletePlayerScores = [this](const std::string& name) { deletedScores_.push_back(name); };
    hooks_.PlayerLoggedIn = [this] { ++scoreLoads_; };
  }

  Game& g() { return t_.game; }
  ScriptedHost& host() { return t_.host; }
  QByteArray OptionBytes() { return ReadBytes(OptionFilePath(g())); }
  std::string Key(const char* section, const char* key) {
    return classIniFile(OptionFilePath(g())).GetIniKey(section, key);
  }
  std::string HumanName() { return g().Seats[g().HumanSeat].Name; }
  std::string Status() { return g().Win.LblStatusBar[0].Caption; }
  static QString Message(const FrmOptionsTab& dialog) {
    return dialog.Players->LblPlayerMess->text();
  }
  static void Choose(FrmOptionsTab& dialog, int row, const char* password) {
    dialog.Players->ListPlayerName->setCurrentRow(row);
    dialog.Players->TxtPasswd->setText(QString::fromUtf8(password));
  }

  QTemporaryDir dir_;
  TestGame t_;
  OptionsDialogHooks hooks_;
  std::vector<std::string> deletedScores_;
  int scoreLoads_ = 0;
};

TEST_F(OptionsDialogTest, OkSavesEveryEditedOptionAndTheProgramRunsOnThem) {
  FrmOptionsTab dialog(g(), hooks_);
  GamePage& page = *dialog.GameSettings;
  EXPECT_EQ(page.LblGameSpeed->text(), QStringLiteral("延时20毫秒"));  // the file's 0.02 s
  page.HSclGameSpeed->setValue(130);
  EXPECT_EQ(page.LblGameSpeed->text(), QStringLiteral("延时130毫秒"));
  page.HSclKPJG->setValue(2500);
  page.HSclShaoPaiWaitTime->setValue(8);
  page.TxtBossCaption->clear();
  QTest::keyClicks(page.TxtBossCaption, QStringLiteral(" Notepad "));
  page.ChkRecRunData->setChecked(true);
  page.OptJG[1]->setChecked(true);
  dialog.Music->ChkMidiBack[3]->click();
  ExtrasBox& box = *page.Extras;
  EXPECT_TRUE(box.ChkHint->isChecked() && !box.ChkCardCounter->isChecked());
  EXPECT_FALSE(box.ChkTakeBack->isChecked());
  box.ChkHint->setChecked(false);
  box.ChkCardCounter->setChecked(true);
  box.ChkTakeBack->setChecked(true);
  box.SldRoundStay->setValue(1130);  // the value sits on the slider's steps
  EXPECT_EQ(box.LblRoundStay->text(), QStringLiteral("至少1250毫秒"));
  EXPECT_TRUE(g().Options.Extras.Hint) << "nothing changes before OK";

  dialog.CmdOK->click();
  EXPECT_TRUE(host().Messages().empty());
  const std::pair<const char*, const char*> keys[] = {{"DelayTimeShunPai", "0.13"},
                                                      {"DelayTimeZundaPai", "0.13"},
                                                      {"DelayTimeKouPai", "2.5"},
                                                      {"DelayTimeShaoPai", "8"}};
  for (const auto& [key, value] : keys)
    EXPECT_EQ(Key("GameSpeed", key), value) << key;
  EXPECT_EQ(Key("Boss", "BarName"), "Notepad");
  EXPECT_EQ(Key("Other", "RecRunData"), "1");
  EXPECT_EQ(Key("ZundaRules", "JinGong"), "False");
  EXPECT_EQ(Key("BackMusic", "BackMusicCtrl3"), "1");
  EXPECT_EQ(Key("Extras", "Hint"), "0");
  EXPECT_EQ(Key("Extras", "CardCounter"), "1");
  EXPECT_EQ(Key("Extras", "RoundStayMs"), "1250");
  EXPECT_EQ(Key("Extras", "TakeBack"), "1");
  EXPECT_TRUE(g().Options.Extras.TakeBack);
  EXPECT_FALSE(g().Options.JinGong);
  EXPECT_DOUBLE_EQ(g().DelayTimeKouPai, 2.5);
}

TEST_F(OptionsDialogTest, CancelForgetsEverythingAndDefaultsWaitForOk) {
  const OptionsModel before = g().Options;
  const QByteArray file = OptionBytes();
  {
    FrmOptionsTab dialog(g(), hooks_);
    Choose(dialog, 1, "pw");
    dialog.Players->CmdCurPlayer->click();
    dialog.Players->CmdDelPlayer->click();
    dialog.GameSettings->HSclGameSpeed->setValue(150);
    dialog.cmdCancel->click();
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
  }
  EXPECT_EQ(g().Options, before);
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(HumanName(), "Aldor");
  EXPECT_TRUE(deletedScores_.empty());
  EXPECT_EQ(scoreLoads_, 0);

  g().Options.BackMusicCtrl[3] = true;
  g().Options.BarName = "Excel";
  FrmOptionsTab dialog(g(), hooks_);
  dialog.CmdDefaultSetup->click();
  EXPECT_EQ(dialog.GameSettings->LblGameSpeed->text(), QStringLiteral("延时40毫秒"));
  EXPECT_EQ(dialog.GameSettings->TxtBossCaption->text(), QStringLiteral("WINDOWS"));
  EXPECT_FALSE(dialog.Music->ChkMidiBack[3]->isChecked());
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(g().Options.BarName, "Excel");
  dialog.CmdOK->click();
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShunPai"), "0.04");
  EXPECT_EQ(Key("Boss", "BarName"), "WINDOWS");
  EXPECT_EQ(g().Options.MusicMode, 1);
}

TEST_F(OptionsDialogTest, OnlyChangedGameOptionsEndARunningHandAndTheCycleIdlesWhileOpen) {
  g().Flow.Running = true;
  const auto ok = [&](const std::function<void(FrmOptionsTab&)>& edit) {
    FrmOptionsTab dialog(g(), hooks_);
    edit(dialog);
    dialog.CmdOK->click();
    RunPostedActions(g());  // as the window settles after the dialog
    return g().Flow.StopRequested;
  };
  EXPECT_FALSE(ok([](FrmOptionsTab&) {}));
  EXPECT_FALSE(
      ok([](FrmOptionsTab& d) { d.GameSettings->Extras->ChkCardCounter->setChecked(true); }));
  EXPECT_TRUE(ok([](FrmOptionsTab& d) { d.GameSettings->HSclKPJG->setValue(900); }));

  bool pausedInside = false;
  ModalWatcher watcher([&](QWidget& modal) {
    pausedInside = g().Flow.Paused && g().Input.OtherWindowOpen;
    QTest::keyClick(&modal, Qt::Key_Escape);
  });
  EXPECT_EQ(RunOptionsDialog(g(), nullptr, hooks_), OptionsDialogResult::Cancelled);
  EXPECT_TRUE(pausedInside);
  EXPECT_FALSE(g().Flow.Paused || g().Input.OtherWindowOpen);
}

TEST_F(OptionsDialogTest, AnotherSkinAsksToRestart) {
  const QString picture = dir_.filePath("preview.png");
  QImage image(8, 8, QImage::Format_RGB32);
  image.fill(Qt::red);
  ASSERT_TRUE(image.save(picture));
  std::vector<std::string> previewed;
  hooks_.SkinPreview = [&](const std::string& skin) {
    previewed.push_back(skin);
    return std::vector<std::string>{picture.toStdString()};
  };
  g().Options.CurSkin = "parisdress";  // another case than the list: still that skin
  FrmOptionsTab dialog(g(), hooks_);
  SkinsPage& page = *dialog.Skins;
  EXPECT_EQ(page.CmbSkin->currentText(), QStringLiteral("ParisDress"));
  page.CmbSkin->setCurrentIndex(2);
  EXPECT_EQ(previewed, (std::vector<std::string>{"ParisDress", "military"}));
  EXPECT_FALSE(page.ImgPreview[0]->pixmap().isNull());
  host().QueueAnswer(Host::Answer::No);
  dialog.CmdOK->click();
  EXPECT_EQ(host().Messages(),
            std::vector<std::string>{
                "您修改了重要设置，需要在重新启动本软件后才能生效，是否现在就退出？"});
  EXPECT_FALSE(dialog.QuitWanted());
  EXPECT_EQ(Key("Skins", "CurSkin"), "military");

  FrmOptionsTab again(g(), hooks_);
  again.Skins->CmbSkin->setCurrentIndex(0);
  again.CmdOK->click();  // the default answer: yes, quit now
  EXPECT_TRUE(again.QuitWanted());
  EXPECT_EQ(Key("Skins", "CurSkin"), "Normal");
}

TEST_F(OptionsDialogTest, TheMusicPageAddsAndDeletesPieces) {
  FrmOptionsTab dialog(g(), hooks_);
  MusicPage& page = *dialog.Music;
  host().QueueAnswer(Host::Answer::No);
  page.CmdDelBackMusic->click();
  EXPECT_EQ(host().Messages().back(), "您真的要删除音乐文件 [b.mid] 吗?");
  EXPECT_EQ(page.LstBackMusic->count(), 2);
  host().QueueAnswer(Host::Answer::Yes);
  page.CmdDelBackMusic->click();
  EXPECT_EQ(dialog.Edited().MusicList, std::vector<std::string>{"a.mid"});
  // Repeating one piece needs a piece chosen.
  page.LstBackMusic->setCurrentRow(-1);
  page.ChkMidiBack[3]->click();
  EXPECT_EQ(host().Messages().back(), "请首先在列表中选择一个曲目.");
  EXPECT_FALSE(page.ChkMidiBack[3]->isChecked());

  const QString source = dir_.filePath("elsewhere/Tune.mid");
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("elsewhere")));
  WriteBytes(source.toStdString(), "MThd");
  page.AddMusicFile(source.toStdString());
  page.AddMusicFile(dir_.filePath("missing.mid").toStdString());
  EXPECT_EQ(dialog.Edited().MusicList, (std::vector<std::string>{"a.mid", "Tune.mid"}));
  EXPECT_EQ(ReadBytes(dir_.filePath("Sound/Tune.mid").toStdString()), QByteArray("MThd"));
  dialog.CmdOK->click();
  EXPECT_EQ(Key("BackMusic", "Count"), "2");
  EXPECT_EQ(Key("BackMusic", "1"), "Tune.mid");
}

TEST_F(OptionsDialogTest, ThePlayerPageRefusesWhatItMayNotDoAndSavesWhatItDidOnlyOnOk) {
  const QByteArray file = OptionBytes();
  FrmOptionsTab dialog(g(), hooks_);
  PlayersPage& page = *dialog.Players;
  EXPECT_EQ(Message(dialog), QStringLiteral("当前登录玩家 : Aldor"));
  const struct {
    int row;
    const char* password;
    QPushButton* PlayersPage::*button;
    const char* message;
  } cases[] = {
      // One refusal of each button: the rules behind them are PlayerTable's (tests/engine).
      {1, "", &PlayersPage::CmdNewPlayer, "该玩家已经存在!"},
      {1, "bad", &PlayersPage::CmdCurPlayer, "Err : 密码错。"},
      {1, "bad", &PlayersPage::CmdDelPlayer, "Err : 密码错!"},
      {0, "", &PlayersPage::CmdModifyPassWd, "Err : 原始玩家不能设密码!"},
  };
  page.TxtNewPasswd->setText("new");
  for (const auto& c : cases) {
    Choose(dialog, c.row, c.password);
    (page.*c.button)->click();
    EXPECT_EQ(Message(dialog).toStdString(), c.message);
  }
  EXPECT_EQ(dialog.Edited(), g().Options);
  EXPECT_EQ(page.ListPlayerName->count(), 3);
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(HumanName(), "Aldor");

  // What it may do reaches the file only on OK.
  page.TxtPlayerName->setText(QStringLiteral("  "));
  page.CmdNewPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("New Player 添加完毕, None Password."));
  Choose(dialog, 1, "pw");
  page.CmdDelPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("删除完毕!"));
  EXPECT_EQ(page.ListPlayerName->count(), 3);
  EXPECT_TRUE(deletedScores_.empty());
  EXPECT_EQ(OptionBytes(), file);

  dialog.CmdOK->click();
  EXPECT_EQ(deletedScores_, std::vector<std::string>{"Bersa"});
  EXPECT_EQ(Key("Player", "Num"), "3");
  EXPECT_EQ(Key("Player", "Name01"), "Abcdefghijklmnop");
  EXPECT_EQ(Key("Player", "Name02"), "New Player");
}

TEST_F(OptionsDialogTest, APlayerLoggedInIsSeatedOnOkAndAskedForWhenNot) {
  FrmOptionsTab dialog(g(), hooks_);
  dialog.tbsOptions->setCurrentIndex(2);
  Choose(dialog, 1, "");
  host().QueueAnswer(Host::Answer::Yes);  // log in again: back to the password box
  dialog.CmdOK->click();
  ASSERT_EQ(host().Messages(), std::vector<std::string>{"游戏玩家〖Bersa〗未登录！是否重新登录？"});
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.tbsOptions->currentWidget(), dialog.Players);

  Choose(dialog, 1, " pw ");
  dialog.Players->CmdCurPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("成功登录:Bersa\n当前登录玩家 : Bersa"));
  EXPECT_EQ(HumanName(), "Aldor");  // not before OK
  dialog.Players->ChkRememberPW->setChecked(true);
  dialog.CmdOK->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(HumanName(), "Bersa");
  EXPECT_EQ(scoreLoads_, 1);
  EXPECT_EQ(Status(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Key("Player", "Cur"), "1");
  EXPECT_EQ(Key("Player", "Remember"), "1");
}

}  // namespace
}  // namespace zunda::testing
