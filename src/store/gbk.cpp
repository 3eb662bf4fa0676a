#include "store/gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include "core/fatal.h"

namespace zunda {

namespace {
constexpr const char* kCodePage = "GBK";
}  // namespace

// Making a converter looks the code page up by name each time, which costs far more than
// converting a line; stateless converters can be kept and used again.
QByteArray ToGbk(const QString& text) {
  thread_local QStringEncoder encoder(kCodePage, QStringConverter::Flag::Stateless);
  if (!encoder.isValid()) Fatal("Err:GBK");
  return encoder.encode(text);
}

QString FromGbk(const QByteArray& bytes) {
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
