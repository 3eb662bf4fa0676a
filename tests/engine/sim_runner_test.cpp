// The simulator's promises: a seed replays the same game line for line, and whole hands with
// every check on break no invariant.
#include <gtest/gtest.h>

#include <sstream>

#include "sim/hand_runner.h"
#include "sim/sim_options.h"

namespace zunda {
namespace {

std::string EventsOf(std::uint64_t seed, double burnRate, sim::SimSummary* summary = nullptr) {
  sim::SimOptions options;
  options.hands = 12;
  options.seed = seed;
  options.burnRate = burnRate;
  options.check = true;
  std::ostringstream report;
  std::ostringstream events;
  const sim::SimSummary result = sim::RunHands(options, report, &events);
  EXPECT_EQ(result.violations, 0) << report.str();
  if (summary != nullptr) *summary = result;
  return events.str();
}

TEST(SimRunner, TheSameSeedGivesTheSameEventsAndAnotherSeedOtherOnes) {
  sim::SimSummary summary;
  const std::string first = EventsOf(3, 0.2, &summary);
  EXPECT_EQ(summary.hands, 12);
  EXPECT_GT(summary.plays, 12 * 20);
  EXPECT_NE(first.find("本局已经结束,走科的顺序如下:"), std::string::npos);
  EXPECT_EQ(EventsOf(3, 0.2), first);
  EXPECT_NE(EventsOf(4, 0.2), first);
}

TEST(SimRunner, TheNewOptionsAreReadAndCheckedOnTheCommandLine) {
  const sim::ParsedOptions parsed =
      sim::ParseSimOptions({"--hands", "5", "--burn-rate", "0.75", "--events", "e.txt", "--check"});
  ASSERT_EQ(parsed.error, "");
  EXPECT_DOUBLE_EQ(parsed.options.burnRate, 0.75);
  EXPECT_EQ(parsed.options.eventsPath, "e.txt");
  EXPECT_TRUE(parsed.options.check);
  EXPECT_NE(sim::ParseSimOptions({"--hands", "5", "--burn-rate", "1.5"}).error, "");
  EXPECT_NE(sim::ParseSimOptions({"--hands", "5", "--burn-rate", "x"}).error, "");
}

// The signature's hands are fixed: any other option would make it look as if it counted.
TEST(SimRunner, TheSignatureTakesNoOtherOption) {
  EXPECT_EQ(sim::ParseSimOptions({"--signature"}).error, "");
  for (const std::vector<std::string>& args :
       {std::vector<std::string>{"--signature", "--seed", "1"},
        {"--signature", "--hands", "3"},
        {"--signature", "--check"},
        {"--signature", "--burn-rate", "0.2"}})
    EXPECT_NE(sim::ParseSimOptions(args).error, "") << args[1];
}

}  // namespace
}  // namespace zunda
