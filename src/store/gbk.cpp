#include "store/gbk.h"

#include <QByteArrayView>
#include <QStringDecoder>
#include <QStringEncoder>
#include <algorithm>

#include "core/fatal.h"

namespace zunda {

namespace {

constexpr const char* kCodePage = "GBK";

bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

bool IsAscii(QStringView text) {
  return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

}  // namespace

// GBK keeps ASCII as it is, so most lines of the program's files need no converter. Finding
// the converter costs far more than converting a line, and the files are read line by line
// once per key, so each thread keeps one; stateless converters carry nothing between calls.
QByteArray ToGbk(const QString& text) {
  if (IsAscii(text)) return text.toLatin1();
  thread_local QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) Fatal("Err:GBK");
  return encoder.encode(text);
}

QString FromGbk(QByteArrayView bytes) {
  if (IsAscii(bytes)) return QString::fromLatin1(bytes);
  thread_local QStringDecoder decoder(kCodePage, QStringConverter::Flag::Stateless);
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
