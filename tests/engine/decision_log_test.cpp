#include <gtest/gtest.h>

#include <string>

#include "answer_table.h"
#include "decision_log_reader.h"
#include "players/answer_choice.h"
#include "players/decision_log.h"
#include "players/lead_choice.h"
#include "sim/random_answer_position.h"
#include "sim/random_lead_position.h"

namespace zunda {
namespace {

using testing::MakePlay;
using testing::ReadDecisionLine;

using DecisionLogTest = testing::AnswerTable;

TEST_F(DecisionLogTest, TheLineHasTheAgreedKeysInTheirOrder) {
  for (int seat = 1; seat <= kSeats; ++seat)
    testing::SetHand(g, seat, "");
  testing::SetHand(g, 2, "3x9 1xJ17");
  testing::SetHand(g, 3, "1x4");
  g.Seats[2].HandScore = 740;
  g.Seats[2].StrongHand = true;
  g.Seats[5].Passed = true;
  Lay(3, MakePlay(5, 3));
  g.Flow.FoldInForce = true;

  const DecisionSnapshot before = TakeDecisionSnapshot(g, DecisionKind::Answer, 2, false);
  FollowExact(g, 2);
  const std::string line = DecisionLogLine(before, DecisionChoice(g, DecisionKind::Answer));

  const std::string empty =
      "\"counts\":[0,0,0,0,0,0,0,0,0,0,0,0,0,0,0],\"CardCount\":0,\"SetCount\":0,"
      "\"JokerCount\":0,\"HandScore\":0,\"StrongHand\":false,\"FinishMode\":false,"
      "\"Finished\":false,\"Scorched\":false,";
  EXPECT_TRUE(line.starts_with("{\"kind\":\"answer\",\"seat\":2,\"seats\":[{\"counts\":"));
  EXPECT_NE(line.find("{\"counts\":[0,0,0,0,0,0,3,0,0,0,0,0,0,0,1],\"CardCount\":4,"
                      "\"SetCount\":1,\"JokerCount\":1,\"HandScore\":740,\"StrongHand\":true,"
                      "\"FinishMode\":false,\"Finished\":false,\"Scorched\":false,"
                      "\"Passed\":false,\"Folded\":false,\"OppositeOut\":false,\"Team\":\"N\"}"),
            std::string::npos);
  EXPECT_NE(line.find(empty + "\"Passed\":true,\"Folded\":false,\"OppositeOut\":false,"
                              "\"Team\":\"S\"}"),
            std::string::npos)
      << "seat 5";
  const std::string tail =
      "],\"TablePlay\":{\"Tag\":\"S\",\"Seat\":3,\"Total\":3,\"BaseRank\":5,\"BaseCount\":3,"
      "\"TwoCount\":0,\"SmallJokers\":0,\"BigJokers\":0},"
      "\"PrevTablePlay\":{\"Tag\":\" \",\"Seat\":0,\"Total\":0,\"BaseRank\":0,\"BaseCount\":0,"
      "\"TwoCount\":0,\"SmallJokers\":0,\"BigJokers\":0},"
      "\"FoldInForce\":true,\"KeepHumanChoice\":false,"
      "\"choice\":{\"BaseRank\":9,\"BaseCount\":3,\"TwoCount\":0,\"SmallJokers\":0,"
      "\"BigJokers\":0,\"Total\":3}}";
  ASSERT_GE(line.size(), tail.size());
  EXPECT_EQ(line.substr(line.size() - tail.size()), tail);
}

TEST_F(DecisionLogTest, TheSnapshotIsTheStateBeforeTheDecision) {
  testing::SetHand(g, 2, "2x4 3x9");
  const DecisionSnapshot before = TakeDecisionSnapshot(g, DecisionKind::Lead, 2, true);
  ChooseLead(g, 2);
  const auto read =
      ReadDecisionLine(DecisionLogLine(before, DecisionChoice(g, DecisionKind::Lead)));
  ASSERT_TRUE(read.has_value());
  EXPECT_EQ(read->before.TablePlay.Total, 0) << "the table before the lead";
  EXPECT_TRUE(read->before.KeepHumanChoice);
  EXPECT_EQ(read->choice.BaseRank, 4);
  EXPECT_EQ(read->choice.Total, 2);
}

TEST(DecisionLogRoundTrip, LeadsAndAnswersReadBackAsWritten) {
  int passes = 0;
  for (std::uint64_t seed = 1; seed <= 300; ++seed) {
    for (const DecisionKind kind : {DecisionKind::Lead, DecisionKind::Answer}) {
      testing::TestGame t(seed);
      Game& g = t.game;
      const int seat = kind == DecisionKind::Lead ? sim::DealRandomLeadPosition(g, seed)
                                                  : sim::DealRandomAnswerPosition(g, seed);
      const bool keep = seed % 5 == 0;
      const DecisionSnapshot before = TakeDecisionSnapshot(g, kind, seat, keep);
      if (kind == DecisionKind::Lead) {
        ChooseLead(g, seat);
      } else {
        ChooseAnswer(g, seat);
      }
      const PlayRecord& choice = DecisionChoice(g, kind);
      passes += choice.Total == 0 ? 1 : 0;
      const std::string line = DecisionLogLine(before, choice);
      ASSERT_EQ(line.find('\n'), std::string::npos);
      std::string error;
      const auto read = ReadDecisionLine(line, &error);
      ASSERT_TRUE(read.has_value()) << error << "\n" << line;
      EXPECT_EQ(read->before, before) << "seed " << seed;
      EXPECT_EQ(read->choice, ChoiceOf(choice)) << "seed " << seed;
    }
  }
  EXPECT_GT(passes, 10) << "passes are logged too";
}

TEST(DecisionLogRoundTrip, TheReaderRefusesLinesOfAnotherShape) {
  testing::TestGame t;
  const std::string line =
      DecisionLogLine(TakeDecisionSnapshot(t.game, DecisionKind::Answer, 3, false), PlayRecord());
  ASSERT_TRUE(ReadDecisionLine(line).has_value());
  std::string renamed = line;
  renamed.replace(renamed.find("FoldInForce"), 11, "FoldInforce");
  EXPECT_FALSE(ReadDecisionLine(renamed).has_value());
  EXPECT_FALSE(ReadDecisionLine(line.substr(0, line.size() - 1)).has_value());
  EXPECT_FALSE(ReadDecisionLine(line + "x").has_value());
  std::string tag = line;
  tag.replace(tag.find("\"Tag\":\" \""), 9, "\"Tag\":\"\"");
  EXPECT_FALSE(ReadDecisionLine(tag).has_value()) << "a tag is one character";
}

}  // namespace
}  // namespace zunda
