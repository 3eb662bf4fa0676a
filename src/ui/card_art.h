#pragma once

#include <QByteArray>
#include <QString>

namespace zunda {

// The texts a face shows in its corners besides ranks and suits: the jokers' names, one
// glyph a line (the program's language decides them).
struct CardArtTexts {
  QString smallJoker = QStringLiteral("小虎");
  QString bigJoker = QStringLiteral("大虎");
};

// Width and height of a face in the units of its picture.
inline constexpr int kArtWidth = 200;
inline constexpr int kArtHeight = 270;

// Our own card face for a card code ("C03" .. "S15", "J16", "J17") as an SVG picture,
// composed from the rank, the suit glyph and the layout of pips, so that it can be drawn
// sharp at any size. The left strip that a fanned hand leaves uncovered carries the rank over
// the suit. An unknown code gives a blank face with the code written on it.
QByteArray CardFaceSvg(const QString& code, const CardArtTexts& texts);

}  // namespace zunda
