#pragma once

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <array>
#include <filesystem>

#include "ui/card_motion.h"
#include "ui/card_pictures.h"
#include "ui/hand_layout.h"
#include "ui/table_geometry.h"
#include "ui/window_commands.h"

namespace zunda {

struct Game;

// The card table: seat areas with their name labels and laid cards, the mark of the seat to
// act, the prompt line, the command buttons and the human's hand, all drawn from the game's
// control state in one painted widget. It reads the state only; every click becomes a signal.
class TableView : public QWidget {
  Q_OBJECT

 public:
  TableView(const Game& game, std::filesystem::path appPath, QWidget* parent = nullptr);

  const TableGeometry& Geometry() const { return geometry_; }
  QPushButton* Button(CommandButton which) const {
    return buttons_[static_cast<std::size_t>(which)];
  }
  CardPictures& Pictures() { return pictures_; }
  CardMotion& Motion() { return motion_; }

  // Puts the buttons where the state wants them and repaints.
  void SyncButtons();
  // Hands the state as it is now to the card motion, which moves what changed since the last.
  void FollowState();
  // The blink phase of the prompt line: true while a shown prompt is blinked off.
  void SetPromptBlinkedOff(bool off);
  bool PromptBlinkedOff() const { return promptBlinkedOff_; }
  // Phase 1..3 of the pulse of the turn mark.
  void SetTurnMarkerFrame(int frame);

  // The hand as it is drawn now.
  HandLayout Hand() const;
  // The hand slot (1..36) of a shown card at a widget position, 0 for none.
  int HandSlotAt(QPointF position) const;
  // The seat (1..6) whose name label is at a widget position, 0 for none.
  int NameLabelAt(QPointF position) const;
  // The visible part of a hand card (its left strip when the next card covers the rest).
  QRectF VisibleHandCard(int slot) const;
  // The plate of the prompt line with its text, empty when no prompt shows, and whether the
  // text fits inside it (it wraps and shrinks until it does, down to a least size).
  QRectF PromptPlate() const;
  bool PromptTextFits() const;

 signals:
  void handCardClicked(int slot, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void nameLabelPressed(int seat, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void nameLabelDoubleClicked(int seat, Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void peekHover();
  void backgroundDoubleClicked();
  void commandClicked(zunda::CommandButton which);
  void scaleChanged(double scale);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void PaintBackground(QPainter& p);
  void PaintSeat(QPainter& p, int seat);
  void PaintTurnMark(QPainter& p);
  void PaintPrompt(QPainter& p);
  void PaintHand(QPainter& p);
  // A card face at `where`; a moving card gives the size its picture is drawn at (a size the
  // table shows anyway), so that its changing size never draws a new picture.
  void PaintCard(QPainter& p, const QRectF& where, const std::string& code,
                 QSizeF pictureSize = {});
  QString ToolTipAt(QPointF position) const;
  QString DataFile(const std::string& name) const;
  QFont PromptFont(const QString& text, QRectF* plate) const;
  QSizeF PromptPadding() const;
  QRectF PromptTextArea(const QRectF& plate) const;

  const Game& game_;
  std::filesystem::path appPath_;
  std::filesystem::path normalFolder_;  // our own faces live here
  TableGeometry geometry_;
  CardPictures pictures_;
  CardMotion motion_;
  std::array<QPushButton*, kCommandButtons> buttons_{};
  std::array<bool, kCommandButtons> hadFocus_{};
  bool promptBlinkedOff_ = false;
  int turnMarkerFrame_ = 1;
  int pressedSlot_ = 0;
};

}  // namespace zunda
