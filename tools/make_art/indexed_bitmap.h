#pragma once

#include <QImage>
#include <QString>

namespace art {

// Saves a picture as an 8-bit palette bitmap: a quarter of the size of a 24-bit one, and the
// card faces are made of a few flat colours with anti-aliased edges, which 256 entries hold.
bool SaveIndexedBitmap(const QImage& image, const QString& path);

}  // namespace art
