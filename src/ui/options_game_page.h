#pragma once

#include <QWidget>

#include "ui/options_hooks.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace zunda {

class ExtrasBox;

// The game page: the three waits on scroll bars, the boss caption, run-data recording and the
// tribute choice. The other rule boxes show the fixed rules and cannot be changed.
class GamePage : public QWidget {
  Q_OBJECT
 public:
  GamePage(OptionsEditContext context, QWidget* parent = nullptr);

  // Fills the controls from the edited options.
  void Refresh();

  QScrollBar* HSclGameSpeed;
  QScrollBar* HSclKPJG;
  QScrollBar* HSclShaoPaiWaitTime;
  QLabel* LblGameSpeed;
  QLabel* LblKPJG;
  QLabel* LblShaoPaiWaitTime;
  QLineEdit* TxtBossCaption;
  QCheckBox* ChkRecRunData;
  QRadioButton* OptJG[2];  // tribute and scoring, scoring only
  QCheckBox* ChkDaGuiErDaYi;
  ExtrasBox* Extras;  // the conveniences and the pace of a finished round

 private:
  void ShowScrollValues();

  OptionsEditContext c_;
};

}  // namespace zunda
