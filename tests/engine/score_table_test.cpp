#include "core/score_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>

#include "engine_fixture.h"

namespace zunda {
namespace {

void SetPlaces(Game& g, const std::array<int, 6>& places) {
  for (int seat = 1; seat <= kSeats; ++seat)
    g.Seats[seat].Place = places[static_cast<std::size_t>(seat - 1)];
}

std::int32_t Score(const Game& g, int seat) {
  return g.Seats[seat].Stats[kScoreIndex];
}

using RecordHandResultTest = testing::GameTest;

TEST_F(RecordHandResultTest, EverySeatGetsThePointsOfItsTeamsThreePlaces) {
  SetPlaces(g, {1, 2, 3, 4, 5, 6});  // the odd seats take places 1, 3 and 5
  RecordHandResult(g);
  for (int seat : {1, 3, 5})
    EXPECT_EQ(Score(g, seat), 4 + 0 - 2) << seat;
  for (int seat : {2, 4, 6})
    EXPECT_EQ(Score(g, seat), 2 + 0 - 4) << seat;
  // Each seat counts its own place once.
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int place = 1; place <= kSeats; ++place)
      EXPECT_EQ(g.Seats[seat].Stats[place + 1], seat == place ? 1 : 0);
  }

  SetPlaces(g, {1, 4, 2, 5, 3, 6});
  RecordHandResult(g);
  EXPECT_EQ(Score(g, 1), 2 + 6);
  EXPECT_EQ(Score(g, 2), -2 - 6);
  EXPECT_EQ(g.Seats[1].Stats[kThreeWinIndex], 0);
}

TEST_F(RecordHandResultTest, ATripleCaptureIsTwelvePointsAndLeavesThePlacingCounts) {
  SetPlaces(g, {1, 6, 2, 5, 3, 4});
  g.TripleCapture = true;
  RecordHandResult(g);
  for (int seat : {1, 3, 5}) {
    EXPECT_EQ(Score(g, seat), 12);
    EXPECT_EQ(g.Seats[seat].Stats[kThreeWinIndex], 1);
    EXPECT_EQ(g.Seats[seat].Stats[kThreeLostIndex], 0);
  }
  for (int seat : {2, 4, 6}) {
    EXPECT_EQ(Score(g, seat), -12);
    EXPECT_EQ(g.Seats[seat].Stats[kThreeLostIndex], 1);
  }
  for (int seat = 1; seat <= kSeats; ++seat) {
    for (int counter = 2; counter <= 7; ++counter)
      EXPECT_EQ(g.Seats[seat].Stats[counter], 0);
  }
}

TEST_F(RecordHandResultTest, OneTeamWinsWhatTheOtherLosesWhateverThePlaces) {
  std::array<int, 6> places = {1, 2, 3, 4, 5, 6};
  std::mt19937 shuffle(5);
  for (int hand = 0; hand < 200; ++hand) {
    std::shuffle(places.begin(), places.end(), shuffle);
    SetPlaces(g, places);
    g.TripleCapture = hand % 7 == 0;
    RecordHandResult(g);
    std::int64_t sum = 0;
    for (int seat = 1; seat <= kSeats; ++seat)
      sum += Score(g, seat);
    ASSERT_EQ(sum, 0) << hand;
  }
}

TEST_F(RecordHandResultTest, CopiesTheCountersToThePlayersOfTheSameName) {
  g.Seats[1].Name = " Aldor ";
  g.Options.Players[0].Name = std::string("Aldor") + '\0' + '\0';
  g.Options.Players[3].Name = "Corvan";
  g.Options.Players[4].Name = "Stranger";
  g.Options.Players[4].Stats[kScoreIndex] = 99;
  SetPlaces(g, {1, 2, 3, 4, 5, 6});
  RecordHandResult(g);
  EXPECT_EQ(g.Options.Players[0].Stats, g.Seats[1].Stats);
  EXPECT_EQ(g.Options.Players[3].Stats, g.Seats[3].Stats);
  EXPECT_EQ(g.Options.Players[4].Stats[kScoreIndex], 99);
}

using ScoreCountersTest = testing::GameTest;

TEST_F(ScoreCountersTest, TeamPointsAndRestarts) {
  AddTeamPoints(g, 4, 5);
  EXPECT_EQ(Score(g, 2), 5);
  EXPECT_EQ(Score(g, 6), 5);
  EXPECT_EQ(Score(g, 1), 0);
  g.Seats[3].Stats[kScoreIndex] = std::numeric_limits<std::int32_t>::max() - 1;
  AddTeamPoints(g, 1, 4);
  EXPECT_EQ(Score(g, 3), std::numeric_limits<std::int32_t>::max());

  g.Options.CurPlayer = 2;
  g.Options.Players[2].Stats[kRestartIndex] = 4;
  RecordRestart(g);
  EXPECT_EQ(g.Options.Players[2].Stats[kRestartIndex], 5);
  EXPECT_EQ(g.Seats[g.HumanSeat].Stats[kRestartIndex], 5);
}

PlayerTable Players(const std::vector<std::pair<std::string, int>>& entries, int key) {
  PlayerTable players;
  for (std::size_t i = 0; i < entries.size(); ++i) {
    players[static_cast<int>(i)].Name = entries[i].first;
    players[static_cast<int>(i)].Stats[key] = entries[i].second;
  }
  return players;
}

TEST(ScoreSort, ExchangeSortWithEqualKeysAndEmptyEntries) {
  // A and B tie: the exchange sort swaps A past C and leaves B before A. The empty entries
  // with 0 sort above D's negative total.
  const PlayerTable players = Players({{"A", 5}, {"B", 5}, {"C", 7}, {"D", -3}}, kScoreIndex);
  const PlayerTable sorted = SortByScore(players);
  EXPECT_EQ(sorted[0].Name, "C");
  EXPECT_EQ(sorted[1].Name, "B");
  EXPECT_EQ(sorted[2].Name, "A");
  EXPECT_EQ(sorted[3].Name, "");
  EXPECT_EQ(sorted[30].Name, "D");
  EXPECT_EQ(players[0].Name, "A");  // the player table itself keeps its order

  const PlayerTable restarts = SortByRestarts(Players({{"A", 1}, {"B", 3}}, kRestartIndex));
  EXPECT_EQ(restarts[0].Name, "B");
}

TEST(Ranking, TheTalkListShowsTheTenBestPlayersWithNames) {
  testing::TestGame t;
  Game& g = t.game;
  g.Options.Players = Players({{"Aldor", 6}, {"", 50}, {"BigName12345", -2}}, kScoreIndex);
  ShowRankingInTalkList(g);
  EXPECT_EQ(g.Win.LstTalk.Items,
            (std::vector<std::string>{"Zunda战绩排名:", "01 Aldor      6         ",
                                      "02 BigName123 -2        ", " ",
                                      "本软件随时更新，欢迎下载最新版本。"}));

  std::vector<std::pair<std::string, int>> many;
  for (int i = 1; i <= 12; ++i)
    many.emplace_back("P" + std::to_string(i), i);
  g.Options.Players = Players(many, kScoreIndex);
  ShowRankingInTalkList(g);
  ASSERT_EQ(g.Win.LstTalk.Items.size(), 1u + 10u + 2u);
  EXPECT_EQ(g.Win.LstTalk.Items[1], "01 P12        12        ");
  EXPECT_EQ(g.Win.LstTalk.Items[10], "10 P3         3         ");
}

TEST(Ranking, TheRankingWindowHasElevenColumnsOfTheSameRows) {
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

  std::vector<std::pair<std::string, int>> many;
  for (int i = 1; i <= 14; ++i)
    many.emplace_back("P" + std::to_string(i), i);
  EXPECT_EQ(RankingTable(Players(many, kScoreIndex), true).Names.size(), 10u);
}

}  // namespace
}  // namespace zunda
