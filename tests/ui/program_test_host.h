#pragma once

#include <algorithm>
#include <cmath>
#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "ui/qt_host.h"

namespace zunda::testing {

// The real program's host with the user and the clock scripted: window events run for real,
// but message boxes are answered from a queue (every text recorded), the clock moves only when
// the engine sleeps, and a fatal error is recorded instead of closing the window.
class ProgramTestHost : public QtHost {
 public:
  explicit ProgramTestHost(std::uint64_t seed = 1) : QtHost(seed) {}

  Answer MessageBox(const std::string& text, Buttons buttons, Icon /*icon*/) override {
    messages_.push_back(text);
    if (!answers_.empty()) {
      const Answer answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    // An unexpected question is declined, so it cannot start anything by itself.
    switch (buttons) {
      case Buttons::YesNo:
        return Answer::No;
      case Buttons::OkCancel:
        return Answer::Cancel;
      case Buttons::Ok:
        break;
    }
    return Answer::Ok;
  }
  void DoEvents() override {
    sleptSinceEventsMs_ = 0;
    QtHost::DoEvents();
    if (!hook_ || inHook_) return;
    inHook_ = true;
    hook_();
    inHook_ = false;
  }
  // The engine sleeping: its window could not answer the user meanwhile.
  void SleepMs(int milliseconds) override {
    sleptSinceEventsMs_ += milliseconds;
    longestSleepWithoutEventsMs_ = std::max(longestSleepWithoutEventsMs_, sleptSinceEventsMs_);
    sleptMs_ += milliseconds;
    PassTime(milliseconds);
  }
  // Time passing while the event loop waits, such as the interval of a timer.
  void PassTime(int milliseconds) { clock_ += milliseconds / 1000.0; }
  double SecondsSinceMidnight() override { return std::fmod(clock_, 86400.0); }
  CalendarDate Today() override { return {2026, 12, 6}; }
  void FatalStop(const std::string& text) override { fatal_.push_back(text); }

  void QueueAnswer(Answer answer) { answers_.push_back(answer); }
  // Runs after the window events of every DoEvents: where the user acts during a wait.
  void OnDoEvents(std::function<void()> hook) { hook_ = std::move(hook); }

  const std::vector<std::string>& Messages() const { return messages_; }
  const std::vector<std::string>& FatalMessages() const { return fatal_; }
  void ClearMessages() { messages_.clear(); }

  // How long the engine slept in all, and the most it slept without letting events run.
  long long SleptMs() const { return sleptMs_; }
  long long LongestSleepWithoutEventsMs() const { return longestSleepWithoutEventsMs_; }

 private:
  double clock_ = 36000.0;
  std::deque<Answer> answers_;
  std::vector<std::string> messages_;
  std::vector<std::string> fatal_;
  std::function<void()> hook_;
  bool inHook_ = false;
  long long sleptMs_ = 0;
  long long sleptSinceEventsMs_ = 0;
  long long longestSleepWithoutEventsMs_ = 0;
};

}  // namespace zunda::testing
