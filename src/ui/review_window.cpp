#include "ui/review_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/game.h"
#include "core/save_messages.h"
#include "flow/hand_branch.h"
#include "flow/review_frame.h"
#include "store/hand_history.h"
#include "ui/review_table.h"
#include "ui/review_texts.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

constexpr int kDefaultPace = 1;  // half a second: slow enough to follow a play

}  // namespace

const std::vector<double>& ReviewWindow::Paces() {
  static const std::vector<double> paces = {0.25, 0.5, 1, 2};
  return paces;
}

ReviewWindow::ReviewWindow(Game& g, std::vector<HandRecord> hands, QWidget* parent)
    : QDialog(parent), g_(g), hands_(std::move(hands)) {
  setWindowTitle(tr("复盘"));
  resize(1000, 660);

  LstHands = new QListWidget(this);
  for (const HandRecord& record : hands_)
    LstHands->addItem(HandListText(record));
  LstHands->setMinimumWidth(260);
  LstHands->setAlternatingRowColors(true);

  Pages = new QStackedWidget(this);
  Pages->addWidget(BuildTablePage());
  LblProblem = new QLabel(this);
  LblProblem->setWordWrap(true);
  LblProblem->setAlignment(Qt::AlignCenter);
  Pages->addWidget(LblProblem);

  auto* splitter = new QSplitter(this);
  splitter->addWidget(LstHands);
  splitter->addWidget(Pages);
  splitter->setStretchFactor(1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(splitter, 1);
  layout->addWidget(BuildControls());

  autoPlay_.setInterval(static_cast<int>(Paces()[kDefaultPace] * 1000));
  connect(&autoPlay_, &QTimer::timeout, this, &ReviewWindow::AutoPlayStep);
  connect(LstHands, &QListWidget::currentRowChanged, this, &ReviewWindow::OpenHand);
  if (hands_.empty()) {
    OpenHand(-1);
  } else {
    LstHands->setCurrentRow(0);
  }
  SldFrame->setFocus();
}

QWidget* ReviewWindow::BuildTablePage() {
  auto* page = new QWidget(this);
  auto* column = new QVBoxLayout(page);
  column->setContentsMargins(0, 0, 0, 0);
  Table = new ReviewTable(page);
  LblPrompt = new QLabel(page);
  LblPrompt->setWordWrap(true);
  LstEvents = new QListWidget(page);
  LstEvents->setWordWrap(true);
  LstEvents->setFocusPolicy(Qt::NoFocus);
  auto* lower = new QHBoxLayout;
  lower->addWidget(LblPrompt, 1);
  lower->addWidget(LstEvents, 1);
  column->addWidget(Table, 3);
  column->addLayout(lower, 1);
  return page;
}

QWidget* ReviewWindow::BuildControls() {
  auto* box = new QWidget(this);
  auto* rows = new QVBoxLayout(box);
  rows->setContentsMargins(0, 0, 0, 0);

  auto* steps = new QHBoxLayout;
  CmdFirst = new QPushButton(tr("|< 开始"), box);
  CmdBack = new QPushButton(tr("< 上一步"), box);
  CmdForward = new QPushButton(tr("下一步 >"), box);
  CmdLast = new QPushButton(tr("结束 >|"), box);
  SldFrame = new QSlider(Qt::Horizontal, box);
  SldFrame->setToolTip(tr("←→ 上一步/下一步，Home/End 到开始/结束"));
  LblFrame = new QLabel(box);
  LblFrame->setMinimumWidth(
      LblFrame->fontMetrics().horizontalAdvance(tr("第%1/%2步").arg(888).arg(888)));
  CmdAutoPlay = new QPushButton(tr("自动播放"), box);
  CmdAutoPlay->setCheckable(true);
  CboPace = new QComboBox(box);
  for (const double pace : Paces())
    CboPace->addItem(tr("%1 秒").arg(pace));
  CboPace->setCurrentIndex(kDefaultPace);
  for (QWidget* control : std::initializer_list<QWidget*>{CmdFirst, CmdBack, CmdForward, CmdLast})
    steps->addWidget(control);
  steps->addWidget(SldFrame, 1);
  steps->addWidget(LblFrame);
  steps->addWidget(CmdAutoPlay);
  steps->addWidget(CboPace);
  rows->addLayout(steps);

  auto* branch = new QHBoxLayout;
  CmdPlayAgain = new QPushButton(tr("从头再打"), box);
  CmdBranch = new QPushButton(tr("从此处接着打"), box);
  ChkScored = new QCheckBox(tr("计入积分"), box);
  ChkScored->setToolTip(tr("不选时接着打的这一局只算练习"));
  CmdExport = new QPushButton(tr("导出..."), box);
  auto* close = new QPushButton(tr("关闭"), box);
  branch->addWidget(CmdPlayAgain);
  branch->addWidget(CmdBranch);
  branch->addWidget(ChkScored);
  branch->addStretch(1);
  branch->addWidget(CmdExport);
  branch->addWidget(close);
  rows->addLayout(branch);

  // Enter would press a button that leaves the window; the steps are the keys' business.
  for (QPushButton* button : box->findChildren<QPushButton*>())
    button->setAutoDefault(false);
  connect(CmdFirst, &QPushButton::clicked, this, [this] { Move(model_.First()); });
  connect(CmdBack, &QPushButton::clicked, this, [this] { Move(model_.Back()); });
  connect(CmdForward, &QPushButton::clicked, this, [this] { Move(model_.Forward()); });
  connect(CmdLast, &QPushButton::clicked, this, [this] { Move(model_.Last()); });
  connect(SldFrame, &QSlider::valueChanged, this,
          [this](int value) { Move(model_.JumpTo(static_cast<std::size_t>(value))); });
  connect(CmdAutoPlay, &QPushButton::toggled, this, &ReviewWindow::SetAutoPlay);
  connect(CboPace, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (index >= 0)
      autoPlay_.setInterval(static_cast<int>(Paces()[static_cast<std::size_t>(index)] * 1000));
  });
  connect(CmdPlayAgain, &QPushButton::clicked, this, [this] { Branch(0); });
  connect(CmdBranch, &QPushButton::clicked, this, [this] {
    if (!model_.Empty()) Branch(model_.Frame().NextAction);
  });
  connect(CmdExport, &QPushButton::clicked, this, &ReviewWindow::Export);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  return box;
}

void ReviewWindow::OpenHand(int row) {
  SetAutoPlay(false);
  const bool chosen = row >= 0 && row < static_cast<int>(hands_.size());
  if (chosen) model_.Open(hands_[static_cast<std::size_t>(row)]);
  const bool shown = chosen && model_.Problem().empty();
  if (!chosen) {
    LblProblem->setText(tr("还没有留下的牌局。"));
  } else if (!shown) {
    LblProblem->setText(tr("这一局无法重放：%1").arg(ShownText(model_.Problem())));
  }
  Pages->setCurrentIndex(shown ? 0 : 1);
  for (QWidget* control :
       std::initializer_list<QWidget*>{CmdFirst, CmdBack, CmdForward, CmdLast, SldFrame,
                                       CmdAutoPlay, CboPace, CmdPlayAgain, CmdBranch, ChkScored})
    control->setEnabled(shown);
  CmdExport->setEnabled(chosen);
  LstEvents->clear();
  if (!shown) {
    LblFrame->clear();
    return;
  }
  const QSignalBlocker blocker(SldFrame);
  SldFrame->setRange(0, static_cast<int>(model_.FrameCount()) - 1);
  ShowFrame();
}

void ReviewWindow::Move(bool changed) {
  if (changed) ShowFrame();
}

void ReviewWindow::ShowFrame() {
  if (model_.Empty()) return;
  const ReviewFrame& frame = model_.Frame();
  Table->Show(frame);
  LblPrompt->setText(ShownText(frame.Prompt));
  // The lines shown so far are always the start of the hand's lines, so only the end moves.
  const std::vector<std::string> events = model_.ShownEvents();
  const int wanted = static_cast<int>(events.size());
  while (LstEvents->count() > wanted)
    delete LstEvents->takeItem(LstEvents->count() - 1);
  for (int i = LstEvents->count(); i < wanted; ++i)
    LstEvents->addItem(ShownText(events[static_cast<std::size_t>(i)]));
  if (wanted > 0) LstEvents->scrollToBottom();
  {
    const QSignalBlocker blocker(SldFrame);
    SldFrame->setValue(static_cast<int>(model_.Index()));
  }
  LblFrame->setText(tr("第%1/%2步").arg(model_.Index() + 1).arg(model_.FrameCount()));
  CmdFirst->setEnabled(!model_.AtStart());
  CmdBack->setEnabled(!model_.AtStart());
  CmdForward->setEnabled(!model_.AtEnd());
  CmdLast->setEnabled(!model_.AtEnd());
}

void ReviewWindow::SetAutoPlay(bool on) {
  if (on && model_.Empty()) on = false;
  if (on && model_.AtEnd()) Move(model_.First());  // played through: again from the start
  if (on) {
    autoPlay_.start();
  } else {
    autoPlay_.stop();
  }
  if (CmdAutoPlay->isChecked() != on) {
    const QSignalBlocker blocker(CmdAutoPlay);
    CmdAutoPlay->setChecked(on);
  }
}

void ReviewWindow::AutoPlayStep() {
  Move(model_.Forward());
  if (model_.AtEnd()) SetAutoPlay(false);
}

void ReviewWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      Move(model_.Back());
      break;
    case Qt::Key_Right:
      Move(model_.Forward());
      break;
    case Qt::Key_Home:
      Move(model_.First());
      break;
    case Qt::Key_End:
      Move(model_.Last());
      break;
    default:
      QDialog::keyPressEvent(event);
  }
}

void ReviewWindow::Branch(std::size_t nextAction) {
  SetAutoPlay(false);
  if (model_.Empty()) return;
  if (HandShowing(g_) &&
      QMessageBox::question(this, tr("复盘"), tr("当前牌局将被放弃，是否继续？")) !=
          QMessageBox::Yes)
    return;
  const bool scored = ChkScored->isChecked();
  const std::string problem = branch_ ? branch_(model_.Record(), nextAction, scored)
                                      : BranchFromRecord(g_, model_.Record(), nextAction, scored);
  if (!problem.empty()) {
    QMessageBox::warning(this, tr("复盘"), tr("无法接着打这一局：%1").arg(ShownText(problem)));
    return;
  }
  branched_ = true;
  accept();
}

void ReviewWindow::Export() {
  SetAutoPlay(false);
  const int row = LstHands->currentRow();
  if (row < 0 || row >= static_cast<int>(hands_.size())) return;
  const QString path = chooseExport_
                           ? chooseExport_()
                           : QFileDialog::getSaveFileName(this, tr("导出牌局"), QString(),
                                                          tr("牌局记录 (*.txt);;所有文件 (*)"));
  if (path.isEmpty()) return;
  const SaveResult result = ExportHand(path, hands_[static_cast<std::size_t>(row)]);
  if (result.Ok()) return;
  QMessageBox::warning(this, tr("导出牌局"),
                       tr("牌局没有导出到“%1”：%2").arg(path, ShownText(WriteFaultText(result))));
}

}  // namespace zunda
