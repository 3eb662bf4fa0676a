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
};

}  // namespace zunda
