// Stand-in until the burn right is merged.
#include "rules/burn_right.h"

namespace zunda {

void UpdateBurnRight(Game& /*g*/, int /*seat*/) {}

}  // namespace zunda
