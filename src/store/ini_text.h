#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zunda {

// The program writes its text files in GBK. A file a player saved from a text editor may come
// back in UTF-8, with or without a byte-order mark; it is read as such and keeps its encoding
// when the program writes it again.
enum class TextEncoding { Gbk, Utf8, Utf8WithMark };

inline constexpr QByteArrayView kUtf8Mark("\xEF\xBB\xBF", 3);

// UTF-8 when the bytes start with the mark, or when they are valid UTF-8 but not GBK text of
// the common (GB2312) characters: Chinese in GBK is hardly ever valid UTF-8, and Chinese in
// UTF-8 hardly ever pairs up into common GBK characters. GBK otherwise, the program's own.
TextEncoding DetectEncoding(QByteArrayView bytes);

QString Decode(QByteArrayView bytes, TextEncoding encoding);
QByteArray Encode(const QString& text, TextEncoding encoding);

// The longest prefix of at most maxBytes that does not split a character.
QByteArray CutText(const QByteArray& bytes, qsizetype maxBytes, TextEncoding encoding);

// The bytes after any byte-order mark. False when they hold a NUL or a byte that is part of no
// character of the encoding: what a damaged disk or a file of another kind leaves, never what an
// editor writes.
bool IsCleanText(QByteArrayView bytes, TextEncoding encoding);

}  // namespace zunda
