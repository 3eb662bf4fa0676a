// Stand-in until the return-tribute choice is merged: it is never open.
#include "flow/tribute_input.h"

namespace zunda {

bool ReturnChoiceOpen(const Game& /*g*/) {
  return false;
}
void ReturnTributeClick(Game& /*g*/, int /*index*/) {}

}  // namespace zunda
