#include "store/ini_text.h"

#include <algorithm>

#include "store/gbk.h"

namespace zunda {

namespace {

bool IsAscii(QByteArrayView bytes) {
  return std::all_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

unsigned Byte(QByteArrayView bytes, qsizetype at) {
  return static_cast<unsigned char>(bytes[at]);
}

// The length of the UTF-8 character at `at`, 0 when the bytes there are not one.
qsizetype Utf8Length(QByteArrayView bytes, qsizetype at) {
  const unsigned lead = Byte(bytes, at);
  if (lead < 0x80) return 1;
  qsizetype length = 0;
  unsigned low = 0x80;
  unsigned high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return 0;
  }
  if (at + length > bytes.size()) return 0;
  for (qsizetype i = 1; i < length; ++i) {
    const unsigned next = Byte(bytes, at + i);
    if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF)) return 0;
  }
  return length;
}

bool IsValidUtf8(QByteArrayView bytes) {
  for (qsizetype at = 0; at < bytes.size();) {
    const qsizetype length = Utf8Length(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

// The length of the GBK character at `at`, 0 when the bytes there are not one.
qsizetype GbkLength(QByteArrayView bytes, qsizetype at) {
  const unsigned lead = Byte(bytes, at);
  if (lead < 0x80) return 1;
  if (lead == 0x80) return 1;  // the euro sign of code page 936
  if (lead == 0xFF || at + 1 >= bytes.size()) return 0;
  const unsigned trail = Byte(bytes, at + 1);
  return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 0;
}

bool IsCommonGbk(QByteArrayView bytes) {
  for (qsizetype at = 0; at < bytes.size();) {
    if (Byte(bytes, at) < 0x80) {
      ++at;
      continue;
    }
    if (at + 1 >= bytes.size()) return false;
    const unsigned lead = Byte(bytes, at);
    const unsigned trail = Byte(bytes, at + 1);
    if (lead < 0xA1 || lead > 0xF7 || trail < 0xA1 || trail > 0xFE) return false;
    at += 2;
  }
  return true;
}

}  // namespace

TextEncoding DetectEncoding(QByteArrayView bytes) {
  if (bytes.startsWith(kUtf8Mark)) return TextEncoding::Utf8WithMark;
  if (IsAscii(bytes) || !IsValidUtf8(bytes) || IsCommonGbk(bytes)) return TextEncoding::Gbk;
  return TextEncoding::Utf8;
}

QString Decode(QByteArrayView bytes, TextEncoding encoding) {
  if (encoding == TextEncoding::Gbk) return FromGbk(bytes);
  return QString::fromUtf8(bytes);
}

QByteArray Encode(const QString& text, TextEncoding encoding) {
  if (encoding == TextEncoding::Gbk) return ToGbk(text);
  return text.toUtf8();
}

QByteArray CutText(const QByteArray& bytes, qsizetype maxBytes, TextEncoding encoding) {
  if (bytes.size() <= maxBytes) return bytes;
  if (encoding == TextEncoding::Gbk) return CutGbk(bytes, maxBytes);
  qsizetype end = maxBytes;
  // Back to the start of the character that the cut would split.
  while (end > 0 && (static_cast<unsigned char>(bytes[end]) & 0xC0) == 0x80)
    --end;
  return bytes.left(end);
}

bool IsCleanText(QByteArrayView bytes, TextEncoding encoding) {
  if (bytes.contains('\0')) return false;
  if (encoding != TextEncoding::Gbk) return IsValidUtf8(bytes);
  for (qsizetype at = 0; at < bytes.size();) {
    const qsizetype length = GbkLength(bytes, at);
    if (length == 0) return false;
    at += length;
  }
  return true;
}

}  // namespace zunda
