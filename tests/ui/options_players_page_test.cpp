#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include "options_dialog_fixture.h"
#include "ui/options_players_page.h"

namespace zunda::testing {
namespace {

QString Message(const FrmOptionsTab& dialog) {
  return dialog.Players->LblPlayerMess->text();
}

void Choose(FrmOptionsTab& dialog, int row, const char* password) {
  dialog.Players->ListPlayerName->setCurrentRow(row);
  dialog.Players->TxtPasswd->setText(QString::fromUtf8(password));
}

TEST_F(OptionsDialogTest, PlayerPageRefusalsLeaveTheTableAlone) {
  const QByteArray file = OptionBytes();
  FrmOptionsTab dialog(g(), hooks_);
  PlayersPage& page = *dialog.Players;
  EXPECT_EQ(Message(dialog), QStringLiteral("当前登录玩家 : Aldor"));
  ASSERT_EQ(page.ListPlayerName->count(), 3);
  EXPECT_EQ(page.ListPlayerName->currentRow(), 0);

  // Choosing a player shows the name; adding that name again is refused.
  page.ListPlayerName->setCurrentRow(1);
  EXPECT_EQ(page.TxtPlayerName->text(), QStringLiteral("Bersa"));
  page.CmdNewPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("该玩家已经存在!"));
  EXPECT_EQ(page.ListPlayerName->count(), 3);

  Choose(dialog, 1, "bad");
  page.CmdCurPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("Err : 密码错。"));
  page.CmdDelPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("Err : 密码错!"));
  page.TxtNewPasswd->setText("new");
  page.CmdModifyPassWd->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("Err : 原有密码输入错!"));

  Choose(dialog, 0, "");
  page.TxtNewPasswd->setText("abc");
  page.CmdModifyPassWd->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("Err : 原始玩家不能设密码!"));
  page.CmdDelPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("Err : 原始玩家不能删除!"));

  EXPECT_EQ(dialog.Edited(), g().Options);
  EXPECT_EQ(page.ListPlayerName->count(), 3);
  EXPECT_EQ(OptionBytes(), file);
  EXPECT_EQ(HumanName(), "Aldor");
}

TEST_F(OptionsDialogTest, LoggingInSeatsThePlayerOnOk) {
  FrmOptionsTab dialog(g(), hooks_);
  Choose(dialog, 1, " pw ");
  dialog.Players->CmdCurPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("成功登录:Bersa\n当前登录玩家 : Bersa"));
  EXPECT_EQ(HumanName(), "Aldor");  // not before OK
  dialog.Players->ChkRememberPW->setChecked(true);

  dialog.CmdOK->click();
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(HumanName(), "Bersa");
  EXPECT_EQ(g().Options.CurPlayer, 1);
  EXPECT_EQ(scoreLoads_, 1);
  EXPECT_EQ(Status(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Key("Player", "Cur"), "1");
  EXPECT_EQ(Key("Player", "Remember"), "1");
}

TEST_F(OptionsDialogTest, OkAsksWhenTheChosenPlayerIsNotTheOneSeated) {
  const QByteArray file = OptionBytes();
  FrmOptionsTab dialog(g(), hooks_);
  dialog.tbsOptions->setCurrentIndex(2);
  dialog.Players->ListPlayerName->setCurrentRow(1);

  host().QueueAnswer(Host::Answer::Yes);  // log in again: back to the password box
  dialog.CmdOK->click();
  ASSERT_EQ(host().Messages(), std::vector<std::string>{"游戏玩家〖Bersa〗未登录！是否重新登录？"});
  EXPECT_NE(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.tbsOptions->currentWidget(), dialog.Players);
  EXPECT_EQ(OptionBytes(), file);

  host().QueueAnswer(Host::Answer::No);  // keep Aldor seated and close
  dialog.CmdOK->click();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(HumanName(), "Aldor");
  EXPECT_EQ(scoreLoads_, 0);
}

TEST_F(OptionsDialogTest, LongNamesTakeTheSeatWithoutAQuestion) {
  FrmOptionsTab dialog(g(), hooks_);
  Choose(dialog, 2, "");
  dialog.Players->CmdCurPlayer->click();
  dialog.CmdOK->click();
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_EQ(HumanName(), "Abcdefghijkl");
  EXPECT_EQ(Status(), "当前登录玩家是：〖Abcdefghijkl〗");
}

TEST_F(OptionsDialogTest, AddedAndDeletedPlayersReachTheFileOnlyOnOk) {
  FrmOptionsTab dialog(g(), hooks_);
  PlayersPage& page = *dialog.Players;
  page.TxtPlayerName->setText(QStringLiteral("  "));
  page.CmdNewPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("New Player 添加完毕, None Password."));
  EXPECT_EQ(page.ListPlayerName->currentItem()->text(), QStringLiteral("New Player"));

  Choose(dialog, 1, "pw");
  page.CmdDelPlayer->click();
  EXPECT_EQ(Message(dialog), QStringLiteral("删除完毕!"));
  EXPECT_EQ(page.ListPlayerName->count(), 3);
  EXPECT_EQ(page.ListPlayerName->currentRow(), 0);
  EXPECT_TRUE(deletedScores_.empty());
  EXPECT_EQ(Key("Player", "Num"), "3");

  dialog.CmdOK->click();
  EXPECT_EQ(deletedScores_, std::vector<std::string>{"Bersa"});
  EXPECT_EQ(Key("Player", "Num"), "3");
  EXPECT_EQ(Key("Player", "Name01"), "Abcdefghijklmnop");
  EXPECT_EQ(Key("Player", "Name02"), "New Player");
  EXPECT_EQ(Key("Player", "PW02"), "");
}

}  // namespace
}  // namespace zunda::testing
