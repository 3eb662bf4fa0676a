#pragma once

#include <QDockWidget>
#include <array>

class QLabel;

namespace zunda {

struct Game;

// The card counter "记牌器": one column per rank from the three to the big joker, with the
// number of its cards still held by the other seats (CardsStillOut).
class CardCounterPanel : public QDockWidget {
  Q_OBJECT
 public:
  explicit CardCounterPanel(QWidget* parent = nullptr);

  void Refresh(const Game& g);
  // The number shown under a rank 3..17.
  QString CountText(int rank) const;

 private:
  QLabel*& CountLabel(int rank);
  std::array<QLabel*, 15> counts_{};
};

}  // namespace zunda
