#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "options_dialog_fixture.h"
#include "ui/options_players_page.h"

namespace zunda::testing {
namespace {

TEST_F(OptionsDialogTest, RememberedPlayerLogsInWithoutTheDialog) {
  g().Options.Remember = true;
  g().Options.CurPlayer = 2;
  ModalWatcher watcher([](QWidget& modal) { modal.close(); });
  EXPECT_EQ(LogInPlayer(g(), nullptr, hooks_), OptionsDialogResult::Ok);
  QCoreApplication::processEvents();
  EXPECT_EQ(watcher.seen, 0);
  EXPECT_EQ(HumanName(), "Abcdefghijkl");
  EXPECT_EQ(Status(), "当前登录玩家是：〖Abcdefghijklmnop〗");
  // The option file is written back.
  EXPECT_EQ(Key("Player", "Cur"), "2");
  EXPECT_EQ(Key("Player", "Remember"), "1");
}

TEST_F(OptionsDialogTest, WithoutRememberTheDialogOpensOnTheCurrentPlayer) {
  g().Options.CurPlayer = 1;
  int chosenRow = -1;
  ModalWatcher watcher([&](QWidget& modal) {
    auto* dialog = qobject_cast<FrmOptionsTab*>(&modal);
    ASSERT_NE(dialog, nullptr);
    chosenRow = dialog->Players->ListPlayerName->currentRow();
    dialog->Players->TxtPasswd->setText("pw");
    dialog->Players->CmdCurPlayer->click();
    dialog->CmdOK->click();
  });
  EXPECT_EQ(LogInPlayer(g(), nullptr, hooks_), OptionsDialogResult::Ok);
  EXPECT_EQ(watcher.seen, 1);
  EXPECT_EQ(chosenRow, 1);
  EXPECT_EQ(HumanName(), "Bersa");
  EXPECT_EQ(scoreLoads_, 1);
  EXPECT_EQ(Status(), "当前登录玩家是：〖Bersa〗");
  // Not remembered: the next start asks again, for the first player.
  EXPECT_EQ(Key("Player", "Cur"), "0");
}

}  // namespace
}  // namespace zunda::testing
