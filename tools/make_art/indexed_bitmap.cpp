#include "indexed_bitmap.h"

#include <QHash>
#include <algorithm>
#include <vector>

namespace art {
namespace {

int Distance(QRgb a, QRgb b) {
  const int dr = qRed(a) - qRed(b);
  const int dg = qGreen(a) - qGreen(b);
  const int db = qBlue(a) - qBlue(b);
  return dr * dr + dg * dg + db * db;
}

}  // namespace

bool SaveIndexedBitmap(const QImage& source, const QString& path) {
  const QImage image = source.convertToFormat(QImage::Format_RGB32);
  // The most frequent colours form the palette; the rare edge shades map to the nearest one.
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x)
      ++counts[line[x] | 0xFF000000u];
  }
  std::vector<std::pair<int, QRgb>> ranked;
  ranked.reserve(static_cast<std::size_t>(counts.size()));
  for (auto it = counts.cbegin(); it != counts.cend(); ++it)
    ranked.emplace_back(it.value(), it.key());
  std::sort(ranked.begin(), ranked.end(), [](const auto& a, const auto& b) {
    return a.first != b.first ? a.first > b.first : a.second < b.second;
  });
  QList<QRgb> palette;
  for (std::size_t i = 0; i < ranked.size() && i < 256; ++i)
    palette.push_back(ranked[i].second);

  QHash<QRgb, int> nearest;
  QImage indexed(image.size(), QImage::Format_Indexed8);
  indexed.setColorTable(palette);
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    uchar* out = indexed.scanLine(y);
    for (int x = 0; x < image.width(); ++x) {
      const QRgb colour = line[x] | 0xFF000000u;
      auto found = nearest.constFind(colour);
      if (found == nearest.cend()) {
        int best = 0;
        for (int i = 1; i < palette.size(); ++i) {
          if (Distance(palette[i], colour) < Distance(palette[best], colour)) best = i;
        }
        found = nearest.insert(colour, best);
      }
      out[x] = static_cast<uchar>(found.value());
    }
  }
  return indexed.save(path, "BMP");
}

}  // namespace art
