#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace zunda::sim {

// What the command line asked for. A new option is one field here and one row in the
// option table of sim_options.cpp.
struct SimOptions {
  long long hands = 0;
  std::uint64_t seed = 1;
  double burnRate = 0.2;   // chance that the autopilot says Yes to a burn question
  std::string eventsPath;  // where to write every event-list line, "" for nowhere
  bool check = false;      // check the invariants after every tick
  bool dealOnly = false;
  long long decisions = 0;  // random positions, each decided by a computer seat
  std::string dumpPath;     // where to write the decision log, "" for nowhere
  // How many times the game is saved and restored at points drawn from the seed.
  long long saveRestore = 0;
  std::string recordPath;  // where to write the record of every hand, "" for nowhere
  std::string replayPath;  // records to replay and compare instead of a run
  bool signature = false;  // print the hash of the play of a fixed set of hands
  bool help = false;
};

struct ParsedOptions {
  SimOptions options;
  std::string error;  // empty when the command line was understood
};

ParsedOptions ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();

}  // namespace zunda::sim
