#pragma once

#include <cmath>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/host.h"
#include "core/rng.h"

namespace zunda {

// The host of tests and the simulator: a virtual clock that only moves when the engine
// sleeps, message boxes answered from a queue (or by a default), and every text recorded.
class ScriptedHost : public Host {
 public:
  // Without a hook DoEvents runs nothing.
  explicit ScriptedHost(std::uint64_t seed = 1) : rng_(seed) { eventsMayRun_ = false; }

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) override;
  // Final: the idle test of the base class must describe what this DoEvents does.
  void DoEvents() final;
  void SleepMs(int milliseconds) override { clock_ += milliseconds / 1000.0; }
  // Like a real clock, it starts again at 0 at midnight.
  double SecondsSinceMidnight() override { return std::fmod(clock_, 86400.0); }
  CalendarDate Today() override { return date_; }
  double Random() override { return rng_.Uniform(); }
  void FatalStop(const std::string& text) override { fatal_.push_back(text); }

  // Answers for the next message boxes, in order; when the queue is empty, OK/Yes.
  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  // Runs once per DoEvents call: where a test or the simulator clicks during a wait. With
  // `onlyWhile`, the hook runs only while that flag is true (and DoEvents is idle otherwise).
  void OnDoEvents(std::function<void()> hook, const bool* onlyWhile = nullptr) {
    doEventsHook_ = std::move(hook);
    eventsRunWhile_ = onlyWhile;
    eventsMayRun_ = static_cast<bool>(doEventsHook_);
  }

  void SetClock(double seconds) { clock_ = seconds; }
  Rng& Generator() { return rng_; }

  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& FatalMessages() const { return fatal_; }
  void ClearMessages() { messages_.clear(); }

 private:
  Rng rng_;
  double clock_ = 36000.0;  // ten in the morning: far from the midnight roll-over
  CalendarDate date_{2026, 12, 6};
  std::deque<Answer> answers_;
  std::function<void()> doEventsHook_;
  std::vector<std::string> messages_;
  std::vector<std::string> fatal_;
};

}  // namespace zunda
