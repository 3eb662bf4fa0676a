#include "card_painter.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <utility>
#include <vector>

namespace art {
namespace {

constexpr double kW = kCardWidth;
constexpr double kH = kCardHeight;
// Overlapping hand cards show only this much of their left edge: the index must fit in it.
constexpr double kIndexStrip = 22;

int SuitSlot(char suit) {
  switch (suit) {
    case 'C':
      return 0;
    case 'D':
      return 1;
    case 'H':
      return 2;
    default:
      return 3;
  }
}

QString RankText(int rank) {
  switch (rank) {
    case 11:
      return QStringLiteral("J");
    case 12:
      return QStringLiteral("Q");
    case 13:
      return QStringLiteral("K");
    case 14:
      return QStringLiteral("A");
    case 15:
      return QStringLiteral("2");
    default:
      return QString::number(rank);
  }
}

void DrawPip(QPainter& p, char suit, QPointF centre, double size, const QColor& colour,
             bool upsideDown) {
  p.save();
  p.translate(centre);
  if (upsideDown) p.rotate(180);
  p.translate(-size / 2, -size / 2);
  p.scale(size, size);
  p.fillPath(SuitPath(suit), colour);
  p.restore();
}

void DrawPaper(QPainter& p, const CardStyle& style) {
  const QRectF card(0.5, 0.5, kW - 1, kH - 1);
  QPainterPath outline;
  outline.addRoundedRect(card, 8, 8);
  p.fillPath(outline, style.paper);
  p.setPen(QPen(style.edge, 1.2));
  p.drawPath(outline);
  if (style.ornament == Ornament::Paris) {
    p.setPen(QPen(QColor(176, 138, 62), 1.4));
    p.drawRoundedRect(card.adjusted(kIndexStrip + 2, 5, -5, -5), 5, 5);
    p.setPen(QPen(QColor(176, 138, 62), 0.7));
    p.drawRoundedRect(card.adjusted(kIndexStrip + 5, 8, -8, -8), 4, 4);
  } else if (style.ornament == Ornament::Military) {
    p.setPen(QPen(style.edge, 2.0, Qt::DashLine));
    p.drawRect(card.adjusted(kIndexStrip + 2, 5, -5, -5));
  }
}

QFont RankFont(const CardStyle& style, double pixels) {
  QFont font(style.rankFamily);
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(true);
  font.setStretch(style.rankStretch);
  return font;
}

QFont ChineseFont(double pixels) {
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(static_cast<int>(pixels));
  font.setBold(true);
  return font;
}

// The rank and suit in the top left strip and, turned round, in the bottom right corner.
void DrawIndex(QPainter& p, const QString& rank, char suit, const QColor& colour,
               const CardStyle& style) {
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    QFont font = RankFont(style, 24);
    if (rank.size() > 1) font.setStretch(style.rankStretch * 62 / 100);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 3, kIndexStrip + 3, 26), Qt::AlignHCenter | Qt::AlignTop, rank);
    DrawPip(p, suit, QPointF(kIndexStrip / 2 + 1.5, 40), 15, colour, false);
    p.restore();
  }
}

void DrawPips(QPainter& p, int rank, char suit, const QColor& colour) {
  const double left = 44, mid = 69, right = 94;
  const double top = 34, bottom = 146;
  const double row = (bottom - top) / 3;
  std::vector<QPointF> at;
  const int count = rank == 15 ? 2 : rank;
  switch (count) {
    case 2:
      at = {{mid, top}, {mid, bottom}};
      break;
    case 3:
      at = {{mid, top}, {mid, 90}, {mid, bottom}};
      break;
    case 4:
      at = {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
      break;
    case 5:
      at = {{left, top}, {right, top}, {mid, 90}, {left, bottom}, {right, bottom}};
      break;
    case 6:
    case 7:
    case 8:
      at = {{left, top}, {right, top}, {left, 90}, {right, 90}, {left, bottom}, {right, bottom}};
      if (count >= 7) at.push_back({mid, 62});
      if (count == 8) at.push_back({mid, 118});
      break;
    default:
      for (int i = 0; i < 4; ++i) {
        at.push_back({left, top + row * i});
        at.push_back({right, top + row * i});
      }
      if (count == 9) at.push_back({mid, 90});
      if (count == 10) {
        at.push_back({mid, top + row / 2});
        at.push_back({mid, bottom - row / 2});
      }
  }
  for (const QPointF& point : at)
    DrawPip(p, suit, point, 22, colour, point.y() > 92);
}

void DrawCrown(QPainter& p, QPointF base, double width, int points, const QColor& fill) {
  QPainterPath crown;
  const double h = width * 0.55;
  crown.moveTo(base);
  for (int i = 0; i <= points * 2; ++i) {
    const double x = base.x() + width * i / (points * 2);
    const double y = i % 2 == 0 ? base.y() - h : base.y() - h * 0.45;
    crown.lineTo(x, y);
  }
  crown.lineTo(base.x() + width, base.y());
  crown.closeSubpath();
  p.fillPath(crown, fill);
  p.setPen(QPen(fill.darker(160), 1));
  p.drawPath(crown);
}

void DrawChevrons(QPainter& p, QPointF centre, int count, const QColor& colour) {
  p.setPen(QPen(colour, 4, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin));
  for (int i = 0; i < count; ++i) {
    const double y = centre.y() + i * 8;
    p.drawPolyline(
        QList<QPointF>{{centre.x() - 16, y + 8}, {centre.x(), y}, {centre.x() + 16, y + 8}});
  }
}

void DrawCourt(QPainter& p, int rank, char suit, const QColor& colour, const CardStyle& style) {
  const QRectF panel(30, 18, 78, 144);
  QLinearGradient shade(panel.topLeft(), panel.bottomRight());
  shade.setColorAt(0, style.courtPanel.lighter(115));
  shade.setColorAt(1, style.courtPanel);
  p.setPen(QPen(colour, 1.5));
  p.setBrush(shade);
  p.drawRoundedRect(panel, 6, 6);
  p.setBrush(Qt::NoBrush);

  const QString letter = RankText(rank);
  const QPointF centre = panel.center();
  if (style.ornament == Ornament::Military) {
    DrawChevrons(p, QPointF(centre.x(), panel.top() + 16), rank - 10, style.courtAccent);
  } else {
    const int points = rank == 13 ? 3 : (rank == 12 ? 4 : 2);
    DrawCrown(p, QPointF(centre.x() - 22, panel.top() + 36), 44, points, style.courtAccent);
  }
  p.setFont(RankFont(style, 58));
  p.setPen(colour);
  p.drawText(QRectF(panel.left(), centre.y() - 38, panel.width(), 70), Qt::AlignCenter, letter);
  DrawPip(p, suit, QPointF(centre.x(), panel.bottom() - 24), 26, colour, false);
  if (style.ornament == Ornament::Paris) {
    p.setPen(QPen(style.courtAccent, 1));
    p.drawLine(QPointF(panel.left() + 8, panel.bottom() - 46),
               QPointF(panel.right() - 8, panel.bottom() - 46));
  }
}

// A tiger's head: the emblem of both jokers.
void DrawTiger(QPainter& p, QPointF centre, double r, bool big, const CardStyle& style) {
  const QColor fur = big ? QColor(236, 132, 32) : QColor(228, 228, 222);
  const QColor stripe = big ? QColor(40, 24, 12) : QColor(70, 70, 78);
  p.setPen(QPen(stripe, 1.4));
  p.setBrush(fur);
  p.drawEllipse(centre + QPointF(-r * 0.72, -r * 0.78), r * 0.32, r * 0.32);
  p.drawEllipse(centre + QPointF(r * 0.72, -r * 0.78), r * 0.32, r * 0.32);
  QRadialGradient face(centre, r);
  face.setColorAt(0, fur.lighter(125));
  face.setColorAt(1, fur);
  p.setBrush(face);
  p.drawEllipse(centre, r, r * 0.92);
  // Muzzle, eyes, nose and the stripes of the brow and cheeks.
  p.setBrush(QColor(252, 248, 240));
  p.setPen(Qt::NoPen);
  p.drawEllipse(centre + QPointF(0, r * 0.38), r * 0.5, r * 0.34);
  p.setBrush(QColor(30, 30, 30));
  p.drawEllipse(centre + QPointF(-r * 0.36, -r * 0.12), r * 0.11, r * 0.15);
  p.drawEllipse(centre + QPointF(r * 0.36, -r * 0.12), r * 0.11, r * 0.15);
  QPainterPath nose;
  nose.moveTo(centre + QPointF(-r * 0.14, r * 0.18));
  nose.lineTo(centre + QPointF(r * 0.14, r * 0.18));
  nose.lineTo(centre + QPointF(0, r * 0.34));
  nose.closeSubpath();
  p.fillPath(nose, QColor(200, 90, 100));
  p.setPen(QPen(stripe, r * 0.09, Qt::SolidLine, Qt::RoundCap));
  for (int i = -1; i <= 1; ++i) {
    p.drawLine(centre + QPointF(i * r * 0.2, -r * 0.85), centre + QPointF(i * r * 0.14, -r * 0.5));
  }
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 2; ++i) {
      const double y = r * (0.05 + 0.22 * i);
      p.drawLine(centre + QPointF(side * r * 0.98, y),
                 centre + QPointF(side * r * 0.66, y + r * 0.06));
    }
  }
  // Headwear of the skin: a beret in Paris, a helmet in the army.
  if (style.ornament == Ornament::Paris) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(25, 25, 40));
    p.drawEllipse(centre + QPointF(r * 0.1, -r * 0.95), r * 0.62, r * 0.22);
    p.drawRect(QRectF(centre + QPointF(r * 0.06, -r * 1.25), QSizeF(r * 0.08, r * 0.14)));
  } else if (style.ornament == Ornament::Military) {
    QPainterPath helmet;
    helmet.moveTo(centre + QPointF(-r * 1.0, -r * 0.55));
    helmet.cubicTo(centre + QPointF(-r * 0.9, -r * 1.45), centre + QPointF(r * 0.9, -r * 1.45),
                   centre + QPointF(r * 1.0, -r * 0.55));
    helmet.closeSubpath();
    p.fillPath(helmet, QColor(84, 96, 52));
    p.setPen(QPen(QColor(50, 58, 30), 2));
    p.drawLine(centre + QPointF(-r * 1.05, -r * 0.55), centre + QPointF(r * 1.05, -r * 0.55));
  }
}

void DrawJoker(QPainter& p, bool big, const CardStyle& style) {
  const QColor colour = big ? style.suitColours[2] : style.suitColours[3];
  const QString first = big ? QStringLiteral("大") : QStringLiteral("小");
  const QString tiger = QStringLiteral("虎");
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner == 1) {
      p.translate(kW, kH);
      p.rotate(180);
    }
    p.setFont(ChineseFont(17));
    p.setPen(colour);
    p.drawText(QRectF(1, 3, kIndexStrip, 20), Qt::AlignCenter, first);
    p.drawText(QRectF(1, 22, kIndexStrip, 20), Qt::AlignCenter, tiger);
    p.restore();
  }
  DrawTiger(p, QPointF(66, 74), 30, big, style);
  p.setFont(ChineseFont(26));
  p.setPen(colour);
  p.drawText(QRectF(kIndexStrip, 114, kW - 2 * kIndexStrip, 34), Qt::AlignCenter, first + tiger);
  if (big) {
    for (int i = 0; i < 5; ++i)
      DrawPip(p, 'D', QPointF(42 + i * 12, 156), 7, colour, false);
  }
}

}  // namespace

CardStyle NormalStyle() {
  CardStyle style;
  style.paper = QColor(255, 255, 255);
  style.edge = QColor(120, 120, 120);
  style.suitColours = {QColor(20, 20, 20), QColor(200, 24, 30), QColor(200, 24, 30),
                       QColor(20, 20, 20)};
  style.courtPanel = QColor(244, 232, 200);
  style.courtAccent = QColor(214, 168, 40);
  style.rankFamily = QStringLiteral("DejaVu Sans");
  style.rankStretch = 90;
  return style;
}

CardStyle ParisStyle() {
  CardStyle style;
  style.paper = QColor(252, 246, 230);
  style.edge = QColor(140, 110, 60);
  style.suitColours = {QColor(24, 44, 96), QColor(150, 20, 56), QColor(150, 20, 56),
                       QColor(24, 44, 96)};
  style.courtPanel = QColor(236, 220, 236);
  style.courtAccent = QColor(190, 150, 60);
  style.rankFamily = QStringLiteral("DejaVu Serif");
  style.rankStretch = 85;
  style.ornament = Ornament::Paris;
  return style;
}

CardStyle MilitaryStyle() {
  CardStyle style;
  style.paper = QColor(226, 218, 186);
  style.edge = QColor(92, 100, 60);
  style.suitColours = {QColor(52, 64, 28), QColor(160, 60, 30), QColor(160, 60, 30),
                       QColor(52, 64, 28)};
  style.courtPanel = QColor(200, 196, 150);
  style.courtAccent = QColor(120, 90, 20);
  style.rankFamily = QStringLiteral("DejaVu Sans Mono");
  style.rankStretch = 100;
  style.ornament = Ornament::Military;
  return style;
}

QPainterPath SuitPath(char suit) {
  QPainterPath path;
  switch (suit) {
    case 'H':
      path.moveTo(0.5, 0.95);
      path.cubicTo(0.05, 0.62, -0.02, 0.32, 0.16, 0.14);
      path.cubicTo(0.32, 0.0, 0.48, 0.12, 0.5, 0.26);
      path.cubicTo(0.52, 0.12, 0.68, 0.0, 0.84, 0.14);
      path.cubicTo(1.02, 0.32, 0.95, 0.62, 0.5, 0.95);
      break;
    case 'D':
      path.moveTo(0.5, 0.0);
      path.quadTo(0.68, 0.3, 0.88, 0.5);
      path.quadTo(0.68, 0.7, 0.5, 1.0);
      path.quadTo(0.32, 0.7, 0.12, 0.5);
      path.quadTo(0.32, 0.3, 0.5, 0.0);
      break;
    case 'S':
      path.moveTo(0.5, 0.02);
      path.cubicTo(0.95, 0.36, 1.02, 0.56, 0.86, 0.7);
      path.cubicTo(0.72, 0.82, 0.56, 0.74, 0.52, 0.64);
      path.quadTo(0.56, 0.86, 0.7, 0.98);
      path.lineTo(0.3, 0.98);
      path.quadTo(0.44, 0.86, 0.48, 0.64);
      path.cubicTo(0.44, 0.74, 0.28, 0.82, 0.14, 0.7);
      path.cubicTo(-0.02, 0.56, 0.05, 0.36, 0.5, 0.02);
      break;
    default:  // clubs
      path.addEllipse(QPointF(0.5, 0.27), 0.22, 0.22);
      path.addEllipse(QPointF(0.26, 0.58), 0.22, 0.22);
      path.addEllipse(QPointF(0.74, 0.58), 0.22, 0.22);
      path.moveTo(0.46, 0.5);
      path.quadTo(0.44, 0.86, 0.3, 0.98);
      path.lineTo(0.7, 0.98);
      path.quadTo(0.56, 0.86, 0.54, 0.5);
      path.closeSubpath();
      path.setFillRule(Qt::WindingFill);
      break;
  }
  return path;
}

QImage PaintCard(const QString& code, const CardStyle& style) {
  QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::TextAntialiasing);
  DrawPaper(p, style);
  const char suit = code.at(0).toLatin1();
  const int rank = code.mid(1).toInt();
  if (suit == 'J') {
    DrawJoker(p, rank == 17, style);
    return image;
  }
  const QColor colour = style.suitColours[static_cast<std::size_t>(SuitSlot(suit))];
  DrawIndex(p, RankText(rank), suit, colour, style);
  if (rank >= 11 && rank <= 13) {
    DrawCourt(p, rank, suit, colour, style);
  } else if (rank == 14) {
    DrawPip(p, suit, QPointF(69, 90), style.ornament == Ornament::Military ? 48 : 56, colour,
            false);
    if (style.ornament == Ornament::Military) {
      p.setPen(QPen(colour, 2));
      p.drawEllipse(QPointF(69, 90), 38, 38);
    }
  } else {
    DrawPips(p, rank, suit, colour);
  }
  return image;
}

}  // namespace art
