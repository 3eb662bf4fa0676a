#include "ui/card_counter_panel.h"

#include <QGridLayout>
#include <QLabel>

#include "core/card_counter.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/text.h"
#include "ui/shown_text.h"

namespace zunda {

CardCounterPanel::CardCounterPanel(QWidget* parent) : QDockWidget(tr("记牌器"), parent) {
  setObjectName(QStringLiteral("cardCounter"));
  // Shown and hidden from the menu, so that the menu's tick always tells the truth.
  setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable);
  auto* body = new QWidget(this);
  body->setStyleSheet(QStringLiteral("background: #0a3e22; color: #f2f2e6;"));
  auto* grid = new QGridLayout(body);
  grid->setContentsMargins(6, 2, 6, 4);
  grid->setHorizontalSpacing(10);
  grid->setVerticalSpacing(0);
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int column = rank - kLowRank;
    auto* label = new QLabel(ShownText(Trim(RankLabel(rank))), body);
    label->setAlignment(Qt::AlignCenter);
    grid->addWidget(label, 0, column);
    QLabel*& count = CountLabel(rank);
    count = new QLabel(body);
    count->setAlignment(Qt::AlignCenter);
    QFont font = count->font();
    font.setBold(true);
    count->setFont(font);
    grid->addWidget(count, 1, column);
  }
  setWidget(body);
}

QLabel*& CardCounterPanel::CountLabel(int rank) {
  return counts_.at(static_cast<std::size_t>(rank - kLowRank));
}

void CardCounterPanel::Refresh(const Game& g) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int out = CardsStillOut(g, rank);
    QLabel* count = CountLabel(rank);
    const QString text = QString::number(out);
    if (count->text() == text) continue;
    count->setText(text);
    // A rank nobody else holds any more is greyed out.
    count->setStyleSheet(out == 0 ? QStringLiteral("color: #7f8f80;")
                                  : QStringLiteral("color: #ffd54a;"));
  }
}

QString CardCounterPanel::CountText(int rank) const {
  return counts_.at(static_cast<std::size_t>(rank - kLowRank))->text();
}

}  // namespace zunda
