#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/cards.h"
#include "deal/shuffle.h"
#include "deal_script.h"
#include "engine_fixture.h"

namespace zunda {
namespace {

using testing::SequenceGame;

// A full deck whose cards can be told apart: each code names the card's first position,
// the rank stays, so the shuffle's counts still hold.
DeckArray NumberedDeck() {
  DeckArray deck;
  BuildDeck(deck);
  for (int i = 1; i <= kDeckSize; ++i)
    deck[i].Code = CardCode(std::to_string(100 + i));
  return deck;
}

std::map<std::string, int> CodeCounts(const DeckArray& deck) {
  std::map<std::string, int> counts;
  for (const Card& card : deck)
    ++counts[card.Code.Str()];
  return counts;
}

TEST(Shuffle, SeededShuffleIsAPermutationAndRepeatsForTheSameSeed) {
  testing::TestGame a(42);
  testing::TestGame b(42);
  testing::TestGame c(43);
  int events = 0;
  a.host.OnDoEvents([&] { ++events; });
  for (Game* g : {&a.game, &b.game, &c.game}) {
    BuildDeck(g->Deck);
    ShuffleDeck(*g);
  }
  EXPECT_EQ(events, kDeckSize);
  EXPECT_EQ(a.game.Deck, a.game.DeckCopy);
  const auto counts = CodeCounts(a.game.DeckCopy);
  EXPECT_EQ(counts.size(), 54u);
  for (const auto& [code, count] : counts)
    EXPECT_EQ(count, 4) << code;
  for (const Card& card : a.game.DeckCopy)
    EXPECT_EQ(card.Rank, card.Code.Rank());

  EXPECT_EQ(a.game.DeckCopy, b.game.DeckCopy);
  EXPECT_NE(a.game.DeckCopy, c.game.DeckCopy);
  // A seed gives the same order on every run, compiler and platform.
  std::string head;
  for (int i = 1; i <= 6; ++i)
    head += a.game.DeckCopy[i].Code.Str();
  EXPECT_EQ(head, "C03H05J16H05H05D09");
}

TEST(Shuffle, EachDrawTakesACardBeforeTheLastAndFillsTheGapWithTheLast) {
  const DeckArray numbered = NumberedDeck();
  {
    SequenceGame t;
    t.game.Deck = numbered;
    for (int i = 0; i < kDeckSize; ++i)
      t.host.QueueDraw(0.0);
    ShuffleDeck(t.game);
    EXPECT_EQ(t.host.Draws(), kDeckSize);
    // Always the first card, whose place the last card then takes.
    EXPECT_EQ(t.game.DeckCopy[1], numbered[1]);
    for (int i = 2; i <= kDeckSize; ++i)
      EXPECT_EQ(t.game.DeckCopy[i], numbered[218 - i]) << i;
  }
  {
    SequenceGame t;
    t.game.Deck = numbered;
    for (int i = 0; i < kDeckSize; ++i)
      t.host.QueueDraw(0.9999999);
    ShuffleDeck(t.game);
    // The highest reachable position is the second-last: the last card is drawn last.
    for (int i = 1; i < kDeckSize; ++i)
      EXPECT_EQ(t.game.DeckCopy[i], numbered[216 - i]) << i;
    EXPECT_EQ(t.game.DeckCopy[kDeckSize], numbered[kDeckSize]);
    EXPECT_EQ(t.game.Deck, t.game.DeckCopy);
  }
}

TEST(Shuffle, WrongCountsOfHighCardsStopTheGameWithTheCounts) {
  testing::TestGame t;
  Game& g = t.game;
  BuildDeck(g.Deck);
  ASSERT_EQ(g.Deck[13].Rank, kTwo);
  g.Deck[13] = g.Deck[54];  // a two becomes a fifth big joker
  g.Guard([&] { ShuffleDeck(g); });
  ASSERT_EQ(t.host.FatalMessages().size(), 1u);
  EXPECT_EQ(t.host.FatalMessages()[0],
            "Err:随机数产生错误,请将此现象通知作者,谢谢!大虎:5 小虎:4 小两:15");
  EXPECT_TRUE(g.Stopped);
}

TEST(Cut, NeverStartsAtTheFirstOrLastCardAndRoundsHalvesToEven) {
  const DeckArray numbered = NumberedDeck();
  const auto cutWith = [&](std::initializer_list<double> draws, int& used) {
    SequenceGame t;
    int events = 0;
    t.host.OnDoEvents([&] { ++events; });
    t.game.DeckCopy = numbered;
    t.host.QueueDraws(draws);
    CutDeck(t.game);
    used = t.host.Draws();
    EXPECT_EQ(events, used);
    EXPECT_EQ(t.game.Deck, t.game.DeckCopy);
    return t.game.Deck;
  };
  ASSERT_EQ(2.5 / 216 * 216, 2.5);
  ASSERT_EQ(215.5 / 216 * 216, 215.5);

  int used = 0;
  // 0, 1 and 216 (215.5 goes to the even 216) are drawn again; 2.5 goes to the even 2.
  DeckArray cut = cutWith({0.0, 1.0 / 216, 215.5 / 216, 2.5 / 216}, used);
  EXPECT_EQ(used, 4);
  EXPECT_EQ(cut[1], numbered[2]);
  EXPECT_EQ(cut[215], numbered[216]);
  EXPECT_EQ(cut[216], numbered[1]);

  cut = cutWith({1.5 / 216}, used);
  EXPECT_EQ(used, 1);
  EXPECT_EQ(cut[1], numbered[2]);

  cut = cutWith({215.4 / 216}, used);
  EXPECT_EQ(cut[1], numbered[215]);
  EXPECT_EQ(cut[2], numbered[216]);
  EXPECT_EQ(cut[3], numbered[1]);
}

}  // namespace
}  // namespace zunda
