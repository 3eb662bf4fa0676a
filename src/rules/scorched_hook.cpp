#include "rules/scorched_hook.h"

namespace zunda {

// Stand-in until the scorched verdict is built: the play executor already decides when the
// verdict is due; the verdict itself (message box, place, labels, new leader) goes here.
void AutoScorchedVerdict(Game& /*g*/, int /*seat*/) {}

}  // namespace zunda
