#include "ui/card_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace zunda {
namespace {

QImage PlainFace(const QString& code) {
  QImage image(132, 180, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(QColor(110, 110, 110), 1.5));
  p.setBrush(Qt::white);
  p.drawRoundedRect(QRectF(1, 1, 130, 178), 8, 8);
  QFont font;
  font.setPixelSize(22);
  font.setBold(true);
  p.setFont(font);
  p.setPen(code.startsWith(QLatin1Char('D')) || code.startsWith(QLatin1Char('H')) ? Qt::red
                                                                                  : Qt::black);
  p.drawText(QRectF(2, 4, 40, 80), Qt::AlignLeft | Qt::AlignTop | Qt::TextWrapAnywhere, code);
  return image;
}

}  // namespace

QImage CardPictures::Source(const QString& path, const QString& code) {
  const QString key = path + QLatin1Char('|') + code;
  auto found = sources_.constFind(key);
  if (found != sources_.cend()) return found.value();
  QImage image(path);
  if (image.isNull()) image = PlainFace(code);
  sources_.insert(key, image);
  return image;
}

QPixmap CardPictures::Face(const QString& path, const QString& code, QSize pixels, qreal ratio) {
  if (pixels.isEmpty()) return {};
  // Only two sizes are drawn at a time (hand and table); a resize drops the old copies.
  if (scaled_.size() > 400) scaled_.clear();
  const QString key =
      QStringLiteral("%1|%2|%3x%4").arg(path, code).arg(pixels.width()).arg(pixels.height());
  auto found = scaled_.constFind(key);
  if (found != scaled_.cend()) return found.value();
  // Bitmaps have square corners filled with some colour: every face is cut to a rounded card.
  QImage face(pixels, QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  {
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    QPainterPath card;
    const double radius = pixels.width() * 0.06;
    card.addRoundedRect(QRectF(QPointF(0, 0), QSizeF(pixels)), radius, radius);
    p.setClipPath(card);
    p.drawImage(QRectF(QPointF(0, 0), QSizeF(pixels)),
                Source(path, code).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  QPixmap pixmap = QPixmap::fromImage(face);
  pixmap.setDevicePixelRatio(ratio);
  scaled_.insert(key, pixmap);
  return pixmap;
}

QPixmap CardPictures::Background(const QString& path) {
  auto found = backgrounds_.constFind(path);
  if (found != backgrounds_.cend()) return found.value();
  QPixmap pixmap(path);
  backgrounds_.insert(path, pixmap);
  return pixmap;
}

}  // namespace zunda
