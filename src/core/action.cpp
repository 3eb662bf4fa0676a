#include "core/action.h"

#include "core/game.h"

namespace zunda {

void PostAction(Game& g, ActionKind kind) {
  PostAction(g, Action{kind, g.HumanSeat});
}

void PostAction(Game& g, Action action) {
  if (g.Stopped) return;
  g.Posted.push_back(action);
}

}  // namespace zunda
