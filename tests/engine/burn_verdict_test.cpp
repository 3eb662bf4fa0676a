#include <gtest/gtest.h>

#include "core/game.h"
#include "engine_fixture.h"
#include "rules/burning.h"
#include "rules/scorched_hook.h"

namespace zunda {
namespace {

using testing::GiveCards;

// The human burned seat 2's Zunda play and is left with one joker for three sets.
class ScorchedVerdicts : public testing::GameTest {
 protected:
  void SetUp() override {
    GiveCards(g, 1, kSmallJoker, 1);
    GiveCards(g, 1, 9, 2);
    GiveCards(g, 1, 6, 1);
    GiveCards(g, 1, 4, 1);
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
  EXPECT_TRUE(human.Scorched);
  EXPECT_TRUE(human.Finished);
  EXPECT_FALSE(human.Burned);
  EXPECT_EQ(human.Place, 6);
  EXPECT_EQ(g.Burn.ScorchedCounter, 1);
  EXPECT_EQ(g.Burn.BurnerSeat, 0);
  EXPECT_TRUE(g.Seats[4].OppositeOut);
  EXPECT_TRUE(g.Flow.RoundOver);
  EXPECT_EQ(g.LeadSeat, 2);
  ASSERT_GE(Events().size(), 2u);
  EXPECT_EQ(Events()[0], "Aldor: 烧糊了!被判为:大落");
  EXPECT_EQ(Events().back(), "Bersa: 被判定获得发牌权");
  EXPECT_EQ(g.Win.LblName[1].Caption.rfind("Aldor-烧糊了", 0), 0u);
  EXPECT_EQ(g.Win.LblName[1].BackColor, kColorOut);

  EXPECT_TRUE(g.Flow.HumanCommitted);
  EXPECT_FALSE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Win.CmdShaoHuLe.Visible || g.Win.CmdShaoHuLe.HasFocus);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "");
  EXPECT_EQ(g.MainCourse, TurnStep::EndRound);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);

  Input(g, CmdShaoHuLeClick);  // judged once only
  EXPECT_EQ(g.Burn.ScorchedCounter, 1);
  EXPECT_EQ(human.Place, 6);
}

TEST_F(ScorchedVerdicts, TooFewJokersAfterAPlayScorchTheBurnerAutomatically) {
  g.Seats[1].JokerCount = 2;  // two jokers for three sets still hold
  AutoScorchedVerdict(g, 1);
  EXPECT_FALSE(g.Seats[1].Scorched);
  g.Seats[1].JokerCount = 1;
  g.Seats[1].Burned = false;  // only a burner is judged
  AutoScorchedVerdict(g, 1);
  EXPECT_FALSE(g.Seats[1].Scorched);

  g.Seats[1].Burned = true;
  AutoScorchedVerdict(g, 1);
  EXPECT_EQ(t.host.Messages(),
            std::vector<std::string>{"嘿嘿,数一数您手里的大小鬼数量,是不是烧糊了?"});
  EXPECT_TRUE(g.Seats[1].Scorched);
  EXPECT_EQ(g.Seats[1].Place, 6);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "哈哈,您烧糊了!恭喜您成为大落");
  // The turn cycle goes on from the step that laid the play.
  EXPECT_EQ(g.MainCourse, TurnStep::ApplyAnswer);
  EXPECT_TRUE(g.Win.CmdPass.Visible);
  EXPECT_FALSE(g.Flow.HumanCommitted);
}

TEST_F(ScorchedVerdicts, ALeadForASeatThatHasGoneOutPassesOn) {
  g.Seats[2].Finished = true;
  AutoScorchedVerdict(g, 1);
  EXPECT_EQ(g.LeadSeat, 3);
  EXPECT_EQ(g.Burn.BurnedSeat, 3);
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
