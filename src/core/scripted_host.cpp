#include "core/scripted_host.h"

namespace zunda {

Host::Answer ScriptedHost::MessageBox(const std::string& text, Buttons buttons, Icon /*icon*/) {
  messages_.push_back(text);
  if (!answers_.empty()) {
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  if (defaultChooser_ != nullptr) return defaultChooser_(buttons);
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void ScriptedHost::DoEvents() {
  // A hook that itself waits must not re-enter itself.
  if (!doEventsHook_ || inHook_) return;
  struct Reentry {
    bool& flag;
    explicit Reentry(bool& f) : flag(f) { flag = true; }
    ~Reentry() { flag = false; }
  } reentry(inHook_);
  doEventsHook_();
}

}  // namespace zunda
