#include <QListWidget>

#include "program_table_fixture.h"

namespace zunda::testing {
namespace {

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
      // What the window's refresh timer does while the wait lets events run.
      Window().refresh();
      waitShown = Button(CommandButton::NotSP)->isVisible();
      waitPrompt = Prompt();
      act();
    });
    const double before = g().Clock();
    Tick();
    host().OnDoEvents(nullptr);
    EXPECT_TRUE(acted) << "no burn wait opened";
    return g().Clock() - before;
  }
  bool EventListed(const QString& text) {
    return !Window().EventList()->findItems(text, Qt::MatchExactly).isEmpty();
  }

  bool waitShown = false;
  std::string waitPrompt;
};

TEST_F(BurnTest, YesToTheBurnQuestionJumpsTheSeatsBetweenAndGivesTheHumanTheTurn) {
  host().QueueAnswer(Host::Answer::Yes);
  const double waited = LeadWithBurnWait([&] { ClickCard(Slots(13)[0]); });
  EXPECT_TRUE(waitShown) << "the decline button is drawn during the wait";
  EXPECT_EQ(waitPrompt, "等您烧牌呢！如果不烧请过牌。");
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"您要烧牌吗?"});
  EXPECT_LT(waited, 1.0) << "the answer ends the wait";
  EXPECT_EQ(g().MainCourse, TurnStep::HumanAnswered);
  EXPECT_EQ(g().Burn.BurnerSeat, 1);
  EXPECT_EQ(g().Burn.BurnedSeat, 2);
  for (int seat : {3, 4, 5, 6}) {
    EXPECT_TRUE(g().Seats[seat].Passed) << seat;
    EXPECT_EQ(g().Win.LblName[seat].BackColor, kColorPassed) << seat;
  }
  EXPECT_TRUE(Raised().empty()) << "the click asked; it selected nothing";
  EXPECT_TRUE(EventListed(QStringLiteral("Aldor: 确认烧牌!")));
  EXPECT_TRUE(Shown(CommandButton::ShaoHuLe));
  EXPECT_FALSE(Shown(CommandButton::NotSP));

  ASSERT_TRUE(TickToHuman());
  EXPECT_EQ(Prompt(), " 您已经烧牌 ");
  EXPECT_FALSE(Shown(CommandButton::Pass));
  // The burner's first play needs no joker: the kings go down over the queens.
  const std::vector<int> kings = Slots(13);
  ClickCard(kings[0]);
  EXPECT_EQ(Raised(), kings);
  ClickCard(kings[0]);
  ASSERT_TRUE(TickUntil([&] { return g().Hand[1][13].Count == 0; }));
  EXPECT_EQ(TableRow(1).size(), 3u);
}

TEST_F(BurnTest, NoToTheBurnQuestionEndsTheWaitAndChangesNothing) {
  host().QueueAnswer(Host::Answer::No);
  const double waited = LeadWithBurnWait([&] { ClickCard(Slots(13)[0]); });
  EXPECT_EQ(host().Messages(), std::vector<std::string>{"您要烧牌吗?"});
  EXPECT_LT(waited, 1.0);
  EXPECT_EQ(g().MainCourse, TurnStep::AfterLead);
  EXPECT_EQ(g().Burn.BurnerSeat, 0);
  EXPECT_FALSE(g().Seats[1].Burned);
  for (int seat = 2; seat <= 6; ++seat)
    EXPECT_FALSE(g().Seats[seat].Passed) << seat;
  EXPECT_FALSE(Shown(CommandButton::ShaoHuLe));
  EXPECT_FALSE(Shown(CommandButton::NotSP));
  EXPECT_EQ(g().Hand[1][13].Count, 3);
}

// A wait left alone lasts its time on the game's clock, and the window answers throughout:
// the engine never sleeps 50 ms without letting events run.
TEST_F(BurnTest, AWaitLeftAloneLastsItsTimeWhileEventsRun) {
  const double waited = LeadWithBurnWait([] {});
  EXPECT_GE(waited, g().DelayTimeShaoPai);
  EXPECT_GT(host().SleptMs(), 0);
  EXPECT_LE(host().LongestSleepWithoutEventsMs(), 50);
}

TEST_F(BurnTest, TheDeclineButtonEndsTheWaitWithoutAQuestion) {
  const double waited = LeadWithBurnWait([&] { Press(CommandButton::NotSP); });
  EXPECT_TRUE(host().Messages().empty());
  EXPECT_LT(waited, 1.0);
  EXPECT_EQ(g().MainCourse, TurnStep::AfterLead);
  EXPECT_EQ(g().Burn.BurnerSeat, 0);
  EXPECT_FALSE(Shown(CommandButton::NotSP));
}

}  // namespace
}  // namespace zunda::testing
