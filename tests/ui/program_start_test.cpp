#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "options_dialog_fixture.h"
#include "program_fixture.h"
#include "store/program_lock.h"
#include "ui/options_players_page.h"

namespace zunda::testing {
namespace {

using StartUpTest = ProgramTest;

const char* const kFirstRun = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";

TEST_F(StartUpTest, FirstRunWritesTheOptionFileAndEndsThenTheNextStartRuns) {
  ASSERT_FALSE(OptionFileExists());
  EXPECT_FALSE(Start());
  EXPECT_EQ(host().Messages(), std::vector<std::string>{kFirstRun});
  ASSERT_TRUE(OptionFileExists());
  EXPECT_EQ(Option("Player", "Name00"), "Aldor");
  EXPECT_EQ(Option("GameSpeed", "DelayTimeKouPai"), "0.5");

  // The second start opens the log-in dialog (nothing is remembered yet) and then runs idle.
  int dialogs = 0;
  ModalWatcher watcher([&](QWidget& modal) {
    auto* dialog = qobject_cast<FrmOptionsTab*>(&modal);
    ASSERT_NE(dialog, nullptr);
    ++dialogs;
    dialog->Players->CmdCurPlayer->click();
    dialog->CmdOK->click();
  });
  ASSERT_TRUE(Start());
  EXPECT_EQ(dialogs, 1);
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().windowTitle(), QStringLiteral("Zunda扑克游戏  "));
  EXPECT_EQ(g().DelayTimeShunPai, 0.02);
  EXPECT_EQ(g().DelayTimeKouPai, 0.5);
  EXPECT_EQ(g().DelayTimeShaoPai, 5);
  EXPECT_EQ(g().Seats[1].Name, "Aldor");
  EXPECT_EQ(StatusText(), "当前登录玩家是：〖Aldor〗");
  // The table wears the skin the option file names.
  EXPECT_EQ(g().Skins.CurFolder, "ParisDress");
  EXPECT_EQ(g().Skins.DisplayName, "ParisDress");
  EXPECT_NE(g().Skins.Background.find("ParisDress"), std::string::npos);
  // Nothing runs until a game is started.
  EXPECT_EQ(g().MainCourse, TurnStep::Idle);
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(DrawnHandSlots().empty());
}

TEST_F(StartUpTest, ASmallScreenOrASecondCopyIsRefusedBeforeAnyFileIsWritten) {
  screen_ = QSize(800, 599);
  EXPECT_FALSE(Start());
  ASSERT_EQ(host().Messages().size(), 1u);
  EXPECT_EQ(host().Messages()[0].rfind("请将Windows屏幕分辨率设置到800x600", 0), 0u);
  EXPECT_FALSE(OptionFileExists());

  WriteOptionFile(true);
  screen_ = QSize(800, 600);
  ProgramLock firstCopy(Folder());
  ASSERT_FALSE(firstCopy.HeldByAnotherCopy());
  EXPECT_FALSE(Start());
  EXPECT_EQ(host().Messages(),
            std::vector<std::string>{
                "本软件已经在运行了！\n请试着点击屏幕最下面任务栏中的应用程序即可调出。"});
}

TEST_F(StartUpTest, ADamagedOptionFileIsRebuiltAndTheProgramEndsBeforeTheLogIn) {
  WriteOptionFile(true);
  SetOption("Player", "Num", "0");
  ModalWatcher watcher([](QWidget& modal) { modal.close(); });
  EXPECT_FALSE(Start());
  EXPECT_EQ(watcher.seen, 0);
  ASSERT_EQ(host().Messages().size(), 1u);
  EXPECT_EQ(host().Messages()[0].rfind("配置文件出错", 0), 0u);
  EXPECT_EQ(Option("Player", "Num"), "1");
  EXPECT_EQ(Option("Player", "Remember"), "0");
}

TEST_F(StartUpTest, ARememberedPlayerIsLoggedInWithoutTheDialog) {
  WriteOptionFile(true);
  SetOption("Player", "Num", "2");
  SetOption("Player", "Name01", "Bersa");
  SetOption("Player", "Cur", "1");
  ModalWatcher watcher([](QWidget& modal) { modal.close(); });
  ASSERT_TRUE(Start());
  EXPECT_EQ(watcher.seen, 0);
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
  EXPECT_EQ(StatusText(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Option("Player", "Cur"), "1");
  EXPECT_EQ(Option("Player", "Remember"), "1");
}

TEST_F(StartUpTest, WithoutRememberTheDialogAsksAtEveryStart) {
  WriteOptionFile(false);
  SetOption("Player", "Num", "2");
  SetOption("Player", "Name01", "Bersa");
  SetOption("Player", "PW01", "pw");
  const auto logInBersa = [](QWidget& modal) {
    auto* dialog = qobject_cast<FrmOptionsTab*>(&modal);
    ASSERT_NE(dialog, nullptr);
    dialog->Players->ListPlayerName->setCurrentRow(1);
    dialog->Players->TxtPasswd->setText("pw");
    dialog->Players->CmdCurPlayer->click();
    dialog->CmdOK->click();
  };
  {
    ModalWatcher watcher(logInBersa);
    ASSERT_TRUE(Start());
    EXPECT_EQ(watcher.seen, 1);
  }
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
  EXPECT_EQ(StatusText(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Option("Player", "Remember"), "0");

  // Cancelled, the dialog leaves the seat with its default name; the program still runs.
  {
    ModalWatcher watcher([](QWidget& modal) {
      auto* dialog = qobject_cast<FrmOptionsTab*>(&modal);
      ASSERT_NE(dialog, nullptr);
      dialog->cmdCancel->click();
    });
    ASSERT_TRUE(Start());
    EXPECT_EQ(watcher.seen, 1);
  }
  EXPECT_EQ(g().Seats[1].Name, "Aldor");
  EXPECT_NE(program().Controller(), nullptr);
}

}  // namespace
}  // namespace zunda::testing
