#pragma once

#include <QDialog>

#include "core/options.h"
#include "ui/options_hooks.h"

class QPushButton;
class QTabWidget;

namespace zunda {

class GamePage;
class MusicPage;
class PlayersPage;
class SkinsPage;

// How the options dialog ended.
enum class OptionsDialogResult {
  Ok,
  Cancelled,
  // A new skin was chosen and the user wants to quit now to see it: the caller ends the program.
  QuitRequested,
};

// The options dialog "游戏设置". It edits a copy of the program's options; OK puts the copy in
// place, saves the option file and seats the player logged in here; Cancel forgets it all.
// Either way the main window's status line names the player.
class FrmOptionsTab : public QDialog {
  Q_OBJECT
 public:
  FrmOptionsTab(Game& g, const OptionsDialogHooks& hooks, QWidget* parent = nullptr);
  ~FrmOptionsTab() override;

  // Shows the dialog modally. While it is open the turn cycle idles and the main window's
  // buttons leave the focus alone.
  OptionsDialogResult Run();

  // The options as edited so far.
  const OptionsModel& Edited() const { return options_; }
  bool QuitWanted() const { return quitWanted_; }

  void CmdOKClick();
  void CmdDefaultSetupClick();
  // Cancel, Escape and the close box.
  void reject() override;

  QTabWidget* tbsOptions;
  PlayersPage* Players;
  GamePage* GameSettings;
  MusicPage* Music;
  SkinsPage* Skins;
  QPushButton* CmdOK;
  QPushButton* cmdCancel;
  QPushButton* CmdDefaultSetup;

 private:
  void RefreshPages(int chosenPlayer);
  // Puts the edited options in place and saves them; the seat takes the player logged in here.
  void Apply();

  Game& g_;
  OptionsDialogHooks hooks_;
  OptionsModel options_;
  bool quitWanted_ = false;
};

// The options menu command: the dialog over the main window.
OptionsDialogResult RunOptionsDialog(Game& g, QWidget* parent, const OptionsDialogHooks& hooks);

// Logs the player in at start-up, once the option file has been read into g.Options. With
// "Remember" ticked the remembered player takes the human seat without a question and the
// option file is written back; otherwise the dialog opens on the player page.
OptionsDialogResult LogInPlayer(Game& g, QWidget* parent, const OptionsDialogHooks& hooks = {});

}  // namespace zunda
