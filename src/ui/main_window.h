#pragma once

#include <QLabel>
#include <QListWidget>
#include <QMainWindow>
#include <QTimer>
#include <array>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "core/controls.h"
#include "ui/window_commands.h"

class QAction;

namespace zunda {

struct Game;
class TableView;

// The main window: the card table, the event and ranking lists, the prompt line, the status
// bar and the menus. It is a view of the game's control state (g.Win, the table display and
// the skin): refresh() redraws from the state, and every user action leaves as a signal that
// the application connects to the engine's handlers. The window never changes the game.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `appPath` is the program folder (data, skins, icons); empty means the game's AppPath, or
  // the executable's folder when that is empty too.
  explicit MainWindow(const Game& game, std::filesystem::path appPath = {},
                      QWidget* parent = nullptr);

  // One step of the card slide, supplied by the engine; called on every tick of the slide
  // timer, which runs while g.Win.TmrDispFCP is enabled. By default nothing moves.
  void SetSlideStep(std::function<void()> step) { slideStep_ = std::move(step); }
  // Redraws by itself whenever the state changed, checking every `milliseconds`.
  void StartAutoRefresh(int milliseconds);
  // Closes the window for good (after the exit question was answered OK).
  void CloseForExit();

  TableView* Table() const { return table_; }
  QListWidget* EventList() const { return events_; }
  QListWidget* RankingList() const { return ranking_; }
  QLabel* StatusLabel(int index) const { return status_.at(static_cast<std::size_t>(index)); }
  QAction* MenuAction(MenuCommand which) const { return menuActions_.at(which); }
  QTimer* PromptTimer() { return &promptTimer_; }
  QTimer* SlideTimer() { return &slideTimer_; }
  // Whether the prompt line shows at this moment (it blinks while visible).
  bool PromptShowing() const;
  const std::filesystem::path& AppPath() const { return appPath_; }

 public slots:  // NOLINT(readability-redundant-access-specifiers): a section of its own for Qt
  void refresh();
  // Ticks of the window's own timers; public so that they can be driven directly.
  void BlinkPrompt();
  void ShowClock();
  void RunSlideStep();
  void AdvanceTurnMarker();

 signals:
  void handCardClicked(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void nameLabelPressed(int seat, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void nameLabelDoubleClicked(int seat, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  // The mouse moved over a name label or over the hand (ends a peek at another hand).
  void peekHover();
  void commandClicked(zunda::CommandButton which);
  void menuCommand(zunda::MenuCommand which);
  // A help item: the file name under the help folder ("readme.chm", "help.chm", ...).
  void helpRequested(const QString& fileName);
  void bossKey();
  void statusBarClicked();
  void minimizedChanged(bool minimized);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  void BuildStatusBar();
  QAction* AddCommand(QMenu* menu, const QString& caption, MenuCommand which);
  void AddHelp(QMenu* menu, const QString& caption, const QString& file);
  void SyncList(QListWidget* view, std::vector<std::string>& shown, const ListBox& box,
                bool scrollToNewest);
  void SyncMenus();
  void SyncTimers();
  void ApplyScale(double scale);
  void RefreshIfChanged();

  const Game& game_;
  std::filesystem::path appPath_;
  TableView* table_ = nullptr;
  QListWidget* events_ = nullptr;
  QListWidget* ranking_ = nullptr;
  QWidget* side_ = nullptr;
  std::array<QLabel*, 3> status_{};
  std::map<MenuCommand, QAction*> menuActions_;
  std::vector<std::string> shownEvents_;
  std::vector<std::string> shownRanking_;

  QTimer promptTimer_;
  QTimer clockTimer_;
  QTimer slideTimer_;
  QTimer markerTimer_;
  QTimer iconTimer_;
  QTimer refreshTimer_;
  std::function<void()> slideStep_;
  std::string shownPrompt_;
  bool promptWasVisible_ = false;
  int markerFrame_ = 1;
  int iconFrame_ = 0;
  QIcon icon_;
  bool closeAllowed_ = false;
  MainWindowControls lastDrawn_;
  int lastSeat_ = -1;
};

}  // namespace zunda
