#include "ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDate>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenuBar>
#include <QMetaMethod>
#include <QResizeEvent>
#include <QStatusBar>
#include <QTime>
#include <QTransform>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "core/text.h"
#include "flow/seat_to_act.h"
#include "ui/shown_text.h"
#include "ui/skins.h"
#include "ui/table_view.h"

namespace zunda {
namespace {

constexpr int kPromptShownMs = 1500;
constexpr int kPromptHiddenMs = 200;

QString Text(const std::string& text) {
  return ShownText(text);
}

std::filesystem::path ChooseAppPath(const Game& game, std::filesystem::path given) {
  if (!given.empty()) return given;
  if (!game.AppPath.empty()) return std::filesystem::path(game.AppPath);
  return std::filesystem::path(QCoreApplication::applicationDirPath().toStdString());
}

const char* const kListStyle =
    "QListWidget { background: rgba(6, 40, 22, 230); color: #f2f2e6;"
    " border: 1px solid #3d7a52; border-radius: 4px; }"
    "QListWidget::item:selected { background: #2e6e48; color: #ffffff; }";

}  // namespace

MainWindow::MainWindow(const Game& game, std::filesystem::path appPath, QWidget* parent)
    : QMainWindow(parent), game_(game), appPath_(ChooseAppPath(game, std::move(appPath))) {
  setWindowTitle(Text(game_.Win.Caption));
  resize(800, 600);
  setMinimumSize(640, 480);
  icon_ =
      QIcon(QString::fromStdString(ResolveNoCase(appPath_, game_.DataDir + "/zunda.ico").string()));
  setWindowIcon(icon_);

  auto* central = new QWidget(this);
  central->setObjectName(QStringLiteral("tableBackground"));
  central->setStyleSheet(QStringLiteral("#tableBackground { background: #0a3e22; }"));
  // The table covers the whole client area and places the lists itself (see eventFilter).
  table_ = new TableView(game_, appPath_, central);
  auto* side = new QWidget(central);
  auto* column = new QVBoxLayout(side);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(4);
  ranking_ = new QListWidget(side);
  ranking_->setToolTip(tr("双击查看详细情况"));
  events_ = new QListWidget(side);
  side->setStyleSheet(QString::fromLatin1(kListStyle));  // once for both lists
  for (QListWidget* list : {ranking_, events_}) {
    list->setWordWrap(true);
    list->setFocusPolicy(Qt::NoFocus);
  }
  column->addWidget(ranking_, 2);
  column->addWidget(events_, 3);
  side_ = side;
  central->installEventFilter(this);
  setCentralWidget(central);

  connect(table_, &TableView::handCardClicked, this, &MainWindow::handCardClicked);
  connect(table_, &TableView::nameLabelPressed, this, &MainWindow::nameLabelPressed);
  connect(table_, &TableView::nameLabelDoubleClicked, this, &MainWindow::nameLabelDoubleClicked);
  connect(table_, &TableView::peekHover, this, &MainWindow::peekHover);
  connect(table_, &TableView::commandClicked, this, &MainWindow::commandClicked);
  connect(table_, &TableView::backgroundDoubleClicked, this, &MainWindow::bossKey);
  connect(table_, &TableView::scaleChanged, this, &MainWindow::ApplyScale);
  connect(ranking_, &QListWidget::itemDoubleClicked, this,
          [this] { emit menuCommand(MenuCommand::ZundaTopTen); });

  BuildMenus();
  BuildStatusBar();

  promptTimer_.setInterval(kPromptShownMs);
  connect(&promptTimer_, &QTimer::timeout, this, &MainWindow::BlinkPrompt);
  clockTimer_.setInterval(1000);
  connect(&clockTimer_, &QTimer::timeout, this, &MainWindow::ShowClock);
  clockTimer_.start();
  connect(&slideTimer_, &QTimer::timeout, this, &MainWindow::RunSlideStep);
  markerTimer_.setInterval(300);
  connect(&markerTimer_, &QTimer::timeout, this, &MainWindow::AdvanceTurnMarker);
  iconTimer_.setInterval(400);
  connect(&iconTimer_, &QTimer::timeout, this, [this] {
    iconFrame_ = (iconFrame_ + 1) % 4;
    const QPixmap base = icon_.pixmap(48, 48);
    if (!base.isNull())
      setWindowIcon(QIcon(base.transformed(QTransform().rotate(90 * iconFrame_))));
  });
  connect(&refreshTimer_, &QTimer::timeout, this, &MainWindow::RefreshIfChanged);

  ShowClock();
  refresh();
}

// ---- Menus and status bar ----

QAction* MainWindow::AddCommand(QMenu* menu, const QString& caption, MenuCommand which) {
  QAction* action = menu->addAction(caption);
  connect(action, &QAction::triggered, this, [this, which] { emit menuCommand(which); });
  menuActions_[which] = action;
  return action;
}

void MainWindow::AddHelp(QMenu* menu, const QString& caption, const QString& file) {
  QAction* action = menu->addAction(caption);
  connect(action, &QAction::triggered, this, [this, file] { emit helpRequested(file); });
}

void MainWindow::BuildMenus() {
  QMenu* run = menuBar()->addMenu(tr("游戏(&G)"));
  AddCommand(run, tr("单机游戏(&B)"), MenuCommand::ZundaRun);
  AddCommand(run, tr("网络游戏(&N)"), MenuCommand::ZundaNetRun);
  AddCommand(run, tr("结束本局"), MenuCommand::ZundaEnd);
  run->addSeparator();
  AddCommand(run, tr("老板来了(Esc)"), MenuCommand::Boss);
  run->addSeparator();
  AddCommand(run, tr("保存牌局"), MenuCommand::Save);
  AddCommand(run, tr("读取牌局"), MenuCommand::Read);
  AddCommand(run, tr("强制暂停"), MenuCommand::ForcePause);
  AddCommand(run, tr("悔牌(&T)"), MenuCommand::TakeBack);
  run->addSeparator();
  AddCommand(run, tr("复盘(&R)..."), MenuCommand::Review);
  AddCommand(run, tr("导入牌局(&I)..."), MenuCommand::ImportHand);
  run->addSeparator();
  AddCommand(run, tr("Zunda战绩"), MenuCommand::ZundaTopTen);
  run->addSeparator();
  AddCommand(run, tr("退出(&X)"), MenuCommand::FileExit);

  QMenu* options = menuBar()->addMenu(tr("设置(&O)"));
  AddCommand(options, tr("游戏设置(&O)"), MenuCommand::ZundaOptions);
  AddCommand(options, tr("网络设置(&N)"), MenuCommand::NetOptions);

  QMenu* help = menuBar()->addMenu(tr("帮助(&H)"));
  AddHelp(help, tr("Readme"), QStringLiteral("readme.chm"));
  AddHelp(help, tr("操作使用帮助(&C)"), QStringLiteral("help.chm"));
  AddHelp(help, tr("Zunda基本常识"), QStringLiteral("znd_rule.chm"));
  AddHelp(help, tr("你知道吗?"), QStringLiteral("doyouknow.chm"));
  help->addSeparator();
  AddCommand(help, tr("关于(&A)..."), MenuCommand::HelpAbout);
}

void MainWindow::BuildStatusBar() {
  for (std::size_t i = 0; i < status_.size(); ++i)
    status_[i] = new QLabel(this);
  status_[0]->setMinimumWidth(80);
  statusBar()->addWidget(status_[0], 1);
  statusBar()->addPermanentWidget(status_[1]);
  statusBar()->addPermanentWidget(status_[2]);
  statusBar()->installEventFilter(this);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  // The table takes the whole client area; the lists stand where its layout leaves them room.
  if (watched == centralWidget() && event->type() == QEvent::Resize) {
    const QSize size = static_cast<QResizeEvent*>(event)->size();
    table_->setGeometry(QRect(QPoint(0, 0), size));
    TableGeometry layout;
    layout.SetViewSize(size);
    side_->setGeometry(layout.SidePanel().toRect());
  }
  // Clicks on the labels come up to the status bar, which the labels leave them to.
  if (watched == statusBar() && event->type() == QEvent::MouseButtonRelease)
    emit statusBarClicked();
  return QMainWindow::eventFilter(watched, event);
}

// ---- Drawing the state ----

void MainWindow::refresh() {
  const MainWindowControls& win = game_.Win;
  if (!isMinimized()) setWindowTitle(Text(win.Caption));
  table_->SyncButtons();
  table_->FollowState();
  SyncList(events_, shownEvents_, win.LstDispEvent, true);
  SyncList(ranking_, shownRanking_, win.LstTalk, false);
  if (!win.LstTalk.ToolTipText.empty()) ranking_->setToolTip(Text(win.LstTalk.ToolTipText));
  events_->setVisible(win.LstDispEvent.Visible);
  ranking_->setVisible(win.LstTalk.Visible);
  status_[0]->setText(Text(win.LblStatusBar[0].Caption));
  SyncMenus();
  SyncTimers();
  table_->update();
  lastDrawn_ = win;
  lastSeat_ = game_.CurrentSeat;
}

void MainWindow::RefreshIfChanged() {
  if (game_.Win == lastDrawn_ && game_.CurrentSeat == lastSeat_) return;
  refresh();
}

void MainWindow::StartAutoRefresh(int milliseconds) {
  refreshTimer_.start(std::max(1, milliseconds));
}

void MainWindow::SyncList(QListWidget* view, std::vector<std::string>& shown, const ListBox& box,
                          bool scrollToNewest) {
  if (shown != box.Items) {
    const bool grows = shown.size() <= box.Items.size() &&
                       std::equal(shown.begin(), shown.end(), box.Items.begin());
    if (!grows) {
      view->clear();
      shown.clear();
    }
    for (std::size_t i = shown.size(); i < box.Items.size(); ++i)
      view->addItem(Text(box.Items[i]));
    shown = box.Items;
  }
  const int index = box.ListIndex < view->count() ? box.ListIndex : -1;
  if (view->currentRow() != index) view->setCurrentRow(index);
  if (scrollToNewest && view->count() > 0) view->scrollToBottom();
}

void MainWindow::SyncMenus() {
  const MainWindowControls& win = game_.Win;
  const std::pair<MenuCommand, const MenuItem*> items[] = {
      {MenuCommand::ZundaRun, &win.MnuZundaRun},
      {MenuCommand::ZundaEnd, &win.MnuZundaEnd},
      {MenuCommand::Save, &win.MnuSave},
      {MenuCommand::Read, &win.MnuRead},
      {MenuCommand::ForcePause, &win.MnuForcePause},
      {MenuCommand::TakeBack, &win.MnuTakeBack}};
  for (const auto& [which, item] : items) {
    QAction* action = menuActions_.at(which);
    action->setEnabled(item->Enabled);
    action->setVisible(item->Visible);
    action->setCheckable(item->Checked);
    action->setChecked(item->Checked);
  }
}

void MainWindow::SyncTimers() {
  const MainWindowControls& win = game_.Win;
  // The prompt blinks while it is shown; a new text starts in its shown phase.
  const bool promptOn = win.LblPrompt.Visible && win.TmrPrompt.Enabled;
  if (!promptOn) {
    promptTimer_.stop();
    table_->SetPromptBlinkedOff(false);
  } else if (!promptWasVisible_ || win.LblPrompt.Caption != shownPrompt_) {
    table_->SetPromptBlinkedOff(false);
    promptTimer_.start(kPromptShownMs);
  }
  promptWasVisible_ = promptOn;
  shownPrompt_ = win.LblPrompt.Caption;

  if (win.TmrDispFCP.Enabled) {
    const int interval = std::max(1, win.TmrDispFCP.Interval);
    if (!slideTimer_.isActive() || slideTimer_.interval() != interval) slideTimer_.start(interval);
  } else {
    slideTimer_.stop();
  }
  const bool marked = win.TurnMarkerRunning || SeatToAct(game_) != 0;
  if (marked && !markerTimer_.isActive()) markerTimer_.start();
  if (!marked) markerTimer_.stop();
}

bool MainWindow::PromptShowing() const {
  const Label& prompt = game_.Win.LblPrompt;
  return prompt.Visible && !Trim(prompt.Caption).empty() && !table_->PromptBlinkedOff();
}

void MainWindow::ApplyScale(double scale) {
  // Scale is widget pixels per layout unit; 1/15 is the table at its opening size.
  const int pixels = std::clamp(static_cast<int>(std::lround(13 * scale * 15)), 11, 30);
  for (QListWidget* list : {ranking_, events_}) {
    QFont font = list->font();
    font.setPixelSize(pixels);
    list->setFont(font);
  }
}

// ---- Timers ----

void MainWindow::BlinkPrompt() {
  if (!game_.Win.LblPrompt.Visible) {
    promptTimer_.stop();
    table_->SetPromptBlinkedOff(false);
    return;
  }
  const bool off = !table_->PromptBlinkedOff();
  table_->SetPromptBlinkedOff(off);
  promptTimer_.start(off ? kPromptHiddenMs : kPromptShownMs);
}

void MainWindow::ShowClock() {
  const QDate date = QDate::currentDate();
  status_[1]->setText(
      QStringLiteral("%1-%2-%3").arg(date.year()).arg(date.month()).arg(date.day()));
  status_[2]->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")));
}

void MainWindow::RunSlideStep() {
  if (slideStep_) slideStep_();
  refresh();
}

void MainWindow::AdvanceTurnMarker() {
  markerFrame_ = markerFrame_ % 3 + 1;
  table_->SetTurnMarkerFrame(markerFrame_);
}

// ---- Window events ----

void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) {
    // An open dialog or menu takes Esc for itself: it closes before Esc ever hides the table.
    if (QWidget* popup = QApplication::activePopupWidget()) {
      popup->close();
      return;
    }
    if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
      modal->close();
      return;
    }
    emit bossKey();
    return;
  }
  QMainWindow::keyPressEvent(event);
}

void MainWindow::CloseForExit() {
  closeAllowed_ = true;
  close();
}

// The close box asks the same question as the exit item; without anyone to ask, it closes.
void MainWindow::closeEvent(QCloseEvent* event) {
  if (closeAllowed_ || !isSignalConnected(QMetaMethod::fromSignal(&MainWindow::menuCommand))) {
    event->accept();
    return;
  }
  emit menuCommand(MenuCommand::FileExit);
  // A confirmed exit with no hand to end closes the window at once, from inside this handler,
  // where Qt ignores a second close: the event itself must then be accepted.
  if (closeAllowed_) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange) return;
  const bool minimized = isMinimized();
  if (minimized) {
    setWindowTitle(Text(Trim(game_.Win.Caption) + " " + game_.VersionText));
    iconTimer_.start();
  } else {
    iconTimer_.stop();
    setWindowIcon(icon_);
    setWindowTitle(Text(game_.Win.Caption));
  }
  emit minimizedChanged(minimized);
}

}  // namespace zunda
