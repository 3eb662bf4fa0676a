#include "ui/review_table.h"

#include <QPainter>
#include <algorithm>

#include "core/text.h"
#include "ui/review_texts.h"
#include "ui/shown_text.h"

namespace zunda {

namespace {

constexpr int kNameWidth = 120;
constexpr int kMargin = 6;
// A laid set overlaps its cards like the table does, so a long row still fits.
constexpr double kCardOverlap = 0.45;

}  // namespace

ReviewTable::ReviewTable(QWidget* parent) : QWidget(parent) {
  pictures_.SetTexts({tr("小虎"), tr("大虎")});
  setMinimumSize(420, 6 * 56);
}

QSize ReviewTable::sizeHint() const {
  return {640, 6 * 80};
}

void ReviewTable::Show(const ReviewFrame& frame) {
  if (frame_ && *frame_ == frame) return;
  frame_ = frame;
  update();
}

void ReviewTable::paintEvent(QPaintEvent* /*event*/) {
  QPainter p(this);
  p.fillRect(rect(), QColor(10, 62, 34));
  if (!frame_) return;
  const double rowHeight = height() / static_cast<double>(kSeats);
  const double cardHeight = std::max(20.0, rowHeight * 0.62);
  const double cardWidth = cardHeight * kArtWidth / kArtHeight;
  const qreal ratio = devicePixelRatioF();
  const QSize pixels = (QSizeF(cardWidth, cardHeight) * ratio).toSize();
  for (int seat = 1; seat <= kSeats; ++seat) {
    const ReviewSeat& shown = frame_->Seats[static_cast<std::size_t>(seat - 1)];
    const QRectF row(0, (seat - 1) * rowHeight, width(), rowHeight);
    if (seat > 1) {
      p.setPen(QColor(61, 122, 82));
      p.drawLine(row.topLeft(), row.topRight());
    }
    const QRectF text = row.adjusted(kMargin, kMargin, -kMargin, -kMargin);
    p.setPen(QColor(255, 240, 160));
    QFont bold = font();
    bold.setBold(true);
    p.setFont(bold);
    p.drawText(QRectF(text.left(), text.top(), kNameWidth, text.height() / 2),
               Qt::AlignLeft | Qt::AlignVCenter, ShownText(Trim(shown.Name)));
    p.setFont(font());
    p.setPen(QColor(242, 242, 230));
    // The held cards share the text column under the name; the table row takes the right.
    const double cardsLeft = text.left() + kNameWidth + kMargin;
    const double rowWidth =
        shown.Table.empty() ? 0 : cardWidth * (1 + (shown.Table.size() - 1) * kCardOverlap);
    const double heldRight = std::max(cardsLeft, text.right() - rowWidth - kMargin);
    p.drawText(QRectF(text.left(), text.top() + text.height() / 2, heldRight - text.left(),
                      text.height() / 2),
               Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap, HeldCardsText(shown));
    double left = std::max(cardsLeft, text.right() - rowWidth);
    const double top = row.center().y() - cardHeight / 2;
    for (const std::string& code : shown.Table) {
      const QPixmap face = pictures_.VectorFace(QString::fromStdString(Trim(code)), pixels, ratio);
      p.drawPixmap(QPointF(left, top), face);
      left += cardWidth * kCardOverlap;
    }
  }
}

}  // namespace zunda
