#include "store/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "core/fatal.h"

namespace zunda {

namespace {
constexpr const char* kCodePage = "GBK";

// GBK keeps ASCII as it is. Most of what the INI files hold is ASCII, and opening the
// platform's GBK converter costs far more than the text itself: start-up reads the skin file
// line by line many times.
bool IsAscii(QStringView text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}
bool IsAscii(const QByteArray& bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace

QByteArray ToGbk(const QString& text) {
  if (IsAscii(text)) return text.toLatin1();
  QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) Fatal("Err:GBK");
  return encoder.encode(text);
}

QString FromGbk(const QByteArray& bytes) {
  if (IsAscii(bytes)) return QString::fromLatin1(bytes);
  QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
  if (!decoder.isValid()) Fatal("Err:GBK");
  return decoder.decode(bytes);
}

QByteArray CutGbk(const QByteArray& bytes, qsizetype maxBytes) {
  if (bytes.size() <= maxBytes) return bytes;
  qsizetype end = 0;
  while (end < maxBytes) {
    const auto byte = static_cast<unsigned char>(bytes[end]);
    const qsizetype width = (byte >= 0x81 && byte <= 0xFE && end + 1 < bytes.size()) ? 2 : 1;
    if (end + width > maxBytes) break;
    end += width;
  }
  return bytes.left(end);
}

}  // namespace zunda
