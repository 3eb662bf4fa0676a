#include "ui/options_players_page.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <algorithm>

#include "core/game.h"
#include "core/players.h"
#include "core/text.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

std::string S(const QString& text) {
  return text.toStdString();
}

}  // namespace

PlayersPage::PlayersPage(OptionsEditContext context, QWidget* parent)
    : QWidget(parent), c_(context) {
  ListPlayerName = new QListWidget(this);
  TxtPlayerName = new QLineEdit(this);
  TxtPlayerName->setMaxLength(kPlayerNameWidth);
  TxtPasswd = new QLineEdit(this);
  TxtNewPasswd = new QLineEdit(this);
  for (QLineEdit* box : {TxtPasswd, TxtNewPasswd}) {
    box->setEchoMode(QLineEdit::Password);
    box->setMaxLength(kPasswordWidth);
  }
  ChkRememberPW = new QCheckBox(tr("下次启动时自动登录当前玩家"), this);
  CmdCurPlayer = new QPushButton(tr("登录当前玩家"), this);
  CmdNewPlayer = new QPushButton(tr("加入新玩家"), this);
  CmdDelPlayer = new QPushButton(tr("删除选定玩家"), this);
  CmdModifyPassWd = new QPushButton(tr("修改密码"), this);
  LblPlayerMess = new QLabel(this);
  LblPlayerMess->setWordWrap(true);

  auto* layout = new QGridLayout(this);
  layout->addWidget(ListPlayerName, 0, 0, 7, 1);
  layout->addWidget(new QLabel(tr("姓名:"), this), 0, 1);
  layout->addWidget(TxtPlayerName, 0, 2);
  layout->addWidget(new QLabel(tr("密码:"), this), 1, 1);
  layout->addWidget(TxtPasswd, 1, 2);
  layout->addWidget(new QLabel(tr("新密码:"), this), 2, 1);
  layout->addWidget(TxtNewPasswd, 2, 2);
  layout->addWidget(CmdCurPlayer, 3, 1);
  layout->addWidget(CmdNewPlayer, 3, 2);
  layout->addWidget(CmdModifyPassWd, 4, 1);
  layout->addWidget(CmdDelPlayer, 4, 2);
  layout->addWidget(ChkRememberPW, 5, 1, 1, 2);
  layout->addWidget(LblPlayerMess, 6, 1, 1, 2);

  connect(CmdCurPlayer, &QPushButton::clicked, this, &PlayersPage::CmdCurPlayerClick);
  connect(CmdNewPlayer, &QPushButton::clicked, this, &PlayersPage::CmdNewPlayerClick);
  connect(CmdDelPlayer, &QPushButton::clicked, this, &PlayersPage::CmdDelPlayerClick);
  connect(CmdModifyPassWd, &QPushButton::clicked, this, &PlayersPage::CmdModifyPassWdClick);
  connect(ListPlayerName, &QListWidget::currentRowChanged, this, &PlayersPage::ListPlayerNameClick);
  connect(ChkRememberPW, &QCheckBox::toggled, this,
          [this](bool ticked) { c_.options.Remember = ticked; });

  LblPlayerMess->setText(ShownText(CurrentPlayerText(Trim(c_.g.Seats[c_.g.HumanSeat].Name))));
}

void PlayersPage::Refresh(int chosenPlayer) {
  const QSignalBlocker block(ListPlayerName);
  ListPlayerName->clear();
  for (int i = 0; i < std::min(c_.options.PlayerNum, kMaxPlayers); ++i)
    ListPlayerName->addItem(Q(Trim(c_.options.Players[i].Name)));
  const int count = ListPlayerName->count();
  ListPlayerName->setCurrentRow(count == 0 ? -1 : std::clamp(chosenPlayer, 0, count - 1));
  ListPlayerNameClick();
  ChkRememberPW->setChecked(c_.options.Remember);
}

int PlayersPage::ChosenPlayer() const {
  return ListPlayerName->currentRow();
}

void PlayersPage::FocusPassword() {
  TxtPasswd->setFocus();
  TxtPasswd->selectAll();
}

void PlayersPage::ClearPasswords() {
  TxtPasswd->clear();
  TxtNewPasswd->clear();
}

void PlayersPage::ListPlayerNameClick() {
  const int row = ChosenPlayer();
  if (row >= 0) TxtPlayerName->setText(Q(Trim(c_.options.Players[row].Name)));
}

void PlayersPage::CmdCurPlayerClick() {
  const int row = ChosenPlayer();
  const PlayerOutcome outcome = LogIn(c_.options, row, S(TxtPasswd->text()));
  if (outcome.Done) loggedIn_ = Trim(c_.options.Players[row].Name);
  LblPlayerMess->setText(ShownText(outcome.Message));
}

void PlayersPage::CmdNewPlayerClick() {
  const PlayerOutcome outcome = AddPlayer(c_.options, S(TxtPlayerName->text()));
  if (outcome.Done) Refresh(c_.options.PlayerNum - 1);
  LblPlayerMess->setText(ShownText(outcome.Message));
}

void PlayersPage::CmdModifyPassWdClick() {
  const PlayerOutcome outcome =
      ChangePassword(c_.options, ChosenPlayer(), S(TxtPasswd->text()), S(TxtNewPasswd->text()));
  if (outcome.Done) ClearPasswords();
  LblPlayerMess->setText(ShownText(outcome.Message));
}

void PlayersPage::CmdDelPlayerClick() {
  const int row = ChosenPlayer();
  const std::string name = row >= 0 ? Trim(c_.options.Players[row].Name) : "";
  const PlayerOutcome outcome = DeletePlayer(c_.options, row, S(TxtPasswd->text()));
  if (outcome.Done) {
    deleted_.push_back(name);
    // A player logged in and deleted again in the same visit never took the seat.
    if (loggedIn_ == name) loggedIn_.reset();
    ClearPasswords();
    Refresh(row - 1);
  }
  LblPlayerMess->setText(ShownText(outcome.Message));
}

}  // namespace zunda
