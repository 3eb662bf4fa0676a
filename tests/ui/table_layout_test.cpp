// The table's layout and the cards moving over it at the sizes players use, at the scale
// factor the run is started with (ctest runs these once more with QT_SCALE_FACTOR=2), and our
// card faces drawn once per size.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>

#include "core/cards.h"
#include "core/game.h"
#include "core/table_display.h"
#include "temp_folder.h"
#include "test_game.h"
#include "ui/card_art.h"
#include "ui/card_motion.h"
#include "ui/card_pictures.h"
#include "ui/main_window.h"
#include "ui/table_view.h"

namespace zunda {
namespace {

bool Apart(const QRectF& a, const QRectF& b) {
  return !a.adjusted(0.5, 0.5, -0.5, -0.5).intersects(b.adjusted(0.5, 0.5, -0.5, -0.5));
}

// A full table: 36 cards of all 15 ranks with the queens picked, every seat's row full, a long
// prompt and every button shown.
class TableLayout : public ::testing::TestWithParam<QSize> {
 protected:
  TableLayout() {
    const std::pair<int, int> counts[] = {{17, 2}, {16, 2}, {15, 3}, {14, 3}, {13, 3},
                                          {12, 3}, {11, 2}, {10, 2}, {9, 2},  {8, 2},
                                          {7, 3},  {6, 3},  {5, 2},  {4, 2},  {3, 2}};
    int slot = 0;
    for (const auto& [rank, count] : counts) {
      for (int i = 0; i < count; ++i) {
        Image& image = g.Win.ImgHand[++slot];
        image.Tag = (rank >= 16 ? "J" : std::string(1, "CDHS"[i % 4])) +
                    std::to_string(rank + 100).substr(1);
        image.Visible = true;
        image.Top = rank == 12 ? kHandRaised : kHandLowered;
      }
    }
    for (int k = 1; k <= kTableSlots; ++k)
      g.Win.ImgTable[k] = CardImage{"S09", 120, 60 + 180 * ((k - 1) % 20), true};
    g.Win.LblPrompt.Caption = "对门挂了大虎,不劳您出牌了,扣牌吧 请选择一手牌或过牌 牌点太小!";
    g.Win.LblPrompt.Visible = true;
    for (Button* button : {&g.Win.CmdSend, &g.Win.CmdPass, &g.Win.CmdReturn, &g.Win.CmdNotSP,
                           &g.Win.CmdShaoHuLe, &g.Win.CmdHG, &g.Win.CmdHint})
      button->Visible = true;
    window = std::make_unique<MainWindow>(g, app.Path());
    window->resize(GetParam());
    window->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    window->refresh();
  }
  TableView* Table() { return window->Table(); }

  testing::TempFolder app;
  testing::TestGame t;
  Game& g = t.game;
  std::unique_ptr<MainWindow> window;
};

TEST_P(TableLayout, NothingOverlapsOrLeavesTheWindowAndEveryCardCornerIsReadable) {
  const TableGeometry& geo = Table()->Geometry();
  std::vector<QRectF> areas = {geo.HandFrame(), geo.ButtonRow(), geo.SidePanel(), geo.PromptBox()};
  for (int seat = 1; seat <= kSeats; ++seat) {
    areas.push_back(geo.SeatArea(seat));
    for (int k = 1; k <= 20; ++k)
      EXPECT_TRUE(geo.SeatRow(seat).contains(geo.TableCard(seat, 60 + 180 * (k - 1), 120)));
  }
  for (std::size_t i = 0; i < areas.size(); ++i) {
    EXPECT_TRUE(QRectF(Table()->rect()).contains(areas[i])) << "area " << i;
    for (std::size_t j = i + 1; j < areas.size(); ++j)
      EXPECT_TRUE(Apart(areas[i], areas[j])) << "areas " << i << " and " << j;
  }
  EXPECT_EQ(window->EventList()->parentWidget()->geometry(), geo.SidePanel().toRect());

  const HandLayout hand = Table()->Hand();
  for (int slot = 1; slot <= kHandSlots; ++slot) {
    EXPECT_TRUE(geo.HandFrame().contains(hand.Card(slot))) << "slot " << slot;
    EXPECT_GE(hand.Visible(slot).width(), 0.2 * geo.HandCardSize().width()) << "slot " << slot;
  }
  EXPECT_GT(hand.GroupStep(), hand.Step() * 1.3) << "gaps between the ranks";
  EXPECT_GT(hand.Card(kHandSlots).right() - hand.Card(1).left(), geo.HandFrame().width() * 0.85);
  // Picked cards (the queens, slots 14 to 16) stand clearly higher, and are hit where seen.
  EXPECT_GT(hand.Card(13).top() - hand.Card(14).top(), geo.HandCardSize().height() * 0.2);
  EXPECT_EQ(Table()->HandSlotAt(hand.Visible(15).center()), 15);

  EXPECT_TRUE(geo.PromptBox().contains(Table()->PromptPlate()));
  EXPECT_TRUE(Table()->PromptTextFits());
  for (int i = 0; i < kCommandButtons; ++i) {
    QPushButton* button = Table()->Button(static_cast<CommandButton>(i));
    EXPECT_TRUE(geo.ButtonRow().adjusted(-1, -1, 1, 1).contains(QRectF(button->geometry()))) << i;
    EXPECT_GE(button->width(), button->fontMetrics().horizontalAdvance(button->text()));
  }
}

// The table cleared (a trick taken by seat 4), then seat 1 lays its picked queens and seat 3
// a pair: every card in flight stays on the table.
TEST_P(TableLayout, CardsInFlightStayOnTheTable) {
  // A flight's area has a margin of a few pixels for the card's shadow.
  const QRectF table = QRectF(Table()->rect()).adjusted(-6, -6, 6, 6);
  const auto onTable = [&](const QRectF& area) {
    return ::testing::AssertionResult(table.contains(area))
           << area.x() << "," << area.y() << " " << area.width() << "x" << area.height();
  };
  g.Flow.Running = true;
  g.TablePlay.Seat = 4;
  for (CardImage& image : g.Win.ImgTable)
    image.Visible = false;
  window->refresh();
  ASSERT_TRUE(Table()->Motion().Moving()) << "the trick goes to seat 4";
  EXPECT_TRUE(onTable(Table()->Motion().Area()));

  const auto lay = [&](int seat, int k, const std::string& tag) {
    g.Win.ImgTable[kTableImagesPerSeat * (seat - 1) + k] =
        CardImage{tag, kTableShownTop, kFirstCardLeft + 180 * (k - 1), true};
  };
  for (int slot = 14; slot <= 16; ++slot) {
    lay(1, slot - 13, g.Win.ImgHand[slot].Tag);
    g.Win.ImgHand[slot].Visible = false;
  }
  lay(3, 1, "H05");
  lay(3, 2, "S05");
  const int before = Table()->Motion().BatchesStarted();
  window->refresh();
  EXPECT_EQ(Table()->Motion().BatchesStarted(), before + 2) << "two sets laid";
  EXPECT_TRUE(onTable(Table()->Motion().Area()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, TableLayout,
                         ::testing::Values(QSize(800, 600), QSize(1280, 900), QSize(1920, 1080)));

TEST(CardFaces, EveryFaceIsAValidPictureAndIsDrawnOncePerSizeAndRatio) {
  for (int k = 0; k < kCardPictures; ++k) {
    const QString code = QString::fromStdString(CodeAt(k).Str());
    EXPECT_TRUE(QSvgRenderer(CardFaceSvg(code, {})).isValid()) << code.toStdString();
  }
  CardPictures pictures;
  const QPixmap once = pictures.VectorFace(QStringLiteral("H12"), QSize(66, 90), 1);
  pictures.VectorFace(QStringLiteral("H12"), QSize(66, 90), 1);
  EXPECT_EQ(pictures.VectorRenderings(), 1);
  const QPixmap twice = pictures.VectorFace(QStringLiteral("H12"), QSize(132, 180), 2);
  EXPECT_EQ(pictures.VectorRenderings(), 2);
  EXPECT_EQ(twice.devicePixelRatio(), 2);
  // The corner carries the red rank and suit.
  const QImage corner = once.toImage().copy(2, 2, 14, 30);
  int red = 0;
  for (int y = 0; y < corner.height(); ++y) {
    for (int x = 0; x < corner.width(); ++x)
      red += corner.pixelColor(x, y).red() > 150 && corner.pixelColor(x, y).green() < 100;
  }
  EXPECT_GT(red, 12);
}

}  // namespace
}  // namespace zunda
