// The review window: the walk through a kept hand's frames, the lines of the hand list, the
// dialog on a real record with its keys and auto-play, the question before a hand in play is
// given up, and the game menu's items for it.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTest>

#include "flow/apply_action.h"
#include "flow/hand_branch.h"
#include "flow/hand_replay.h"
#include "program_fixture.h"
#include "recorded_hands.h"
#include "test_game.h"
#include "ui/review_model.h"
#include "ui/review_table.h"
#include "ui/review_texts.h"
#include "ui/review_window.h"

namespace zunda {
namespace {

// The records of a few whole hands the autopilot played for the human.
const std::vector<HandRecord>& PlayedRecords() {
  static const std::vector<HandRecord> records = testing::RecordedHands(3, 5);
  return records;
}

// The last hand of the run: it starts from the hands before it, with a tribute.
const HandRecord& Played() {
  return PlayedRecords().back();
}

HandRecord Broken() {
  HandRecord record = Played();
  record.Outcome.FinishOrder[0] = record.Outcome.FinishOrder[0] % kSeats + 1;
  return record;
}

TEST(ReviewModel, WalksTheFramesOfAKeptHandShowingItsLinesAndStopsAtBothEnds) {
  ASSERT_GE(PlayedRecords().size(), 2u);
  ReviewModel model;
  ASSERT_EQ(model.Open(Played()), "");
  ASSERT_GT(model.FrameCount(), 10u);
  HandReplay replay;
  replay.KeepFrames(true);
  ASSERT_EQ(replay.Alone(Played()), "");
  const std::vector<std::string>& lines = replay.EventLines();
  for (std::size_t i = 0; i < model.FrameCount(); ++i) {
    ASSERT_TRUE(i == 0 || model.Forward());
    const std::vector<std::string> shown = model.ShownEvents();
    ASSERT_EQ(static_cast<long>(shown.size()), model.Frame().EventLines) << "frame " << i;
    ASSERT_TRUE(std::equal(shown.begin(), shown.end(), lines.begin())) << "frame " << i;
  }
  EXPECT_TRUE(model.AtEnd());
  EXPECT_FALSE(model.Forward());
  EXPECT_FALSE(model.Last());
  EXPECT_EQ(model.Index(), model.FrameCount() - 1);

  EXPECT_TRUE(model.JumpTo(1));
  EXPECT_EQ(model.Index(), 1u);
  EXPECT_TRUE(model.Back());
  EXPECT_FALSE(model.Back());
  EXPECT_FALSE(model.First());
  EXPECT_TRUE(model.AtStart());
  EXPECT_TRUE(model.JumpTo(100000));
  EXPECT_EQ(model.Index(), model.FrameCount() - 1);
  EXPECT_TRUE(model.First());
  EXPECT_EQ(model.Frame(), replay.Frames().front());

  // A record that does not replay as it says shows no table at all.
  EXPECT_NE(model.Open(Broken()), "");
  EXPECT_TRUE(model.Empty());
  EXPECT_FALSE(model.Forward() || model.Last() || model.JumpTo(3));
  EXPECT_TRUE(model.ShownEvents().empty());
}

TEST(ReviewTexts, AHandsLineNamesTheHumanFirstWithItsTitleAndMarksPractice) {
  HandRecord record;
  record.Played = "2024-05-01 20:31";
  record.Start.Names = {"Aldor", "Bersa", "Corvan ", "Delis", "Eske", "Fenn"};
  record.Options.HumanSeat = 3;
  record.Outcome.FinishOrder = {5, 3, 1, 2, 4, 6};
  EXPECT_EQ(HandListText(record).toStdString(),
            "2024-05-01 20:31  二科\nCorvan, Delis, Eske, Fenn, Aldor, Bersa");
  record.Practice = true;
  record.Outcome.FinishOrder = {};  // a hand given up before anyone went out
  EXPECT_EQ(HandListText(record).toStdString(),
            "2024-05-01 20:31  未完  练习\nCorvan, Delis, Eske, Fenn, Aldor, Bersa");

  ReviewSeat seat;
  EXPECT_EQ(HeldCardsText(seat).toStdString(), "-");
  seat.Held[3 - kLowRank] = 2;
  seat.Held[5 - kLowRank] = 1;
  seat.Held[15 - kLowRank] = 4;
  seat.Held[kSmallJoker - kLowRank] = 1;
  EXPECT_EQ(HeldCardsText(seat).toStdString(), "3×2 5×1 钱×4 小虎×1");
}

class ReviewWindowTest : public ::testing::Test {
 protected:
  ReviewWindowTest() : window(g, {Played(), Broken()}) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
  }
  const ReviewModel& model() { return window.Model(); }
  // The table and the event list show the model's frame.
  void ExpectShowsTheFrame() {
    ASSERT_TRUE(window.Table->Shown().has_value());
    EXPECT_EQ(*window.Table->Shown(), model().Frame());
    EXPECT_EQ(window.LstEvents->count(), model().Frame().EventLines);
    EXPECT_EQ(window.SldFrame->value(), static_cast<int>(model().Index()));
  }

  testing::TestGame t;
  Game& g = t.game;
  ReviewWindow window;
};

TEST_F(ReviewWindowTest, ShowsTheNewestHandStepsByKeysAndSliderAndAutoPlaysToTheEnd) {
  ASSERT_EQ(window.LstHands->count(), 2);
  EXPECT_EQ(window.LstHands->currentRow(), 0);
  ASSERT_EQ(window.Pages->currentIndex(), 0);
  EXPECT_EQ(window.SldFrame->maximum(), static_cast<int>(model().FrameCount()) - 1);
  ExpectShowsTheFrame();
  EXPECT_FALSE(window.CmdBack->isEnabled());

  QTest::keyClick(&window, Qt::Key_Right);
  QTest::keyClick(&window, Qt::Key_Right);
  EXPECT_EQ(model().Index(), 2u);
  ExpectShowsTheFrame();
  QTest::keyClick(&window, Qt::Key_End);
  EXPECT_TRUE(model().AtEnd());
  ExpectShowsTheFrame();
  EXPECT_FALSE(window.CmdForward->isEnabled());
  window.SldFrame->setValue(4);
  EXPECT_EQ(model().Index(), 4u);
  ExpectShowsTheFrame();  // the event list shrinks back as well

  // Played through, auto-play starts again from the first frame and moves on its timer.
  QTest::keyClick(&window, Qt::Key_End);
  window.CboPace->setCurrentIndex(0);
  window.CmdAutoPlay->click();
  EXPECT_EQ(model().Index(), 0u);
  EXPECT_TRUE(window.AutoPlayTimer()->isActive());
  EXPECT_EQ(window.AutoPlayTimer()->interval(), 250);
  EXPECT_TRUE(QTest::qWaitFor([&] { return model().Index() >= 1; }, 10000));
  ExpectShowsTheFrame();
  window.SldFrame->setValue(window.SldFrame->maximum() - 1);
  window.AutoPlayStep();
  EXPECT_TRUE(model().AtEnd());
  EXPECT_FALSE(window.AutoPlayTimer()->isActive());
  EXPECT_FALSE(window.CmdAutoPlay->isChecked());

  // A hand that does not replay tells why in place of the table.
  window.LstHands->setCurrentRow(1);
  EXPECT_EQ(window.Pages->currentIndex(), 1);
  EXPECT_TRUE(window.LblProblem->text().contains(QString::fromStdString(model().Problem())));
  EXPECT_FALSE(window.CmdBranch->isEnabled() || window.CmdAutoPlay->isEnabled());
  EXPECT_TRUE(window.CmdExport->isEnabled());
}

TEST_F(ReviewWindowTest, ABranchAsksBeforeAHandInPlayIsGivenUpAndTakesTheFramesAction) {
  std::vector<std::tuple<std::size_t, bool>> branches;
  window.SetBrancher([&](const HandRecord& record, std::size_t next, bool scored) {
    EXPECT_EQ(record, Played());
    branches.emplace_back(next, scored);
    return std::string();
  });
  window.SldFrame->setValue(window.SldFrame->maximum() / 2);
  const std::size_t next = model().Frame().NextAction;
  ASSERT_GT(next, 0u) << "the middle of the hand comes after some of the human's actions";
  g.Record.Decks.resize(1);
  g.Ai.HandInPlay = true;
  ASSERT_TRUE(HandShowing(g));

  // Clicks the button, answering each question with `answer`; how many were asked.
  const auto askedOn = [&](QPushButton* button, QMessageBox::StandardButton answer) {
    testing::ModalWatcher watcher([&](QWidget& modal) {
      auto& box = dynamic_cast<QMessageBox&>(modal);
      EXPECT_EQ(box.text(), QStringLiteral("当前牌局将被放弃，是否继续？"));
      box.button(answer)->click();
    });
    button->click();
    return watcher.seen;
  };
  EXPECT_EQ(askedOn(window.CmdBranch, QMessageBox::No), 1);
  EXPECT_TRUE(branches.empty());
  EXPECT_TRUE(window.isVisible() && !window.Branched());

  window.ChkScored->setChecked(true);
  EXPECT_EQ(askedOn(window.CmdBranch, QMessageBox::Yes), 1);
  ASSERT_EQ(branches.size(), 1u);
  EXPECT_EQ(branches[0], std::make_tuple(next, true));
  EXPECT_TRUE(window.Branched());
  EXPECT_EQ(window.result(), QDialog::Accepted);

  // With no hand in play there is nothing to give up and nothing is asked.
  g.Ai.HandInPlay = false;
  window.ChkScored->setChecked(false);
  EXPECT_EQ(askedOn(window.CmdPlayAgain, QMessageBox::Yes), 0);
  ASSERT_EQ(branches.size(), 2u);
  EXPECT_EQ(branches[1], std::make_tuple(std::size_t{0}, false));
}

class ReviewMenuTest : public testing::ProgramTest {};

TEST_F(ReviewMenuTest, TheTakeBackItemFollowsTheEngineAndTheReviewOpensOverAPausedGame) {
  StartGame();
  QAction* takeBack = Window().MenuAction(MenuCommand::TakeBack);
  for (const bool allowed : {true, false}) {
    g().Options.Extras.TakeBack = allowed;
    RunPostedActions(g());
    controller().Sync();
    EXPECT_EQ(takeBack->isVisible(), allowed);
    EXPECT_EQ(takeBack->isEnabled(), TakeBackAvailable(g()));
  }

  bool pausedMeanwhile = false;
  testing::ModalWatcher watcher([&](QWidget& modal) {
    auto* review = qobject_cast<ReviewWindow*>(&modal);
    ASSERT_NE(review, nullptr);
    pausedMeanwhile = g().Flow.Paused;
    EXPECT_EQ(review->Pages->currentIndex(), 1) << "no kept hand: the window says so";
    review->reject();
  });
  const bool pausedBefore = g().Flow.Paused;
  Menu(MenuCommand::Review);
  EXPECT_EQ(watcher.seen, 1);
  EXPECT_TRUE(pausedMeanwhile);
  EXPECT_EQ(g().Flow.Paused, pausedBefore);
}

TEST_F(ReviewMenuTest, AnImportedFileThatIsRefusedIsToldWithItsReasonAndChangesNothing) {
  StartGame();
  const QString path = QString::fromStdString(Folder() + "/not a hand.txt");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("not a hand record\n");
  file.close();
  const HandRecord before = g().Record;
  QString told;
  int reviews = 0;
  testing::ModalWatcher watcher([&](QWidget& modal) {
    if (auto* chooser = qobject_cast<QFileDialog*>(&modal)) {
      chooser->selectFile(path);
      static_cast<QDialog*>(chooser)->accept();  // as the Open button does
    } else if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
      told = box->text();
      box->accept();
    } else if (auto* review = qobject_cast<ReviewWindow*>(&modal)) {
      ++reviews;
      review->reject();
    }
  });
  Menu(MenuCommand::ImportHand);
  EXPECT_TRUE(told.startsWith(QStringLiteral("无法导入“%1”：").arg(path))) << told.toStdString();
  EXPECT_GT(told.size(), path.size() + 8) << "the reason is given";
  EXPECT_EQ(reviews, 0);
  EXPECT_EQ(g().Record, before);
}

}  // namespace
}  // namespace zunda
