// The whole program as the player meets it: start-up and log-in, a new game, clicks on the
// hand and the buttons reaching the engine, the burn wait, the tribute return, leaving.
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QListWidget>

#include "core/seats.h"
#include "program_fixture.h"
#include "rules/tribute.h"
#include "ui/boss_window.h"
#include "ui/options_dialog.h"
#include "ui/options_players_page.h"

namespace zunda::testing {
namespace {

const char* const kFirstRun = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";
const char* const kAskExit = "您真的要退出Zunda吗？";

// Logs in the player of a row of the log-in dialog, or cancels it (row -1).
std::function<void(QWidget&)> LogIn(int row, const char* password = "") {
  return [=](QWidget& modal) {
    auto* dialog = qobject_cast<FrmOptionsTab*>(&modal);
    ASSERT_NE(dialog, nullptr);
    if (row < 0) return dialog->cmdCancel->click();
    dialog->Players->ListPlayerName->setCurrentRow(row);
    dialog->Players->TxtPasswd->setText(password);
    dialog->Players->CmdCurPlayer->click();
    dialog->CmdOK->click();
  };
}

using StartUpTest = ProgramTest;

TEST_F(StartUpTest, FirstRunWritesTheOptionFileAndEndsThenTheDialogLogsInAtEachStart) {
  EXPECT_FALSE(Start());
  EXPECT_EQ(host().Messages(), std::vector<std::string>{kFirstRun});
  EXPECT_EQ(Option("Player", "Name00"), "Aldor");
  SetOption("Player", "Num", "2");
  SetOption("Player", "Name01", "Bersa");
  SetOption("Player", "PW01", "pw");
  {
    ModalWatcher watcher(LogIn(1, "pw"));
    ASSERT_TRUE(Start());
    EXPECT_EQ(watcher.seen, 1);
  }
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
  EXPECT_EQ(StatusText(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Option("Player", "Remember"), "0");

  // Cancelled, the dialog leaves the seat with its default name; the program still runs.
  {
    ModalWatcher watcher(LogIn(-1));
    ASSERT_TRUE(Start());
    EXPECT_EQ(watcher.seen, 1);
  }
  EXPECT_EQ(g().Seats[1].Name, "Aldor");

  // Remembered, the player is logged in without the dialog.
  SetOption("Player", "Remember", "1");
  SetOption("Player", "Cur", "1");
  ModalWatcher none([](QWidget& modal) { modal.close(); });
  ASSERT_TRUE(Start());
  EXPECT_EQ(none.seen, 0);
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
}

using NewGameTest = ProgramTest;

TEST_F(NewGameTest, TheMenuStartsAGameThatRunsUpToTheHumansFirstTurn) {
  StartGame(7);
  ASSERT_TRUE(TickToHuman());
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled) << "the cycle stops while the human chooses";
  EXPECT_TRUE(host().Messages().empty());
  // The hand is drawn card for card as the engine holds it.
  const std::vector<int> drawn = DrawnHandSlots();
  EXPECT_EQ(static_cast<int>(drawn.size()), CardsInHand(g(), 1));
  for (int slot : drawn)
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
  EXPECT_TRUE(Window().PromptShowing());
  EXPECT_EQ(Window().EventList()->count(), static_cast<int>(g().Win.LstDispEvent.Items.size()));
  EXPECT_GT(Window().EventList()->count(), 0);

  // The boss window hides the table and gives it back however it is closed.
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
}

// Seat 6 leads a pair of fives; the human holds four sevens, three nines and a four, and the
// other seats hold nothing that beats a pair above fives.
constexpr std::array<std::string_view, 6> kHands = {"4x7 3x9 1x4", "2x3 2x4", "2x3 2x4",
                                                    "2x3 2x4",     "2x3 2x4", "2x5 2x6 1x8"};

class ClickTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    RoundLedWith(kHands, 6, 5);
  }
};

TEST_F(ClickTest, ALeftClickRaisesTheSetCutToTheTableAndASecondClickPlaysIt) {
  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(TableRow(6).size(), 2u);
  ClickCard(Slots(4)[0]);
  EXPECT_EQ(Prompt(), " 牌点太小! ");

  const std::vector<int> sevens = Slots(7);
  ClickCard(sevens[0]);
  // Four sevens against a pair: the two in the highest slots go up.
  EXPECT_EQ(Raised(), (std::vector<int>{sevens[2], sevens[3]}));
  EXPECT_TRUE(DrawnRaised(sevens[3]));
  EXPECT_FALSE(DrawnRaised(sevens[0]));
  EXPECT_TRUE(Shown(CommandButton::Send) && Shown(CommandButton::Return));
  EXPECT_FALSE(Shown(CommandButton::Pass));

  ClickCard(sevens[3]);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][7].Count == 2; }));
  EXPECT_EQ(TableRow(1).size(), 2u);
  EXPECT_FALSE(Shown(CommandButton::Send));

  // Nobody beats the sevens: the human leads, and the play button lays a whole set.
  ASSERT_TRUE(TickToHuman());
  const std::vector<int> nines = Slots(9);
  ClickCard(nines[1]);
  EXPECT_EQ(Raised(), nines);
  Press(CommandButton::Send);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][9].Count == 0; }));
  EXPECT_EQ(TableRow(1).size(), 3u);
}

TEST_F(ClickTest, ARightClickRaisesOneCardAndTheTakeBackButtonLowersEverything) {
  ASSERT_TRUE(TickToHuman());
  const std::vector<int> nines = Slots(9);
  ClickCard(nines[0], Qt::RightButton);
  ClickCard(nines[2], Qt::RightButton);
  EXPECT_EQ(Raised(), (std::vector<int>{nines[0], nines[2]}));
  EXPECT_TRUE(DrawnRaised(nines[2]));
  EXPECT_TRUE(Shown(CommandButton::Send));
  Press(CommandButton::Return);
  EXPECT_TRUE(Raised().empty());
  for (int slot : DrawnHandSlots())
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
  EXPECT_TRUE(Shown(CommandButton::Pass));
  EXPECT_FALSE(Shown(CommandButton::Return));
}

TEST_F(ClickTest, ThePassButtonPassesAndTheRoundGoesOnWithoutTheHuman) {
  ASSERT_TRUE(TickToHuman());
  Press(CommandButton::Pass);
  EXPECT_FALSE(Shown(CommandButton::Pass));
  ASSERT_TRUE(TickUntilState(TurnStep::CloseAnswer));
  EXPECT_EQ(g().Win.LblName[1].BackColor, kColorPassed);
  EXPECT_EQ(g().Hand[1][7].Count, 4) << "a pass lays nothing";
  ASSERT_TRUE(TickUntilState(TurnStep::ComputerLead));
  EXPECT_EQ(g().LeadSeat, 6);
}

TEST_F(ClickTest, CancellingTheExitQuestionLeavesTheHandRunningAndOkEndsTheProgram) {
  const TurnStep state = g().MainCourse;
  host().QueueAnswer(Host::Answer::Cancel);
  Menu(MenuCommand::FileExit);
  EXPECT_EQ(host().Messages().back(), kAskExit);
  EXPECT_EQ(g().MainCourse, state);
  ASSERT_TRUE(TickToHuman()) << "the hand goes on";
  // The close box asks the same; a hand waiting for the human stays waiting.
  host().QueueAnswer(Host::Answer::Cancel);
  Window().close();
  EXPECT_EQ(host().Messages(), (std::vector<std::string>{kAskExit, kAskExit}));
  EXPECT_TRUE(Window().isVisible());
  EXPECT_TRUE(HumanAwaited(g()));

  // OK stops the hand at the next tick and the window closes, the options saved.
  SetOption("Player", "Remember", "0");
  host().QueueAnswer(Host::Answer::Ok);
  Menu(MenuCommand::FileExit);
  Tick();
  EXPECT_FALSE(g().Flow.Running);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(Option("Player", "Remember"), "1");
}

// Seat 2 leads three queens, a Zunda play; the human holds three kings, both jokers and two
// low singles, and so may burn it.
constexpr std::array<std::string_view, 6> kBurnHands = {
    "3xK 1xJ17 1xJ16 1x4 1x5", "3xQ 2x6", "2x3 2x7", "2x3 2x8 1xJ17", "2x3 2x9", "2x3 2x10"};

class BurnTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    RoundLedWith(kBurnHands, 2, 12);
    ASSERT_TRUE(g().Seats[1].BurnRight);
  }
  // Lays the lead; as soon as its burn wait opens, `act` runs as the user. Returns the seconds
  // the tick took on the game's clock.
  double LeadWithBurnWait(const std::function<void()>& act) {
    bool acted = false;
    host().OnDoEvents([&] {
      if (acted || !g().Win.CmdNotSP.Visible) return;
      acted = true;
      Window().refresh();  // what the window's refresh timer does while the wait runs events
      waitShown = Shown(CommandButton::NotSP);
      waitPrompt = Prompt();
      act();
    });
    const double before = g().Clock();
    Tick();
    host().OnDoEvents(nullptr);
    EXPECT_TRUE(acted) << "no burn wait opened";
    return g().Clock() - before;
  }
  bool waitShown = false;
  std::string waitPrompt;
};

TEST_F(BurnTest, YesToTheBurnQuestionJumpsTheSeatsBetweenAndGivesTheHumanTheTurn) {
  host().QueueAnswer(Host::Answer::Yes);
  EXPECT_LT(LeadWithBurnWait([&] { ClickCard(Slots(13)[0]); }), 1.0) << "the answer ends the wait";
  EXPECT_TRUE(waitShown) << "the decline button is drawn during the wait";
  EXPECT_EQ(waitPrompt, "等您烧牌呢！如果不烧请过牌。");
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"您要烧牌吗?"});
  EXPECT_EQ(g().Burn.BurnedSeat, 2);
  for (int seat : {3, 4, 5, 6})
    EXPECT_EQ(g().Win.LblName[seat].BackColor, kColorPassed) << seat;
  EXPECT_TRUE(Raised().empty()) << "the click asked; it selected nothing";
  EXPECT_TRUE(EventListed(QStringLiteral("Aldor: 确认烧牌!")));
  EXPECT_TRUE(Shown(CommandButton::ShaoHuLe));
  EXPECT_FALSE(Shown(CommandButton::NotSP));

  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(Prompt(), " 您已经烧牌 ");
  // The burner's first play needs no joker: the kings go down over the queens.
  const std::vector<int> kings = Slots(13);
  ClickCard(kings[0]);
  EXPECT_EQ(Raised(), kings);
  ClickCard(kings[0]);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][13].Count == 0; }));
  EXPECT_EQ(TableRow(1).size(), 3u);
}

TEST_F(BurnTest, NoTheDeclineButtonOrNothingEndTheWaitAndChangeNothing) {
  const struct {
    const char* what;
    std::function<void()> act;
    std::vector<std::string> messages;
  } cases[] = {{"no",
                [this] {
                  host().QueueAnswer(Host::Answer::No);
                  ClickCard(Slots(13)[0]);
                },
                {"您要烧牌吗?"}},
               {"decline", [this] { Press(CommandButton::NotSP); }, {}},
               {"left alone", [] {}, {}}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    TableTest::SetUp();
    RoundLedWith(kBurnHands, 2, 12);
    const double waited = LeadWithBurnWait(c.act);
    EXPECT_EQ(host().Messages(), c.messages);
    if (std::string(c.what) == "left alone") {
      // A wait left alone lasts its time, and the window answers throughout.
      EXPECT_GE(waited, g().DelayTimeShaoPai);
      EXPECT_LE(host().LongestSleepWithoutEventsMs(), 50);
    } else {
      EXPECT_LT(waited, 1.0);
    }
    EXPECT_EQ(g().MainCourse, TurnStep::AfterLead);
    EXPECT_EQ(g().Burn.BurnerSeat, 0);
    for (int seat = 2; seat <= 6; ++seat)
      EXPECT_FALSE(g().Seats[seat].Passed) << seat;
    EXPECT_FALSE(Shown(CommandButton::ShaoHuLe) || Shown(CommandButton::NotSP));
  }
}

int CardsOfCode(const Game& g, int seat, const std::string& code) {
  int count = 0;
  for (const HandBucket& bucket : g.Hand[seat]) {
    for (int i = 1; i <= bucket.Count; ++i)
      count += bucket.Codes[i].Str() == code ? 1 : 0;
  }
  return count;
}

// The human came first in the last hand; seat 6, an opponent, came last and pays two cards,
// which the human answers with two clicked cards and the return button.
TEST_F(TableTest, TheHumanReturnsTheTributeWithClicksAndTheReturnButton) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    g().Seats[seat].Place = seat;
    g().FinishOrder[seat] = seat;
  }
  g().FirstHand = false;
  ASSERT_TRUE(TickUntil([&] { return ReturnChoiceOpen(g()); }));
  EXPECT_EQ(Prompt(), "您吃2张贡,请选择还贡的牌!");
  EXPECT_TRUE(host().Messages().empty()) << "an opponent's tribute is taken without asking";
  EXPECT_EQ(TableRow(6).size(), 2u) << "the paid cards lie face up in the payer's row";
  const std::vector<int> hand = DrawnHandSlots();
  ASSERT_EQ(hand.size(), 36u);
  const int b = hand[34], c = hand[35];
  ClickCard(b);
  EXPECT_FALSE(Shown(CommandButton::HG));
  ClickCard(c);
  EXPECT_TRUE(DrawnRaised(b) && DrawnRaised(c));
  const std::string code = g().Win.ImgHand[c].Tag;
  const int sameCode = g().Win.ImgHand[b].Tag == code ? 2 : 1;
  const int before = CardsOfCode(g(), 6, code);

  Press(CommandButton::HG);
  EXPECT_FALSE(Shown(CommandButton::HG));
  EXPECT_EQ(g().MainCourse, TurnStep::AnnounceLeader);
  EXPECT_EQ(CardsOfCode(g(), 6, code), before + sameCode) << "the clicked cards went to the payer";
  EXPECT_EQ(DrawnHandSlots().size(), 36u);
  EXPECT_TRUE(EventListed(QStringLiteral("Aldor 还贡牌:"), Qt::MatchStartsWith));
  ASSERT_TRUE(TickUntilState(TurnStep::StartRound));
}

}  // namespace
}  // namespace zunda::testing
