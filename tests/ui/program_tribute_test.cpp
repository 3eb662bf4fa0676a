#include <QListWidget>
#include <map>

#include "core/seats.h"
#include "program_table_fixture.h"
#include "rules/tribute.h"

namespace zunda::testing {
namespace {

// Cards of each code the seat holds.
std::map<std::string, int> Held(const Game& g, int seat) {
  std::map<std::string, int> held;
  for (const HandBucket& bucket : g.Hand[seat]) {
    for (int i = 1; i <= bucket.Count; ++i)
      ++held[bucket.Codes[i].Str()];
  }
  return held;
}

using TributeTest = TableTest;

// The human came first in the last hand; seat 6, an opponent, came last and pays two cards.
TEST_F(TributeTest, TheHumanReturnsExactlyTheCardsOwedAndTooManyIsRefused) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    g().Seats[seat].Place = seat;
    g().FinishOrder[seat] = seat;
  }
  g().FirstHand = false;
  ASSERT_TRUE(TickUntil([&] { return ReturnChoiceOpen(g()); }));
  EXPECT_EQ(Prompt(), "您吃2张贡,请选择还贡的牌!");
  EXPECT_FALSE(g().Win.TmrMainCircle.Enabled);
  EXPECT_TRUE(host().Messages().empty()) << "an opponent's tribute is taken without asking";
  EXPECT_EQ(TableRow(6).size(), 2u) << "the paid cards lie face up in the payer's row";
  const std::vector<int> hand = DrawnHandSlots();
  ASSERT_EQ(hand.size(), 36u);
  const std::map<std::string, int> before = Held(g(), 1);

  // The last three slots hold the lowest cards.
  const int a = hand[33], b = hand[34], c = hand[35];
  ClickCard(a);
  EXPECT_FALSE(Shown(CommandButton::HG));
  ClickCard(b);
  EXPECT_TRUE(DrawnRaised(a));
  EXPECT_TRUE(DrawnRaised(b));
  EXPECT_TRUE(Shown(CommandButton::HG));
  ClickCard(c);
  EXPECT_EQ(Prompt(), "太多了！");
  EXPECT_FALSE(DrawnRaised(c));
  EXPECT_EQ(Raised(), (std::vector<int>{a, b}));
  // A raised card goes down again and the button with it.
  ClickCard(a);
  EXPECT_FALSE(Shown(CommandButton::HG));
  ClickCard(c);
  EXPECT_EQ(Raised(), (std::vector<int>{b, c}));
  ASSERT_TRUE(Shown(CommandButton::HG));
  const std::string returnedB = g().Win.ImgHand[b].Tag;
  const std::string returnedC = g().Win.ImgHand[c].Tag;

  Press(CommandButton::HG);
  EXPECT_FALSE(Shown(CommandButton::HG));
  EXPECT_TRUE(Prompt().empty());
  EXPECT_FALSE(ReturnChoiceOpen(g()));
  EXPECT_EQ(g().MainCourse, TurnStep::AnnounceLeader);
  EXPECT_TRUE(g().Win.TmrMainCircle.Enabled);

  // The two chosen cards went to seat 6, its two highest cards came the other way.
  std::map<std::string, int> expected = before;
  for (const std::string& code : {returnedB, returnedC})
    --expected[code];
  for (int i = 1; i <= 2; ++i)
    ++expected[g().Seats[6].TributeSlots[i].Code.Str()];
  std::erase_if(expected, [](const auto& entry) { return entry.second == 0; });
  EXPECT_EQ(Held(g(), 1), expected);
  EXPECT_EQ(CardsInHand(g(), 1), 36);
  EXPECT_EQ(DrawnHandSlots().size(), 36u);
  for (int slot : DrawnHandSlots())
    EXPECT_FALSE(DrawnRaised(slot)) << slot;
  EXPECT_FALSE(Window()
                   .EventList()
                   ->findItems(QStringLiteral("Aldor 还贡牌:"), Qt::MatchStartsWith)
                   .isEmpty());

  // The hand goes on to its first lead.
  ASSERT_TRUE(TickUntilState(TurnStep::StartRound));
}

}  // namespace
}  // namespace zunda::testing
