// The end of a hand: the places the seats take as they go out or are scorched, and the points
// and rankings the places are worth.
#include "core/score_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <tuple>

#include "engine_fixture.h"

namespace zunda {
namespace {

using namespace testing;

bool EachSeatHasItsOwnPlace(const Game& g) {
  for (int place = 1; place <= kSeats; ++place) {
    const int seat = g.FinishOrder[place];
    if (seat < 1 || seat > kSeats || g.Seats[seat].Place != place) return false;
  }
  return ActiveSeats(g) == 0;  // six places held by six seats: a permutation
}

TEST(GoingOut, SeatsTakePlacesInOrderAndTheLastIsPlacedAutomatically) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  EXPECT_EQ(GoOut(g, 1), GoingOutResult::HandGoesOn);
  const Label& label = g.Win.LblName[1];
  EXPECT_EQ(std::tuple(label.Caption, label.ToolTipText), std::tuple("Aldor: 头科", "头科"));
  EXPECT_TRUE(label.Opaque && label.BackColor == kColorOut && label.BorderStyle == 1);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Aldor: 头科");
  EXPECT_EQ(std::tuple(g.Win.ImgTableRowTip[1], g.Win.ImgTableRowTip[2]),
            std::tuple("该家没有出牌", ""));
  EXPECT_TRUE(g.Seats[4].OppositeOut);

  for (int seat : {2, 3, 4})
    EXPECT_EQ(GoOut(g, seat), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.Flow.HandOver);
  g.Seats[5].CardCount = 0;
  SeatFinished(g, 5);
  EXPECT_TRUE(g.Flow.HandOver && g.Flow.RoundOver);
  EXPECT_EQ(g.FinishOrder[6], 6);
  EXPECT_EQ(SettleAfterGoingOut(g, 5), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 大落");
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  std::vector<int> counts;
  for (int seat = 1; seat <= 6; ++seat)
    counts.push_back(g.Seats[seat].TributeCount);
  EXPECT_EQ(counts, (std::vector<int>{2, 1, 0, 0, 1, 2}));

  ShowFinishSummary(g);
  const std::vector<std::string> summary = {
      "",
      "本局已经结束,走科的顺序如下:",
      "头科 : Aldor       ",
      "二科 : Bersa       ",
      "三科 : Corvan      ",
      "四科 : Delis       ",
      "二落 : Edrik       ",
      "大落 : Fanya       ",
  };
  EXPECT_EQ(LastEvents(g, 8), summary);
  EXPECT_FALSE(g.FirstHand);
}

TEST(TripleCapture, OpponentsTakeThePlacesOppositeTheWinners) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  g.Seats[2].Name = "十三个字的名字超过了十二个";
  for (int seat : {2, 6})
    GoOut(g, seat);
  EXPECT_TRUE(t.host.Messages().empty());
  EXPECT_EQ(GoOut(g, 4), GoingOutResult::TripleCapture);
  EXPECT_EQ(t.host.Messages(), std::vector<std::string>{"已抓三户!"});
  EXPECT_TRUE(g.TripleCapture && g.Flow.HandOver);
  // Opposite 2 (first) is 5, opposite 6 (second) is 3, opposite 4 (third) is 1.
  EXPECT_EQ(std::tuple(g.Seats[5].Place, g.Seats[3].Place, g.Seats[1].Place), std::tuple(6, 5, 4));
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  for (int seat = 1; seat <= 6; ++seat)
    EXPECT_EQ(g.Seats[seat].TributeCount, 1);
  EXPECT_EQ(std::tuple(g.Win.LblName[3].Caption, g.Win.LblName[3].ToolTipText),
            std::tuple("Corvan: 抓三户", "抓三户"));

  ShowFinishSummary(g);
  EXPECT_EQ(LastEvents(g, 6), (std::vector<std::string>{
                                  "头科 : 十三个字的名字超过了十二",
                                  "二科 : Fanya       ",
                                  "三科 : Delis       ",
                                  "抓三户 : Aldor       ",
                                  "抓三户 : Corvan      ",
                                  "抓三户 : Edrik       ",
                              }));
}

TEST(TripleCapture, IsNotDeclaredWhenAWinnerWasScorched) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 5);
  GoOut(g, 1);
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandGoesOn);
  EXPECT_FALSE(g.TripleCapture);
}

TEST(ScorchedSeats, TakeTheBottomPlacesWhileTheOthersFinishAbove) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  Scorch(g, 2);
  EXPECT_EQ(g.FinishOrder[6], 2);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Bersa: 大落");
  for (int seat : {4, 1, 6})
    GoOut(g, seat);
  EXPECT_EQ(GoOut(g, 3), GoingOutResult::HandEnded);
  EXPECT_EQ(g.Seats[5].Place, 5) << "the seat left in play is fifth";
  EXPECT_EQ(g.FinishOrder[6], 2);
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));

  // A scorching that leaves one seat in play ends the hand with that seat fifth.
  StartPlaying(g);
  g.Burn.ScorchedCounter = 0;
  for (int seat : {1, 2, 3, 4})
    GoOut(g, seat);
  Scorch(g, 5);
  EXPECT_EQ(g.Seats[6].Place, 5);
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g) && g.Flow.HandOver);
}

TEST(ScorchedSeats, ASecondScorchingPlacesTheRestByCardsLeftThenSeatOrder) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  GoOut(g, 2);
  Scorch(g, 1);
  g.Seats[3].CardCount = 10;
  g.Seats[5].CardCount = 4;
  g.Seats[6].CardCount = 10;
  Scorch(g, 4);
  EXPECT_TRUE(g.Flow.HandOver);
  EXPECT_EQ(std::tuple(g.Seats[4].Place, g.Seats[5].Place, g.Seats[3].Place, g.Seats[6].Place),
            std::tuple(5, 2, 3, 4));
  EXPECT_EQ(g.Seats[5].TributeCount, 1);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Fanya: 四科");
  EXPECT_TRUE(EachSeatHasItsOwnPlace(g));
  EXPECT_EQ(SettleAfterGoingOut(g, 4), GoingOutResult::HandEnded);
}

// However seats go out or are scorched, the hand ends with places 1..6 each held once.
TEST(ScorchedSeats, EveryWayAHandCanEndGivesEachSeatItsOwnPlace) {
  std::mt19937 random(20261206);
  for (int trial = 0; trial < 400; ++trial) {
    TestGame t;
    Game& g = t.game;
    StartPlaying(g);
    while (!g.Flow.HandOver) {
      for (int seat = 1; seat <= kSeats; ++seat) {
        if (InPlay(g, seat)) g.Seats[seat].CardCount = 1 + static_cast<int>(random() % 30);
      }
      const int seat = NextActiveSeat(g, 1 + static_cast<int>(random() % 6));
      if (random() % 5 == 0 && ActiveSeats(g) > 1) {
        Scorch(g, seat);
      } else {
        GoOut(g, seat);
      }
    }
    ASSERT_TRUE(EachSeatHasItsOwnPlace(g)) << "trial " << trial;
  }
}

TEST(LeaveSeal, TheLeadPassesToTheNextSeatStillInPlay) {
  TestGame t;
  Game& g = t.game;
  StartPlaying(g);
  for (int seat : {4, 3})
    GoOut(g, seat);
  EXPECT_EQ(PassLeaveSeal(g, 3), 5);
  EXPECT_EQ(g.LeadSeat, 5);
  EXPECT_EQ(g.Win.LstDispEvent.Items.back(), "Edrik: 接受“Corvan”的留封");
  GoOut(g, 1);
  GoOut(g, 6);
  EXPECT_EQ(PassLeaveSeal(g, 6), 2);
}

void SetPlaces(Game& g, const std::array<int, 6>& places) {
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Place = places[static_cast<std::size_t>(seat - 1)];
}

std::int32_t Score(const Game& g, int seat) {
  return g.Seats[seat].Stats[kScoreIndex];
}

using HandResult = GameTest;

TEST_F(HandResult, EverySeatGetsThePointsOfItsTeamsThreePlaces) {
  SetPlaces(g, {1, 2, 3, 4, 5, 6});  // the odd seats take places 1, 3 and 5
  RecordHandResult(g);
  for (int seat = 1; seat <= kSeats; ++seat) {
    EXPECT_EQ(Score(g, seat), seat % 2 == 1 ? 4 + 0 - 2 : 2 + 0 - 4) << seat;
    for (int place = 1; place <= kSeats; ++place)
      EXPECT_EQ(g.Seats[seat].Stats[place + 1], seat == place ? 1 : 0) << "own place once";
  }
  SetPlaces(g, {1, 4, 2, 5, 3, 6});
  RecordHandResult(g);
  EXPECT_EQ(Score(g, 1), 2 + 6);
  EXPECT_EQ(Score(g, 2), -2 - 6);
  EXPECT_EQ(g.Seats[1].Stats[kThreeWinIndex], 0);

  // A triple capture is twelve points and leaves the placing counts alone.
  TestGame fresh;
  Game& h = fresh.game;
  SetPlaces(h, {1, 6, 2, 5, 3, 4});
  h.TripleCapture = true;
  RecordHandResult(h);
  for (int seat = 1; seat <= kSeats; ++seat) {
    const bool won = seat % 2 == 1;
    EXPECT_EQ(Score(h, seat), won ? 12 : -12) << seat;
    EXPECT_EQ(h.Seats[seat].Stats[kThreeWinIndex], won ? 1 : 0) << seat;
    EXPECT_EQ(h.Seats[seat].Stats[kThreeLostIndex], won ? 0 : 1) << seat;
    for (int counter = 2; counter <= 7; ++counter)
      EXPECT_EQ(h.Seats[seat].Stats[counter], 0);
  }
}

TEST_F(HandResult, CopiesTheCountersToThePlayersOfTheSameName) {
  g.Seats[1].Name = " Aldor ";
  g.Options.Players[0].Name = std::string("Aldor") + '\0' + '\0';
  g.Options.Players[3].Name = "Corvan";
  g.Options.Players[4].Name = "Stranger";
  g.Options.Players[4].Stats[kScoreIndex] = 99;
  SetPlaces(g, {1, 2, 3, 4, 5, 6});
  RecordHandResult(g);
  EXPECT_TRUE(g.Options.Players[0].Stats == g.Seats[1].Stats &&
              g.Options.Players[3].Stats == g.Seats[3].Stats);
  EXPECT_EQ(g.Options.Players[4].Stats[kScoreIndex], 99);
}

TEST_F(HandResult, TeamPointsSaturateAndRestartsAreCounted) {
  AddTeamPoints(g, 4, 5);
  EXPECT_EQ(std::tuple(Score(g, 2), Score(g, 6), Score(g, 1)), std::tuple(5, 5, 0));
  g.Seats[3].Stats[kScoreIndex] = std::numeric_limits<std::int32_t>::max() - 1;
  AddTeamPoints(g, 1, 4);
  EXPECT_EQ(Score(g, 3), std::numeric_limits<std::int32_t>::max());

  g.Options.CurPlayer = 2;
  g.Options.Players[2].Stats[kRestartIndex] = 4;
  RecordRestart(g);
  EXPECT_EQ(std::tuple(g.Options.Players[2].Stats[kRestartIndex],
                       g.Seats[g.HumanSeat].Stats[kRestartIndex]),
            std::tuple(5, 5));
}

// Players named P1, P2, ... with totals 1, 2, ... unless given.
PlayerTable Players(const std::vector<std::pair<std::string, int>>& entries, int key,
                    int numbered = 0) {
  PlayerTable players;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    players[static_cast<int>(i)].Name = entries[i].first;
    players[static_cast<int>(i)].Stats[key] = entries[i].second;
  }
  for (int i = 1; i <= numbered; ++i) {
    players[i - 1].Name = "P" + std::to_string(i);
    players[i - 1].Stats[key] = i;
  }
  return players;
}

TEST(Ranking, ExchangeSortWithEqualKeysAndEmptyEntries) {
  // A and B tie: the exchange sort swaps A past C and leaves B before A. The empty entries
  // with 0 sort above D's negative total.
  const PlayerTable players = Players({{"A", 5}, {"B", 5}, {"C", 7}, {"D", -3}}, kScoreIndex);
  const PlayerTable sorted = SortByScore(players);
  EXPECT_EQ((std::vector<std::string>{sorted[0].Name, sorted[1].Name, sorted[2].Name,
                                      sorted[3].Name, sorted[30].Name}),
            (std::vector<std::string>{"C", "B", "A", "", "D"}));
  EXPECT_EQ(players[0].Name, "A");  // the player table itself keeps its order
  EXPECT_EQ(SortByRestarts(Players({{"A", 1}, {"B", 3}}, kRestartIndex))[0].Name, "B");
}

TEST(Ranking, TheTalkListAndTheWindowShowTheTenBest) {
  TestGame t;
  Game& g = t.game;
  g.Options.Players = Players({{"Aldor", 6}, {"", 50}, {"BigName12345", -2}}, kScoreIndex);
  ShowRankingInTalkList(g);
  EXPECT_EQ(g.Win.LstTalk.Items,
            (std::vector<std::string>{"Zunda战绩排名:", "01 Aldor      6         ",
                                      "02 BigName123 -2        ", " ",
                                      "本软件随时更新，欢迎下载最新版本。"}));
  g.Options.Players = Players({}, kScoreIndex, 12);
  ShowRankingInTalkList(g);
  ASSERT_EQ(g.Win.LstTalk.Items.size(), 1u + 10u + 2u);
  EXPECT_EQ(g.Win.LstTalk.Items[1], "01 P12        12        ");
  EXPECT_EQ(g.Win.LstTalk.Items[10], "10 P3         3         ");
  EXPECT_EQ(RankingTable(Players({}, kScoreIndex, 14), true).Names.size(), 10u);

  // The window has eleven columns of the same rows.
  PlayerTable players = Players({{"Aldor", 6}, {"Bersa", 9}}, kScoreIndex);
  players[0].Stats[2] = 3;
  players[0].Stats[kRestartIndex] = 7;
  const RankingColumns byScore = RankingTable(players, true);
  EXPECT_EQ(byScore.Names, (std::vector<std::string>{"01 Bersa     ", "02 Aldor     "}));
  EXPECT_EQ(byScore.Counters[0], (std::vector<std::string>{"9           ", "6           "}));
  EXPECT_EQ(byScore.Counters[1], (std::vector<std::string>{"0       ", "3       "}));
  for (const auto& column : byScore.Counters)
    EXPECT_EQ(column.size(), 2u);
  const RankingColumns byRestarts = RankingTable(players, false);
  EXPECT_EQ(byRestarts.Names.front(), "01 Aldor     ");
  EXPECT_EQ(byRestarts.Counters[9].front(), "7       ");
}

}  // namespace
}  // namespace zunda
