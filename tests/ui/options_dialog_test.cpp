#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "flow/apply_action.h"
#include "options_dialog_fixture.h"
#include "ui/options_game_page.h"
#include "ui/options_music_page.h"
#include "ui/options_players_page.h"
#include "ui/options_skins_page.h"

namespace zunda::testing {
namespace {

TEST_F(OptionsDialogTest, GamePageShowsTheWaitsOnTheirScales) {
  FrmOptionsTab dialog(g(), hooks_);
  GamePage& page = *dialog.GameSettings;
  EXPECT_EQ(page.HSclGameSpeed->minimum(), 5);
  EXPECT_EQ(page.HSclGameSpeed->maximum(), 200);
  EXPECT_EQ(page.HSclGameSpeed->singleStep(), 10);
  EXPECT_EQ(page.HSclGameSpeed->pageStep(), 40);
  EXPECT_EQ(page.HSclKPJG->minimum(), 100);
  EXPECT_EQ(page.HSclKPJG->maximum(), 3000);
  EXPECT_EQ(page.HSclShaoPaiWaitTime->maximum(), 10);
  EXPECT_EQ(page.HSclShaoPaiWaitTime->pageStep(), 5);
  // The first-run file's waits: 0.02, 0.5 and 5 seconds.
  EXPECT_EQ(page.LblGameSpeed->text(), QStringLiteral("延时20毫秒"));
  EXPECT_EQ(page.LblKPJG->text(), QStringLiteral("500毫秒"));
  EXPECT_TRUE(page.OptJG[0]->isChecked());
  EXPECT_FALSE(page.ChkDaGuiErDaYi->isEnabled());

  page.HSclGameSpeed->setValue(130);
  EXPECT_EQ(page.LblGameSpeed->text(), QStringLiteral("延时130毫秒"));
}

TEST_F(OptionsDialogTest, OkSavesEveryEditedOption) {
  FrmOptionsTab dialog(g(), hooks_);
  GamePage& page = *dialog.GameSettings;
  page.HSclGameSpeed->setValue(130);
  page.HSclKPJG->setValue(2500);
  page.HSclShaoPaiWaitTime->setValue(8);
  page.TxtBossCaption->clear();
  QTest::keyClicks(page.TxtBossCaption, QStringLiteral(" Notepad "));
  page.ChkRecRunData->setChecked(true);
  page.OptJG[1]->setChecked(true);
  dialog.Music->ChkMidiBack[3]->click();

  dialog.CmdOK->click();
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShunPai"), "0.13");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeZundaPai"), "0.13");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeKouPai"), "2.5");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShaoPai"), "8");
  EXPECT_EQ(Key("Boss", "BarName"), "Notepad");
  EXPECT_EQ(Key("Other", "RecRunData"), "1");
  EXPECT_EQ(Key("ZundaRules", "JinGong"), "False");
  EXPECT_EQ(Key("BackMusic", "BackMusicCtrl3"), "1");
  EXPECT_EQ(Status(), "当前登录玩家是：〖Aldor〗");

  // The program runs on the new values at once.
  EXPECT_FALSE(g().Options.JinGong);
  EXPECT_EQ(g().Options.MusicMode, 3);
  EXPECT_DOUBLE_EQ(g().DelayTimeShunPai, 0.13);
  EXPECT_DOUBLE_EQ(g().DelayTimeKouPai, 2.5);
  EXPECT_DOUBLE_EQ(g().DelayTimeShaoPai, 8);
}

TEST_F(OptionsDialogTest, CancelForgetsEverything) {
  const OptionsModel before = g().Options;
  const QByteArray file = OptionBytes();
  FrmOptionsTab dialog(g(), hooks_);
  dialog.Players->ListPlayerName->setCurrentRow(1);
  dialog.Players->TxtPasswd->setText("pw");
  dialog.Players->CmdCurPlayer->click();
  dialog.Players->CmdDelPlayer->click();
  dialog.GameSettings->HSclGameSpeed->setValue(150);
  dialog.CmdDefaultSetup->click();

  dialog.cmdCancel->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(g().Options, before);
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(HumanName(), "Aldor");
  EXPECT_TRUE(deletedScores_.empty());
  EXPECT_EQ(scoreLoads_, 0);
  EXPECT_EQ(Status(), "默认登录玩家：〖Aldor〗");
}

TEST_F(OptionsDialogTest, DefaultsFillTheControlsAndWaitForOk) {
  g().Options.BackMusicCtrl[3] = true;
  g().Options.BarName = "Excel";
  g().Options.DelayTimeShunPai = 0.1;
  const QByteArray file = OptionBytes();
  FrmOptionsTab dialog(g(), hooks_);
  dialog.Players->ListPlayerName->setCurrentRow(2);
  dialog.Music->CmdAddNewMusic->click();
  ASSERT_TRUE(dialog.Music->ChooserShown());
  EXPECT_EQ(dialog.Music->CmdAddNewMusic->text(), QStringLiteral("增加完毕"));

  dialog.CmdDefaultSetup->click();
  const GamePage& game = *dialog.GameSettings;
  EXPECT_EQ(game.HSclGameSpeed->value(), 40);
  EXPECT_EQ(game.LblGameSpeed->text(), QStringLiteral("延时40毫秒"));
  EXPECT_EQ(game.HSclKPJG->value(), 500);
  EXPECT_EQ(game.HSclShaoPaiWaitTime->value(), 5);
  EXPECT_EQ(game.TxtBossCaption->text(), QStringLiteral("WINDOWS"));
  const MusicPage& music = *dialog.Music;
  EXPECT_TRUE(music.ChkMidiBack[0]->isChecked());
  EXPECT_TRUE(music.ChkMidiBack[1]->isChecked());
  EXPECT_FALSE(music.ChkMidiBack[3]->isChecked());
  EXPECT_FALSE(music.ChooserShown());
  EXPECT_EQ(music.CmdAddNewMusic->text(), QStringLiteral("增加新文件"));
  EXPECT_EQ(music.LstBackMusic->currentRow(), 0);
  EXPECT_EQ(dialog.Players->ListPlayerName->currentRow(), 0);
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(g().Options.BarName, "Excel");

  dialog.CmdOK->click();
  EXPECT_EQ(Key("GameSpeed", "DelayTimeShunPai"), "0.04");
  EXPECT_EQ(Key("GameSpeed", "DelayTimeKouPai"), "0.5");
  EXPECT_EQ(Key("Boss", "BarName"), "WINDOWS");
  EXPECT_EQ(Key("BackMusic", "CurBackMusic"), "0");
  EXPECT_TRUE(g().Options.MusicOn);
  EXPECT_EQ(g().Options.MusicMode, 1);
}

TEST_F(OptionsDialogTest, ChangedOptionsEndARunningHand) {
  g().Flow.Running = true;
  {
    FrmOptionsTab dialog(g(), hooks_);
    dialog.CmdOK->click();  // nothing changed: the hand goes on
    RunPostedActions(g());
    EXPECT_FALSE(g().Flow.StopRequested);
  }
  FrmOptionsTab dialog(g(), hooks_);
  dialog.GameSettings->HSclKPJG->setValue(900);
  dialog.CmdOK->click();
  RunPostedActions(g());  // as the window settles after the dialog
  EXPECT_TRUE(g().Flow.StopRequested);
  EXPECT_TRUE(g().Win.TmrMainCircle.Enabled);
}

TEST_F(OptionsDialogTest, WhileOpenTheTurnCycleIdles) {
  bool pausedInside = false, otherWindowInside = false;
  ModalWatcher watcher([&](QWidget& modal) {
    pausedInside = g().Flow.Paused;
    otherWindowInside = g().Input.OtherWindowOpen;
    QTest::keyClick(&modal, Qt::Key_Escape);
  });
  EXPECT_EQ(RunOptionsDialog(g(), nullptr, hooks_), OptionsDialogResult::Cancelled);
  EXPECT_EQ(watcher.seen, 1);
  EXPECT_TRUE(pausedInside);
  EXPECT_TRUE(otherWindowInside);
  EXPECT_FALSE(g().Flow.Paused);
  EXPECT_FALSE(g().Input.OtherWindowOpen);
  EXPECT_EQ(Status(), "默认登录玩家：〖Aldor〗");
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
  EXPECT_EQ(previewed, std::vector<std::string>{"ParisDress"});
  EXPECT_FALSE(page.SkinChanged());

  page.CmbSkin->setCurrentIndex(2);
  EXPECT_EQ(previewed.back(), "military");
  EXPECT_FALSE(page.ImgPreview[0]->pixmap().isNull());
  EXPECT_TRUE(page.ImgPreview[1]->pixmap().isNull());
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

TEST_F(OptionsDialogTest, ImportedSkinsJoinTheList) {
  std::vector<std::string> asked;
  hooks_.ImportSkin = [&](const std::string& path) {
    asked.push_back(path);
    return std::string(path.empty() ? "" : "Garden");
  };
  FrmOptionsTab dialog(g(), hooks_);
  dialog.Skins->CmdNewSkinWizard->click();  // no file chosen: the import says so itself
  dialog.Skins->ImportSkinFile("/somewhere/skin.ini");
  dialog.Skins->ImportSkinFile("/somewhere/skin.ini");  // overwritten: listed once
  EXPECT_EQ(asked, (std::vector<std::string>{"", "/somewhere/skin.ini", "/somewhere/skin.ini"}));
  EXPECT_EQ(dialog.Skins->CmbSkin->count(), 4);
  EXPECT_EQ(g().Options.SkinsList.back(), "Garden");

  dialog.cmdCancel->click();  // the import itself stays
  EXPECT_EQ(g().Options.SkinsList.size(), 4u);
}

TEST_F(OptionsDialogTest, MusicPageAddsAndDeletesPieces) {
  FrmOptionsTab dialog(g(), hooks_);
  MusicPage& page = *dialog.Music;
  ASSERT_EQ(page.LstBackMusic->count(), 2);
  EXPECT_EQ(page.LstBackMusic->currentRow(), 1);

  host().QueueAnswer(Host::Answer::No);
  page.CmdDelBackMusic->click();
  EXPECT_EQ(host().Messages().back(), "您真的要删除音乐文件 [b.mid] 吗?");
  EXPECT_EQ(page.LstBackMusic->count(), 2);
  host().QueueAnswer(Host::Answer::Yes);
  page.CmdDelBackMusic->click();
  EXPECT_EQ(page.LstBackMusic->count(), 1);
  EXPECT_EQ(dialog.Edited().MusicList, std::vector<std::string>{"a.mid"});

  // Repeating one piece needs a piece chosen.
  page.LstBackMusic->setCurrentRow(-1);
  host().ClearMessages();
  page.ChkMidiBack[3]->click();
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"请首先在列表中选择一个曲目."});
  EXPECT_FALSE(page.ChkMidiBack[3]->isChecked());
  EXPECT_FALSE(dialog.Edited().BackMusicCtrl[3]);

  const QString source = dir_.filePath("elsewhere/Tune.mid");
  ASSERT_TRUE(QDir().mkpath(dir_.filePath("elsewhere")));
  WriteBytes(source.toStdString(), "MThd");
  page.AddMusicFile(source.toStdString());
  EXPECT_EQ(dialog.Edited().MusicList, (std::vector<std::string>{"a.mid", "Tune.mid"}));
  EXPECT_EQ(ReadBytes(dir_.filePath("Sound/Tune.mid").toStdString()), QByteArray("MThd"));
  page.AddMusicFile(dir_.filePath("missing.mid").toStdString());
  EXPECT_EQ(page.LstBackMusic->count(), 2);

  dialog.CmdOK->click();
  EXPECT_EQ(Key("BackMusic", "Count"), "2");
  EXPECT_EQ(Key("BackMusic", "1"), "Tune.mid");
}

}  // namespace
}  // namespace zunda::testing
