#pragma once

#include <QWidget>
#include <optional>

#include "flow/review_frame.h"
#include "ui/card_pictures.h"

namespace zunda {

// The six seats of a reviewed moment, one row each from the human's down: the name label's
// caption, the cards held (as counts, since a hand is kept by rank) and the seat's table row
// drawn with our own card faces.
class ReviewTable : public QWidget {
  Q_OBJECT

 public:
  explicit ReviewTable(QWidget* parent = nullptr);

  void Show(const ReviewFrame& frame);
  const std::optional<ReviewFrame>& Shown() const { return frame_; }

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<ReviewFrame> frame_;
  CardPictures pictures_;
};

}  // namespace zunda
