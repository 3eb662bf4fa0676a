#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "flow/steps.h"
#include "rules/human_input.h"

namespace zunda {
namespace {

using testing::GiveCards;
using testing::LayTable;

class TurnPrompt : public testing::GameTest {
 protected:
  void SetUp() override {
    g.AppPath = "C:\\Zunda";
    GiveCards(g, 1, 10, 4);
    GiveCards(g, 1, 3, 2);
    g.CurrentSeat = 1;
    g.Seats[1].OnTurn = true;
  }
};

TEST_F(TurnPrompt, AnOrdinaryPlayOffersThePassAndWaits) {
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

TEST_F(TurnPrompt, ABurnerIsRemindedAndGetsNoPassButton) {
  LayTable(g, 2, 6, 2);
  g.Seats[1].Burned = true;
  PromptForHuman(g);
  EXPECT_EQ(g.Win.LblPrompt.Caption, " 您已经烧牌 ");
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_TRUE(g.Flow.WaitHuman);
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
