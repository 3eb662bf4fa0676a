#pragma once

#include <QGroupBox>

class QCheckBox;
class QLabel;
class QSlider;

namespace zunda {

struct ExtrasOptions;

// The game page's box for the conveniences: a switch for each, and the pace of a finished
// round (held until a click, and how long it stays at least).
class ExtrasBox : public QGroupBox {
  Q_OBJECT
 public:
  ExtrasBox(ExtrasOptions& edited, QWidget* parent = nullptr);

  // Fills the controls from the edited options.
  void Refresh();

  QCheckBox* ChkHint;
  QCheckBox* ChkAutoplay;
  QCheckBox* ChkCardCounter;
  QCheckBox* ChkKeyboardPlay;
  QCheckBox* ChkHoldLastPlay;
  QCheckBox* ChkTakeBack;
  QSlider* SldRoundStay;
  QLabel* LblRoundStay;

 private:
  void ShowRoundStay();

  ExtrasOptions& edited_;
};

// "照常" for 0 (the turn cycle's own wait), else "至少X毫秒".
QString RoundStayText(int ms);

}  // namespace zunda
