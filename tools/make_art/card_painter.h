#pragma once

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QString>
#include <array>

namespace art {

inline constexpr int kCardWidth = 132;
inline constexpr int kCardHeight = 180;

enum class Ornament { Plain, Paris, Military };

// Everything that tells one skin's faces from another's.
struct CardStyle {
  QColor paper;
  QColor edge;
  std::array<QColor, 4> suitColours;  // clubs, diamonds, hearts, spades
  QColor courtPanel;
  QColor courtAccent;
  QString rankFamily;
  int rankStretch = 100;
  Ornament ornament = Ornament::Plain;
};

CardStyle NormalStyle();
CardStyle ParisStyle();
CardStyle MilitaryStyle();

// The suit symbol in a unit box (0..1 on both axes), pointing up.
QPainterPath SuitPath(char suit);

// The face of one card code ("C03" .. "S15", "J16", "J17").
QImage PaintCard(const QString& code, const CardStyle& style);

}  // namespace art
