#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>
#include <functional>

#include "ui/card_art.h"

namespace zunda {

// Card faces and backgrounds, each kept ready at the sizes the table draws so that painting
// a frame does not rescale 150 pictures. Bitmap faces come from their files; our own faces
// are drawn from their vector pictures once per size and device pixel ratio, so they stay
// sharp at any scale. Only what is shown is ever read or drawn.
class CardPictures {
 public:
  // The picture file, scaled smoothly to `pixels` device pixels and tagged with the device
  // pixel ratio. A file that cannot be read gives a plain face with the card code on it.
  // A file ending in ".svg" is drawn at the size like our own faces.
  QPixmap Face(const QString& path, const QString& code, QSize pixels, qreal ratio);
  // Our own face of a card code at `pixels` device pixels.
  QPixmap VectorFace(const QString& code, QSize pixels, qreal ratio);
  // A background picture at its own size; null when the file cannot be read.
  QPixmap Background(const QString& path);

  // The texts our faces carry; a change draws them anew.
  void SetTexts(const CardArtTexts& texts);
  // How many vector pictures have been drawn so far.
  int VectorRenderings() const { return vectorRenderings_; }

 private:
  QImage Source(const QString& path, const QString& code);
  QPixmap Cached(const QString& key, QSize pixels, qreal ratio,
                 const std::function<void(QPainter&, const QRectF&)>& draw);

  CardArtTexts texts_;
  QHash<QString, QImage> sources_;
  QHash<QString, QPixmap> scaled_;
  QHash<QString, QPixmap> backgrounds_;
  int vectorRenderings_ = 0;
};

}  // namespace zunda
