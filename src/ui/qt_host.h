#pragma once

#include <QPointer>
#include <QWidget>
#include <cstdint>

#include "core/host.h"
#include "core/rng.h"

namespace zunda {

// The host of the real program: Qt message boxes over the main window, the event loop, the
// wall clock and the program's one generator.
class QtHost : public Host {
 public:
  // The generator is seeded once, here: from --seed or from Rng::EntropySeed().
  explicit QtHost(std::uint64_t seed) : rng_(seed) {}

  // The window message boxes sit over and that a fatal error closes.
  void SetMainWindow(QWidget* window) { mainWindow_ = window; }

  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) override;
  void DoEvents() override;
  void SleepMs(int milliseconds) override;
  double SecondsSinceMidnight() override;
  CalendarDate Today() override;
  double Random() override { return rng_.Uniform(); }
  // Shows the text, then closes the main window, which ends the program.
  void FatalStop(const std::string& text) override;

 private:
  Rng rng_;
  QPointer<QWidget> mainWindow_;
};

// The title of every message box of the program.
inline constexpr const char* kMessageTitle = "Zunda";

}  // namespace zunda
