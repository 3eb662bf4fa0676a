#pragma once

#include <QSize>
#include <memory>
#include <optional>
#include <string>

#include "ui/language.h"
#include "ui/options_hooks.h"

class QSplashScreen;

namespace zunda {

struct Game;
class QtHost;
class MainWindow;
class GameController;
class ProgramLock;
class FileGameStore;

// What the command line says about how the program starts.
struct StartSettings {
  std::string ProgramFolder;
  // The screen the program checks; unset means the primary screen.
  std::optional<QSize> Screen;
  bool Autoplay = false;             // seat 1 plays itself and a game starts at once
  bool QuitAfterFirstPaint = false;  // the window is painted once, then the program ends
  bool QuitAfterStart = false;       // the program ends once the start is complete
  std::string Screenshot;            // a picture of the window is saved after a while
  int ScreenshotDelayMs = 6000;
  bool ShowSplash = true;
  // The language of the window; unset means the option file's choice or the system's.
  std::optional<Language> WindowLanguage;
};

// The program once it has started: the main window over the game and the controller that runs
// the engine from it. It holds the single-copy lock for as long as it lives. Destroy it before
// the game.
class RunningProgram {
 public:
  ~RunningProgram();
  RunningProgram(const RunningProgram&) = delete;
  RunningProgram& operator=(const RunningProgram&) = delete;

  MainWindow& Window() { return *window_; }
  // Null only when the program just paints its window once and ends.
  GameController* Controller() { return controller_.get(); }
  const OptionsDialogHooks& Hooks() const { return hooks_; }

 private:
  friend std::unique_ptr<RunningProgram> StartProgram(Game&, QtHost&, const StartSettings&);
  RunningProgram();

  std::unique_ptr<ProgramLock> lock_;
  std::unique_ptr<FileGameStore> store_;
  std::unique_ptr<QSplashScreen> splash_;
  std::unique_ptr<MainWindow> window_;
  OptionsDialogHooks hooks_;
  std::unique_ptr<GameController> controller_;
};

// Start-up: refuses a small screen and a second copy, writes the option file on the very first
// run, loads the skin and the options, shows the splash and the main window, logs the player
// in and hands the window to the controller. Every message box goes through the host. Null
// means the program ends now (a refusal, the first run, a rebuilt option file, or the player
// chose to quit at the log-in); otherwise the caller runs the event loop.
std::unique_ptr<RunningProgram> StartProgram(Game& g, QtHost& host, const StartSettings& settings);

}  // namespace zunda
