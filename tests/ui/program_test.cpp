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
  // Starts with `act` on every dialog that opens; how many opened.
  const auto startWith = [&](std::function<void(QWidget&)> act) {
    ModalWatcher watcher(std::move(act));
    EXPECT_TRUE(Start());
    return watcher.seen;
  };
  EXPECT_EQ(startWith(LogIn(1, "pw")), 1);
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
  EXPECT_EQ(StatusText(), "当前登录玩家是：〖Bersa〗");
  EXPECT_EQ(Option("Player", "Remember"), "0");

  // Cancelled, the dialog leaves the seat with its default name; the program still runs.
  EXPECT_EQ(startWith(LogIn(-1)), 1);
  EXPECT_EQ(g().Seats[1].Name, "Aldor");

  // Remembered, the player is logged in without the dialog.
  SetOption("Player", "Remember", "1");
  SetOption("Player", "Cur", "1");
  EXPECT_EQ(startWith([](QWidget& modal) { modal.close(); }), 0);
  EXPECT_EQ(g().Seats[1].Name, "Bersa");
}

using NewGameTest = ProgramTest;

TEST_F(NewGameTest, TheMenuStartsAGameThatRunsUpToTheHumansFirstTurn) {
  StartGame(7);
  ASSERT_TRUE(TickToHuman());
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

class ClickTest : public TableTest {
 protected:
  void SetUp() override {
    TableTest::SetUp();
    AtHumansAnswer();
  }
};

// The clicks land where the cards are drawn and the hand is redrawn as the engine changed it;
// what a click chooses is the engine's (HandClicks in tests/engine).
TEST_F(ClickTest, ClicksOnTheDrawnCardsAndTheButtonsReachTheEngineAndTheHandIsRedrawn) {
  EXPECT_EQ(TableRow(6).size(), 2u);
  const std::vector<int> nines = Slots(9);
  ClickCard(nines[0], Qt::RightButton);
  ClickCard(nines[2], Qt::RightButton);
  EXPECT_EQ(Raised(), (std::vector<int>{nines[0], nines[2]}));
  EXPECT_TRUE(DrawnRaised(nines[2]) && Shown(CommandButton::Send));
  Press(CommandButton::Return);
  EXPECT_TRUE(Raised().empty());
  for (int slot : DrawnHandSlots())
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
  EXPECT_TRUE(Shown(CommandButton::Pass));
  EXPECT_FALSE(Shown(CommandButton::Return));
  ClickCard(Slots(4)[0]);
  EXPECT_EQ(Prompt(), " 牌点太小! ");

  // Four sevens against a pair: the two in the highest slots go up, and a second click plays.
  const std::vector<int> sevens = Slots(7);
  ClickCard(sevens[0]);
  EXPECT_EQ(Raised(), (std::vector<int>{sevens[2], sevens[3]}));
  EXPECT_TRUE(DrawnRaised(sevens[3]) && Shown(CommandButton::Return));
  EXPECT_FALSE(DrawnRaised(sevens[0]));
  ClickCard(sevens[3]);
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][7].Count == 2; }));
  EXPECT_EQ(TableRow(1).size(), 2u);
  EXPECT_FALSE(Shown(CommandButton::Send));

  // Nobody beats the sevens: the human leads, and the play button lays a whole set.
  ASSERT_TRUE(TickToHuman());
  ClickCard(nines[1]);
  EXPECT_EQ(Raised(), nines);
  Press(CommandButton::Send);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][9].Count == 0; }));
  EXPECT_EQ(TableRow(1).size(), 3u);
}

TEST_F(ClickTest, TheExitQuestionCancelledLeavesTheHandWaitingAndOkEndsTheProgram) {
  host().QueueAnswer(Host::Answer::Cancel);
  Menu(MenuCommand::FileExit);
  // The close box asks the same.
  host().QueueAnswer(Host::Answer::Cancel);
  Window().close();
  EXPECT_EQ(host().Messages(), (std::vector<std::string>{kAskExit, kAskExit}));
  EXPECT_TRUE(Window().isVisible());
  EXPECT_TRUE(HumanAwaited(g()));
  Press(CommandButton::Pass);
  EXPECT_TRUE(g().Flow.HumanPassed);
  EXPECT_FALSE(Shown(CommandButton::Pass));

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

TEST_F(BurnTest, YesToTheBurnQuestionAskedByAClickDuringTheWaitBurnsAndGivesTheHumanTheTurn) {
  host().QueueAnswer(Host::Answer::Yes);
  EXPECT_LT(LeadWithBurnWait([&] { ClickCard(Slots(13)[0]); }), 1.0) << "the answer ends the wait";
  EXPECT_TRUE(waitShown) << "the decline button is drawn during the wait";
  EXPECT_EQ(waitPrompt, "等您烧牌呢！如果不烧请过牌。");
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"您要烧牌吗?"});
  // The seats between are passed over (BurnOffer in tests/engine); the window shows the burn.
  EXPECT_EQ(g().Burn.BurnedSeat, 2);
  EXPECT_TRUE(Raised().empty()) << "the click asked; it selected nothing";
  EXPECT_TRUE(EventListed(QStringLiteral("Aldor: 确认烧牌!")));
  EXPECT_TRUE(Shown(CommandButton::ShaoHuLe));
  EXPECT_FALSE(Shown(CommandButton::NotSP));
  ASSERT_TRUE(TickToHuman());
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
}

}  // namespace
}  // namespace zunda::testing
