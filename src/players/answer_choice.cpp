#include "players/answer_choice.h"

namespace zunda {

// Until the answer choosers land, computer seats let every table play pass.
void ChooseAnswer(Game& /*g*/, int /*seat*/) {}

}  // namespace zunda
