#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPushButton>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <tuple>
#include <vector>

#include "core/display.h"
#include "core/game.h"
#include "temp_folder.h"
#include "test_game.h"
#include "test_ini_reader.h"
#include "ui/main_window.h"
#include "ui/skins.h"
#include "ui/table_view.h"

namespace zunda {
namespace {

const QColor kRed(220, 0, 0);
const QColor kBlue(0, 0, 220);
const QColor kYellow(230, 230, 0);

bool Near(QColor a, QColor b) {
  return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
         std::abs(a.blue() - b.blue()) < 40;
}

// A program folder whose Normal faces are flat colours, and a window over a fresh game.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    app.Picture("Skins/Plain/c03.bmp", kRed);
    app.Picture("Skins/Plain/h05.bmp", kBlue);
    app.Picture("Skins/Plain/j17.bmp", kYellow);
    QImage icon(32, 32, QImage::Format_ARGB32);
    icon.fill(Qt::green);
    std::filesystem::create_directories(app / "Data");
    icon.save(QString::fromStdString((app / "Data/pass.ico").string()), "ICO");
    app.Write("Skins/Plain/skin.ini",
              "[Skin]\nName=Plain\n[Picture]\nC03=c03.bmp\nH05=h05.bmp\nJ17=j17.bmp\n");
    g.Options.SkinsList = {"Normal", "Plain"};
    g.Options.CurSkin = "Plain";
    LoadSkins(g.Skins, g.Options, app.Path(), testing::ReadTestIni);
    window = std::make_unique<MainWindow>(g, app.Path());
    window->resize(800, 600);
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  }

  TableView* Table() { return window->Table(); }
  const TableGeometry& Geo() { return Table()->Geometry(); }
  QImage Grab() {
    window->refresh();
    return Table()->grab().toImage();
  }
  QColor At(const QImage& image, QPointF point) { return image.pixelColor(point.toPoint()); }

  void Hand(int slot, const char* code, int left, int top) {
    Image& image = g.Win.ImgHand[slot];
    image.Tag = code;
    image.Left = left;
    image.Top = top;
    image.Visible = true;
  }
  void OnTable(int index, const char* code, int top) {
    Image& image = g.Win.ImgTable[index];
    image.Tag = code;
    image.Left = 60 + 180 * ((index - 1) % 20);
    image.Top = top;
    image.Visible = true;
  }
  QPoint InHandCard(int slot) { return Table()->VisibleHandCard(slot).center().toPoint(); }
  // What a mouse really sends for a double click: press, release, double click, release.
  void DoubleClick(QPoint at) {
    QTest::mouseClick(Table(), Qt::LeftButton, {}, at);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, Table()->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, {});
    QApplication::sendEvent(Table(), &second);
    QTest::mouseRelease(Table(), Qt::LeftButton, {}, at);
  }

  testing::TempFolder app;
  testing::TestGame t;
  Game& g = t.game;
  std::unique_ptr<MainWindow> window;
};

TEST_F(WindowTest, DrawsRaisedAndLoweredHandCardsAndATablePlay) {
  Hand(1, "C03", 60, kHandRaised);
  Hand(2, "H05", 240, kHandLowered);
  OnTable(61, "J17", 120);  // seat 4, first image
  OnTable(21, "J17", 120);  // seat 2, but hidden
  g.Win.ImgTable[21].Visible = false;
  const QImage image = Grab();

  const QRectF raised = Table()->Hand().Card(1);
  const QRectF lowered = Table()->Hand().Card(2);
  EXPECT_TRUE(Near(At(image, Table()->VisibleHandCard(1).center()), kRed));
  EXPECT_TRUE(Near(At(image, lowered.center()), kBlue));
  // The raised card stands higher: above the lowered card's top edge only it is drawn.
  const double between = (raised.top() + lowered.top()) / 2;
  EXPECT_TRUE(Near(At(image, {raised.left() + 5, between}), kRed));
  EXPECT_FALSE(Near(At(image, {lowered.center().x(), between}), kBlue));

  EXPECT_TRUE(Near(At(image, Geo().TableCard(4, 60, 120).center()), kYellow));
  EXPECT_FALSE(Near(At(image, Geo().TableCard(2, 60, 120).center()), kYellow));
  EXPECT_TRUE(Geo().SeatRow(4).contains(Geo().TableCard(4, 60, 120)));
}

TEST_F(WindowTest, SeatsGoRoundTheTableFromTheBottom) {
  const auto centre = [&](int seat) { return Geo().SeatArea(seat).center(); };
  const QPointF middle = Geo().PromptBox().center();
  EXPECT_GT(centre(1).y(), centre(2).y());
  EXPECT_GT(centre(2).x(), middle.x());
  EXPECT_GT(centre(2).y(), centre(3).y());
  EXPECT_GT(centre(3).x(), middle.x());
  EXPECT_LT(centre(4).y(), centre(3).y());
  EXPECT_LT(centre(5).x(), middle.x());
  EXPECT_LT(centre(5).y(), centre(6).y());
  EXPECT_LT(centre(6).x(), middle.x());
  EXPECT_LT(Geo().SeatArea(1).bottom(), Geo().ButtonRow().top());
  EXPECT_LE(Geo().ButtonRow().bottom(), Geo().HandFrame().top());
}

TEST_F(WindowTest, LabelColoursAndPromptAreDrawn) {
  g.Win.LblName[2].BackColor = kColorPassed;
  g.Win.LblName[2].Opaque = true;
  g.Win.LblName[5].BackColor = kColorOut;
  g.Win.LblName[5].Opaque = true;
  g.Win.LblName[6].Visible = false;
  const QImage image = Grab();
  const auto corner = [&](int seat) {
    const QRectF label = Geo().NameLabel(seat);
    return At(image, {label.right() - 6, label.center().y()});
  };
  EXPECT_TRUE(Near(corner(1), QColor(0, 0x80, 0)));
  EXPECT_TRUE(Near(corner(2), QColor(0xC0, 0xC0, 0)));
  EXPECT_TRUE(Near(corner(5), QColor(0xC0, 0, 0)));
  EXPECT_FALSE(Near(corner(6), QColor(0, 0x80, 0)));
}

TEST_F(WindowTest, TheTableGrowsWithTheWindow) {
  const double small = Geo().HandCardSize().width();
  window->resize(1600, 1200);
  // The new size arrives through the event loop: waited for, not given a fixed time.
  EXPECT_TRUE(QTest::qWaitFor([&] { return Geo().HandCardSize().width() > 1.5 * small; }));
  EXPECT_NEAR(Geo().HandCardSize().width() / small, 2.0, 0.25);
  EXPECT_TRUE(Table()->rect().contains(Geo().HandFrame().toRect()));
}

// ---- Clicks ----

TEST_F(WindowTest, HandClicksReportTheSlotButtonAndModifiers) {
  Hand(1, "C03", 60, kHandLowered);
  Hand(2, "H05", 240, kHandRaised);
  Hand(3, "H05", 420, kHandLowered);
  g.Win.ImgHand[3].Visible = false;
  Grab();
  std::vector<std::tuple<int, Qt::MouseButton, Qt::KeyboardModifiers>> clicks;
  QObject::connect(window.get(), &MainWindow::handCardClicked,
                   [&](int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
                     clicks.emplace_back(slot, button, modifiers);
                   });

  QTest::mouseClick(Table(), Qt::LeftButton, {}, InHandCard(1));
  QTest::mouseClick(Table(), Qt::RightButton, Qt::ShiftModifier, InHandCard(2));
  // Where a hidden card would be, and on the table, nothing is clicked.
  QTest::mouseClick(
      Table(), Qt::LeftButton, {},
      Table()->Hand().Card(2).translated(Geo().HandCardSize().width() * 2, 0).center().toPoint());
  QTest::mouseClick(Table(), Qt::LeftButton, {}, Geo().PromptBox().center().toPoint());
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_tuple(1, Qt::LeftButton, Qt::KeyboardModifiers{}));
  EXPECT_EQ(clicks[1],
            std::make_tuple(2, Qt::RightButton, Qt::KeyboardModifiers{Qt::ShiftModifier}));

  // A double click on a card is two clicks on it, which is how a set is played at once.
  clicks.clear();
  DoubleClick(InHandCard(2));
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_tuple(2, Qt::LeftButton, Qt::KeyboardModifiers{}));
  EXPECT_EQ(clicks[1], clicks[0]);
}

TEST_F(WindowTest, NameLabelPressesAndDoubleClicksReportTheSeat) {
  Grab();
  QSignalSpy pressed(window.get(), &MainWindow::nameLabelPressed);
  QSignalSpy doubled(window.get(), &MainWindow::nameLabelDoubleClicked);
  QSignalSpy boss(window.get(), &MainWindow::bossKey);
  const QPoint label = Geo().NameLabel(3).center().toPoint();
  QTest::mousePress(Table(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, label);
  QTest::mouseRelease(Table(), Qt::RightButton, Qt::ControlModifier | Qt::AltModifier, label);
  ASSERT_EQ(pressed.count(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 3);
  EXPECT_EQ(pressed[0][1].value<Qt::MouseButton>(), Qt::RightButton);
  EXPECT_EQ(pressed[0][2].value<Qt::KeyboardModifiers>(), Qt::ControlModifier | Qt::AltModifier);
  DoubleClick(label);
  ASSERT_EQ(doubled.count(), 1);
  EXPECT_EQ(doubled[0][0].toInt(), 3);
  EXPECT_EQ(boss.count(), 0);
}

TEST_F(WindowTest, EscapeAndBackgroundDoubleClickAreTheBossKey) {
  Hand(1, "C03", 60, kHandLowered);
  Grab();
  QSignalSpy boss(window.get(), &MainWindow::bossKey);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  QTest::keyClick(window->EventList(), Qt::Key_Escape);
  EXPECT_EQ(boss.count(), 2);
  DoubleClick(Geo().PromptBox().topLeft().toPoint());
  DoubleClick(Geo().SeatRow(5).center().toPoint());
  EXPECT_EQ(boss.count(), 4);
  // A double click that misses a card in the hand is not taken for the boss key.
  DoubleClick((Geo().HandFrame().bottomRight() - QPointF(5, 5)).toPoint());
  EXPECT_EQ(boss.count(), 4);
}

TEST_F(WindowTest, EscapeClosesAnOpenDialogBeforeItMeansTheBossKey) {
  QSignalSpy boss(window.get(), &MainWindow::bossKey);
  QDialog dialog(window.get());
  dialog.open();
  // The key reaches the table although the dialog is open (a window manager may leave the
  // focus there): it closes the dialog and nothing else.
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(boss.count(), 0);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_EQ(boss.count(), 1);
}

TEST_F(WindowTest, CommandButtonsFollowTheStateAndReportClicks) {
  g.Win.CmdPass = {true, true, false, "过牌", "\\pass.ico"};
  g.Win.CmdSend.Visible = false;
  g.Win.CmdShaoHuLe = {true, true, false, "看准了,确实烧糊了再点此按钮!", ""};
  window->refresh();
  QPushButton* pass = Table()->Button(CommandButton::Pass);
  EXPECT_TRUE(pass->isVisible());
  EXPECT_EQ(pass->toolTip(), QStringLiteral("过牌"));
  EXPECT_FALSE(pass->icon().isNull());
  EXPECT_FALSE(Table()->Button(CommandButton::Send)->isVisible());
  EXPECT_TRUE(Geo().ButtonRow().adjusted(-1, -1, 1, 1).contains(pass->geometry()));
  EXPECT_FALSE(pass->geometry().intersects(Table()->Button(CommandButton::ShaoHuLe)->geometry()));

  QSignalSpy clicked(window.get(), &MainWindow::commandClicked);
  QTest::mouseClick(pass, Qt::LeftButton);
  QTest::mouseClick(Table()->Button(CommandButton::ShaoHuLe), Qt::LeftButton);
  ASSERT_EQ(clicked.count(), 2);
  EXPECT_EQ(clicked[0][0].value<CommandButton>(), CommandButton::Pass);
  EXPECT_EQ(clicked[1][0].value<CommandButton>(), CommandButton::ShaoHuLe);

  g.Win.CmdPass.Visible = false;
  window->refresh();
  EXPECT_FALSE(pass->isVisible());
}

// ---- Prompt, lists, status bar, menus, timers ----

TEST_F(WindowTest, PromptBlinksWhileShownAndStopsWhenCleared) {
  ShowPrompt(g, " 请选择一手牌或过牌 ");
  const QImage before = Grab();
  EXPECT_TRUE(window->PromptShowing());
  EXPECT_TRUE(window->PromptTimer()->isActive());
  EXPECT_EQ(window->PromptTimer()->interval(), 1500);

  window->BlinkPrompt();
  EXPECT_FALSE(window->PromptShowing());
  EXPECT_EQ(window->PromptTimer()->interval(), 200);
  const QRect plate = Geo().PromptBox().toRect();
  EXPECT_NE(Table()->grab().toImage().copy(plate), before.copy(plate));

  window->BlinkPrompt();
  EXPECT_TRUE(window->PromptShowing());
  EXPECT_EQ(window->PromptTimer()->interval(), 1500);

  // A new text while blinked off starts shown.
  window->BlinkPrompt();
  ShowPrompt(g, " 牌点太小! ");
  window->refresh();
  EXPECT_TRUE(window->PromptShowing());

  ShowPrompt(g, "  ");
  window->refresh();
  EXPECT_FALSE(window->PromptShowing());
  EXPECT_FALSE(window->PromptTimer()->isActive());
}

TEST_F(WindowTest, EventListShowsTheNewestAndRankingOpensTheScores) {
  for (int i = 1; i <= 40; ++i)
    AddEventLine(g, " Aldor ", "第" + std::to_string(i) + "手");
  window->refresh();
  QListWidget* events = window->EventList();
  ASSERT_EQ(events->count(), 40);
  EXPECT_EQ(events->item(39)->text(), QStringLiteral("Aldor: 第40手"));
  EXPECT_EQ(events->currentRow(), 39);
  EXPECT_EQ(events->verticalScrollBar()->value(), events->verticalScrollBar()->maximum());

  g.Win.LstDispEvent.Clear();
  AddEventLine(g, "", "新的一局");
  window->refresh();
  ASSERT_EQ(events->count(), 1);
  EXPECT_EQ(events->item(0)->text(), QStringLiteral("新的一局"));

  g.Win.LstTalk.AddItem("1. Aldor 128");
  window->refresh();
  QListWidget* ranking = window->RankingList();
  EXPECT_EQ(ranking->toolTip(), QStringLiteral("双击查看详细情况"));
  QSignalSpy menu(window.get(), &MainWindow::menuCommand);
  emit ranking->itemDoubleClicked(ranking->item(0));
  ASSERT_EQ(menu.count(), 1);
  EXPECT_EQ(menu[0][0].value<MenuCommand>(), MenuCommand::ZundaTopTen);
}

TEST_F(WindowTest, StatusBarShowsStateTextDateAndTime) {
  g.Win.LblStatusBar[0].Caption = " 已经发出的牌: 大虎:2 ";
  window->refresh();
  window->ShowClock();
  EXPECT_EQ(window->StatusLabel(0)->text(), QStringLiteral(" 已经发出的牌: 大虎:2 "));
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-[1-9]\\d?-[1-9]\\d?$"))
                  .match(window->StatusLabel(1)->text())
                  .hasMatch())
      << window->StatusLabel(1)->text().toStdString();
  EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$"))
                  .match(window->StatusLabel(2)->text())
                  .hasMatch());
  QSignalSpy clicked(window.get(), &MainWindow::statusBarClicked);
  QTest::mouseClick(window->StatusLabel(0), Qt::LeftButton);
  EXPECT_EQ(clicked.count(), 1);
}

TEST_F(WindowTest, MenusCarryTheirCaptionsAndEmitTheirCommands) {
  QStringList captions;
  for (QAction* top : window->menuBar()->actions()) {
    captions << top->text();
    for (QAction* item : top->menu()->actions()) {
      if (!item->isSeparator()) captions << item->text();
    }
  }
  const QStringList expected = {"游戏(&G)",      "单机游戏(&B)", "网络游戏(&N)", "结束本局",
                                "老板来了(Esc)", "保存牌局",     "读取牌局",     "强制暂停",
                                "Zunda战绩",     "退出(&X)",     "设置(&O)",     "游戏设置(&O)",
                                "网络设置(&N)",  "帮助(&H)",     "Readme",       "操作使用帮助(&C)",
                                "Zunda基本常识", "你知道吗?",    "关于(&A)..."};
  EXPECT_EQ(captions, expected);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Zunda扑克游戏  "));

  QSignalSpy menu(window.get(), &MainWindow::menuCommand);
  QSignalSpy help(window.get(), &MainWindow::helpRequested);
  g.Win.MnuSave.Enabled = true;
  window->refresh();
  window->MenuAction(MenuCommand::Save)->trigger();
  window->MenuAction(MenuCommand::ZundaRun)->trigger();
  ASSERT_EQ(menu.count(), 2);
  EXPECT_EQ(menu[0][0].value<MenuCommand>(), MenuCommand::Save);
  EXPECT_EQ(menu[1][0].value<MenuCommand>(), MenuCommand::ZundaRun);
  for (QAction* item : window->menuBar()->actions().last()->menu()->actions()) {
    if (item->text() == QStringLiteral("操作使用帮助(&C)")) item->trigger();
  }
  ASSERT_EQ(help.count(), 1);
  EXPECT_EQ(help[0][0].toString(), QStringLiteral("help.chm"));

  g.Win.MnuSave.Enabled = false;
  window->refresh();
  EXPECT_FALSE(window->MenuAction(MenuCommand::Save)->isEnabled());
  EXPECT_FALSE(window->MenuAction(MenuCommand::ZundaEnd)->isEnabled());
}

TEST_F(WindowTest, CardSlideRunsTheSuppliedStepOnTheSlideTimer) {
  OnTable(1, "J17", 1320);  // seat 1, just shown
  g.Table.TableSlotUsed[1] = true;
  g.Win.TmrDispFCP = {true, 5};
  window->refresh();
  EXPECT_TRUE(window->SlideTimer()->isActive());
  EXPECT_EQ(window->SlideTimer()->interval(), 5);
  window->RunSlideStep();  // no step supplied: nothing moves
  EXPECT_EQ(g.Win.ImgTable[1].Top, 1320);

  int steps = 0;
  window->SetSlideStep([&] {
    ++steps;
    for (int i = 1; i <= kTableSlots; ++i) {
      if (g.Table.TableSlotUsed[i] && g.Win.ImgTable[i].Top > 240) g.Win.ImgTable[i].Top -= 240;
    }
  });
  const QPointF resting = Geo().TableCard(1, 60, 120).center();
  EXPECT_FALSE(Near(At(Grab(), resting), kYellow));
  for (int i = 0; i < 5; ++i)
    window->RunSlideStep();
  EXPECT_EQ(steps, 5);
  EXPECT_EQ(g.Win.ImgTable[1].Top, 120);
  EXPECT_TRUE(Near(At(Grab(), resting), kYellow));

  g.Win.TmrDispFCP.Enabled = false;
  window->refresh();
  EXPECT_FALSE(window->SlideTimer()->isActive());
}

TEST_F(WindowTest, CloseBoxAsksThroughTheExitCommandWhenSomeoneListens) {
  QSignalSpy menu(window.get(), &MainWindow::menuCommand);
  EXPECT_FALSE(window->close());
  EXPECT_TRUE(window->isVisible());
  ASSERT_EQ(menu.count(), 1);
  EXPECT_EQ(menu[0][0].value<MenuCommand>(), MenuCommand::FileExit);
  window->CloseForExit();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace zunda
