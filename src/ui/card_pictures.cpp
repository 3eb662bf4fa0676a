#include "ui/card_pictures.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

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

QString SizeKey(const QString& what, QSize pixels) {
  return QStringLiteral("%1|%2x%3").arg(what).arg(pixels.width()).arg(pixels.height());
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

QPixmap CardPictures::Cached(const QString& key, QSize pixels, qreal ratio,
                             const std::function<void(QPainter&, const QRectF&)>& draw) {
  if (pixels.isEmpty()) return {};
  // Only two sizes are drawn at a time (hand and table); a resize drops the old copies.
  if (scaled_.size() > 400) scaled_.clear();
  auto found = scaled_.constFind(key);
  if (found != scaled_.cend()) return found.value();
  QImage face(pixels, QImage::Format_ARGB32_Premultiplied);
  face.fill(Qt::transparent);
  {
    QPainter p(&face);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    draw(p, QRectF(QPointF(0, 0), QSizeF(pixels)));
  }
  QPixmap pixmap = QPixmap::fromImage(face);
  pixmap.setDevicePixelRatio(ratio);
  scaled_.insert(key, pixmap);
  return pixmap;
}

QPixmap CardPictures::Face(const QString& path, const QString& code, QSize pixels, qreal ratio) {
  if (path.endsWith(QStringLiteral(".svg"), Qt::CaseInsensitive)) {
    return Cached(SizeKey(QStringLiteral("svg|") + path, pixels), pixels, ratio,
                  [&](QPainter& p, const QRectF& area) {
                    ++vectorRenderings_;
                    QSvgRenderer renderer(path);
                    if (renderer.isValid()) {
                      renderer.render(&p, area);
                    } else {
                      p.drawImage(area, PlainFace(code));
                    }
                  });
  }
  return Cached(
      SizeKey(path + QLatin1Char('|') + code, pixels), pixels, ratio,
      [&](QPainter& p, const QRectF& area) {
        // Bitmaps have square corners filled with some colour: every face is cut to
        // a rounded card.
        QPainterPath card;
        const double radius = area.width() * 0.06;
        card.addRoundedRect(area, radius, radius);
        p.setClipPath(card);
        p.drawImage(
            area,
            Source(path, code).scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
      });
}

QPixmap CardPictures::VectorFace(const QString& code, QSize pixels, qreal ratio) {
  return Cached(SizeKey(QStringLiteral("art|") + code, pixels), pixels, ratio,
                [&](QPainter& p, const QRectF& area) {
                  ++vectorRenderings_;
                  QSvgRenderer renderer(CardFaceSvg(code, texts_));
                  renderer.render(&p, area);
                });
}

void CardPictures::SetTexts(const CardArtTexts& texts) {
  if (texts.smallJoker == texts_.smallJoker && texts.bigJoker == texts_.bigJoker) return;
  texts_ = texts;
  scaled_.clear();
}

QPixmap CardPictures::Background(const QString& path) {
  auto found = backgrounds_.constFind(path);
  if (found != backgrounds_.cend()) return found.value();
  QPixmap pixmap(path);
  backgrounds_.insert(path, pixmap);
  return pixmap;
}

}  // namespace zunda
