#include "ui/card_motion.h"

#include <QEasingCurve>
#include <QPainter>
#include <QVariantAnimation>
#include <algorithm>
#include <cmath>

#include "core/game.h"
#include "core/table_display.h"
#include "core/text.h"
#include "ui/hand_layout.h"
#include "ui/table_geometry.h"

namespace zunda {
namespace {

// Below this a flight is a flicker, not a motion.
constexpr int kLeastMotionMs = 40;
constexpr int kMostPlayMs = 360;
constexpr int kMostMoveMs = 480;
constexpr int kTributeSlots = 10;
// A card leaves or reaches a seat at this share of a table card's size, on its name label.
constexpr double kAtSeatSize = 0.55;

int TableImage(int seat, int k) {
  return kTableImagesPerSeat * (seat - 1) + k;
}

int SeatOfImage(int image) {
  return (image - 1) / kTableImagesPerSeat + 1;
}

bool IsCard(const Card& card) {
  return !card.Code.IsBlank() && card.Rank >= kLowRank && card.Rank <= kBigJoker;
}

// Later cards of a set start a little after the earlier ones, so that a set fans out.
double CardProgress(double t, std::size_t index, std::size_t count) {
  if (count <= 1) return t;
  const double lag = std::min(0.06, 0.4 / static_cast<double>(count - 1));
  const double start = lag * static_cast<double>(index);
  const double span = 1 - lag * static_cast<double>(count - 1);
  return std::clamp((t - start) / span, 0.0, 1.0);
}

QRectF Between(const QRectF& a, const QRectF& b, double t) {
  const auto mix = [t](double x, double y) { return x + (y - x) * t; };
  return {mix(a.left(), b.left()), mix(a.top(), b.top()), mix(a.width(), b.width()),
          mix(a.height(), b.height())};
}

}  // namespace

MotionTimes CardMotionTimes(double shunPaiSeconds, double kouPaiSeconds) {
  // A set takes about as long as six steps of play, a trick a little over half the pause
  // after a round; both stay short enough never to hide the next play for long.
  const auto within = [](double ms, int most) {
    const int rounded = static_cast<int>(std::lround(std::min<double>(ms, most)));
    return rounded < kLeastMotionMs ? 0 : rounded;
  };
  const int play = within(shunPaiSeconds * 1000 * 6, kMostPlayMs);
  return {play, play == 0 ? 0 : within(kouPaiSeconds * 1000 * 0.6, kMostMoveMs)};
}

CardMotion::CardMotion() = default;
CardMotion::~CardMotion() = default;

void CardMotion::SetEnabled(bool on) {
  enabled_ = on;
  if (!on) Clear();
}

void CardMotion::Clear() {
  for (const Batch& batch : batches_)
    emit changed(batch.Area);
  batches_.clear();
  departed_.clear();
}

bool CardMotion::HidesTableImage(int image) const {
  if (departed_.contains(image)) return true;
  for (const Batch& batch : batches_) {
    for (const Flight& flight : batch.Flights) {
      if (flight.TableImage == image) return true;
    }
  }
  return false;
}

bool CardMotion::HidesHandSlot(int slot) const {
  for (const Batch& batch : batches_) {
    for (const Flight& flight : batch.Flights) {
      if (flight.HandSlot == slot) return true;
    }
  }
  return false;
}

CardMotion::Snapshot CardMotion::Take(const Game& g, const TableGeometry& geometry,
                                      const HandLayout& hand) const {
  Snapshot s;
  s.Valid = true;
  for (int image = 1; image <= kTableSlots; ++image) {
    const CardImage& shown = g.Win.ImgTable[image];
    Shown& card = s.Table.at(static_cast<std::size_t>(image));
    card.Visible = SlotShowsCard(shown);
    if (!card.Visible) continue;
    card.Tag = Trim(shown.Tag);
    card.Top = shown.Top;
    const int k = (image - 1) % kTableImagesPerSeat + 1;
    const int left = shown.Left != 0 ? shown.Left : kFirstCardLeft + 180 * (k - 1);
    card.Where = geometry.TableCard(SeatOfImage(image), left, kTableRestTop);
  }
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    const Image& shown = g.Win.ImgHand[slot];
    Shown& card = s.Hand.at(static_cast<std::size_t>(slot));
    card.Where = hand.Card(slot);
    card.Visible = !card.Where.isEmpty();
    if (!card.Visible) continue;
    card.Tag = Trim(shown.Tag);
    card.Raised = shown.Top < kHandLowered;
  }
  s.TributeInProgress = g.Tribute.InProgress;
  return s;
}

void CardMotion::Follow(const Game& g, const TableGeometry& geometry, const HandLayout& hand,
                        bool moving) {
  now_ = Take(g, geometry, hand);
  DropLandedElsewhere(now_);
  const MotionTimes times = CardMotionTimes(g.DelayTimeShunPai, g.DelayTimeKouPai);
  if (enabled_ && moving && last_.Valid && g.Flow.Running && times.PlayMs > 0) {
    FollowTribute(g, geometry, now_, times.MoveMs);
    FollowPlays(g, geometry, now_, times.PlayMs);
    FollowTrick(g, geometry, now_, times.MoveMs);
  } else if (!enabled_ || !moving) {
    Clear();
  }
  last_ = now_;
}

// A card departed, or a flight's landing place, that the state has since changed is no longer
// the card that moved: the state is drawn as it is.
void CardMotion::DropLandedElsewhere(const Snapshot& now) {
  for (auto it = departed_.begin(); it != departed_.end();) {
    const auto i = static_cast<std::size_t>(*it);
    const Shown& before = last_.Table.at(i);
    const Shown& after = now.Table.at(i);
    const bool same =
        after.Visible && before.Visible && after.Tag == before.Tag && after.Top <= before.Top;
    it = same ? std::next(it) : departed_.erase(it);
  }
  for (auto batch = batches_.begin(); batch != batches_.end();) {
    auto& flights = batch->Flights;
    std::erase_if(flights, [&](const Flight& f) {
      if (f.TableImage == 0) return false;
      const Shown& at = now.Table.at(static_cast<std::size_t>(f.TableImage));
      return !at.Visible || at.Tag != f.Code;
    });
    if (flights.empty()) {
      emit changed(batch->Area);
      batch = batches_.erase(batch);
    } else {
      ++batch;
    }
  }
}

QRectF CardMotion::AtLabel(const TableGeometry& geometry, int seat, double size) {
  const QSizeF card = geometry.TableCard(seat, 0, 0).size() * size;
  const QPointF centre = geometry.NameLabel(seat).center();
  return {centre - QPointF(card.width() / 2, card.height() / 2), card};
}

// The slot of a hand card with the code, before the change (a raised one first: it is the one
// being played) or after it; 0 when the hand holds no such card.
int CardMotion::TakeHandSlot(const std::string& code, std::set<int>& used, bool fromLast) const {
  const auto& hand = fromLast ? last_.Hand : now_.Hand;
  for (const bool raisedFirst : {true, false}) {
    for (int slot = kHandSlots; slot >= 1; --slot) {
      const Shown& card = hand.at(static_cast<std::size_t>(slot));
      if (!card.Visible || card.Tag != code || used.contains(slot)) continue;
      if (raisedFirst && !card.Raised) continue;
      used.insert(slot);
      return slot;
    }
  }
  return 0;
}

QRectF CardMotion::HandCard(int slot, bool fromLast) const {
  return (fromLast ? last_.Hand : now_.Hand).at(static_cast<std::size_t>(slot)).Where;
}

// A row that shows freshly laid cards (below their resting place, where the state puts a set
// just laid) that it did not show before holds a new set.
void CardMotion::FollowPlays(const Game& g, const TableGeometry& geometry, const Snapshot& now,
                             int ms) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    std::vector<Flight> flights;
    bool fresh = false;
    std::set<int> usedSlots;
    for (int k = 1; k <= kTableImagesPerSeat; ++k) {
      const int image = TableImage(seat, k);
      const Shown& after = now.Table.at(static_cast<std::size_t>(image));
      if (!after.Visible || after.Top <= kTableRestTop) continue;
      const Shown& before = last_.Table.at(static_cast<std::size_t>(image));
      fresh = fresh || !before.Visible || before.Tag != after.Tag || after.Top > before.Top;
      QRectF from;
      if (seat == g.HumanSeat) from = HandCard(TakeHandSlot(after.Tag, usedSlots, true), true);
      if (from.isEmpty()) from = AtLabel(geometry, seat, kAtSeatSize);
      flights.push_back({after.Tag, from, after.Where, image, 0});
    }
    if (fresh && !flights.empty()) Start(std::move(flights), ms, 1);
  }
}

// The table cleared at once: the last trick goes to the seat that laid its last set.
void CardMotion::FollowTrick(const Game& g, const TableGeometry& geometry, const Snapshot& now,
                             int ms) {
  const int taker = g.TablePlay.Seat;
  if (taker < 1 || taker > kSeats) return;
  for (const Shown& card : now.Table) {
    if (card.Visible) return;
  }
  std::vector<Flight> flights;
  for (int image = 1; image <= kTableSlots; ++image) {
    const Shown& card = last_.Table.at(static_cast<std::size_t>(image));
    if (!card.Visible || departed_.contains(image)) continue;
    flights.push_back({card.Tag, card.Where, AtLabel(geometry, taker, kAtSeatSize * 0.8), 0, 0});
  }
  departed_.clear();
  if (!flights.empty()) Start(std::move(flights), ms, 0.3);
}

// The exchange of a tribute just happened: each card paid goes from the payer (its card on
// the table where it is shown) to the receiver, each card returned the other way.
void CardMotion::FollowTribute(const Game& g, const TableGeometry& geometry, const Snapshot& now,
                               int ms) {
  if (!last_.TributeInProgress || now.TributeInProgress || !g.Tribute.PlayedThisHand) return;
  std::vector<Flight> flights;
  std::set<int> leftSlots;
  std::set<int> reachedSlots;
  std::set<int> usedImages;
  const auto from = [&](int seat, const std::string& code) {
    QRectF where;
    for (int k = 1; k <= kTableImagesPerSeat && where.isEmpty(); ++k) {
      const int image = TableImage(seat, k);
      const Shown& card = now.Table.at(static_cast<std::size_t>(image));
      if (card.Visible && card.Tag == code && !usedImages.contains(image)) {
        usedImages.insert(image);
        departed_.insert(image);
        where = card.Where;
      }
    }
    if (where.isEmpty() && seat == g.HumanSeat)
      where = HandCard(TakeHandSlot(code, leftSlots, true), true);
    return where.isEmpty() ? AtLabel(geometry, seat, kAtSeatSize) : where;
  };
  const auto send = [&](const Card& card, int giver, int taker) {
    if (!IsCard(card)) return;
    const std::string code = card.Code.Str();
    Flight flight{code, from(giver, code), {}, 0, 0};
    if (taker == g.HumanSeat) {
      flight.HandSlot = TakeHandSlot(code, reachedSlots, false);
      flight.To = HandCard(flight.HandSlot, false);
    }
    if (flight.To.isEmpty()) flight.To = AtLabel(geometry, taker, kAtSeatSize);
    flights.push_back(flight);
  };
  for (int place = 1; place <= 3; ++place) {
    const int receiver = g.PrevFinishOrder[place];
    const int payer = g.PrevFinishOrder[7 - place];
    if (receiver < 1 || receiver > kSeats || payer < 1 || payer > kSeats) continue;
    const SeatRecord& r = g.Seats[receiver];
    const SeatRecord& q = g.Seats[payer];
    for (int j = 1; j <= std::clamp(r.TributeCount, 0, kTributeSlots); ++j)
      send(r.TributeSlots[j], payer, receiver);
    for (int j = 1; j <= std::clamp(q.TributeCount, 0, kTributeSlots); ++j)
      send(q.ReturnSlots[j], receiver, payer);
  }
  if (!flights.empty()) Start(std::move(flights), ms, 1);
}

void CardMotion::Start(std::vector<Flight> flights, int ms, double endOpacity) {
  ++batchesStarted_;
  Batch& batch = batches_.emplace_back();
  for (const Flight& flight : flights)
    batch.Area |= flight.From | flight.To;
  // Room for the shadow drawn beside each card.
  batch.Area.adjust(-4, -4, 6, 6);
  batch.Flights = std::move(flights);
  batch.EndOpacity = endOpacity;
  batch.Animation = std::make_unique<QVariantAnimation>();
  QVariantAnimation& animation = *batch.Animation;
  animation.setStartValue(0.0);
  animation.setEndValue(1.0);
  animation.setDuration(ms);
  const QRectF area = batch.Area;
  connect(&animation, &QVariantAnimation::valueChanged, this, [this, area] { emit changed(area); });
  // The batch is removed once its animation has ended, never from inside its own signal.
  QVariantAnimation* const done = &animation;
  connect(&animation, &QVariantAnimation::finished, this, [this, done, area] {
    QMetaObject::invokeMethod(
        this,
        [this, done, area] {
          std::erase_if(batches_, [done](const Batch& b) { return b.Animation.get() == done; });
          emit changed(area);
        },
        Qt::QueuedConnection);
  });
  animation.start();
}

QRectF CardMotion::Area() const {
  QRectF area;
  for (const Batch& batch : batches_)
    area |= batch.Area;
  return area;
}

void CardMotion::Paint(QPainter& p, const DrawCard& draw) const {
  static const QEasingCurve easing(QEasingCurve::OutCubic);
  for (const Batch& batch : batches_) {
    const double t = batch.Animation->currentValue().toDouble();
    const std::size_t count = batch.Flights.size();
    for (std::size_t i = 0; i < count; ++i) {
      const Flight& flight = batch.Flights[i];
      const double at = easing.valueForProgress(CardProgress(t, i, count));
      p.save();
      // A moving card need not be smooth; scaling it smoothly costs more than it shows.
      p.setRenderHint(QPainter::SmoothPixmapTransform, false);
      p.setOpacity(1 + (batch.EndOpacity - 1) * at);
      // The picture of the larger end: one the table draws anyway, scaled on the way.
      const QSizeF picture =
          flight.From.width() > flight.To.width() ? flight.From.size() : flight.To.size();
      draw(p, Between(flight.From, flight.To, at), flight.Code, picture);
      p.restore();
    }
  }
}

}  // namespace zunda
