// Burning: the offer after a Zunda play and its wait, the burner's joker obligation, and the
// scorched verdicts.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/burning.h"
#include "rules/human_input.h"
#include "rules/scorched_hook.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::SlotsOfRank;

// Seat 2 has just answered with four jacks; the human holds jokers and queens to beat them.
class BurnOffer : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "2xJ17 1xJ16 4xQ 3x8 1x5");
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

// Each way out of the wait (yes, no, the decline button) cuts the wait's end by ten seconds.
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
  EXPECT_EQ(std::tuple(g.Burn.BurnerSeat, g.Burn.BurnedSeat, g.Burn.BurnerTurnTaken),
            std::tuple(1, 2, false));
  EXPECT_TRUE(g.Seats[1].Burned && g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 确认烧牌!");
  for (int seat = 3; seat <= 6; ++seat)
    EXPECT_TRUE(g.Seats[seat].Passed && g.Win.LblName[seat].Opaque) << seat;
  EXPECT_FALSE(g.Seats[2].Passed);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

TEST_F(BurnOffer, SayingNoOrDecliningOnlyEndsTheWait) {
  double delayEndBefore = 0;
  WaitWith([&] {
    delayEndBefore = g.Flow.DelayEnd;
    t.host.QueueAnswer(Host::Answer::No);
    ClickQueen();
  });
  EXPECT_DOUBLE_EQ(g.Flow.DelayEnd, delayEndBefore - 10);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_FALSE(g.Seats[1].Burned || g.Seats[3].Passed);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);

  g.MainCourse = TurnStep::ApplyAnswer;
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
  const auto waitsAfter = [&](int seat, int bigJokers) {
    LayTable(g, seat, 11, 4, bigJokers);
    g.CurrentSeat = seat;
    WaitWith(nullptr);
    return sawDecline;
  };
  EXPECT_FALSE(waitsAfter(4, 0));
  EXPECT_EQ(g.Burn.BurnOfferMode, 2);
  EXPECT_FALSE(waitsAfter(2, 1));
  g.Seats[2].Finished = g.Seats[3].Finished = true;
  EXPECT_FALSE(waitsAfter(6, 0));
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

// The human has burned seat 2's play and answers again, holding a big joker, two 9s and a 4.
class JokerObligation : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "1xJ17 2x9 1x4");
    ShowHand(g, 1);
    LayTable(g, 2, 6, 2);
    g.Seats[1].Burned = true;
    g.Burn.BurnerSeat = 1;
    g.Burn.BurnedSeat = 2;
    g.Win.CmdShaoHuLe.Visible = true;
    AwaitHuman(g);
  }
  void Left(int slot) { Input(g, ImgHandMouseUp, slot, MouseButton::Left, 0); }
};

TEST_F(JokerObligation, LaterPlaysNeedAJokerOrTheWholeHand) {
  BurnBeaten(g, 1);  // the burner's first play was laid
  EXPECT_FALSE(g.Burn.BurnBeaten);
  EXPECT_TRUE(g.Seats[1].Burned);
  // Laying over a seat that did not burn leaves the burn standing.
  EXPECT_EQ(std::pair(g.Burn.BurnerSeat, g.Burn.BurnedSeat), std::pair(1, 2));
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);

  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_FALSE(g.Win.CmdSend.Visible);
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "请检查选择的牌是否合适?");

  // The lead: any set may be played, but not without a joker.
  g.LeadSeat = 1;
  g.Flow.LeadMode = true;
  g.TablePlay = PlayRecord();
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "您已烧牌,要求至少有1张虎或一次发完所有牌");
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);

  CmdReturnClick(g);
  Input(g, ImgHandMouseUp, SlotsOfRank(g, kBigJoker)[0], MouseButton::Right, 0);
  EXPECT_FALSE(JokerObligationRefuses(g));
  Input(g, ImgHandMouseUp, SlotsOfRank(g, kBigJoker)[0], MouseButton::Left, 0);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLed);
}

TEST_F(JokerObligation, PlayingOutTheWholeHandNeedsNoJoker) {
  testing::TestGame other;
  Game& h = other.game;
  GiveCards(h, 1, 9, 2);
  h.Seats[1].Burned = true;
  h.Burn.BurnBeaten = false;
  ShowHand(h, 1);
  for (int slot : SlotsOfRank(h, 9))
    h.Win.ImgHand[slot].Top = kHandRaised;
  EXPECT_FALSE(JokerObligationRefuses(h));
  h.Win.ImgHand[SlotsOfRank(h, 9)[0]].Top = kHandLowered;
  EXPECT_TRUE(JokerObligationRefuses(h));
}

TEST_F(JokerObligation, PassingEndsTheBurnButKeepsTheScorchedButton) {
  g.Win.CmdPass.Visible = true;
  Input(g, CmdPassClick);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

// The human burned seat 2's Zunda play and is left with one joker for three sets.
class ScorchedVerdicts : public testing::GameTest {
 protected:
  void SetUp() override {
    testing::SetHand(g, 1, "1xJ16 2x9 1x6 1x4");
    g.Seats[1].Burned = true;
    g.Burn.BurnerSeat = 1;
    g.Burn.BurnedSeat = 2;
    g.Win.CmdShaoHuLe.Visible = true;
    g.Win.CmdShaoHuLe.HasFocus = true;
    g.Win.CmdPass.Visible = true;
    g.MainCourse = TurnStep::ApplyAnswer;
  }
  const std::vector<std::string>& Events() const { return g.Win.LstDispEvent.Items; }
};

TEST_F(ScorchedVerdicts, TheButtonPlacesTheHumanLastAndEndsTheRound) {
  Input(g, CmdShaoHuLeClick);
  const SeatRecord& human = g.Seats[1];
  EXPECT_TRUE(human.Scorched && human.Finished && !human.Burned && g.Seats[4].OppositeOut);
  EXPECT_EQ(std::tuple(human.Place, g.Burn.ScorchedCounter, g.Burn.BurnerSeat, g.LeadSeat),
            std::tuple(6, 1, 0, 2));
  EXPECT_EQ(Events()[0], "Aldor: 烧糊了!被判为:大落");
  EXPECT_EQ(Events().back(), "Bersa: 被判定获得发牌权");
  EXPECT_EQ(g.Win.LblName[1].Caption.rfind("Aldor-烧糊了", 0), 0u);
  EXPECT_TRUE(g.Flow.HumanCommitted && g.Flow.RoundOver);
  EXPECT_FALSE(g.Win.CmdPass.Visible || g.Win.CmdShaoHuLe.Visible || g.Win.CmdShaoHuLe.HasFocus);
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  Input(g, CmdShaoHuLeClick);  // judged once only
  EXPECT_EQ(std::tuple(g.Burn.ScorchedCounter, human.Place), std::tuple(1, 6));
}

TEST_F(ScorchedVerdicts, TooFewJokersAfterAPlayScorchTheBurnerAutomatically) {
  g.Seats[1].JokerCount = 2;  // two jokers for three sets still hold
  AutoScorchedVerdict(g, 1);
  g.Seats[1].JokerCount = 1;
  g.Seats[1].Burned = false;  // only a burner is judged
  AutoScorchedVerdict(g, 1);
  EXPECT_FALSE(g.Seats[1].Scorched);

  g.Seats[1].Burned = true;
  AutoScorchedVerdict(g, 1);
  EXPECT_EQ(t.host.Messages(),
            std::vector<std::string>{"嘿嘿,数一数您手里的大小鬼数量,是不是烧糊了?"});
  EXPECT_TRUE(g.Seats[1].Scorched && g.Seats[1].Place == 6);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "哈哈,您烧糊了!恭喜您成为大落");
  // The turn cycle goes on from the step that laid the play.
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_TRUE(g.Win.CmdPass.Visible && !g.Flow.HumanCommitted);
}

TEST_F(ScorchedVerdicts, ALeadForASeatThatHasGoneOutPassesOn) {
  g.Seats[2].Finished = true;
  AutoScorchedVerdict(g, 1);
  EXPECT_EQ(std::tuple(g.LeadSeat, g.Burn.BurnedSeat), std::tuple(3, 3));
  EXPECT_EQ(Events().back(), "Corvan: 被判定获得发牌权");
}

TEST_F(ScorchedVerdicts, TheLeadGoesToSeatOneWhenItsPlayWasBurned) {
  g.Burn.BurnedSeat = 1;
  ScorchedVerdict(g, 4, /*byButton=*/false);
  EXPECT_TRUE(g.Seats[4].Scorched);
  EXPECT_EQ(g.LeadSeat, 1);
  EXPECT_EQ(Events().back(), "Aldor: 被判定获得发牌权");
}

}  // namespace
}  // namespace zunda
