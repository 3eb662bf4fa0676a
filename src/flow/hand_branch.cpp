#include "flow/hand_branch.h"

#include "core/game.h"

namespace zunda {

std::string BranchFromRecord(Game& /*g*/, const HandRecord& /*record*/,
                             std::size_t /*nextAction*/, bool /*scored*/) {
  return "not yet";
}

bool TakeBackAvailable(const Game& /*g*/) {
  return false;
}

std::string TakeBackLastPlay(Game& /*g*/) {
  return "not yet";
}

void MnuTakeBackClick(Game& g) {
  g.Guard([&] { PostAction(g, ActionKind::TakeBack); });
}

}  // namespace zunda
