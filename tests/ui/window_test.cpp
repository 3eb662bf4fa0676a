// The main window over a game set up by hand: what it draws, and that clicks and keys come out
// as the signals the controller turns into the engine's input.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <tuple>

#include "core/display.h"
#include "core/game.h"
#include "temp_folder.h"
#include "test_game.h"
#include "ui/main_window.h"
#include "ui/skin_ini.h"
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

// A program folder whose skin's faces are flat colours, and a window over a fresh game.
class WindowTest : public ::testing::Test {
 protected:
  WindowTest() {
    app.Picture("Skins/Plain/c03.bmp", kRed);
    app.Picture("Skins/Plain/h05.bmp", kBlue);
    app.Picture("Skins/Plain/j17.bmp", kYellow);
    app.Write("Skins/Plain/skin.ini",
              "[Skin]\nName=Plain\n[Picture]\nC03=c03.bmp\nH05=h05.bmp\nJ17=j17.bmp\n");
    g.Options.SkinsList = {"Normal", "Plain"};
    g.Options.CurSkin = "Plain";
    LoadSkins(g.Skins, g.Options, app.Path(), OpenSkinIni);
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
  void Hand(int slot, const char* code, int top) {
    Image& image = g.Win.ImgHand[slot];
    image.Tag = code;
    image.Left = 60 + 180 * (slot - 1);
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

TEST_F(WindowTest, DrawsRaisedAndLoweredCardsATablePlayAndTheLabelColours) {
  Hand(1, "C03", kHandRaised);
  Hand(2, "H05", kHandLowered);
  for (int index : {61, 21}) {  // seat 4's first image, and seat 2's, hidden
    CardImage& image = g.Win.ImgTable[index];
    image.Tag = "J17";
    image.Left = 60;
    image.Top = 120;
    image.Visible = index == 61;
  }
  g.Win.LblName[2].BackColor = kColorPassed;
  g.Win.LblName[2].Opaque = true;
  g.Win.LblName[5].BackColor = kColorOut;
  g.Win.LblName[5].Opaque = true;
  const QImage image = Grab();
  const auto at = [&](QPointF point) { return image.pixelColor(point.toPoint()); };

  const QRectF raised = Table()->Hand().Card(1);
  const QRectF lowered = Table()->Hand().Card(2);
  EXPECT_TRUE(Near(at(Table()->VisibleHandCard(1).center()), kRed));
  EXPECT_TRUE(Near(at(lowered.center()), kBlue));
  // The raised card stands higher: above the lowered card's top edge only it is drawn.
  const double between = (raised.top() + lowered.top()) / 2;
  EXPECT_TRUE(Near(at({raised.left() + 5, between}), kRed));
  EXPECT_FALSE(Near(at({lowered.center().x(), between}), kBlue));
  EXPECT_TRUE(Near(at(Geo().TableCard(4, 60, 120).center()), kYellow));
  EXPECT_FALSE(Near(at(Geo().TableCard(2, 60, 120).center()), kYellow));

  const auto label = [&](int seat) {
    const QRectF box = Geo().NameLabel(seat);
    return at({box.right() - 6, box.center().y()});
  };
  EXPECT_TRUE(Near(label(1), QColor(0, 0x80, 0)));
  EXPECT_TRUE(Near(label(2), QColor(0xC0, 0xC0, 0)));
  EXPECT_TRUE(Near(label(5), QColor(0xC0, 0, 0)));
}

TEST_F(WindowTest, ClicksOnCardsLabelsAndButtonsReportWhatWasHit) {
  Hand(1, "C03", kHandLowered);
  Hand(2, "H05", kHandRaised);
  Hand(3, "H05", kHandLowered);
  g.Win.ImgHand[3].Visible = false;
  g.Win.CmdPass = {true, true, false, "过牌", "\\pass.ico"};
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
  using Click = std::tuple<int, Qt::MouseButton, Qt::KeyboardModifiers>;
  EXPECT_EQ(clicks,
            (std::vector<Click>{{1, Qt::LeftButton, {}}, {2, Qt::RightButton, Qt::ShiftModifier}}));
  // A double click on a card is two clicks on it, which is how a set is played at once.
  clicks.clear();
  DoubleClick(InHandCard(2));
  EXPECT_EQ(clicks, (std::vector<Click>(2, {2, Qt::LeftButton, {}})));

  QSignalSpy pressed(window.get(), &MainWindow::nameLabelPressed);
  const QPoint label = Geo().NameLabel(3).center().toPoint();
  QTest::mouseClick(Table(), Qt::RightButton, Qt::ControlModifier, label);
  ASSERT_EQ(pressed.count(), 1);
  EXPECT_EQ(pressed[0][0].toInt(), 3);
  EXPECT_EQ(pressed[0][1].value<Qt::MouseButton>(), Qt::RightButton);

  // Which buttons show follows the engine (ClickTest); a click names its button.
  QSignalSpy commands(window.get(), &MainWindow::commandClicked);
  QTest::mouseClick(Table()->Button(CommandButton::Pass), Qt::LeftButton);
  ASSERT_EQ(commands.count(), 1);
  EXPECT_EQ(commands[0][0].value<CommandButton>(), CommandButton::Pass);
}

TEST_F(WindowTest, EscapeAndABackgroundDoubleClickAreTheBossKeyOnceNoDialogIsOpen) {
  Hand(1, "C03", kHandLowered);
  Grab();
  QSignalSpy boss(window.get(), &MainWindow::bossKey);
  QTest::keyClick(window.get(), Qt::Key_Escape);
  QTest::keyClick(window->EventList(), Qt::Key_Escape);
  DoubleClick(Geo().PromptBox().topLeft().toPoint());
  EXPECT_EQ(boss.count(), 3);
  // A double click that misses a card in the hand is not taken for the boss key.
  DoubleClick((Geo().HandFrame().bottomRight() - QPointF(5, 5)).toPoint());
  EXPECT_EQ(boss.count(), 3);
  // With a dialog open the key closes it and nothing else, although it reached the table.
  QDialog dialog(window.get());
  dialog.open();
  QTest::keyClick(window.get(), Qt::Key_Escape);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(boss.count(), 3);
}

TEST_F(WindowTest, TheEventListShowsTheNewestAndTheRankingOpensTheScores) {
  for (int i = 1; i <= 40; ++i)
    AddEventLine(g, " Aldor ", "第" + std::to_string(i) + "手");
  window->refresh();
  QListWidget* events = window->EventList();
  ASSERT_EQ(events->count(), 40);
  EXPECT_EQ(events->item(39)->text(), QStringLiteral("Aldor: 第40手"));
  EXPECT_EQ(events->currentRow(), 39);
  g.Win.LstDispEvent.Clear();
  AddEventLine(g, "", "新的一局");
  window->refresh();
  EXPECT_EQ(events->count(), 1);

  g.Win.LstTalk.AddItem("1. Aldor 128");
  window->refresh();
  QSignalSpy menu(window.get(), &MainWindow::menuCommand);
  emit window->RankingList()->itemDoubleClicked(window->RankingList()->item(0));
  ASSERT_EQ(menu.count(), 1);
  EXPECT_EQ(menu[0][0].value<MenuCommand>(), MenuCommand::ZundaTopTen);
}

TEST_F(WindowTest, ThePromptBlinksWhileShownAndStopsWhenCleared) {
  ShowPrompt(g, " 请选择一手牌或过牌 ");
  const QImage before = Grab();
  EXPECT_TRUE(window->PromptShowing());
  window->BlinkPrompt();
  EXPECT_FALSE(window->PromptShowing());
  const QRect plate = Geo().PromptBox().toRect();
  EXPECT_NE(Table()->grab().toImage().copy(plate), before.copy(plate));
  ShowPrompt(g, " 牌点太小! ");  // a new text while blinked off starts shown
  window->refresh();
  EXPECT_TRUE(window->PromptShowing());
  ShowPrompt(g, "  ");
  window->refresh();
  EXPECT_FALSE(window->PromptShowing());
  EXPECT_FALSE(window->PromptTimer()->isActive());
}

}  // namespace
}  // namespace zunda
