#pragma once

#include <QWidget>
#include <optional>
#include <string>
#include <vector>

#include "ui/options_hooks.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace zunda {

// The players page: the player list, logging in, new players, passwords and deleting. The
// decisions are the player-table rules; this page only shows their outcome.
class PlayersPage : public QWidget {
  Q_OBJECT
 public:
  PlayersPage(OptionsEditContext context, QWidget* parent = nullptr);

  // Fills the controls from the edited options and chooses a player in the list.
  void Refresh(int chosenPlayer);
  int ChosenPlayer() const;
  void FocusPassword();

  // The player logged in while the dialog is open, if any; the seat takes it on OK.
  const std::optional<std::string>& LoggedIn() const { return loggedIn_; }
  // Players deleted while the dialog is open; their scores go on OK.
  const std::vector<std::string>& Deleted() const { return deleted_; }

  QListWidget* ListPlayerName;
  QLineEdit* TxtPlayerName;
  QLineEdit* TxtPasswd;
  QLineEdit* TxtNewPasswd;
  QCheckBox* ChkRememberPW;
  QPushButton* CmdCurPlayer;
  QPushButton* CmdNewPlayer;
  QPushButton* CmdDelPlayer;
  QPushButton* CmdModifyPassWd;
  QLabel* LblPlayerMess;

 private:
  void CmdCurPlayerClick();
  void CmdNewPlayerClick();
  void CmdDelPlayerClick();
  void CmdModifyPassWdClick();
  void ListPlayerNameClick();
  void ClearPasswords();

  OptionsEditContext c_;
  std::optional<std::string> loggedIn_;
  std::vector<std::string> deleted_;
};

}  // namespace zunda
