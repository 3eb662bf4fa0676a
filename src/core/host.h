#pragma once

#include <string>

namespace zunda {

struct CalendarDate {
  int year = 2000;
  int month = 1;
  int day = 1;
};

// Everything the engine needs from the world outside. The window implements it with Qt; the
// tests and the simulator implement it with scripted answers and a virtual clock.
class Host {
 public:
  enum class Buttons { Ok, OkCancel, YesNo };
  enum class Icon { Information, Exclamation, Question, Critical };
  enum class Answer { Ok, Cancel, Yes, No };

  virtual ~Host() = default;

  // A modal message box; returns the button the user pressed.
  virtual Answer MessageBox(const std::string& text, Buttons buttons = Buttons::Ok,
                            Icon icon = Icon::Information) = 0;
  // Lets pending window events (clicks, menu commands, timers) run.
  virtual void DoEvents() = 0;
  virtual void SleepMs(int milliseconds) = 0;
  // Seconds since midnight, with a fractional part.
  virtual double SecondsSinceMidnight() = 0;
  virtual CalendarDate Today() = 0;
  // A uniform draw u in [0, 1).
  virtual double Random() = 0;
  // Shows the "Err:" text and closes the main window; the engine never continues afterwards.
  virtual void FatalStop(const std::string& text) = 0;

  // True while DoEvents would run nothing: the engine then leaves the call out, and may do a
  // computation that yields at every step in one piece. Read inline, as it is asked tens of
  // thousands of times a hand; the window's host is never idle.
  bool EventsIdle() const {
    return !eventsMayRun_ || (eventsRunWhile_ != nullptr && !*eventsRunWhile_);
  }

 protected:
  // Kept up to date by a host whose DoEvents is sometimes empty.
  bool eventsMayRun_ = true;
  // When set, DoEvents runs nothing while this flag is false.
  const bool* eventsRunWhile_ = nullptr;
};

}  // namespace zunda
