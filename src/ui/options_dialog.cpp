#include "ui/options_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/options_dialog_rules.h"
#include "core/players.h"
#include "core/text.h"
#include "flow/turn_cycle.h"
#include "store/option_file.h"
#include "ui/dialog_open_scope.h"
#include "ui/language.h"
#include "ui/motion_choice.h"
#include "ui/music/background_music.h"
#include "ui/options_game_page.h"
#include "ui/options_music_page.h"
#include "ui/options_players_page.h"
#include "ui/options_skins_page.h"

namespace zunda {

namespace {

std::string& HumanName(Game& g) {
  return g.Seats[g.HumanSeat].Name;
}

}  // namespace

FrmOptionsTab::FrmOptionsTab(Game& g, const OptionsDialogHooks& hooks, QWidget* parent)
    : QDialog(parent), g_(g), hooks_(hooks), options_(g.Options) {
  setWindowTitle(tr("游戏设置"));
  const OptionsEditContext context{g_, options_, hooks_};
  tbsOptions = new QTabWidget(this);
  Players = new PlayersPage(context);
  GameSettings = new GamePage(context);
  Music = new MusicPage(context);
  Skins = new SkinsPage(context);
  tbsOptions->addTab(Players, tr("玩家"));
  tbsOptions->addTab(GameSettings, tr("游戏"));
  tbsOptions->addTab(Music, tr("背景音乐"));
  tbsOptions->addTab(Skins, tr("皮肤"));

  CmdOK = new QPushButton(tr("确定"), this);
  cmdCancel = new QPushButton(tr("取消"), this);
  CmdDefaultSetup = new QPushButton(tr("默认设置"), this);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(CmdDefaultSetup);
  buttons->addStretch();
  buttons->addWidget(CmdOK);
  buttons->addWidget(cmdCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tbsOptions);
  layout->addLayout(buttons);

  // Enter in a password box must not close the dialog.
  for (QPushButton* button : findChildren<QPushButton*>())
    button->setAutoDefault(false);

  connect(CmdOK, &QPushButton::clicked, this, &FrmOptionsTab::CmdOKClick);
  connect(cmdCancel, &QPushButton::clicked, this, &FrmOptionsTab::reject);
  connect(CmdDefaultSetup, &QPushButton::clicked, this, &FrmOptionsTab::CmdDefaultSetupClick);

  RefreshPages(options_.CurPlayer);
}

FrmOptionsTab::~FrmOptionsTab() = default;

void FrmOptionsTab::RefreshPages(int chosenPlayer) {
  Players->Refresh(chosenPlayer);
  GameSettings->Refresh();
  Music->Refresh();
  Skins->Refresh();
}

OptionsDialogResult FrmOptionsTab::Run() {
  {
    const DialogOpenScope open(g_);
    exec();
  }
  if (result() != QDialog::Accepted) return OptionsDialogResult::Cancelled;
  return quitWanted_ ? OptionsDialogResult::QuitRequested : OptionsDialogResult::Ok;
}

void FrmOptionsTab::CmdOKClick() {
  const int chosen = Players->ChosenPlayer();
  if (chosen >= 0) {
    const std::string& chosenName = options_.Players[chosen].Name;
    const std::string seatName =
        Players->LoggedIn() ? SeatNameOf(*Players->LoggedIn()) : HumanName(g_);
    if (NotLoggedIn(seatName, chosenName) &&
        g_.Msg(NotLoggedInQuestion(chosenName), Host::Buttons::YesNo, Host::Icon::Question) ==
            Host::Answer::Yes) {
      tbsOptions->setCurrentWidget(Players);
      Players->FocusPassword();
      return;
    }
  }
  Apply();
  const bool newLanguage = GameSettings->LanguageChanged();
  if (newLanguage) StoreLanguageChoice(g_, GameSettings->LanguageChoice());
  if (GameSettings->CardMotionChanged()) StoreCardMotion(g_, GameSettings->CardMotionChoice());
  if ((Skins->SkinChanged() || newLanguage) &&
      g_.Msg(kRestartQuestion, Host::Buttons::YesNo, Host::Icon::Question) == Host::Answer::Yes) {
    quitWanted_ = true;
  }
  g_.Win.LblStatusBar[0].Caption = LoggedInStatus(HumanName(g_));
  accept();
}

void FrmOptionsTab::Apply() {
  const std::optional<std::string>& loggedIn = Players->LoggedIn();
  const bool newPlayer = loggedIn && SeatNameOf(*loggedIn) != HumanName(g_);
  // The conveniences change no rule, so they alone do not end a running hand.
  OptionsModel rulesBefore = g_.Options;
  rulesBefore.Extras = options_.Extras;
  const bool changed = newPlayer || !(options_ == rulesBefore);

  if (hooks_.DeletePlayerScores) {
    for (const std::string& name : Players->Deleted())
      hooks_.DeletePlayerScores(name);
  }
  if (loggedIn) HumanName(g_) = SeatNameOf(*loggedIn);
  g_.Options = options_;
  SaveOptions(g_);
  MusicOptionsChanged(g_);
  if (newPlayer && hooks_.PlayerLoggedIn) hooks_.PlayerLoggedIn();
  // A running hand does not carry on under changed settings: it ends on the next tick.
  if (changed && g_.Flow.Running) MnuZundaEndClick(g_);
}

void FrmOptionsTab::CmdDefaultSetupClick() {
  SetDialogDefaults(options_);
  Music->HideChooser();
  RefreshPages(0);
}

void FrmOptionsTab::reject() {
  g_.Win.LblStatusBar[0].Caption = DefaultPlayerStatus(HumanName(g_));
  QDialog::reject();
}

OptionsDialogResult RunOptionsDialog(Game& g, QWidget* parent, const OptionsDialogHooks& hooks) {
  FrmOptionsTab dialog(g, hooks, parent);
  return dialog.Run();
}

OptionsDialogResult LogInPlayer(Game& g, QWidget* parent, const OptionsDialogHooks& hooks) {
  if (!g.Options.Remember) return RunOptionsDialog(g, parent, hooks);
  OptionsModel& o = g.Options;
  if (o.CurPlayer < 0 || o.CurPlayer >= std::min(o.PlayerNum, kMaxPlayers)) o.CurPlayer = 0;
  const std::string name = Trim(o.Players[o.CurPlayer].Name);
  HumanName(g) = SeatNameOf(name);
  SaveOptions(g);
  g.Win.LblStatusBar[0].Caption = LoggedInStatus(name);
  return OptionsDialogResult::Ok;
}

}  // namespace zunda
