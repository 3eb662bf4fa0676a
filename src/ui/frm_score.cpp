#include "ui/frm_score.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/game.h"

namespace zunda {

namespace {

constexpr std::array<const char*, kScoreCounters + 1> kHeadings = {
    QT_TRANSLATE_NOOP("zunda::FrmScore", "玩家"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "总分"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "头科"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "二科"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "三科"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "四科"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "二落"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "大落"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "抓三户"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "被抓三户"),
    QT_TRANSLATE_NOOP("zunda::FrmScore", "重开次数")};

QListWidget* MakeColumn(QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  return list;
}

void Fill(QListWidget* list, const std::vector<std::string>& rows) {
  list->clear();
  for (const std::string& row : rows)
    list->addItem(QString::fromStdString(row));
}

}  // namespace

FrmScore::FrmScore(const PlayerTable& players, QWidget* parent)
    : QDialog(parent), players_(players) {
  setWindowTitle(tr("Zunda战绩"));
  setModal(true);
  auto* layout = new QVBoxLayout(this);
  auto* tip =
      new QLabel(tr("只排前10名  【总分高者意味着团队协作能力强,重开次数多者作弊嫌疑大】"), this);
  layout->addWidget(tip);

  auto* grid = new QGridLayout;
  lstScore_ = MakeColumn(this);
  for (std::size_t i = 0; i < lst_.size(); ++i)
    lst_[i] = MakeColumn(this);
  for (int column = 0; column <= kScoreCounters; ++column) {
    grid->addWidget(new QLabel(tr(kHeadings[static_cast<std::size_t>(column)]), this), 0, column);
    grid->addWidget(column == 0 ? lstScore_ : Lst(column - 1), 1, column);
  }
  grid->setColumnStretch(0, 3);
  layout->addLayout(grid);

  auto* buttons = new QHBoxLayout;
  optSort_[0] = new QRadioButton(tr("按总分排名"), this);
  optSort_[1] = new QRadioButton(tr("按重开次数排名"), this);
  optSort_[0]->setChecked(true);
  auto* close = new QPushButton(tr("返回"), this);
  buttons->addWidget(optSort_[0]);
  buttons->addWidget(optSort_[1]);
  buttons->addStretch();
  buttons->addWidget(close);
  layout->addLayout(buttons);

  std::array<QListWidget*, kScoreCounters + 1> columns{};
  columns[0] = lstScore_;
  std::copy(lst_.begin(), lst_.end(), columns.begin() + 1);
  for (QListWidget* column : columns) {
    connect(column, &QListWidget::currentRowChanged, this, &FrmScore::SelectRowEverywhere);
    connect(column->verticalScrollBar(), &QScrollBar::valueChanged, this,
            &FrmScore::ScrollEverywhere);
  }
  for (QRadioButton* option : optSort_) {
    connect(option, &QRadioButton::toggled, this, [this](bool on) {
      if (on) ShowRanking();
    });
  }
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  ShowRanking();
}

void FrmScore::ShowRanking() {
  const RankingColumns columns = RankingTable(players_, optSort_[0]->isChecked());
  Fill(lstScore_, columns.Names);
  for (std::size_t i = 0; i < lst_.size(); ++i)
    Fill(lst_[i], columns.Counters[i]);
}

void FrmScore::SelectRowEverywhere(int row) {
  for (QListWidget* column : findChildren<QListWidget*>()) {
    if (column->currentRow() == row) continue;
    const QSignalBlocker blocker(column);
    column->setCurrentRow(row);
  }
}

void FrmScore::ScrollEverywhere(int value) {
  for (QListWidget* column : findChildren<QListWidget*>()) {
    const QSignalBlocker blocker(column->verticalScrollBar());
    column->verticalScrollBar()->setValue(value);
  }
}

void ShowScoreWindow(const Game& g, QWidget* parent) {
  FrmScore window(g.Options.Players, parent);
  if (parent != nullptr) {
    window.adjustSize();
    window.move(parent->geometry().center() - window.rect().center());
  }
  window.exec();
}

}  // namespace zunda
