// A game that saves itself, run as a program of its own:
//   saved_hand_helper cut STEPS SEED FOLDER
//                                       plays a hand dealt from SEED in FOLDER and saves it
//                                       there, ending the process at once (exit code 3) after
//                                       STEPS changes to the disk
//   saved_hand_helper seeds FOLDER      writes inputs for the saved-hand fuzz target: pairs
//                                       saved in a few states of play, a short hands file and
//                                       a state file of another version
#include <QByteArray>
#include <QFile>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>

#include "memory_disk.h"
#include "played_game.h"
#include "rules/human_input.h"
#include "store/disk_file_system.h"
#include "store/snapshot.h"
#include "store_files.h"

using zunda::TurnStep;

namespace {

using zunda::Game;
using zunda::testing::PlayedGame;

constexpr int kDiedAtSeam = 3;

bool Write(const std::string& path, const QByteArray& bytes) {
  QFile file(QString::fromStdString(path));
  return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

// One fuzz input: the length of the hands file (32-bit little-endian), the hands file, then
// the state file.
QByteArray FuzzInput(const QByteArray& hands, const QByteArray& state) {
  QByteArray input(4, '\0');
  const auto size = static_cast<std::uint32_t>(hands.size());
  for (int i = 0; i < 4; ++i)
    input[i] = static_cast<char>((size >> (8 * i)) & 0xFF);
  return input + hands + state;
}

bool Until(PlayedGame& p, const std::function<bool(const Game&)>& condition) {
  if (!p.AdvanceUntil([&] { return condition(p.g()); }, 400000)) {
    std::fprintf(stderr, "saved_hand_helper: the game never got there (%s)\n",
                 p.driver->Problem().c_str());
    return false;
  }
  return true;
}

bool HumanLeads(const Game& g) {
  return zunda::HumanAwaited(g) && g.Flow.LeadMode && !g.Win.TmrMainCircle.Enabled;
}

int Cut(int steps, std::uint64_t seed, const std::string& folder) {
  PlayedGame p(seed, folder);
  p.driver->NewGame();
  if (!Until(p, HumanLeads)) return 1;
  zunda::DiskFileSystem disk;
  int done = 0;
  zunda::testing::SteppedFiles dying(disk, [&] {
    if (done++ == steps) std::_Exit(kDiedAtSeam);
  });
  const zunda::ScopedFileSystem files(dying);
  const bool saved =
      zunda::WriteSnapshot(p.g(), p.g().AppPath, zunda::kSavedHandsFile, zunda::kSavedStateFile)
          .Ok();
  std::fprintf(stderr, "saved_hand_helper: the save %s after %d steps\n",
               saved ? "ended" : "failed", done);
  // The test counts the steps of a save by asking for more than there are.
  return saved ? 4 : 1;
}

int Seeds(const std::string& out) {
  PlayedGame p(2);
  int written = 0;
  QByteArray firstHands;
  QByteArray firstState;
  const auto save = [&](const char* name) {
    if (!zunda::WriteSnapshot(p.g(), p.g().AppPath, zunda::kSavedHandsFile, zunda::kSavedStateFile)
             .Ok()) {
      return false;
    }
    const QByteArray hands = zunda::testing::ReadBytes(p.File(zunda::kSavedHandsFile));
    const QByteArray state = zunda::testing::ReadBytes(p.File(zunda::kSavedStateFile));
    if (firstHands.isEmpty()) {
      firstHands = hands;
      firstState = state;
    }
    written += Write(out + "/" + name, FuzzInput(hands, state)) ? 1 : 0;
    return true;
  };

  p.driver->NewGame();
  if (!Until(p, HumanLeads) || !save("first_lead.bin")) return 1;
  // Between two steps of the cycle, with plays on the table.
  if (!Until(
          p,
          [](const Game& g) { return g.MainCourse == TurnStep::AfterPlay && !g.Flow.LeadMode; }) ||
      !save("mid_round.bin")) {
    return 1;
  }
  if (!Until(p, [](const Game& g) { return g.Tribute.InProgress; }) ||
      !save("tribute_pending.bin")) {
    return 1;
  }
  written += Write(out + "/short_hands.bin", FuzzInput(firstHands.left(400), firstState)) ? 1 : 0;
  // Only the first lines: the version alone decides.
  QByteArray other = firstState.left(160);
  other.replace(0, other.indexOf("\r\n"), "\"099\"");
  written += Write(out + "/other_version.bin", FuzzInput(firstHands, other)) ? 1 : 0;
  return written == 5 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "cut" && argc == 5) {
    return Cut(std::atoi(argv[2]), std::strtoull(argv[3], nullptr, 10), argv[4]);
  }
  if (command == "seeds" && argc == 3) return Seeds(argv[2]);
  std::fprintf(stderr, "usage: saved_hand_helper cut STEPS SEED FOLDER | seeds FOLDER\n");
  return 2;
}
