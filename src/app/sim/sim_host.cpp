#include "sim_host.h"

namespace zunda::sim {

namespace {
constexpr char kBurnQuestion[] = "您要烧牌吗?";
}  // namespace

Host::Answer SimHost::MessageBox(const std::string& text, Buttons buttons, Icon icon) {
  if (buttons == Buttons::YesNo) {
    const bool burn = text == kBurnQuestion;
    if (burn) ++burnQuestions_;
    const double yes = burn ? burnRate_ : 0.5;
    QueueAnswer(Random() < yes ? Answer::Yes : Answer::No);
  }
  return ScriptedHost::MessageBox(text, buttons, icon);
}

}  // namespace zunda::sim
