#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/burning.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::AwaitHuman;
using testing::GiveCards;
using testing::LayTable;
using testing::SlotsOfRank;

// The human has burned seat 2's play and answers again, holding a big joker, two 9s and a 4.
class JokerObligation : public testing::GameTest {
 protected:
  void SetUp() override {
    GiveCards(g, 1, kBigJoker, 1);
    GiveCards(g, 1, 9, 2);
    GiveCards(g, 1, 4, 1);
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

TEST_F(JokerObligation, TheFirstPlayOfABurnIsFree) {
  ASSERT_TRUE(g.Burn.BurnBeaten);
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_TRUE(g.Win.CmdSend.Visible);
  Left(SlotsOfRank(g, 9)[0]);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

TEST_F(JokerObligation, LaterPlaysNeedAJokerOrTheWholeHand) {
  BurnBeaten(g, 1);  // the burner's first play was laid
  EXPECT_FALSE(g.Burn.BurnBeaten);
  EXPECT_TRUE(g.Seats[1].Burned);

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

TEST_F(JokerObligation, AnotherSeatsPlayOverTheBurnerEndsTheBurn) {
  BurnBeaten(g, 1);
  g.TablePlay.Seat = 1;
  BurnBeaten(g, 3);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Burn.BurnBeaten);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_EQ(g.Burn.BurnedSeat, 0);
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible);
}

TEST_F(JokerObligation, PassingEndsTheBurnButKeepsTheScorchedButton) {
  g.Win.CmdPass.Visible = true;
  Input(g, CmdPassClick);
  EXPECT_FALSE(g.Seats[1].Burned);
  EXPECT_TRUE(g.Win.CmdShaoHuLe.Visible);
  EXPECT_EQ(g.MainCourse, TurnStep::HumanAnswered);
}

}  // namespace
}  // namespace zunda
