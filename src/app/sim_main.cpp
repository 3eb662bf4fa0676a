// zunda-sim: runs the engine without a window and checks its invariants on the way.
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "flow/hand_replay.h"
#include "sim/deal_runner.h"
#include "sim/decision_runner.h"
#include "sim/hand_runner.h"
#include "sim/play_signature.h"
#include "sim/sim_options.h"
#include "sim/sim_summary.h"
#include "store/hand_record_file.h"

namespace {

// A file the run writes to when its option names one; a failure to open or to write it
// ends the program with exit code 2 and a message, never with a run that looks complete.
class OutputFile {
 public:
  explicit OutputFile(const std::string& path) : path_(path) {
    if (!path_.empty()) stream_.open(path_, std::ios::binary | std::ios::trunc);
  }
  bool Opened() const {
    if (path_.empty() || stream_.is_open()) return true;
    std::cerr << "zunda-sim: cannot write " << path_ << "\n";
    return false;
  }
  std::ostream* Stream() { return stream_.is_open() ? &stream_ : nullptr; }
  bool Close() {
    if (path_.empty()) return true;
    stream_.close();
    if (stream_) return true;
    std::cerr << "zunda-sim: writing " << path_ << " failed\n";
    return false;
  }

 private:
  std::string path_;
  std::ofstream stream_;
};

// --replay: 0 when every hand showed what its record holds, 1 at the first that did not, 2
// when the file cannot be used.
int ReplayFile(const std::string& path) {
  const zunda::HandRecordsRead read = zunda::ReadHandRecords(QString::fromStdString(path));
  if (!read.Ok()) {
    std::cerr << "zunda-sim: " << path << " is refused: " << read.Problem << "\n";
    return 2;
  }
  const std::string problem = zunda::ReplayRun(read.Records);
  if (!problem.empty()) {
    std::cerr << "zunda-sim: the replay of " << path << " differs from its record: " << problem
              << "\n";
    return 1;
  }
  std::cout << "replayed " << read.Records.size() << " hands as recorded" << std::endl;
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace zunda::sim;
  const std::vector<std::string> args(argv + 1, argv + argc);
  const ParsedOptions parsed = ParseSimOptions(args);
  if (!parsed.error.empty()) {
    std::cerr << "zunda-sim: " << parsed.error << "\n\n" << SimUsage();
    return 2;
  }
  const SimOptions& options = parsed.options;
  if (options.help) {
    std::cout << SimUsage();
    return 0;
  }
  if (options.signature) {
    const SignatureResult signature = RunPlaySignature();
    std::cerr << signature.report;
    std::cout << FormatSignature(signature.hash) << std::endl;
    return signature.violations > 0 ? 1 : 0;
  }
  if (!options.replayPath.empty()) return ReplayFile(options.replayPath);
  SimSummary summary;
  if (options.dealOnly) {
    summary = RunDealOnly(options, std::cerr);
  } else {
    OutputFile events(options.eventsPath);
    OutputFile dump(options.dumpPath);
    if (!events.Opened() || !dump.Opened()) return 2;
    if (options.decisions > 0) {
      summary = RunDecisions(options, std::cerr, dump.Stream());
    } else {
      summary = RunHands(options, std::cerr, events.Stream(), dump.Stream());
    }
    const bool eventsWritten = events.Close();
    if (!dump.Close() || !eventsWritten) return 2;
  }
  std::cout << FormatSummary(summary) << std::endl;
  return summary.violations > 0 ? 1 : 0;
}
