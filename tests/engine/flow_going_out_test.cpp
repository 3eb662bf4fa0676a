#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/seats.h"
#include "engine_fixture.h"
#include "players/lead_choice.h"
#include "rules/human_input.h"
#include "rules/tribute.h"

namespace zunda {
namespace {

using testing::RunTicksUntil;
using testing::RunTicksUntilState;
using testing::SlotsOfRank;

bool AnswerOf(const Game& g, int seat) {
  return g.MainCourse == TurnStep::ApplyAnswer && g.CurrentSeat == seat;
}

bool Shown(const testing::TestGame& t, const std::string& text) {
  const auto& messages = t.host.Messages();
  return std::find(messages.begin(), messages.end(), text) != messages.end();
}

// The human's team goes out first: the human leads its ace, then seats 3 and 5 answer seat 2's
// lead with their last cards. The next hand opens with the tribute the human must return.
using HandEnd = testing::GameTest;

TEST_F(HandEnd, ATripleCaptureEndsTheHandAndTheHumanReturnsItsTributeByHand) {
  testing::SetUpRound(g, {"1xA", "1x3 1x4 1x5", "1x9", "2x6 1x7", "1xK", "2x8 1x10"}, 1);
  testing::RunWhileTimed(g, 10);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLead);
  const int ace = SlotsOfRank(g, kAce)[0];
  Input(g, ImgHandMouseUp, ace, MouseButton::Left, 0);
  Input(g, ImgHandMouseUp, ace, MouseButton::Left, 0);
  ASSERT_EQ(g.MainCourse, TurnStep::HumanLed);

  // The human goes out first; when the round closes, the next seat takes the lead.
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return g.MainCourse == TurnStep::ExecuteLead && g.CurrentSeat == 2; }, 100));
  EXPECT_EQ(g.Seats[1].Place, 1);
  EXPECT_EQ(g.Win.LblName[1].Caption, "Aldor: 头科");
  EXPECT_EQ(g.Win.LblName[1].BackColor, kColorOut);
  EXPECT_EQ(testing::EventLinesWith(g, "Bersa: 接受“Aldor”的留封"), 1);
  EXPECT_EQ(g.CurrentSeat, 2);
  SetWholeBucket(g, 2, 3, g.TablePlay);

  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return AnswerOf(g, 3); }, 50));
  testing::AnswerWith(g, 3, 9, 1);
  ASSERT_TRUE(RunTicksUntil(
      g, [&] { return AnswerOf(g, 5); }, 50));
  EXPECT_EQ(g.Seats[3].Place, 2);
  testing::AnswerWith(g, 5, 13, 1);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::EndRound, 20));
  EXPECT_TRUE(g.Flow.HandOver && g.Flow.RoundOver);
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::EndHand, 20));

  EXPECT_TRUE(Shown(t, "已抓三户!"));
  EXPECT_TRUE(g.TripleCapture);
  EXPECT_EQ(testing::Order(g.FinishOrder), (std::vector<int>{1, 3, 5, 2, 6, 4}));
  for (int seat = 1; seat <= kSeats; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, 1) << seat;

  // The summary, then the next deal; the human took one card from seat 4 and must return one.
  testing::RunWhileTimed(g, 20);
  EXPECT_EQ(testing::EventLinesWith(g, "抓三户 : "), 3);
  EXPECT_FALSE(Shown(t, "下面是大落【Delis】剩余的牌"));
  ASSERT_EQ(g.MainCourse, TurnStep::ReturnTribute);
  EXPECT_FALSE(g.Win.TmrMainCircle.Enabled);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "您吃1张贡,请选择还贡的牌!");
  ASSERT_EQ(g.Seats[1].CardCount, 36);

  std::vector<int> cards;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (HandSlotHoldsCard(g, slot)) cards.push_back(slot);
  }
  const int chosen = cards.back();
  const std::string code = g.Win.ImgHand[chosen].Tag;
  Input(g, ImgHandMouseUp, cards[cards.size() - 2], MouseButton::Left, 0);
  Input(g, ImgHandMouseUp, chosen, MouseButton::Left, 0);
  EXPECT_EQ(g.Win.LblPrompt.Caption, "太多了！");
  Input(g, ImgHandMouseUp, cards[cards.size() - 2], MouseButton::Left, 0);  // put it back
  Input(g, ImgHandMouseUp, chosen, MouseButton::Left, 0);
  ASSERT_TRUE(g.Win.CmdHG.Visible);
  const int fourBefore = g.Hand[4][CardCode(code).Rank()].Count;
  Input(g, CmdHGClick);

  EXPECT_EQ(g.MainCourse, TurnStep::AnnounceLeader);
  EXPECT_TRUE(g.Win.TmrMainCircle.Enabled);
  EXPECT_FALSE(g.Win.CmdHG.Visible);
  EXPECT_EQ(g.Seats[1].ReturnSlots[1].Code, CardCode(code));
  EXPECT_EQ(g.Hand[4][CardCode(code).Rank()].Count, fourBefore + 1);
  EXPECT_EQ(CardsInHand(g, 1), 36);
  EXPECT_EQ(CardsInHand(g, 4), 36);
  EXPECT_EQ(testing::EventLinesWith(g, "Aldor 还贡牌"), 1);
  EXPECT_EQ(testing::EventLinesWith(g, "Delis 进贡牌"), 1);

  // The hand goes on with the seat that came last leading.
  ASSERT_TRUE(RunTicksUntilState(g, TurnStep::ComputerLead, 10));
  EXPECT_EQ(g.LeadSeat, 4);
  EXPECT_TRUE(t.host.FatalMessages().empty());
}

}  // namespace
}  // namespace zunda
