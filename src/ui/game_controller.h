#pragma once

#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "core/hand_record.h"

#include "ui/options_hooks.h"
#include "ui/window_commands.h"

namespace zunda {

struct Game;
class MainWindow;
class Mmedia;
class BossWindow;
class Autopilot;
class ExtrasController;

// Connects the main window to the engine: every click, menu command and timer tick goes to
// the engine's handler, and after each call the window is redrawn and the main timer re-armed
// from the engine's timer state. The window itself holds no game rule.
class GameController : public QObject {
  Q_OBJECT

 public:
  GameController(Game& game, MainWindow& window, OptionsDialogHooks hooks);
  ~GameController() override;

  // Seat 1 is played by the autopilot while this is on: for the rest of the hand when the
  // player asks for it, for good in the demo.
  void SetAutoplay(bool on);
  // Starts a new game at once with autoplay on for good (the demo of --autoplay).
  void StartDemo();

  // Redraws and re-arms the main timer from g.Win.TmrMainCircle; closes the window when the
  // engine asked for it.
  void Sync();

  // With a manual main tick the controller never starts its own main timer: whoever drives
  // the program (a test keeping a virtual clock) fires the ticks while the engine's timer
  // state g.Win.TmrMainCircle says the timer runs.
  void SetManualMainTick(bool manual);
  // One tick of the main timer, then the redraw and re-arm that follow every tick.
  void FireMainTick();
  // One step of the autopilot while autoplay is on, as its timer runs it. With a manual main
  // tick the autopilot's timer is not started either: the driver fires the steps.
  void FireAutoplayStep();

  // The conveniences: hint, autoplay menu, card counter, keyboard and round pace.
  ExtrasController* Extras() const { return extras_.get(); }

 private:
  void OnMainTick();
  void OnHandClick(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void OnCommand(CommandButton which);
  void OnMenu(MenuCommand which);
  void OnHelp(const QString& fileName);
  void OnBossKey();
  void OnMusicTick();
  void StopMusic();
  void RunAutopilot();
  void OpenReview(std::vector<HandRecord> hands);
  void ImportAndReview();
  std::vector<HandRecord> KeptHandsNewestFirst() const;
  // A hand taken over from the review window while a tick waited under it: the tick must end
  // before the game changes hands, so the next settle carries it out.
  struct PendingBranch {
    HandRecord Record;
    std::size_t NextAction = 0;
    bool Scored = false;
  };
  void RunPendingBranch();

  Game& g_;
  MainWindow& window_;
  OptionsDialogHooks hooks_;
  QTimer mainTimer_;
  QTimer musicTimer_;
  QTimer autoplayTimer_;
  std::unique_ptr<Mmedia> music_;
  std::unique_ptr<Autopilot> autopilot_;
  QPointer<BossWindow> boss_;
  std::unique_ptr<ExtrasController> extras_;
  bool autoplay_ = false;
  bool demo_ = false;
  bool handWasOver_ = false;  // as the last Sync saw it
  bool manualMainTick_ = false;
  std::optional<PendingBranch> pendingBranch_;
};

}  // namespace zunda
