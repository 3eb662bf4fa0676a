// The saved-hand pair as the load command reads it. The two files are read together, so one
// input holds both: the length of the hands file (32-bit little-endian, cut to what the input
// holds), the hands file, then the state file. A pair that is taken must hold a hand whose
// cards add up and that saves and loads back the same; a pair that is refused must say what is
// wrong with it (never that there is none: both files are there), leave both files as they
// were and the running game too.
#include <QByteArray>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "core/fatal.h"
#include "flow/apply_action.h"
#include "flow/hand_storage.h"
#include "fuzz_support.h"
#include "players/hand_analysis.h"
#include "store/file_game_store.h"
#include "store/hands_file.h"
#include "store/snapshot.h"
#include "store/state_file.h"

namespace {

using zunda::Game;
using zunda::fuzz::Require;

constexpr char kAskRestore[] = "是否恢复牌局？";
constexpr char kNoSavedHand[] = "没有保存牌局。";
constexpr char kRestored[] = "牌局已恢复!";
constexpr char kRefusalStart[] = "保存的牌局";

// Everything the pair holds of a game, as a save would write it.
std::pair<QByteArray, std::string> SavedForm(const Game& g) {
  return {zunda::EncodeHandsFile(g), zunda::EncodeStateFile(g, 0)};
}

bool CardsAddUp(Game& g) {
  try {
    zunda::CheckCardTotals(g);
    return true;
  } catch (const zunda::FatalError&) {
    return false;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const auto app = zunda::fuzz::WorkFolder() / "app";
  zunda::fuzz::EmptyFolder(app);
  std::uint32_t handsSize = 0;
  for (std::size_t i = 0; i < 4 && i < size; ++i)
    handsSize |= static_cast<std::uint32_t>(data[i]) << (8 * i);
  const std::size_t rest = size > 4 ? size - 4 : 0;
  const std::size_t hands = std::min<std::size_t>(handsSize, rest);
  zunda::fuzz::WriteFile(app / zunda::kSavedHandsFile, data + (size - rest), hands);
  zunda::fuzz::WriteFile(app / zunda::kSavedStateFile, data + (size - rest) + hands, rest - hands);
  const std::string handsBytes(reinterpret_cast<const char*>(data + (size - rest)), hands);
  const std::string stateBytes(reinterpret_cast<const char*>(data + (size - rest) + hands),
                               rest - hands);

  auto running = zunda::fuzz::MakeGame(app);
  Game& g = running->game;
  zunda::FileGameStore store;
  zunda::InstallFileStore(g, store);
  g.Win.LblPrompt.Caption = "the running game";
  const auto before = SavedForm(g);

  // The command posts the restore; the window then settles, which applies it.
  zunda::MnuReadClick(g);  // the question is answered Yes
  zunda::RunPostedActions(g);
  Require(!g.Stopped && running->host.FatalMessages().empty(), "no fatal error");
  const std::vector<std::string>& said = running->host.Messages();
  if (said == std::vector<std::string>{kAskRestore, kRestored}) {
    Require(!g.Ai.HandInPlay || CardsAddUp(g), "the cards of a loaded hand add up");
    const auto loaded = SavedForm(g);
    std::filesystem::create_directory(app / "again");
    const std::string again = zunda::SaveAndRestoreInPlace(g, (app / "again").string());
    Require(again.empty(), "a loaded hand saves and loads again");
    Require(SavedForm(g) == loaded, "a loaded hand saves and loads back the same");
    return 0;
  }
  Require(said.size() == 2 && said[0] == kAskRestore && said[1] != kNoSavedHand &&
              said[1].rfind(kRefusalStart, 0) == 0,
          "a refused pair is announced with what is wrong with it");
  Require(zunda::fuzz::ReadFile(app / zunda::kSavedHandsFile) == handsBytes &&
              zunda::fuzz::ReadFile(app / zunda::kSavedStateFile) == stateBytes,
          "a refused pair stays on disk as it was");
  Require(SavedForm(g) == before, "a refused pair leaves the running game as it was");
  return 0;
}
