#pragma once

#include <QDialog>
#include <array>

#include "core/score_table.h"

class QListWidget;
class QRadioButton;

namespace zunda {

struct Game;

// The ranking window: the ten best players by total or by restarts, in eleven columns (the
// row and name, then the ten counters) that scroll and select as one.
class FrmScore : public QDialog {
  Q_OBJECT

 public:
  explicit FrmScore(const PlayerTable& players, QWidget* parent = nullptr);

  // Refills the columns from the players, sorted as the chosen sort button says.
  void ShowRanking();

  QListWidget* LstScore() const { return lstScore_; }
  QListWidget* Lst(int index) const { return lst_.at(static_cast<std::size_t>(index)); }
  QRadioButton* OptSort(int index) const { return optSort_.at(static_cast<std::size_t>(index)); }

 private:
  void SelectRowEverywhere(int row);
  void ScrollEverywhere(int value);

  PlayerTable players_;
  QListWidget* lstScore_ = nullptr;
  std::array<QListWidget*, kScoreCounters> lst_{};
  std::array<QRadioButton*, 2> optSort_{};
};

// Opens the ranking window modally, centred over parent, filled from the player table.
void ShowScoreWindow(const Game& g, QWidget* parent);

}  // namespace zunda
