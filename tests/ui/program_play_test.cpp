#include <QAction>
#include <QApplication>

#include "core/seats.h"
#include "program_table_fixture.h"
#include "rules/hand_display.h"
#include "ui/boss_window.h"

namespace zunda::testing {
namespace {

using NewGameTest = ProgramTest;

TEST_F(NewGameTest, TheMenuStartsAGameThatRunsUpToTheHumansFirstTurn) {
  StartGame(7);
  EXPECT_TRUE(g().Win.TmrMainCircle.Enabled);
  ASSERT_TRUE(TickUntil([&] { return HumanAwaited(g()); }));
  EXPECT_TRUE(g().Flow.Running);
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled) << "the cycle stops while the human chooses";
  EXPECT_TRUE(host().Messages().empty());

  // The hand is drawn card for card as the engine holds it.
  const std::vector<int> drawn = DrawnHandSlots();
  EXPECT_EQ(static_cast<int>(drawn.size()), CardsInHand(g(), 1));
  for (int slot : drawn) {
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
    EXPECT_FALSE(g().Win.ImgHand[slot].Tag.empty());
  }
  const std::string prompt = Prompt();
  if (g().LeadSeat == 1) {
    EXPECT_EQ(prompt, " 请选择一手牌发出 ");
  } else {
    EXPECT_TRUE(prompt == " 请选择一手牌或过牌 " || prompt == " 请选择一手牌或扣牌 ") << prompt;
    EXPECT_TRUE(Button(CommandButton::Pass)->isVisible());
  }
  EXPECT_TRUE(Window().PromptShowing());
  // The event list shows what the engine narrated, newest last.
  EXPECT_EQ(Window().EventList()->count(), static_cast<int>(g().Win.LstDispEvent.Items.size()));
  EXPECT_GT(Window().EventList()->count(), 0);
  EXPECT_TRUE(Window().MenuAction(MenuCommand::ZundaEnd)->isEnabled());
}

// Seat 6 leads a pair of fives; the human holds four sevens, three nines and a four, and the
// other seats hold nothing that beats a pair above fives.
constexpr std::array<std::string_view, 6> kHands = {"4x7 3x9 1x4", "2x3 2x4", "2x3 2x4",
                                                    "2x3 2x4",     "2x3 2x4", "2x5 2x6 1x8"};

TEST_F(NewGameTest, TheBossWindowGivesTheTableBackHoweverItIsClosed) {
  StartGame();
  ASSERT_TRUE(TickUntil([&] { return g().Flow.WaitHuman; }));
  Menu(MenuCommand::Boss);
  BossWindow* boss = nullptr;
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (auto* cover = qobject_cast<BossWindow*>(top); cover != nullptr && cover->isVisible())
      boss = cover;
  }
  ASSERT_NE(boss, nullptr);
  EXPECT_FALSE(Window().isVisible());
  boss->close();  // as the title bar's close button does
  EXPECT_TRUE(Window().isVisible());
  EXPECT_TRUE(g().Flow.Running);
  EXPECT_FALSE(g().Win.Minimized);
}

using ClickTest = TableTest;

TEST_F(ClickTest, ALeftClickRaisesTheSetCutToTheTableAndASecondClickPlaysIt) {
  RoundLedWith(kHands, 6, 5);
  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(TableRow(6).size(), 2u);
  EXPECT_EQ(Prompt(), " 请选择一手牌或过牌 ");
  EXPECT_TRUE(Shown(CommandButton::Pass));

  const std::vector<int> sevens = Slots(7);
  ASSERT_EQ(sevens.size(), 4u);
  ClickCard(sevens[0]);
  // Four sevens against a pair: the two in the highest slots go up.
  EXPECT_EQ(Raised(), (std::vector<int>{sevens[2], sevens[3]}));
  EXPECT_TRUE(DrawnRaised(sevens[3]));
  EXPECT_FALSE(DrawnRaised(sevens[0]));
  EXPECT_TRUE(Shown(CommandButton::Send));
  EXPECT_TRUE(Shown(CommandButton::Return));
  EXPECT_FALSE(Shown(CommandButton::Pass));
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);

  ClickCard(sevens[3]);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g().Win.TmrMainCircle.Enabled);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][7].Count == 2; }));
  EXPECT_EQ(TableRow(1).size(), 2u);
  EXPECT_EQ(DrawnHandSlots().size(), 6u);
  EXPECT_FALSE(Shown(CommandButton::Send));
  EXPECT_FALSE(Shown(CommandButton::Return));

  // Nobody beats the sevens: the human leads, and the play button lays a whole set.
  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(g().LeadSeat, 1);
  EXPECT_EQ(Prompt(), " 请选择一手牌发出 ");
  const std::vector<int> nines = Slots(9);
  ClickCard(nines[1]);
  EXPECT_EQ(Raised(), nines);
  Press(CommandButton::Send);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanLed);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][9].Count == 0; }));
  EXPECT_EQ(TableRow(1).size(), 3u);
}

TEST_F(ClickTest, RightClicksSplitASetAndTheTakeBackButtonLowersEverything) {
  RoundLedWith(kHands, 6, 5);
  ASSERT_TRUE(TickToHuman());
  const std::vector<int> sevens = Slots(7);
  const std::vector<int> nines = Slots(9);

  ClickCard(nines[0], Qt::RightButton);
  EXPECT_EQ(Raised(), std::vector<int>{nines[0]});
  EXPECT_TRUE(DrawnRaised(nines[0]));
  EXPECT_FALSE(Shown(CommandButton::Send)) << "one nine does not answer a pair";
  // A single raised card is no answer to a pair.
  ClickCard(nines[0]);
  EXPECT_EQ(Prompt(), "请检查选择的牌是否合适?");
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);
  // Two ordinary ranks never go together.
  ClickCard(sevens[0], Qt::RightButton);
  EXPECT_EQ(Prompt(), "您选中的是无效牌");
  EXPECT_EQ(Raised(), std::vector<int>{nines[0]});

  ClickCard(nines[2], Qt::RightButton);
  EXPECT_EQ(Raised(), (std::vector<int>{nines[0], nines[2]}));
  EXPECT_TRUE(Shown(CommandButton::Send));
  EXPECT_TRUE(Shown(CommandButton::Return));

  Press(CommandButton::Return);
  EXPECT_TRUE(Raised().empty());
  for (int slot : DrawnHandSlots())
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
  EXPECT_FALSE(Shown(CommandButton::Send));
  EXPECT_FALSE(Shown(CommandButton::Return));
  EXPECT_TRUE(Shown(CommandButton::Pass));
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled);
}

TEST_F(ClickTest, ClicksOutOfTurnAndTooLowCardsAreRefusedWithAPrompt) {
  RoundLedWith(kHands, 6, 5);
  // Seat 6 is still laying its lead.
  ClickCard(Slots(7)[0]);
  EXPECT_EQ(Prompt(), "不要着急,还不到您出牌的时候!");
  EXPECT_TRUE(Raised().empty());
  EXPECT_EQ(g().MainCourse, TurnStep::ExecuteLead);
  EXPECT_TRUE(Window().PromptShowing());

  ASSERT_TRUE(TickToHuman());
  ClickCard(Slots(4)[0]);
  EXPECT_EQ(Prompt(), " 牌点太小! ");
  EXPECT_TRUE(Raised().empty());
  // The play button is refused too while nothing answers.
  EXPECT_FALSE(Shown(CommandButton::Send));
  EXPECT_EQ(g().MainCourse, TurnStep::HumanResponse);
}

TEST_F(ClickTest, ThePassButtonPassesAndTheRoundGoesOnWithoutTheHuman) {
  RoundLedWith(kHands, 6, 5);
  ASSERT_TRUE(TickToHuman());
  Press(CommandButton::Pass);
  EXPECT_TRUE(g().Flow.HumanPassed);
  EXPECT_FALSE(Shown(CommandButton::Pass));
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(Prompt().empty());
  ASSERT_TRUE(TickUntil([&] { return g().MainCourse == TurnStep::CloseAnswer; }));
  EXPECT_TRUE(g().Seats[1].Passed);
  EXPECT_EQ(g().Win.LblName[1].BackColor, kColorPassed);
  EXPECT_EQ(g().Hand[1][7].Count, 4) << "a pass lays nothing";
  // Nobody else beats the fives either: seat 6 leads the next round.
  ASSERT_TRUE(TickUntilState(TurnStep::ComputerLead));
  EXPECT_EQ(g().LeadSeat, 6);
}

using ExitTest = TableTest;

TEST_F(ExitTest, CancellingTheExitQuestionLeavesARunningHandRunningAndOkEndsTheProgram) {
  RoundLedWith(kHands, 6, 5);
  ASSERT_TRUE(g().Win.TmrMainCircle.Enabled);
  const TurnStep state = g().MainCourse;
  host().QueueAnswer(Host::Answer::Cancel);
  Menu(MenuCommand::FileExit);
  EXPECT_EQ(host().Messages().back(), "您真的要退出Zunda吗？");
  EXPECT_TRUE(g().Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g().MainCourse, state);
  EXPECT_TRUE(Window().isVisible());
  ASSERT_TRUE(TickToHuman()) << "the hand goes on";

  // The close box asks the same question; a hand waiting for the human stays waiting.
  host().QueueAnswer(Host::Answer::Cancel);
  Window().close();
  EXPECT_EQ(host().Messages().size(), 2u);
  EXPECT_EQ(host().Messages().back(), "您真的要退出Zunda吗？");
  EXPECT_TRUE(Window().isVisible());
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(HumanAwaited(g()));

  // OK stops the hand at the next tick and the window closes.
  SetOption("Player", "Remember", "0");
  host().QueueAnswer(Host::Answer::Ok);
  Menu(MenuCommand::FileExit);
  ASSERT_TRUE(g().Win.TmrMainCircle.Enabled);
  Tick();
  EXPECT_FALSE(g().Flow.Running);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(Option("Player", "Remember"), "1") << "the options are saved on the way out";
}

TEST_F(NewGameTest, TheCloseBoxConfirmedWhileNoHandRunsClosesTheWindow) {
  WriteOptionFile(true);
  ASSERT_TRUE(Start());
  host().QueueAnswer(Host::Answer::Ok);
  Window().close();
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"您真的要退出Zunda吗？"});
  QCoreApplication::processEvents();
  EXPECT_FALSE(Window().isVisible());
}

}  // namespace
}  // namespace zunda::testing
