#pragma once

#include <QObject>
#include <functional>

#include "ui/window_commands.h"

class QAction;
class QMenu;

namespace zunda {

struct Game;
class MainWindow;
class CardCounterPanel;

// The conveniences on the main window: the menu "辅助" (hint, autoplay, card counter), the card
// counter panel, the keyboard, and the click that lets a held round go on. It changes the game
// only through the engine's own entry points (hand clicks, buttons) or the conveniences' rules,
// and hands every change to the game controller's redraw.
class ExtrasController : public QObject {
  Q_OBJECT

 public:
  // What the game controller does for it.
  struct Actions {
    std::function<void(CommandButton)> command;  // as if the button had been clicked
    std::function<void(bool)> setAutoplay;
    std::function<void()> sync;  // redraw and re-arm after the game changed
  };

  ExtrasController(Game& g, MainWindow& window, Actions actions);
  ~ExtrasController() override;

  // Runs before every redraw: the round's pace, the hint button, the menu and the counter.
  void Sync();

  // The menu items and their keys.
  void ToggleAutoplay();
  void ToggleCardCounter();
  // A key pressed in the main window; true when a convenience used it.
  bool HandleKey(int key, Qt::KeyboardModifiers modifiers, bool autoRepeat = false);

  QAction* HintAction() const { return hint_; }
  QAction* AutoplayAction() const { return autoplay_; }
  QAction* CounterAction() const { return counter_; }
  CardCounterPanel* Counter() const { return panel_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool HintOffered() const;
  bool PressButton(CommandButton which);
  // Runs a step on the game and redraws.
  void Run(const std::function<void()>& step);
  bool InMainWindow(QObject* watched) const;
  bool OnTable(QObject* watched) const;

  Game& g_;
  MainWindow& window_;
  Actions actions_;
  QMenu* menu_ = nullptr;
  QAction* hint_ = nullptr;
  QAction* autoplay_ = nullptr;
  QAction* counter_ = nullptr;
  CardCounterPanel* panel_ = nullptr;
};

}  // namespace zunda
