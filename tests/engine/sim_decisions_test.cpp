// zunda-sim --decisions and the decision log: computer choices in thousands of random
// positions break no rule, and every decision is logged as it was made, in both kinds of run.
#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "answer_table.h"
#include "decision_log_reader.h"
#include "sim/choice_checks.h"
#include "sim/decision_runner.h"
#include "sim/hand_runner.h"
#include "sim/sim_options.h"

namespace zunda {
namespace {

using testing::DecisionLine;

std::vector<DecisionLine> ReadLog(const std::string& log) {
  std::vector<DecisionLine> lines;
  std::istringstream in(log);
  std::string text;
  while (std::getline(in, text)) {
    std::string error;
    const auto line = testing::ReadDecisionLine(text, &error);
    if (!line) {
      ADD_FAILURE() << "line " << lines.size() + 1 << ": " << error;
      break;
    }
    lines.push_back(*line);
  }
  return lines;
}

// The chosen set is made of cards the seat held when the snapshot was taken.
bool ChoiceWasHeld(const DecisionLine& line) {
  const ChoiceSnapshot& c = line.choice;
  const auto& held = line.before.seats[line.before.seat].counts;
  return (c.BaseCount == 0 || (c.BaseRank <= kAce && c.BaseCount <= held[c.BaseRank])) &&
         c.TwoCount <= held[kTwo] && c.SmallJokers <= held[kSmallJoker] &&
         c.BigJokers <= held[kBigJoker];
}

TEST(SimDecisionOptions, TheDecisionRunIsOneModeAndTheLogNeedsDecisions) {
  const sim::ParsedOptions parsed =
      sim::ParseSimOptions({"--decisions", "40", "--seed", "9", "--dump", "d.jsonl"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_EQ(parsed.options.decisions, 40);
  EXPECT_EQ(parsed.options.hands, 0);
  EXPECT_EQ(parsed.options.dumpPath, "d.jsonl");
  EXPECT_EQ(sim::ParseSimOptions({"--hands", "3", "--dump", "d.jsonl", "--check"}).error, "");

  const std::vector<std::vector<std::string>> refused = {
      {"--decisions", "5", "--hands", "5"},
      {"--decisions", "5", "--deal-only"},
      {"--decisions", "5", "--check"},
      {"--decisions", "5", "--events", "e.txt"},
      {"--dump", "d.jsonl"},
      {"--hands", "3", "--deal-only", "--dump", "d"},
      {"--decisions", "0"},
      {"--decisions", "many"},
      {"--decisions", "5", "--dump"},
  };
  for (const auto& args : refused) {
    std::string line;
    for (const std::string& arg : args)
      line += arg + " ";
    EXPECT_NE(sim::ParseSimOptions(args).error, "") << line;
  }
}

struct DecisionRun {
  sim::SimSummary summary;
  std::string report;
  std::string log;
};

DecisionRun RunDecisions(std::uint64_t seed, long long decisions) {
  sim::SimOptions options;
  options.decisions = decisions;
  options.seed = seed;
  std::ostringstream report;
  std::ostringstream log;
  DecisionRun run;
  run.summary = sim::RunDecisions(options, report, &log);
  run.report = report.str();
  run.log = log.str();
  return run;
}

TEST(SimDecisions, ThousandsOfPositionsBreakNoRuleAndEveryDecisionIsLoggedAsMade) {
  for (const std::uint64_t seed : {1u, 2u}) {
    const DecisionRun run = RunDecisions(seed, 2500);
    EXPECT_EQ(run.summary.violations, 0) << run.report;
    EXPECT_EQ(run.summary.hands, 2500);
    const std::vector<DecisionLine> lines = ReadLog(run.log);
    ASSERT_EQ(lines.size(), 2500u) << "one line per decision";

    int leads = 0;
    int passes = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const DecisionLine& line = lines[i];
      const int seat = line.before.seat;
      const PlaySnapshot& table = line.before.TablePlay;
      ASSERT_TRUE(seat >= 2 && seat <= kSeats) << "line " << i + 1 << " seat " << seat;
      EXPECT_TRUE(ChoiceWasHeld(line)) << "line " << i + 1;
      if (line.before.kind == DecisionKind::Lead) {
        ++leads;
        EXPECT_EQ(table.Total, 0) << "line " << i + 1 << ": a lead goes to an empty table";
        EXPECT_GT(line.choice.Total, 0) << "line " << i + 1;
      } else {
        EXPECT_GT(table.Total, 0) << "line " << i + 1;
        EXPECT_NE(table.Seat, seat) << "line " << i + 1 << ": nobody answers its own set";
        if (line.choice.Total == 0) {
          ++passes;
        } else {
          EXPECT_EQ(line.choice.Total, table.Total) << "line " << i + 1;
        }
      }
    }
    // Every lead and every answer that was not a pass was carried out.
    EXPECT_EQ(run.summary.plays, static_cast<long long>(lines.size()) - passes);
    EXPECT_GT(leads, 1000);
    EXPECT_GT(static_cast<int>(lines.size()) - leads, 1000);
    EXPECT_GT(passes, 100);
  }
}

TEST(SimDecisions, TheSameSeedDealsTheSamePositionsAndAnotherSeedOtherOnes) {
  const std::string first = RunDecisions(7, 150).log;
  EXPECT_EQ(RunDecisions(7, 150).log, first);
  EXPECT_NE(RunDecisions(8, 150).log, first);
}

// The checks the run relies on find each kind of broken set.
using ChoiceChecks = testing::AnswerTable;

TEST_F(ChoiceChecks, EachKindOfBrokenLeadOrAnswerIsFound) {
  testing::SetHand(g, 2, "3x9 2x2 1xJ17");
  const auto nines = [&] {
    PlayRecord p = testing::MakePlay(9, 3);
    p.BaseCodes[1] = CardCode("C09");
    p.BaseCodes[2] = CardCode("D09");
    p.BaseCodes[3] = CardCode("H09");
    p.Seat = 2;
    p.Tag = TeamLetter(2);
    return p;
  };
  const std::vector<std::pair<const char*, std::function<void(PlayRecord&)>>> broken = {
      {"another seat's tag", [](PlayRecord& p) { p.Tag = TeamLetter(3); }},
      {"a total that is not the sum", [](PlayRecord& p) { p.Total = 4; }},
      {"a card not held", [](PlayRecord& p) { p.BaseCodes[2] = CardCode("S09"); }},
      {"the same card twice", [](PlayRecord& p) { p.BaseCodes[2] = CardCode("C09"); }},
      {"a code after the set", [](PlayRecord& p) { p.BaseCodes[4] = CardCode("C09"); }},
      {"more twos than held",
       [](PlayRecord& p) {
         p.TwoCount = 3;
         p.Total = 6;
       }},
  };

  // As a lead: three nines are fine, two of them split the bucket.
  g.TablePlay = nines();
  EXPECT_EQ(sim::LeadFault(g, 2), "");
  g.TablePlay.BaseCount = g.TablePlay.Total = 2;
  g.TablePlay.BaseCodes[3] = CardCode();
  EXPECT_NE(sim::LeadFault(g, 2), "") << "a split bucket";
  for (const auto& [what, breakIt] : broken) {
    g.TablePlay = nines();
    breakIt(g.TablePlay);
    EXPECT_NE(sim::LeadFault(g, 2), "") << what;
  }

  // As an answer to three fives: fine; not over three jacks, nor over two fives.
  Lay(3, testing::MakePlay(5, 3));
  g.Selection = nines();
  EXPECT_EQ(sim::AnswerFault(g, 2), "");
  for (const auto& [what, breakIt] : broken) {
    g.Selection = nines();
    breakIt(g.Selection);
    EXPECT_NE(sim::AnswerFault(g, 2), "") << what;
  }
  g.Selection = nines();
  Lay(3, testing::MakePlay(11, 3));
  EXPECT_NE(sim::AnswerFault(g, 2), "") << "below the table";
  Lay(3, testing::MakePlay(5, 2));
  EXPECT_NE(sim::AnswerFault(g, 2), "") << "not the table's size";
}

TEST(SimHandsDump, TheComputerSeatsDecisionsAreLoggedWithoutChangingThePlay) {
  sim::SimOptions options;
  options.hands = 6;
  options.seed = 2;
  options.check = true;
  std::ostringstream report;
  std::ostringstream events;
  std::ostringstream log;
  const sim::SimSummary logged = sim::RunHands(options, report, &events, &log);
  EXPECT_EQ(logged.violations, 0) << report.str();
  std::ostringstream plainEvents;
  std::ostringstream plainReport;
  sim::RunHands(options, plainReport, &plainEvents);
  EXPECT_EQ(events.str(), plainEvents.str()) << "logging must not change the play";
  // A hand with save-and-restore points is first played through and rolled back: that
  // rehearsal must leave no lines in the log.
  sim::SimOptions saving = options;
  saving.saveRestore = 8;
  std::ostringstream savingReport;
  std::ostringstream savingLog;
  EXPECT_EQ(sim::RunHands(saving, savingReport, nullptr, &savingLog).violations, 0)
      << savingReport.str();
  EXPECT_EQ(savingLog.str(), log.str());

  const std::vector<DecisionLine> lines = ReadLog(log.str());
  int leads = 0;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const DecisionLine& line = lines[i];
    ASSERT_TRUE(line.before.seat >= 2 && line.before.seat <= kSeats)
        << "line " << i + 1 << ": the autopilot's seat is no computer seat";
    EXPECT_TRUE(ChoiceWasHeld(line)) << "line " << i + 1;
    if (line.before.kind == DecisionKind::Lead) {
      ++leads;
      EXPECT_EQ(line.before.TablePlay.Total, 0) << "line " << i + 1;
      EXPECT_GT(line.choice.Total, 0) << "line " << i + 1;
    } else {
      EXPECT_GT(line.before.TablePlay.Total, 0) << "line " << i + 1;
    }
  }
  EXPECT_GT(leads, 6 * 5);
  EXPECT_GT(static_cast<int>(lines.size()) - leads, 6 * 40);
}

}  // namespace
}  // namespace zunda
