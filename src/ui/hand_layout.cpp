#include "ui/hand_layout.h"

#include <algorithm>
#include <vector>

#include "core/cards.h"
#include "core/text.h"
#include "ui/table_geometry.h"

namespace zunda {
namespace {

// Fractions of a card's width: the step that shows a corner comfortably, the least that still
// shows the rank and suit, and the extra reveal before a new rank relative to the step.
constexpr double kRoomyStep = 0.42;
constexpr double kLeastStep = 0.24;
constexpr double kGroupExtra = 0.8;

int RankOfTag(const std::string& tag) {
  return CardCode(Trim(tag)).Rank();
}

}  // namespace

bool SlotShowsCard(const CardImage& image) {
  return image.Visible && !Trim(image.Tag).empty();
}

HandLayout::HandLayout(const TableGeometry& geometry, const Arr<Image, 1, kHandSlots>& images) {
  std::vector<int> shown;
  int groups = 0;
  int lastRank = -1;
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    if (!SlotShowsCard(images[slot])) continue;
    shown.push_back(slot);
    const int rank = RankOfTag(images[slot].Tag);
    if (rank != lastRank) ++groups;
    lastRank = rank;
  }
  if (shown.empty()) return;

  const QRectF frame = geometry.HandFrame();
  const QSizeF card = geometry.HandCardSize();
  const double room = std::max(0.0, frame.width() - card.width() - 2 * geometry.Px(40));
  const auto cards = static_cast<double>(shown.size() - 1);
  const double gaps = groups - 1;
  double extra = kGroupExtra;
  double step = std::min(kRoomyStep * card.width(), room / std::max(1.0, cards + extra * gaps));
  // Short of room, the gaps between ranks give way before the corners do.
  if (step < kLeastStep * card.width() && gaps > 0) {
    extra = std::max(0.0, (room / (kLeastStep * card.width()) - cards) / gaps);
    extra = std::min(extra, kGroupExtra);
    step = room / std::max(1.0, cards + extra * gaps);
  }
  step_ = step;
  groupStep_ = step * (1 + extra);

  const double width = cards * step + gaps * step * extra + card.width();
  double x = frame.center().x() - width / 2;
  const double lowered = geometry.HandCardTop();
  lastRank = RankOfTag(images[shown.front()].Tag);
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const int slot = shown[i];
    const int rank = RankOfTag(images[slot].Tag);
    if (i > 0) x += rank == lastRank ? step_ : groupStep_;
    lastRank = rank;
    const bool raised = images[slot].Top < kHandLowered;
    const double top = raised ? lowered - geometry.HandRise() : lowered;
    cards_.at(static_cast<std::size_t>(slot)) = QRectF(QPointF(x, top), card);
  }
  for (std::size_t i = 0; i < shown.size(); ++i) {
    const auto slot = static_cast<std::size_t>(shown[i]);
    QRectF visible = cards_.at(slot);
    if (i + 1 < shown.size()) {
      visible.setRight(
          std::min(visible.right(), cards_.at(static_cast<std::size_t>(shown[i + 1])).left()));
    }
    visible_.at(slot) = visible;
  }
}

int HandLayout::SlotAt(QPointF point) const {
  // Later images lie on top of earlier ones.
  for (int slot = kHandSlots; slot >= 1; --slot) {
    if (Card(slot).contains(point)) return slot;
  }
  return 0;
}

}  // namespace zunda
