#include <gtest/gtest.h>

#include <string>

#include "engine_fixture.h"
#include "players/answer_choice.h"
#include "players/decision_log.h"
#include "players/lead_choice.h"

namespace zunda {
namespace {

using testing::MakePlay;

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
  EXPECT_EQ(before.TablePlay.Total, 0) << "the table before the lead";
  EXPECT_TRUE(before.KeepHumanChoice);
  EXPECT_EQ(before.seats[2].counts[9], 3);
  const ChoiceSnapshot choice = ChoiceOf(DecisionChoice(g, DecisionKind::Lead));
  EXPECT_EQ(choice.BaseRank, 4);
  EXPECT_EQ(choice.Total, 2);
}

}  // namespace
}  // namespace zunda
