#pragma once

#include <QDialog>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "core/hand_record.h"
#include "ui/review_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QPushButton;
class QSlider;
class QStackedWidget;

namespace zunda {

struct Game;
class ReviewTable;

// The review window (复盘): the kept hands on the left, the chosen hand's table at one of its
// moments on the right, with the controls to step, jump and play it through on a timer. From
// any moment the player may take the hand over into the running game. Reviewing itself never
// touches the game or the score table.
class ReviewWindow : public QDialog {
  Q_OBJECT

 public:
  // `hands` newest first; the first is shown.
  ReviewWindow(Game& g, std::vector<HandRecord> hands, QWidget* parent = nullptr);

  // Whether the running game took a hand over from this window.
  bool Branched() const { return branched_; }
  const ReviewModel& Model() const { return model_; }
  // Takes the hand over into the running game: "" or why not. By default BranchFromRecord;
  // the program puts off a branch asked for while a tick waits under this window.
  using Brancher =
      std::function<std::string(const HandRecord&, std::size_t nextAction, bool scored)>;
  void SetBrancher(Brancher branch) { branch_ = std::move(branch); }
  // The file an export goes to, "" for none; a file dialog unless a test puts another in.
  void SetExportChooser(std::function<QString()> choose) { chooseExport_ = std::move(choose); }
  // The seconds between two frames of the auto-play.
  static const std::vector<double>& Paces();

  QListWidget* LstHands = nullptr;
  QStackedWidget* Pages = nullptr;
  ReviewTable* Table = nullptr;
  QLabel* LblPrompt = nullptr;
  QListWidget* LstEvents = nullptr;
  QLabel* LblProblem = nullptr;
  QPushButton* CmdFirst = nullptr;
  QPushButton* CmdBack = nullptr;
  QPushButton* CmdForward = nullptr;
  QPushButton* CmdLast = nullptr;
  QSlider* SldFrame = nullptr;
  QLabel* LblFrame = nullptr;
  QPushButton* CmdAutoPlay = nullptr;
  QComboBox* CboPace = nullptr;
  QPushButton* CmdPlayAgain = nullptr;
  QPushButton* CmdBranch = nullptr;
  QCheckBox* ChkScored = nullptr;
  QPushButton* CmdExport = nullptr;
  QTimer* AutoPlayTimer() { return &autoPlay_; }

 public slots:  // NOLINT(readability-redundant-access-specifiers): a section of its own for Qt
  // One frame on, as the auto-play timer moves it; the auto-play ends at the last frame.
  void AutoPlayStep();

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 private:
  QWidget* BuildTablePage();
  QWidget* BuildControls();
  void OpenHand(int row);
  // Shows the model's current frame and sets the controls from it.
  void ShowFrame();
  void Move(bool changed);
  void SetAutoPlay(bool on);
  void Branch(std::size_t nextAction);
  void Export();

  Game& g_;
  std::vector<HandRecord> hands_;
  ReviewModel model_;
  QTimer autoPlay_;
  std::function<QString()> chooseExport_;
  Brancher branch_;
  bool branched_ = false;
};

}  // namespace zunda
