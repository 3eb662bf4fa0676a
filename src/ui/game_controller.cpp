#include "ui/game_controller.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>
#include <algorithm>

#include "core/game.h"
#include "core/table_display.h"
#include "flow/apply_action.h"
#include "flow/hand_branch.h"
#include "flow/hand_storage.h"
#include "flow/turn_cycle.h"
#include "players/autopilot.h"
#include "players/hint.h"
#include "rules/burning.h"
#include "rules/human_input.h"
#include "rules/tribute.h"
#include "store/hand_history.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "ui/boss_window.h"
#include "ui/dialog_open_scope.h"
#include "ui/extras_controller.h"
#include "ui/frm_score.h"
#include "ui/language.h"
#include "ui/main_window.h"
#include "ui/mmedia.h"
#include "ui/motion_choice.h"
#include "ui/music/background_music.h"
#include "ui/options_dialog.h"
#include "ui/review_window.h"
#include "ui/shown_text.h"
#include "ui/table_view.h"

namespace zunda {

namespace {

// The autopilot's pace: slow enough for a person watching the demo to follow.
constexpr int kAutoplayStepMs = 400;

MouseButton ToEngine(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton:
      return MouseButton::Left;
    case Qt::RightButton:
      return MouseButton::Right;
    default:
      return MouseButton::Middle;
  }
}

int ToShift(Qt::KeyboardModifiers modifiers) {
  int shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= kShiftKey;
  if (modifiers & Qt::ControlModifier) shift |= kCtrlKey;
  if (modifiers & Qt::AltModifier) shift |= kAltKey;
  return shift;
}

}  // namespace

GameController::GameController(Game& game, MainWindow& window, OptionsDialogHooks hooks)
    : g_(game),
      window_(window),
      hooks_(std::move(hooks)),
      music_(std::make_unique<Mmedia>()),
      autopilot_(std::make_unique<Autopilot>()) {
  connect(&autoplayTimer_, &QTimer::timeout, this, &GameController::RunAutopilot);
  mainTimer_.setSingleShot(true);
  connect(&mainTimer_, &QTimer::timeout, this, &GameController::OnMainTick);
  connect(&musicTimer_, &QTimer::timeout, this, &GameController::OnMusicTick);
  musicTimer_.setSingleShot(true);
  if (g_.Win.TmrMedia.Enabled) musicTimer_.start(std::max(1, g_.Win.TmrMedia.Interval));

  connect(&window_, &MainWindow::handCardClicked, this, &GameController::OnHandClick);
  connect(&window_, &MainWindow::commandClicked, this, &GameController::OnCommand);
  connect(&window_, &MainWindow::menuCommand, this, &GameController::OnMenu);
  connect(&window_, &MainWindow::helpRequested, this, &GameController::OnHelp);
  connect(&window_, &MainWindow::bossKey, this, &GameController::OnBossKey);
  connect(&window_, &MainWindow::nameLabelPressed, this,
          [this](int seat, Qt::MouseButton button, Qt::KeyboardModifiers modifiers) {
            LblNameMouseDown(g_, seat, ToEngine(button), ToShift(modifiers));
            Sync();
          });
  connect(&window_, &MainWindow::nameLabelDoubleClicked, this,
          [this](int seat, Qt::MouseButton, Qt::KeyboardModifiers) {
            LblNameDblClick(g_, seat);
            Sync();
          });
  connect(&window_, &MainWindow::peekHover, this, [this] {
    if (!g_.Input.PeekShown) return;
    PeekMouseMove(g_);
    Sync();
  });
  connect(&window_, &MainWindow::minimizedChanged, this,
          [this](bool minimized) { g_.Win.Minimized = minimized; });
  connect(&window_, &MainWindow::statusBarClicked, this, [this] {
    Label& status = g_.Win.LblStatusBar[0];
    status.Caption = status.Caption.empty() ? g_.Table.PlayedStatusText : std::string();
    Sync();
  });
  window_.SetSlideStep([this] { SlideTableCards(g_); });
  window_.Table()->Motion().SetEnabled(StoredCardMotion(g_));
  window_.StartAutoRefresh(30);
  extras_ = std::make_unique<ExtrasController>(
      g_, window_,
      ExtrasController::Actions{[this](CommandButton which) { OnCommand(which); },
                                [this](bool on) { SetAutoplay(on); }, [this] { Sync(); }});
}

GameController::~GameController() {
  StopMusic();
}

void GameController::SetAutoplay(bool on) {
  autoplay_ = on;
  g_.Extras.AutoplayOn = on;
  if (on && !manualMainTick_) {
    autoplayTimer_.start(kAutoplayStepMs);
  } else {
    autoplayTimer_.stop();
  }
}

void GameController::StartDemo() {
  demo_ = true;
  SetAutoplay(true);
  MnuZundaRunClick(g_);
  Sync();
}

void GameController::Sync() {
  // What the handlers posted is applied as the window settles; inside a tick the wait that let
  // this event run applies it instead.
  if (!g_.Flow.InTick) {
    RunPendingBranch();
    RunPostedActions(g_);
  }
  // The player hands over one hand: the next one is theirs again.
  if (g_.Flow.HandOver && !handWasOver_ && autoplay_ && !demo_) SetAutoplay(false);
  handWasOver_ = g_.Flow.HandOver;
  if (extras_) extras_->Sync();
  window_.refresh();
  const Timer& timer = g_.Win.TmrMainCircle;
  if (timer.Enabled && !manualMainTick_) {
    if (!mainTimer_.isActive()) mainTimer_.start(std::max(1, timer.Interval));
  } else {
    mainTimer_.stop();
  }
  if (g_.Win.CloseRequested) {
    StopMusic();
    SaveOptions(g_);
    window_.CloseForExit();
  }
}

void GameController::SetManualMainTick(bool manual) {
  manualMainTick_ = manual;
  if (manual) autoplayTimer_.stop();
  if (!manual && autoplay_ && !autoplayTimer_.isActive()) autoplayTimer_.start(kAutoplayStepMs);
  Sync();
}

void GameController::FireMainTick() {
  OnMainTick();
}

void GameController::FireAutoplayStep() {
  RunAutopilot();
}

void GameController::OnMainTick() {
  TmrMainCircleTimer(g_);
  Sync();
}

void GameController::OnHandClick(int slot, Qt::MouseButton button,
                                 Qt::KeyboardModifiers modifiers) {
  ImgHandMouseUp(g_, slot, ToEngine(button), ToShift(modifiers));
  Sync();
}

void GameController::OnCommand(CommandButton which) {
  switch (which) {
    case CommandButton::Send:
      CmdSendClick(g_);
      break;
    case CommandButton::Pass:
      CmdPassClick(g_);
      break;
    case CommandButton::Return:
      CmdReturnClick(g_);
      break;
    case CommandButton::NotSP:
      DeclineBurn(g_);
      break;
    case CommandButton::ShaoHuLe:
      CmdShaoHuLeClick(g_);
      break;
    case CommandButton::HG:
      CmdHGClick(g_);
      break;
    case CommandButton::Hint:
      ShowHint(g_);
      break;
  }
  Sync();
}

void GameController::OnMenu(MenuCommand which) {
  switch (which) {
    case MenuCommand::ZundaRun:
      MnuZundaRunClick(g_);
      break;
    case MenuCommand::ZundaEnd:
      MnuZundaEndClick(g_);
      StopMusic();
      break;
    case MenuCommand::Boss:
      OnBossKey();
      break;
    case MenuCommand::ForcePause:
      MnuForcePauseClick(g_);
      break;
    case MenuCommand::TakeBack:
      MnuTakeBackClick(g_);
      break;
    case MenuCommand::Review:
      OpenReview(KeptHandsNewestFirst());
      break;
    case MenuCommand::ImportHand:
      ImportAndReview();
      break;
    case MenuCommand::FileExit:
      MnuFileExitClick(g_);
      break;
    case MenuCommand::ZundaOptions: {
      const OptionsDialogResult result = RunOptionsDialog(g_, &window_, hooks_);
      if (result == OptionsDialogResult::QuitRequested) g_.Win.CloseRequested = true;
      window_.Table()->Motion().SetEnabled(StoredCardMotion(g_));
      MusicOptionsChanged(g_);
      if (g_.Win.TmrMedia.Enabled && !musicTimer_.isActive()) musicTimer_.start(1);
      break;
    }
    case MenuCommand::ZundaNetRun:
    case MenuCommand::NetOptions:
      QMessageBox::information(&window_, tr("网络游戏"),
                               tr("本版本只提供单机游戏，网络游戏暂不开放。"));
      break;
    case MenuCommand::HelpAbout:
      QMessageBox::about(&window_, tr("关于 Zunda"),
                         tr("Zunda扑克游戏\n%1\n\n六人四副牌的尊达：单人对五家电脑。")
                             .arg(QString::fromStdString(g_.VersionText)));
      break;
    case MenuCommand::Save:
      MnuSaveClick(g_);
      break;
    case MenuCommand::Read:
      MnuReadClick(g_);
      break;
    case MenuCommand::ZundaTopTen:
      ShowScoreWindow(g_, &window_);
      break;
  }
  Sync();
}

void GameController::OnHelp(const QString& fileName) {
  // Our help documents are HTML pages named like the original's help files; the English pages
  // are in a folder of their own, and a page missing there is shown in Chinese.
  const std::string page =
      (QFileInfo(fileName).completeBaseName() + QStringLiteral(".html")).toStdString();
  std::string path = ProgramFile(g_, g_.HelpDir + "\\" + page);
  if (CurrentLanguage() == Language::English) {
    const std::string english = ProgramFile(g_, g_.HelpDir + "\\en\\" + page);
    if (QFileInfo::exists(QString::fromStdString(english))) path = english;
  }
  if (!QFileInfo::exists(QString::fromStdString(path))) {
    QMessageBox::information(&window_, tr("帮助"),
                             tr("帮助文件未发现：") + QString::fromStdString(path));
    return;
  }
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void GameController::OnBossKey() {
  // Never behind an open dialog's back: hiding the table would hide the dialog with it.
  if (boss_ || QApplication::activeModalWidget() != nullptr) return;
  const bool wasMinimized = g_.Win.Minimized;
  g_.Win.Minimized = true;  // the turn cycle idles behind the cover
  if (music_) music_->mmPause();
  window_.hide();
  boss_ = new BossWindow(QString::fromStdString(g_.Options.BarName), [this, wasMinimized] {
    g_.Win.Minimized = wasMinimized;
    if (music_ && music_->Status() == "paused") music_->mmPlay();
    window_.show();
    window_.activateWindow();
    Sync();
  });
  boss_->show();
}

void GameController::OnMusicTick() {
  TmrMediaTimer(g_, *music_);
  if (g_.Win.TmrMedia.Enabled) musicTimer_.start(std::max(1, g_.Win.TmrMedia.Interval));
}

void GameController::StopMusic() {
  if (music_) StopAllMedia(*music_);
}

void GameController::RunAutopilot() {
  // Acts only between engine steps, like a person's click, and only when the turn cycle waits
  // for seat 1.
  if (!autoplay_ || g_.Flow.InTick || Autopilot::TaskFor(g_) == AutopilotTask::None) return;
  autopilot_->Act(g_);
  Sync();
}

std::vector<HandRecord> GameController::KeptHandsNewestFirst() const {
  std::vector<KeptHand> kept = ReadHistory(g_.AppPath).Hands;
  std::vector<HandRecord> hands;
  hands.reserve(kept.size());
  for (auto hand = kept.rbegin(); hand != kept.rend(); ++hand)
    hands.push_back(std::move(hand->Record));
  return hands;
}

void GameController::OpenReview(std::vector<HandRecord> hands) {
  bool branched = false;
  {
    const DialogOpenScope open(g_);
    ReviewWindow review(g_, std::move(hands), &window_);
    review.SetBrancher([this](const HandRecord& record, std::size_t nextAction, bool scored) {
      if (!g_.Flow.InTick) return BranchFromRecord(g_, record, nextAction, scored);
      pendingBranch_ = PendingBranch{record, nextAction, scored};
      return std::string();
    });
    review.exec();
    branched = review.Branched();
  }
  if (!branched) return;
  // The hand taken over is the human's to play, as after a restore.
  if (!demo_) SetAutoplay(false);
  window_.Table()->Motion().Clear();
}

void GameController::RunPendingBranch() {
  if (!pendingBranch_) return;
  const PendingBranch branch = std::move(*pendingBranch_);
  pendingBranch_.reset();
  const std::string problem = BranchFromRecord(g_, branch.Record, branch.NextAction, branch.Scored);
  window_.Table()->Motion().Clear();
  if (!problem.empty())
    QMessageBox::warning(&window_, tr("复盘"), tr("无法接着打这一局：%1").arg(ShownText(problem)));
}

void GameController::ImportAndReview() {
  std::optional<ImportedHand> imported;
  QString path;
  {
    const DialogOpenScope open(g_);
    path = QFileDialog::getOpenFileName(&window_, tr("导入牌局"), QString(),
                                        tr("牌局记录 (*.txt);;所有文件 (*)"));
    if (path.isEmpty()) return;
    imported = ImportHand(path);
    if (!imported->Ok()) {
      QMessageBox::warning(&window_, tr("导入牌局"),
                           tr("无法导入“%1”：%2").arg(path, ShownText(imported->Problem)));
      return;
    }
  }
  std::vector<HandRecord> hands = KeptHandsNewestFirst();
  hands.insert(hands.begin(), std::move(imported->Record));
  OpenReview(std::move(hands));
}

}  // namespace zunda
