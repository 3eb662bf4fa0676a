#include "scenery.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <cmath>
#include <numbers>

#include "card_painter.h"

namespace art {
namespace {

constexpr int kTile = 256;

// Draws a shape at its place and at the places it wraps to, so the tile repeats seamlessly.
template <typename Draw>
void Wrapped(Draw draw) {
  for (int dx = -kTile; dx <= kTile; dx += kTile) {
    for (int dy = -kTile; dy <= kTile; dy += kTile)
      draw(QPointF(dx, dy));
  }
}

QImage Tile(const QColor& base) {
  QImage image(kTile, kTile, QImage::Format_RGB32);
  image.fill(base);
  return image;
}

void Grain(QImage& image, int strength, quint32 seed) {
  QRandomGenerator random(seed);
  for (int y = 0; y < image.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const int d = random.bounded(-strength, strength + 1);
      const QRgb c = line[x];
      line[x] = qRgb(qBound(0, qRed(c) + d, 255), qBound(0, qGreen(c) + d, 255),
                     qBound(0, qBlue(c) + d, 255));
    }
  }
}

QPainterPath Fleur(double size) {
  QPainterPath petal;
  petal.moveTo(0, 0);
  petal.cubicTo(size * 0.35, -size * 0.3, size * 0.2, -size * 0.8, 0, -size);
  petal.cubicTo(-size * 0.2, -size * 0.8, -size * 0.35, -size * 0.3, 0, 0);
  QPainterPath fleur;
  for (int i = 0; i < 4; ++i) {
    QTransform turn;
    turn.rotate(90.0 * i);
    fleur.addPath(turn.map(petal));
  }
  fleur.addEllipse(QPointF(0, 0), size * 0.16, size * 0.16);
  fleur.setFillRule(Qt::WindingFill);
  return fleur;
}

QImage IconCanvas(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  return image;
}

}  // namespace

QImage FeltTile() {
  QImage image = Tile(QColor(22, 104, 56));
  Grain(image, 6, 7);
  return image;
}

QImage DamaskTile() {
  QImage image = Tile(QColor(104, 20, 38));
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor motif(128, 36, 56);
    const QColor small(118, 28, 48);
    Wrapped([&](QPointF shift) {
      for (const QPointF at : {QPointF(64, 64), QPointF(192, 192)}) {
        p.save();
        p.translate(at + shift);
        p.fillPath(Fleur(46), motif);
        p.restore();
      }
      for (const QPointF at : {QPointF(192, 64), QPointF(64, 192)}) {
        p.save();
        p.translate(at + shift);
        p.rotate(45);
        p.fillPath(Fleur(20), small);
        p.restore();
      }
    });
  }
  Grain(image, 3, 11);
  return image;
}

QImage CamouflageTile() {
  QImage image = Tile(QColor(104, 110, 70));
  {
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(2024);
    const QColor colours[] = {QColor(70, 78, 44), QColor(140, 124, 86), QColor(46, 44, 34)};
    for (const QColor& colour : colours) {
      for (int blob = 0; blob < 7; ++blob) {
        const QPointF centre(random.bounded(kTile), random.bounded(kTile));
        QPainterPath path;
        const int points = 9;
        for (int i = 0; i <= points; ++i) {
          const double angle = 2 * std::numbers::pi * i / points;
          const double r = 18 + random.bounded(22);
          const QPointF point(centre.x() + r * 1.5 * std::cos(angle),
                              centre.y() + r * std::sin(angle));
          if (i == 0) {
            path.moveTo(point);
          } else {
            path.quadTo(
                QPointF((path.currentPosition().x() + point.x()) / 2 + random.bounded(9) - 4,
                        (path.currentPosition().y() + point.y()) / 2 + random.bounded(9) - 4),
                point);
          }
        }
        path.closeSubpath();
        Wrapped([&](QPointF shift) { p.fillPath(path.translated(shift), colour); });
      }
    }
  }
  Grain(image, 4, 5);
  return image;
}

QImage PassIcon() {
  QImage image = IconCanvas(32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  QRadialGradient ball(QPointF(12, 10), 20);
  ball.setColorAt(0, QColor(120, 210, 120));
  ball.setColorAt(1, QColor(20, 120, 40));
  p.setBrush(ball);
  p.setPen(QPen(QColor(10, 70, 20), 1.2));
  p.drawEllipse(QRectF(1.5, 1.5, 29, 29));
  QPainterPath arrow;
  arrow.moveTo(8, 13);
  arrow.lineTo(17, 13);
  arrow.lineTo(17, 8);
  arrow.lineTo(25, 16);
  arrow.lineTo(17, 24);
  arrow.lineTo(17, 19);
  arrow.lineTo(8, 19);
  arrow.closeSubpath();
  p.fillPath(arrow, Qt::white);
  return image;
}

QImage FoldIcon() {
  QImage image = IconCanvas(32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(20, 30, 80), 1.2));
  QLinearGradient back(0, 0, 32, 32);
  back.setColorAt(0, QColor(70, 100, 200));
  back.setColorAt(1, QColor(30, 50, 130));
  p.setBrush(back);
  p.drawRoundedRect(QRectF(6, 2, 20, 28), 3, 3);
  p.setPen(QPen(QColor(160, 180, 240), 1));
  p.drawLine(QPointF(9, 6), QPointF(23, 26));
  p.drawLine(QPointF(23, 6), QPointF(9, 26));
  QPainterPath arrow;
  arrow.moveTo(13, 9);
  arrow.lineTo(19, 9);
  arrow.lineTo(19, 17);
  arrow.lineTo(23, 17);
  arrow.lineTo(16, 25);
  arrow.lineTo(9, 17);
  arrow.lineTo(13, 17);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(120, 80, 0), 1));
  p.setBrush(QColor(250, 200, 60));
  p.drawPath(arrow);
  return image;
}

QImage ProgramIcon() {
  QImage image = IconCanvas(48);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  const QImage big = PaintCard(QStringLiteral("J17"), NormalStyle());
  const QImage ace = PaintCard(QStringLiteral("S14"), NormalStyle());
  const QSizeF card(26, 35.5);
  p.save();
  p.translate(18, 26);
  p.rotate(-16);
  p.drawImage(QRectF(QPointF(-card.width() / 2, -card.height() / 2), card), ace);
  p.restore();
  p.save();
  p.translate(30, 24);
  p.rotate(12);
  p.drawImage(QRectF(QPointF(-card.width() / 2, -card.height() / 2), card), big);
  p.restore();
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(22);
  font.setBold(true);
  p.setFont(font);
  QPainterPath letter;
  letter.addText(QPointF(4, 44), font, QStringLiteral("Z"));
  p.setPen(QPen(Qt::white, 2.5));
  p.drawPath(letter);
  p.fillPath(letter, QColor(200, 24, 30));
  return image;
}

QImage SplashPicture() {
  QImage image(480, 300, QImage::Format_RGB32);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  QRadialGradient felt(QPointF(240, 130), 320);
  felt.setColorAt(0, QColor(34, 130, 72));
  felt.setColorAt(1, QColor(8, 56, 30));
  p.fillRect(image.rect(), felt);
  const char* codes[] = {"D15", "S14", "J16", "J17", "H13", "C12", "H15"};
  const int count = 7;
  for (int i = 0; i < count; ++i) {
    p.save();
    p.translate(240, 250);
    p.rotate(-36 + 12.0 * i);
    const QImage face = PaintCard(QString::fromLatin1(codes[i]), NormalStyle());
    const QRectF where(-44, -190, 88, 120);
    p.fillRect(where.translated(3, 3), QColor(0, 0, 0, 60));
    p.drawImage(where, face);
    p.restore();
  }
  QFont font(QStringLiteral("WenQuanYi Micro Hei"));
  font.setPixelSize(40);
  font.setBold(true);
  QPainterPath title;
  title.addText(QPointF(0, 0), font, QStringLiteral("Zunda扑克游戏"));
  title.translate(240 - title.boundingRect().width() / 2, 262);
  p.setPen(QPen(QColor(60, 30, 0), 5));
  p.drawPath(title);
  p.fillPath(title, QColor(250, 214, 90));
  font.setPixelSize(15);
  font.setBold(false);
  p.setFont(font);
  p.setPen(QColor(230, 240, 230));
  p.drawText(QRectF(0, 272, 480, 24), Qt::AlignCenter,
             QStringLiteral("六人四副牌 · 三对三 · 烧牌 进贡"));
  return image;
}

}  // namespace art
