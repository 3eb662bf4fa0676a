#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::RaisedSlots;
using testing::SlotsOfRank;

// The human answers seat 2's two 5s holding a big joker, a two, three 10s, three 9s, four 7s
// and a 4.
class HandClicks : public testing::GameTest {
 protected:
  void SetUp() override {
    GiveCards(g, 1, kBigJoker, 1);
    GiveCards(g, 1, kTwo, 1);
    GiveCards(g, 1, 10, 3);
    GiveCards(g, 1, 9, 3);
    GiveCards(g, 1, 7, 4);
    GiveCards(g, 1, 4, 1);
    ShowHand(g, 1);
    LayTable(g, 2, 5, 2);
    g.LeadSeat = 0;
    AwaitHuman(g);
  }
  void Left(int slot) { Input(g, ImgHandMouseUp, slot, MouseButton::Left, 0); }
  void Right(int slot) { Input(g, ImgHandMouseUp, slot, MouseButton::Right, 0); }
  std::string Prompt() const { return g.Win.LblPrompt.Caption; }
};

TEST_F(HandClicks, ALeftClickRaisesTheSetCutToTheTableAndASecondClickPlaysIt) {
  const std::vector<int> sevens = SlotsOfRank(g, 7);
  ASSERT_EQ(sevens.size(), 4u);
  g.Win.TmrMainCircle.Enabled = true;
  Left(sevens[0]);
  EXPECT_EQ(RaisedSlots(g), (std::vector<int>{sevens[2], sevens[3]}));
  EXPECT_TRUE(g.Win.CmdSend.Visible);
  EXPECT_TRUE(g.Win.CmdReturn.Visible);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);

  Left(sevens[3]);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.Win.TmrMainCircle.Interval, 20);
  EXPECT_FALSE(g.Seats[1].OnTurn);
  EXPECT_FALSE(g.Flow.WaitHuman);
}

TEST_F(HandClicks, RefusalsShowTheirPromptAndRaiseNothing) {
  Left(SlotsOfRank(g, 4)[0]);
  EXPECT_EQ(Prompt(), " 牌点太小! ");

  g.Flow.DelayDone = false;
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), " 请等会儿再出牌! ");
  g.Flow.DelayDone = true;

  g.Seats[1].Scorched = true;
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), "您已经烧糊了，无权再出牌！");
  g.Seats[1].Scorched = false;

  g.Flow.WaitHuman = false;
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), "不要着急,还不到您出牌的时候!");
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
}

TEST_F(HandClicks, ABigJokerOnTheTableBlocksEveryClick) {
  LayTable(g, 4, 8, 2, 1);
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), " 对门挂了大虎,不劳您出牌了,扣牌吧 ");
  LayTable(g, 2, 8, 2, 1);
  Right(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), " 人家挂了大虎,您无权烧牌了 ");
  EXPECT_TRUE(RaisedSlots(g).empty());
}

TEST_F(HandClicks, ClicksAreIgnoredWhileTheHumansOwnPlayLiesOnTheTable) {
  LayTable(g, 1, 5, 2);
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_EQ(Prompt(), "");
}

TEST_F(HandClicks, RightClicksAttachTwosFirstThenFillTheBaseToTheTableSize) {
  LayTable(g, 2, 8, 3);
  const int two = SlotsOfRank(g, kTwo)[0];
  Right(two);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{two});
  EXPECT_EQ(Prompt(), "请选择一手牌或过牌");

  Right(SlotsOfRank(g, 9)[1]);
  const std::vector<int> raised = RaisedSlots(g);
  ASSERT_EQ(raised.size(), 3u);
  EXPECT_EQ(raised[0], two);
  EXPECT_EQ(HandSlotRank(g, raised[1]), 9);
  EXPECT_EQ(HandSlotRank(g, raised[2]), 9);
  EXPECT_TRUE(g.Win.CmdSend.Visible);
  EXPECT_TRUE(g.Win.CmdReturn.Visible);
}

TEST_F(HandClicks, ASecondOrdinaryRankOrALateTwoIsAnInvalidCard) {
  Right(SlotsOfRank(g, 10)[0]);
  Right(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(Prompt(), "您选中的是无效牌");
  EXPECT_EQ(RaisedSlots(g).size(), 1u);

  Right(SlotsOfRank(g, 10)[0]);  // lowers it again
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Win.CmdSend.Visible);
  EXPECT_FALSE(g.Win.CmdReturn.Visible);

  Left(SlotsOfRank(g, 7)[0]);
  Left(SlotsOfRank(g, kTwo)[0]);  // a left click beside the raised set splits
  EXPECT_EQ(Prompt(), "您选中的是无效牌");
  EXPECT_EQ(RaisedSlots(g).size(), 2u);
}

TEST_F(HandClicks, ThePassButtonIsOfferedOnlyWhileTheHumanMayPass) {
  const int nine = SlotsOfRank(g, 9)[0];
  for (bool burned : {false, true}) {
    g.Seats[1].Burned = burned;
    g.Win.CmdPass.Visible = false;
    Right(nine);
    EXPECT_EQ(g.Win.CmdPass.Visible, !burned) << "raised, burned " << burned;
    Right(nine);
    EXPECT_EQ(g.Win.CmdPass.Visible, !burned) << "lowered again, burned " << burned;
  }
  // Leading, the human may pass only while it answers another seat's play.
  g.Seats[1].Burned = false;
  g.LeadSeat = 1;
  Right(nine);
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  Right(nine);
  g.Seats[3].Finished = true;
  g.Win.CmdPass.Visible = false;
  Right(nine);
  EXPECT_TRUE(g.Win.CmdPass.Visible) << "five seats in play";
  Right(nine);
  g.TablePlay = PlayRecord();
  Right(nine);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
}

TEST_F(HandClicks, OutOfTurnARightClickOnlyPutsBackARaisedCard) {
  const int nine = SlotsOfRank(g, 9)[0];
  Right(nine);
  g.CurrentSeat = 3;
  g.Seats[1].OnTurn = false;
  g.Flow.WaitHuman = false;
  g.Win.CmdPass.Visible = false;

  Left(SlotsOfRank(g, 10)[0]);
  EXPECT_EQ(Prompt(), "不要着急,还不到您出牌的时候!");
  Right(nine);
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_FALSE(g.Win.CmdReturn.Visible);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Seats[1].OnTurn);
}

TEST_F(HandClicks, ALeadIsPlayedAsALeadByEitherWay) {
  g.TablePlay = PlayRecord();
  g.LeadSeat = 1;
  g.Flow.LeadMode = true;
  const int four = SlotsOfRank(g, 4)[0];
  Left(four);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{four});
  Left(four);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLed);

  g.MainCourse = TurnStep::Idle;
  g.TablePlay = PlayRecord();
  ShowHand(g, 1);
  AwaitHuman(g);
  Left(SlotsOfRank(g, 10)[0]);
  Input(g, CmdSendClick);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanLed);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
}

TEST_F(HandClicks, ThePlayButtonHandsNothingOverWhenThePlayIsRefused) {
  Left(SlotsOfRank(g, 9)[0]);
  ASSERT_TRUE(g.Win.CmdSend.Visible);
  g.Flow.DelayDone = false;
  Input(g, CmdSendClick);
  EXPECT_EQ(Prompt(), " 请等会儿再出牌! ");
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
}

TEST_F(HandClicks, ASelectionOfTheWrongSizeIsCheckedBeforePlaying) {
  Right(SlotsOfRank(g, 9)[0]);
  const int nine = RaisedSlots(g)[0];
  EXPECT_FALSE(g.Win.CmdSend.Visible);
  Left(nine);
  EXPECT_EQ(Prompt(), "请检查选择的牌是否合适?");
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_TRUE(g.Seats[1].OnTurn);
}

TEST_F(HandClicks, TakeBackLowersEverythingAndOffersThePass) {
  Left(SlotsOfRank(g, 10)[0]);
  ASSERT_FALSE(RaisedSlots(g).empty());
  CmdReturnClick(g);
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_FALSE(g.Win.CmdSend.Visible);
  EXPECT_FALSE(g.Win.CmdReturn.Visible);
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  EXPECT_TRUE(g.Win.CmdPass.HasFocus);

  g.Input.OtherWindowOpen = true;
  g.Win.CmdPass = Button();
  CmdReturnClick(g);
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Win.CmdPass.HasFocus);
}

TEST_F(HandClicks, PassingHandsTheTurnBackOnlyWhenTheHumanIsWaitedFor) {
  g.Seats[1].Burned = true;
  g.Flow.WaitHuman = false;
  Input(g, CmdPassClick);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_TRUE(g.Seats[1].Burned);

  AwaitHuman(g);
  g.Win.CmdPass.Visible = true;
  g.Win.CmdShaoHuLe.Visible = true;
  Input(g, CmdPassClick);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g.Flow.HumanPassed);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
}

TEST_F(HandClicks, PeekingShowsAnotherSeatsHandUntilTheMouseMoves) {
  GiveCards(g, 3, kAce, 2);
  LblNameMouseDown(g, 3, MouseButton::Right, kCtrlKey);
  LblNameDblClick(g, 3);
  EXPECT_FALSE(g.Input.PeekShown);

  LblNameMouseDown(g, 3, MouseButton::Right, kCtrlKey | kShiftKey);
  LblNameDblClick(g, 3);
  EXPECT_TRUE(g.Input.PeekShown);
  EXPECT_EQ(g.Win.ImgHand[1].Tag, "C14");
  Left(1);  // the cards shown are not the human's
  EXPECT_TRUE(RaisedSlots(g).empty());

  PeekMouseMove(g);
  EXPECT_FALSE(g.Input.PeekShown);
  EXPECT_EQ(g.Win.ImgHand[1].Tag, "J17");
}

}  // namespace
}  // namespace zunda
