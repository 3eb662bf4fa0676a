#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace zunda {

// Text files of the program are stored in GBK, the Chinese ANSI code page. Characters GBK
// cannot hold are written as '?'; bytes that are not valid GBK read as U+FFFD.
QByteArray ToGbk(const QString& text);
QString FromGbk(QByteArrayView bytes);

// The longest prefix of GBK bytes of at most maxBytes that does not split a double-byte
// character.
QByteArray CutGbk(const QByteArray& bytes, qsizetype maxBytes);

}  // namespace zunda
