// The human's hand on screen and what its clicks, keys and buttons do with it.
#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/steps.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/human_prompts.h"
#include "rules/keyboard_play.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::RaisedSlots;
using testing::SetHand;
using testing::SlotsOfRank;

using HandDisplay = testing::GameTest;

TEST_F(HandDisplay, LaysRankGroupsFromTheHighestWithGapsBeforeTwosAndBelow) {
  SetHand(g, 1, "2xJ17 1x2 3xA 2x5");
  g.Win.ImgHand[2].Top = kHandRaised;
  g.Win.ImgHand[20].Tag = "C09";  // left over from an earlier hand
  g.Win.ImgHand[20].Visible = true;
  ShowHand(g, 1);
  const std::vector<std::pair<std::string, int>> expected = {
      {"J17", 60},   {"J17", 240},  {"C15", 560},  {"C14", 880},
      {"D14", 1060}, {"H14", 1240}, {"C05", 1560}, {"D05", 1740}};
  for (std::size_t i = 0; i < expected.size(); ++i) {
    const Image& card = g.Win.ImgHand[static_cast<int>(i) + 1];
    EXPECT_EQ(card.Tag, expected[i].first) << "slot " << i + 1;
    EXPECT_EQ(card.Left, expected[i].second) << "slot " << i + 1;
    EXPECT_TRUE(card.Visible);
    EXPECT_EQ(card.Top, kHandLowered);
  }
  EXPECT_EQ(g.Win.ImgHand[4].ToolTipText, "A 3张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
  EXPECT_EQ(g.Win.ImgHand[3].ToolTipText, "钱 1张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
  EXPECT_FALSE(g.Win.ImgHand[20].Visible);
  EXPECT_EQ(g.Win.ImgHand[20].Tag, "");

  // Played cards leave hidden gaps, so the rest keep their places.
  g.Hand[1][kAce].Count = 1;
  g.Hand[1][kAce].Codes[2] = g.Hand[1][kAce].Codes[3] = CardCode();
  ShowHand(g, 1);
  EXPECT_EQ(g.Win.ImgHand[4].Tag, "C14");
  EXPECT_FALSE(g.Win.ImgHand[5].Visible);
  EXPECT_EQ(g.Win.ImgHand[6].Tag, "");
  EXPECT_EQ(g.Win.ImgHand[7].Tag, "C05");
  EXPECT_EQ(g.Win.ImgHand[7].Left, 1560);
  EXPECT_EQ(g.Win.ImgHand[4].ToolTipText, "A 1张. 鼠标左键选整套,右键拆牌,双击直接出牌 ");
}

TEST_F(HandDisplay, AHandOfMoreThan36CardsIsFatalUnlessTributeChangedIt) {
  // Dealt 36, a big joker in and the single 3 back: kept gaps would need 37 slots.
  SetHand(g, 1, "1x3 16x4 16x5 3x6");
  g.DealtHand[1][kBigJoker].Count = 0;
  g.Hand[1][3].Count = 0;
  g.Hand[1][kBigJoker].Count = 1;
  g.Hand[1][kBigJoker].Codes[1] = CardCode("J17");
  g.Guard([&] { ShowHand(g, 1); });
  EXPECT_TRUE(t.host.FatalMessages().empty());
  EXPECT_EQ(g.Win.ImgHand[1].Tag, "J17");
  int shown = 0;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    shown += g.Win.ImgHand[slot].Visible ? 1 : 0;
  EXPECT_EQ(shown, 36);

  GiveCards(g, 1, 7, 1);
  g.Guard([&] { ShowHand(g, 1); });
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_EQ(t.host.FatalMessages()[0], "Err:手中牌数超过36张");
}

// The human answers seat 2's two 5s holding a big joker, a two, three 10s, three 9s, four 7s
// and a 4.
class HandClicks : public testing::GameTest {
 protected:
  void SetUp() override {
    SetHand(g, 1, "1xJ17 1x2 3x10 3x9 4x7 1x4");
    ShowHand(g, 1);
    LayTable(g, 2, 5, 2);
    g.LeadSeat = 0;
    AwaitHuman(g);
  }
  void Left(int slot) { testing::Click(g, slot); }
  void Right(int slot) { testing::Click(g, slot, MouseButton::Right); }
  std::string Prompt() const { return g.Win.LblPrompt.Caption; }
};

TEST_F(HandClicks, ALeftClickRaisesTheSetCutToTheTableAndASecondClickPlaysIt) {
  const std::vector<int> sevens = SlotsOfRank(g, 7);
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
  const int nine = SlotsOfRank(g, 9)[0];
  Left(SlotsOfRank(g, 4)[0]);
  EXPECT_EQ(Prompt(), " 牌点太小! ");
  g.Flow.DelayDone = false;
  Left(nine);
  EXPECT_EQ(Prompt(), " 请等会儿再出牌! ");
  g.Flow.DelayDone = true;
  g.Seats[1].Scorched = true;
  Left(nine);
  EXPECT_EQ(Prompt(), "您已经烧糊了，无权再出牌！");
  g.Seats[1].Scorched = false;
  LayTable(g, 4, 8, 2, 1);
  Left(nine);
  EXPECT_EQ(Prompt(), " 对门挂了大虎,不劳您出牌了,扣牌吧 ");
  LayTable(g, 2, 8, 2, 1);
  Right(nine);
  EXPECT_EQ(Prompt(), " 人家挂了大虎,您无权烧牌了 ");
  LayTable(g, 2, 5, 2);
  g.Flow.WaitHuman = false;
  Left(nine);
  EXPECT_EQ(Prompt(), "不要着急,还不到您出牌的时候!");
  EXPECT_TRUE(RaisedSlots(g).empty());
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);

  // While the human's own play lies on the table a click does nothing at all.
  AwaitHuman(g);
  LayTable(g, 1, 5, 2);
  g.Win.LblPrompt.Caption = "";
  Left(nine);
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

TEST_F(HandClicks, APlayOfTheWrongSizeOrTooEarlyIsNotHandedOver) {
  Right(SlotsOfRank(g, 9)[0]);
  const int nine = RaisedSlots(g)[0];
  EXPECT_FALSE(g.Win.CmdSend.Visible);
  Left(nine);
  EXPECT_EQ(Prompt(), "请检查选择的牌是否合适?");
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_TRUE(g.Seats[1].OnTurn);

  CmdReturnClick(g);
  Left(nine);
  ASSERT_TRUE(g.Win.CmdSend.Visible);
  g.Flow.DelayDone = false;
  Input(g, CmdSendClick);
  EXPECT_EQ(Prompt(), " 请等会儿再出牌! ");
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
}

TEST_F(HandClicks, TakeBackLowersEverythingAndOffersThePass) {
  Left(SlotsOfRank(g, 10)[0]);
  ASSERT_FALSE(RaisedSlots(g).empty());
  g.Win.CmdNotSP.HasFocus = true;
  CmdReturnClick(g);
  EXPECT_FALSE(g.Win.CmdNotSP.HasFocus) << "the focus moves to the pass button alone";
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

TEST_F(HandClicks, TheFocusWalksOverTheCardsShownAndStopsAtTheEnds) {
  std::vector<int> shown;
  for (int slot = 1; slot <= kHandSlots; ++slot)
    if (HandSlotHoldsCard(g, slot)) shown.push_back(slot);
  ASSERT_EQ(shown.size(), 13u);
  EXPECT_EQ(FocusedHandSlot(g), 0);
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown.front());
  MoveHandFocus(g, -1);
  EXPECT_EQ(FocusedHandSlot(g), shown.front()) << "no wrap at the left end";
  MoveHandFocus(g, 3);
  EXPECT_EQ(FocusedHandSlot(g), shown[3]);
  FocusHandEnd(g, true);
  EXPECT_EQ(FocusedHandSlot(g), shown.back());
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown.back());
  g.Extras.HandFocus = 0;
  MoveHandFocus(g, -1);
  EXPECT_EQ(FocusedHandSlot(g), shown.back()) << "a first step left starts at the right end";

  // A card played from under the focus: the next step lands on the nearest card.
  g.Extras.HandFocus = shown[2];
  g.Win.ImgHand[shown[2]].Visible = false;
  EXPECT_EQ(FocusedHandSlot(g), 0);
  MoveHandFocus(g, 1);
  EXPECT_EQ(FocusedHandSlot(g), shown[3]);
}

TEST_F(HandClicks, KeysSelectThroughTheClickRules) {
  const std::vector<int> sevens = SlotsOfRank(g, 7);
  const std::vector<int> nines = SlotsOfRank(g, 9);
  // Up on a 7: the whole set, cut to the pair on the table, as a left click does.
  g.Extras.HandFocus = sevens[0];
  SelectFocusedSet(g);
  EXPECT_EQ(RaisedSlots(g), (std::vector<int>{sevens[2], sevens[3]}));
  EXPECT_TRUE(g.Win.CmdSend.Visible);
  // Up on a raised card does not play it.
  g.Extras.HandFocus = sevens[3];
  SelectFocusedSet(g);
  EXPECT_FALSE(g.Flow.HumanCommitted);
  EXPECT_EQ(RaisedSlots(g).size(), 2u);
  // Down lowers one card; space on another rank gets the mouse's refusal.
  LowerFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{sevens[2]});
  g.Extras.HandFocus = nines[0];
  ToggleFocusedCard(g);
  EXPECT_EQ(g.Win.LblPrompt.Caption, kPromptInvalidCard);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{sevens[2]});
  // Space raises and lowers one card of the raised rank.
  g.Extras.HandFocus = sevens[0];
  ToggleFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), (std::vector<int>{sevens[0], sevens[2]}));
  ToggleFocusedCard(g);
  EXPECT_EQ(RaisedSlots(g), std::vector<int>{sevens[2]});
}

class TurnPrompt : public testing::GameTest {
 protected:
  void SetUp() override {
    g.AppPath = "C:\\Zunda";
    SetHand(g, 1, "4x10 2x3");
    g.CurrentSeat = 1;
    g.Seats[1].OnTurn = true;
  }
};

TEST_F(TurnPrompt, AnOrdinaryPlayOffersThePassAndABurnerGetsNoButton) {
  LayTable(g, 2, 6, 2);
  PromptForHuman(g);
  EXPECT_EQ(g.Win.CmdPass.ToolTipText, "过牌");
  EXPECT_EQ(g.Win.CmdPass.Picture, "C:\\Zunda\\Data\\pass.ico");
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  EXPECT_TRUE(g.Win.CmdPass.HasFocus);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 请选择一手牌或过牌 ");
  EXPECT_TRUE(g.Flow.WaitHuman);
  EXPECT_FALSE(g.Flow.HumanPassed);
  EXPECT_EQ(g.MainCourse, TurnStep::Idle);

  g.Seats[1].Burned = true;
  g.Win.CmdPass.Visible = false;
  PromptForHuman(g);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 您已经烧牌 ");
  EXPECT_FALSE(g.Win.CmdPass.Visible);
}

TEST_F(TurnPrompt, AZundaPlayOrFoldingInForceAsksForConfirmationOrAFold) {
  GiveCards(g, 1, kAce, 2);
  LayTable(g, 2, 13, 2);
  PromptForHuman(g);
  EXPECT_EQ(g.Win.CmdPass.ToolTipText, "确认,不再上牌了");
  EXPECT_EQ(g.Win.CmdPass.Picture, "C:\\Zunda\\Data\\capit.ico");
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 请选择一手牌或扣牌 ");

  // The seat after the human lost its opposite seat and has passed: declining is a fold.
  g.Seats[2].OppositeOut = true;
  g.Seats[2].Passed = true;
  PromptForHuman(g);
  EXPECT_EQ(g.Win.CmdPass.ToolTipText, "扣牌");
  EXPECT_EQ(g.Win.CmdPass.Picture, "C:\\Zunda\\Data\\capit.ico");

  LayTable(g, 2, 6, 2);
  g.Flow.FoldInForce = true;
  PromptForHuman(g);
  EXPECT_EQ(g.Win.CmdPass.ToolTipText, "确认,不再上牌了");
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 请选择一手牌或扣牌 ");
}

TEST_F(TurnPrompt, AHumanWhoCannotBeatIsPassedAutomatically) {
  LayTable(g, 2, kAce, 3);
  g.Flow.HumanCommitted = true;
  g.Flow.LeadMode = true;
  steps::HumanResponse(g);
  ASSERT_FALSE(g.Win.LstDispEvent.Items.empty());
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 自动过牌");
  EXPECT_TRUE(g.Flow.HumanPassed);
  EXPECT_FALSE(g.Flow.HumanCommitted);
  EXPECT_FALSE(g.Flow.LeadMode);
  EXPECT_FALSE(g.Flow.WaitHuman);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
}

}  // namespace
}  // namespace zunda
