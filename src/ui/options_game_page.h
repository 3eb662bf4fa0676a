#pragma once

#include <QWidget>
#include <string>

#include "ui/options_hooks.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollBar;

namespace zunda {

class ExtrasBox;

// The game page: the three waits on scroll bars, the boss caption, run-data recording and the
// tribute choice, the language of the window and whether its cards move. The other rule boxes show
// the fixed rules and cannot be changed.
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
  QComboBox* CmbLanguage;
  QCheckBox* ChkCardMotion;

  // The language chosen here as the option file keeps it ("" follows the system), and whether
  // it differs from the stored one.
  std::string LanguageChoice() const;
  bool LanguageChanged() const { return LanguageChoice() != storedLanguage_; }
  // Whether cards are to move, and whether that differs from the stored choice.
  bool CardMotionChoice() const;
  bool CardMotionChanged() const { return CardMotionChoice() != storedMotion_; }

 private:
  void ShowScrollValues();

  OptionsEditContext c_;
  std::string storedLanguage_;
  bool storedMotion_ = true;
};

}  // namespace zunda
