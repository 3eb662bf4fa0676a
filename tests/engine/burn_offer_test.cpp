#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/burning.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::GiveCards;
using testing::LayTable;
using testing::SlotsOfRank;

// Seat 2 has just answered with four jacks; the human holds jokers and queens to beat them.
class BurnOffer : public testing::GameTest {
 protected:
  void SetUp() override {
    GiveCards(g, 1, kBigJoker, 2);
    GiveCards(g, 1, kSmallJoker, 1);
    GiveCards(g, 1, 12, 4);
    GiveCards(g, 1, 8, 3);
    GiveCards(g, 1, 5, 1);
    g.Seats[1].BurnRight = true;
    ShowHand(g, 1);
    LayTable(g, 2, 11, 4);
    g.CurrentSeat = 2;
    g.Seats[2].OnTurn = true;
  }
  // Runs the wait after seat 2's play; during it the window does what the test asks.
  void WaitWith(const std::function<void()>& during) {
    bool done = false;
    t.host.OnDoEvents([&] {
      if (done) return;
      done = true;
      sawDecline = g.Win.CmdNotSP.Visible;
      promptDuring = g.Win.LblPrompt.Caption;
      if (during) during();
    });
    BurnWait(g, false);
    t.host.OnDoEvents(nullptr);
  }
  void ClickQueen() { Input(g, ImgHandMouseUp, SlotsOfRank(g, 12)[0], MouseButton::Left, 0); }

  bool sawDecline = false;
  std::string promptDuring;
};

TEST_F(BurnOffer, ABurnableZundaPlayOpensTheWaitWithTheDeclineButton) {
  WaitWith(nullptr);
  EXPECT_TRUE(sawDecline);
  EXPECT_EQ(promptDuring, "等您烧牌呢！如果不烧请过牌。");
  EXPECT_FALSE(g.Win.CmdNotSP.Visible);
  EXPECT_EQ(g.Burn.BurnOfferMode, 2);
}

TEST_F(BurnOffer, SayingYesBurnsAndPassesOverTheSeatsBetween) {
  double delayEndBefore = 0;
  g.Burn.BurnerTurnTaken = true;  // left over from an earlier burn
  WaitWith([&] {
    delayEndBefore = g.Flow.DelayEnd;
    t.host.QueueAnswer(Host::Answer::Yes);
    ClickQueen();
  });
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"您要烧牌吗?"});
  EXPECT_DOUBLE_EQ(g.Flow.DelayEnd, delayEndBefore - 10);
  EXPECT_EQ(g.Burn.BurnerSeat, 1);
  EXPECT_EQ(g.Burn.BurnedSeat, 2);
  EXPECT_FALSE(g.Burn.BurnerTurnTaken);
  EXPECT_TRUE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 确认烧牌!");
  for (int seat = 3; seat <= 6; ++seat) {
    EXPECT_TRUE(g.Seats[seat].Passed) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorPassed);
    EXPECT_TRUE(g.Win.LblName[seat].Opaque);
  }
  EXPECT_FALSE(g.Seats[2].Passed);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

TEST_F(BurnOffer, OnlyTheSeatsStillInPlayBetweenAreMarked) {
  g.Burn.BurnOfferMode = 2;
  g.Seats[3].Finished = true;
  ClickQueen();
  EXPECT_FALSE(g.Seats[3].Passed);
  EXPECT_TRUE(g.Seats[4].Passed && g.Seats[5].Passed && g.Seats[6].Passed);

  testing::TestGame other;
  Game& h = other.game;
  GiveCards(h, 1, kBigJoker, 2);
  GiveCards(h, 1, 12, 4);
  h.Seats[1].BurnRight = true;
  ShowHand(h, 1);
  LayTable(h, 6, 11, 4);
  h.Burn.BurnOfferMode = 2;
  Input(h, ImgHandMouseUp, 1, MouseButton::Left, 0);
  EXPECT_TRUE(h.Seats[1].Burned);
  for (int seat = 2; seat <= 6; ++seat)
    EXPECT_FALSE(h.Seats[seat].Passed) << seat;
}

TEST_F(BurnOffer, SayingNoOnlyEndsTheWait) {
  double delayEndBefore = 0;
  WaitWith([&] {
    delayEndBefore = g.Flow.DelayEnd;
    t.host.QueueAnswer(Host::Answer::No);
    ClickQueen();
  });
  EXPECT_DOUBLE_EQ(g.Flow.DelayEnd, delayEndBefore - 10);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_FALSE(g.Seats[1].Burned);
  for (int seat = 2; seat <= 6; ++seat)
    EXPECT_FALSE(g.Seats[seat].Passed);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
}

TEST_F(BurnOffer, DecliningEndsTheWaitAndLeavesTheTurnCycleAlone) {
  g.MainCourse = TurnStep::ApplyAnswer;
  double delayEndBefore = 0;
  WaitWith([&] {
    delayEndBefore = g.Flow.DelayEnd;
    Input(g, DeclineBurn);
    EXPECT_FALSE(g.Win.CmdNotSP.Visible);
  });
  EXPECT_DOUBLE_EQ(g.Flow.DelayEnd, delayEndBefore - 10);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "");
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
}

TEST_F(BurnOffer, NoWaitForTheOppositeSeatABigJokerOrFourSeatsInPlay) {
  LayTable(g, 4, 11, 4);
  g.CurrentSeat = 4;
  WaitWith(nullptr);
  EXPECT_FALSE(sawDecline);
  EXPECT_EQ(g.Burn.BurnOfferMode, 2);

  LayTable(g, 2, 11, 4, 1);
  g.CurrentSeat = 2;
  WaitWith(nullptr);
  EXPECT_FALSE(sawDecline);

  LayTable(g, 6, 11, 4);
  g.CurrentSeat = 6;
  g.Seats[2].Finished = true;
  g.Seats[3].Finished = true;
  WaitWith(nullptr);
  EXPECT_FALSE(sawDecline);
}

TEST_F(BurnOffer, AfterALeadTheModeDependsOnWhetherTheHumanIsNext) {
  BurnWait(g, true);
  EXPECT_EQ(g.Burn.BurnOfferMode, 1);
  LayTable(g, 6, 11, 4);
  g.CurrentSeat = 6;
  t.host.OnDoEvents(nullptr);
  BurnWait(g, true);
  EXPECT_EQ(g.Burn.BurnOfferMode, 0);
}

TEST_F(BurnOffer, ModeOnePausesAndModeZeroIgnoresTheClick) {
  g.Burn.BurnOfferMode = 1;
  ClickQueen();
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"游戏暂停,单击[确定]继续"});
  g.Burn.BurnOfferMode = 0;
  ClickQueen();
  EXPECT_EQ(t.host.Messages().size(), 1u);
  EXPECT_FALSE(g.Seats[1].Burned);
}

TEST_F(BurnOffer, OnItsOwnTurnTheHumanAnswersInsteadOfBeingAskedToBurn) {
  g.Burn.BurnOfferMode = 2;
  g.CurrentSeat = 1;
  g.Seats[1].OnTurn = true;
  g.Flow.WaitHuman = true;
  ClickQueen();
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(testing::RaisedSlots(g).size(), 4u);
  EXPECT_TRUE(g.Win.CmdSend.Visible);
}

TEST_F(BurnOffer, TheHumansOwnZundaPlayIsNeverOfferedForBurning) {
  LayTable(g, 1, 11, 4);
  g.Burn.BurnOfferMode = 2;
  Input(g, MnuForcePauseClick);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"游戏暂停,单击[确定]继续"});
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
}

}  // namespace
}  // namespace zunda
