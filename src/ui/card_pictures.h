#pragma once

#include <QHash>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace zunda {

// Card faces and backgrounds loaded from their files, with scaled copies kept for the sizes
// the table draws, so painting a frame of the card slide does not rescale 150 pictures.
class CardPictures {
 public:
  // The picture file, scaled smoothly to `pixels` device pixels and tagged with the device
  // pixel ratio. A file that cannot be read gives a plain face with the card code on it.
  QPixmap Face(const QString& path, const QString& code, QSize pixels, qreal ratio);
  // A background picture at its own size; null when the file cannot be read.
  QPixmap Background(const QString& path);

 private:
  QImage Source(const QString& path, const QString& code);

  QHash<QString, QImage> sources_;
  QHash<QString, QPixmap> scaled_;
  QHash<QString, QPixmap> backgrounds_;
};

}  // namespace zunda
