#pragma once

#include <QObject>
#include <QRectF>
#include <array>
#include <functional>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/controls.h"
#include "core/model.h"

class QPainter;
class QVariantAnimation;

namespace zunda {

struct Game;
class HandLayout;
class TableGeometry;

// How long the cards take to move, from the game's waits: a set laid follows the pace of
// play, a trick taken or a tribute card follows the pause after a round. Zero means that the
// game runs too fast for the eye to follow a card, and nothing moves.
struct MotionTimes {
  int PlayMs = 0;
  int MoveMs = 0;
};
MotionTimes CardMotionTimes(double shunPaiSeconds, double kouPaiSeconds);

// Cards moving over the table. After every redraw of the game's state the window hands the
// new state over; what changed since the previous one becomes a flight of cards: a set laid
// slides from its seat (from the hand for the human) to its row, a trick taken goes from the
// table to the seat that laid the last set, a tribute card goes from the payer to the
// receiver and a returned card back. The game has moved on already and never waits: a card
// in flight is drawn here instead of at its place until it lands.
class CardMotion : public QObject {
  Q_OBJECT

 public:
  // Draws a card at a place, from its picture at a given size.
  using DrawCard = std::function<void(QPainter&, const QRectF&, const std::string&, QSizeF)>;

  CardMotion();
  ~CardMotion() override;

  // Off, nothing moves and the table is drawn exactly as the state says.
  void SetEnabled(bool on);
  bool Enabled() const { return enabled_; }

  // Compares the state with the one handed over last and starts the flights it calls for.
  // `moving` is false while the table is not seen (hidden or minimised).
  void Follow(const Game& g, const TableGeometry& geometry, const HandLayout& hand, bool moving);
  // Ends every flight at once (the layout changed under them).
  void Clear();

  // Whether a card is drawn by a flight rather than at its place.
  bool HidesTableImage(int image) const;
  bool HidesHandSlot(int slot) const;
  void Paint(QPainter& p, const DrawCard& draw) const;

  bool Moving() const { return !batches_.empty(); }
  // Where the cards in flight pass, all the way from where they left to where they land.
  QRectF Area() const;
  // How many sets of cards have been sent on their way since the start.
  int BatchesStarted() const { return batchesStarted_; }

 signals:
  // The area the flights cover changed and must be drawn again.
  void changed(const QRectF& area);

 private:
  struct Shown {
    bool Visible = false;
    std::string Tag;
    int Top = 0;
    bool Raised = false;
    QRectF Where;
  };
  struct Snapshot {
    bool Valid = false;
    std::array<Shown, kTableSlots + 1> Table{};
    std::array<Shown, kHandSlots + 1> Hand{};
    bool TributeInProgress = false;
  };
  struct Flight {
    std::string Code;
    QRectF From;
    QRectF To;
    int TableImage = 0;  // the image it lands on, 0 for none
    int HandSlot = 0;    // the hand slot it lands on, 0 for none
  };
  struct Batch {
    std::vector<Flight> Flights;
    double EndOpacity = 1;
    std::unique_ptr<QVariantAnimation> Animation;
    QRectF Area;
  };

  Snapshot Take(const Game& g, const TableGeometry& geometry, const HandLayout& hand) const;
  void FollowPlays(const Game& g, const TableGeometry& geometry, const Snapshot& now, int ms);
  void FollowTrick(const Game& g, const TableGeometry& geometry, const Snapshot& now, int ms);
  void FollowTribute(const Game& g, const TableGeometry& geometry, const Snapshot& now, int ms);
  void DropLandedElsewhere(const Snapshot& now);
  void Start(std::vector<Flight> flights, int ms, double endOpacity);
  static QRectF AtLabel(const TableGeometry& geometry, int seat, double size);
  int TakeHandSlot(const std::string& code, std::set<int>& used, bool fromLast) const;
  QRectF HandCard(int slot, bool fromLast) const;

  bool enabled_ = true;
  Snapshot last_;
  Snapshot now_;
  std::list<Batch> batches_;
  // Table images whose card has gone to another seat while the state still shows it.
  std::set<int> departed_;
  int batchesStarted_ = 0;
};

}  // namespace zunda
