#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "engine_fixture.h"
#include "players/execute_play.h"

namespace zunda {
namespace {

using testing::GiveHand;
using testing::MakePlay;

// n cards of rank 3 in distinct codes, as filler for a hand.
std::vector<std::string> Threes(int n) {
  static constexpr const char* kCodes[] = {"C03", "D03", "H03", "S03"};
  std::vector<std::string> cards;
  for (int i = 0; i < n; ++i)
    cards.push_back(kCodes[i % 4]);
  return cards;
}

std::vector<std::string> With(std::vector<std::string> cards, std::vector<std::string> more) {
  cards.insert(cards.end(), more.begin(), more.end());
  return cards;
}

TEST(PlayEventText, NamesCountRankAndAttachedJokers) {
  struct Case {
    PlayRecord play;
    std::string text;
  };
  const std::vector<Case> cases = {
      {MakePlay(13, 3), "3张  K"},
      {MakePlay(9, 3, 0, 0, 1), "4张  9(1大虎)"},
      {MakePlay(10, 2, 1, 1, 2), "6张 10(2大虎1小虎)"},
      {MakePlay(0, 0, 2, 1), "3张  钱(1小虎)"},
      {MakePlay(0, 0, 0, 2), "2张 小虎"},
      {MakePlay(0, 0, 0, 1, 1), "2张 小虎(1大虎)"},
      {MakePlay(0, 0, 0, 0, 3), "3张 大虎"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PlayEventText(c.play), c.text) << c.text;
}

TEST(ExecutePlay, TakesTheCardsOutAndUpdatesTheSeatsCounters) {
  testing::TestGame t;
  Game& g = t.game;
  GiveHand(g, 2, {"C09", "D09", "H09", "S15", "D15", "J16", "J17", "J17", "C04", "C05"});
  g.TablePlay = MakePlay(9, 2, 1, 0, 1);
  g.TablePlay.BaseCodes[1] = CardCode("H09");
  g.TablePlay.BaseCodes[2] = CardCode("D09");
  g.TablePlay.Total = 0;  // a chooser may leave it stale
  ExecutePlay(g, 2);

  const PlayRecord& play = g.TablePlay;
  EXPECT_EQ(play.Total, 4);
  EXPECT_EQ(play.Seat, 2);
  EXPECT_EQ(play.Tag, 'N');
  EXPECT_EQ(g.Hand[2][9].Count, 1);
  EXPECT_EQ(g.Hand[2][9].Codes[1].Str(), "C09");
  EXPECT_TRUE(g.Hand[2][9].Codes[2].IsBlank());
  EXPECT_EQ(g.Hand[2][kTwo].Count, 1);
  EXPECT_EQ(g.Hand[2][kBigJoker].Count, 1);
  EXPECT_TRUE(g.BigJokerOnTable);

  const SeatRecord& seat = g.Seats[2];
  EXPECT_EQ(seat.CardCount, 6);
  EXPECT_EQ(seat.SetCount, 3);
  EXPECT_EQ(seat.JokerCount, 2);
  EXPECT_TRUE(seat.BurnRight);
  EXPECT_EQ(g.PlayedByRank[9], 2);
  EXPECT_EQ(g.PlayedByRank[kBigJoker], 1);
  EXPECT_EQ(g.Table.LastShownSeat, 2);
  EXPECT_EQ(g.Flow.LastPlayedSeat, 2);
}

TEST(ExecutePlay, AnnouncesThePlayOnEventListPromptAndTableTips) {
  testing::TestGame t;
  Game& g = t.game;
  GiveHand(g, 2, With(Threes(12), {"C13", "D13", "H13"}));
  g.TablePlay = MakePlay(13, 3);
  g.Flow.FirstWaitPending = true;
  g.Flow.LongDelay = true;
  ExecutePlay(g, 2);

  ASSERT_FALSE(g.Win.LstDispEvent.Items.empty());
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 3张  K");
  EXPECT_EQ(g.Win.LblPrompt.Caption, "Bersa:3张  K");
  for (int index = 21; index <= 40; ++index) {
    EXPECT_EQ(g.Win.ImgTable[index].ToolTipText, "3张  K") << index;
  }
  EXPECT_EQ(g.Win.ImgTable[41].ToolTipText, "");
  EXPECT_EQ(g.Win.Frame1[2].ToolTipText, "3张  K");
  EXPECT_FALSE(g.Flow.FirstWaitPending);
  EXPECT_FALSE(g.Flow.LongDelay);
}

TEST(ExecutePlay, AnnouncesTheCardsLeftOnlyFromTenDown) {
  struct Case {
    int left;
    std::string caption;
    std::string tip;
    bool announced;
  };
  const std::vector<Case> cases = {
      {11, "Bersa", "不够报牌", false},
      {10, "Bersa : 10", "手中还有10张牌", true},
      {1, "Bersa : 1", "手中还有1张牌", true},
      {0, "Bersa", "不够报牌", false},
  };
  for (const Case& c : cases) {
    testing::TestGame t;
    Game& g = t.game;
    GiveHand(g, 2, With(Threes(c.left), {"C08", "D08"}));
    g.TablePlay = MakePlay(8, 2);
    ExecutePlay(g, 2);
    const Label& label = g.Win.LblName[2];
    EXPECT_EQ(label.Caption, c.caption) << c.left;
    EXPECT_EQ(label.ToolTipText, c.tip) << c.left;
    EXPECT_EQ(g.Win.LstDispEvent.Items.back(),
              c.announced ? "Bersa: 手中还有" + std::to_string(c.left) + "张牌"
                          : std::string("Bersa: 2张  8"))
        << c.left;
  }
}

// Six seats in play, each with a hand; seat `player` lays the play.
struct SeatingTest : testing::GameTest {
  SeatingTest() {
    for (int seat = 1; seat <= kSeats; ++seat) {
      GiveHand(g, seat, With(Threes(12), {"C12", "D12", "H12", "S12", "J17"}));
    }
  }
  void Lay(int seat, const PlayRecord& play) {
    g.PrevTablePlay = g.TablePlay;
    g.TablePlay = play;
    ExecutePlay(g, seat);
  }
};

TEST_F(SeatingTest, AZundaPlayReopensTheOppositeSeatOnly) {
  g.Seats[5].Passed = true;
  g.Seats[5].Folded = true;
  g.Seats[3].Passed = true;
  g.Win.LblName[5].BackColor = kColorPassed;
  Lay(2, MakePlay(12, 3));
  EXPECT_FALSE(g.Seats[5].Passed);
  EXPECT_FALSE(g.Seats[5].Folded);
  EXPECT_EQ(g.Win.LblName[5].BackColor, kColorNormal);
  EXPECT_TRUE(g.Win.LblName[5].Opaque);
  EXPECT_EQ(g.Win.LblName[5].BorderStyle, 1);
  EXPECT_TRUE(g.Seats[3].Passed) << "with six seats in play nobody else is reopened";

  g.Seats[4].Passed = true;
  Lay(1, MakePlay(3, 2));
  EXPECT_TRUE(g.Seats[4].Passed) << "an ordinary play reopens nobody";
}

TEST_F(SeatingTest, AZundaPlayOverAZundaPlayPassesOverTheSeatsBetween) {
  Lay(2, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  for (int seat : {3, 5, 6}) {
    EXPECT_TRUE(g.Seats[seat].Passed) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorPassed) << seat;
    EXPECT_TRUE(g.Win.LblName[seat].Opaque) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BorderStyle, 1) << seat;
  }
  EXPECT_FALSE(g.Seats[4].Passed) << "the seat opposite may still answer";
  EXPECT_FALSE(g.Seats[2].Passed);
}

TEST_F(SeatingTest, NoSeatLiesBetweenNeighbours) {
  Lay(6, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  for (int seat = 2; seat <= kSeats; ++seat)
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;
}

TEST_F(SeatingTest, SeatsOutOfTheHandAreSkippedAndNeverMarked) {
  g.Seats[3].Finished = true;
  g.Seats[5].Scorched = true;
  Lay(2, MakePlay(12, 3));
  Lay(1, MakePlay(3, 2, 0, 0, 1));
  EXPECT_FALSE(g.Seats[3].Passed);
  EXPECT_FALSE(g.Seats[5].Passed);
  EXPECT_NE(g.Win.LblName[3].BackColor, kColorPassed);
  // Four seats in play: the play reopened every one of them.
  for (int seat : {2, 4, 6})
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;
}

TEST_F(SeatingTest, WithFourSeatsLeftEveryPlayReopensTheAnswering) {
  g.Seats[3].Finished = true;
  g.Seats[6].Finished = true;
  for (int seat = 1; seat <= kSeats; ++seat) {
    g.Seats[seat].Passed = true;
    g.Seats[seat].Folded = true;
  }
  Lay(1, MakePlay(3, 2));
  for (int seat : {1, 2, 4, 5}) {
    EXPECT_FALSE(g.Seats[seat].Passed) << seat;
    EXPECT_FALSE(g.Seats[seat].Folded) << seat;
    EXPECT_EQ(g.Win.LblName[seat].BackColor, kColorNormal) << seat;
  }
  EXPECT_TRUE(g.Seats[3].Passed) << "a seat out of the hand is left alone";
}

}  // namespace
}  // namespace zunda
