#include "core/scripted_host.h"

namespace zunda {

Host::Answer ScriptedHost::MessageBox(const std::string& text, Buttons buttons, Icon /*icon*/) {
  messages_.push_back(text);
  if (!answers_.empty()) {
    const Answer answer = answers_.front();
    answers_.pop_front();
    return answer;
  }
  return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

void ScriptedHost::DoEvents() {
  if (EventsIdle()) return;
  // A hook that itself waits must not re-enter itself: while it runs, DoEvents is idle.
  struct Reentry {
    ScriptedHost& host;
    explicit Reentry(ScriptedHost& h) : host(h) { host.eventsMayRun_ = false; }
    ~Reentry() { host.eventsMayRun_ = static_cast<bool>(host.doEventsHook_); }
  } reentry(*this);
  doEventsHook_();
}

}  // namespace zunda
