#include <gtest/gtest.h>

#include <string>

#include "core/display.h"
#include "engine_fixture.h"
#include "rules/commit_selection.h"

namespace zunda {
namespace {

using testing::GiveHand;
using testing::MakePlay;
using testing::Raise;

// Slots: 1 J17, 2 J16, 3 S15, 4 H15, 5 C09, 6 D09, 7 H09, 8 C05.
struct CommitTest : testing::GameTest {
  CommitTest() {
    GiveHand(g, 1, {"J17", "J16", "S15", "H15", "C09", "D09", "H09", "C05"});
    g.Win.CmdSend.Visible = true;
    g.Win.CmdReturn.Visible = true;
    for (int slot = 1; slot <= 8; ++slot)
      g.Win.ImgHand[slot].ToolTipText = "tip";
  }
};

TEST_F(CommitTest, BuildsThePlayFromTheRaisedSlotsAndLaysIt) {
  g.TablePlay = MakePlay(7, 4);
  Raise(g, {2, 4, 6, 7});
  // Left over from a larger bucket: cleared with every code the hand no longer holds.
  g.Hand[1][9].Codes[decltype(g.Hand[1][9].Codes)::kHigh] = CardCode("S09");
  ASSERT_TRUE(CommitSelection(g));
  EXPECT_TRUE(g.Hand[1][9].Codes[decltype(g.Hand[1][9].Codes)::kHigh].IsBlank());

  const PlayRecord& play = g.TablePlay;
  EXPECT_EQ(play.Seat, 1);
  EXPECT_EQ(testing::Shape(play), "9:2/1/1/0");
  EXPECT_EQ(play.BaseCodes[1].Str() + play.BaseCodes[2].Str() + play.TwoCodes[1].Str(),
            "H09D09H15");
  EXPECT_EQ(g.Selection, play);

  EXPECT_TRUE(g.Flow.HumanCommitted);
  EXPECT_FALSE(g.Win.CmdSend.Visible || g.Win.CmdReturn.Visible || g.Win.CmdPass.Visible ||
               g.Win.LblPrompt.Visible);
  for (int slot : {2, 4, 6, 7}) {
    const Image& image = g.Win.ImgHand[slot];
    EXPECT_TRUE(image.Top == kHandLowered && !image.Visible && image.Tag + image.ToolTipText == "")
        << slot;
  }
  EXPECT_TRUE(g.Win.ImgHand[5].Tag == "C09" && g.Win.ImgHand[5].Visible);

  // The buckets keep the codes that stay in hand; the counts fall when the play is executed.
  EXPECT_EQ(g.Hand[1][9].Count, 3);
  EXPECT_EQ(g.Hand[1][9].Codes[1].Str() + g.Hand[1][kTwo].Codes[1].Str(), "C09S15");
  EXPECT_TRUE(g.Hand[1][9].Codes[2].IsBlank() && g.Hand[1][kTwo].Codes[2].IsBlank());
}

TEST_F(CommitTest, TwosAndJokersAloneMakeAPlayWithoutBaseCards) {
  g.LeadSeat = 1;
  Raise(g, {1, 3, 4});
  ASSERT_TRUE(CommitSelection(g));
  EXPECT_EQ(testing::Shape(g.TablePlay), "15:0/2/0/1");
  EXPECT_EQ(g.TablePlay.TwoCodes[1].Str() + g.TablePlay.TwoCodes[2].Str(), "H15S15");
  EXPECT_EQ(g.Hand[1][9].Codes[3].Str(), "H09") << "other buckets untouched";
}

TEST_F(CommitTest, RefusesACountThatDiffersFromTheTablePlay) {
  g.TablePlay = MakePlay(5, 3);
  const PlayRecord table = g.TablePlay;
  const HandGrid hand = g.Hand;
  Raise(g, {6, 7});
  EXPECT_FALSE(CommitSelection(g));
  EXPECT_EQ(g.Win.LblPrompt.Caption, "选中牌的张数与上家不一样，请重选");
  EXPECT_TRUE(g.Win.LblPrompt.Visible && g.Win.CmdSend.Visible && !g.Flow.HumanCommitted);
  EXPECT_TRUE(g.TablePlay == table && g.Hand == hand);
  EXPECT_TRUE(g.Win.ImgHand[6].Top == kHandRaised && g.Win.ImgHand[7].Tag == "H09");
}

TEST_F(CommitTest, RefusesASmallJokerOnTheTableWithoutABigOne) {
  g.TablePlay = MakePlay(5, 2, 0, 2);
  const HandGrid hand = g.Hand;
  Raise(g, {2, 5, 6, 7});
  EXPECT_FALSE(CommitSelection(g));
  EXPECT_EQ(g.Win.LblPrompt.Caption, "您必须至少挂2张大虎方可出牌");
  EXPECT_TRUE(g.TablePlay == MakePlay(5, 2, 0, 2) && g.Hand == hand);
  EXPECT_TRUE(!g.Flow.HumanCommitted && g.Win.ImgHand[2].Top == kHandRaised);
}

TEST_F(CommitTest, NothingRaisedLaysNothing) {
  g.LeadSeat = 1;
  EXPECT_FALSE(CommitSelection(g) || g.Flow.HumanCommitted || g.TablePlay.Total != 0);
}

}  // namespace
}  // namespace zunda
