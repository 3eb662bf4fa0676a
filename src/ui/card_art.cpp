#include "ui/card_art.h"

#include <QStringList>
#include <algorithm>
#include <utility>
#include <vector>

namespace zunda {
namespace {

constexpr const char* kRed = "#c3172e";
constexpr const char* kBlack = "#1b1b1f";
constexpr const char* kFont = "DejaVu Sans";
// The index column: the part of a card a tightly fanned hand still shows.
constexpr double kIndexCentre = 23;

// Each suit glyph in a 100 by 100 box, pointing up.
QString SuitShape(QChar suit) {
  switch (suit.toLatin1()) {
    case 'H':
      return QStringLiteral(
          "<path d='M50 94 C22 70 3 52 3 31 C3 15 15 5 29 5 C39 5 46 11 50 21 "
          "C54 11 61 5 71 5 C85 5 97 15 97 31 C97 52 78 70 50 94 Z'/>");
    case 'D':
      return QStringLiteral("<path d='M50 2 L88 50 L50 98 L12 50 Z'/>");
    case 'S':
      return QStringLiteral(
          "<path d='M50 3 C38 24 5 40 5 63 C5 78 17 86 30 86 C38 86 44 82 47 76 "
          "C46 86 42 92 33 98 L67 98 C58 92 54 86 53 76 C56 82 62 86 70 86 "
          "C83 86 95 78 95 63 C95 40 62 24 50 3 Z'/>");
    default:  // clubs
      return QStringLiteral(
          "<circle cx='50' cy='28' r='21'/><circle cx='27' cy='58' r='21'/>"
          "<circle cx='73' cy='58' r='21'/><path d='M42 50 L58 50 L58 62 L50 64 L42 62 Z'/>"
          "<path d='M46 60 L54 60 C55 78 60 90 68 98 L32 98 C40 90 45 78 46 60 Z'/>");
  }
}

QString Number(double value) {
  return QString::number(value, 'f', 2);
}

// A suit glyph of `size` centred on (x, y), turned round when `down`.
QString Pip(QChar suit, double x, double y, double size, bool down = false) {
  const double scale = size / 100;
  QString transform = QStringLiteral("translate(%1 %2)").arg(Number(x), Number(y));
  if (down) transform += QStringLiteral(" rotate(180)");
  transform += QStringLiteral(" scale(%1) translate(-50 -50)").arg(Number(scale));
  return QStringLiteral("<g transform='%1'>%2</g>").arg(transform, SuitShape(suit));
}

QString Text(const QString& text, double x, double y, double size, const char* anchor = "middle",
             const char* family = kFont) {
  QString escaped = text.toHtmlEscaped();
  return QStringLiteral(
             "<text x='%1' y='%2' font-family='%3' font-size='%4' font-weight='bold' "
             "text-anchor='%5'>%6</text>")
      .arg(Number(x), Number(y), QString::fromLatin1(family), Number(size),
           QString::fromLatin1(anchor), escaped);
}

QString RankText(int rank) {
  switch (rank) {
    case 11:
      return QStringLiteral("J");
    case 12:
      return QStringLiteral("Q");
    case 13:
      return QStringLiteral("K");
    case 14:
      return QStringLiteral("A");
    case 15:
      return QStringLiteral("2");
    default:
      return QString::number(rank);
  }
}

// Rank over suit in the top left corner; the same turned round in the bottom right.
QString Index(const QString& rank, QChar suit) {
  // Two digits are narrowed to the width of one, so that "10" fits the strip like a "9".
  QString corner = rank.size() > 1
                       ? QStringLiteral("<g transform='translate(%1 48) scale(0.62 1)'>%2</g>")
                             .arg(Number(kIndexCentre), Text(rank, 0, 0, 46))
                       : Text(rank, kIndexCentre, 48, 46);
  corner += Pip(suit, kIndexCentre, 72, 30);
  return corner + QStringLiteral("<g transform='rotate(180 %1 %2)'>%3</g>")
                      .arg(kArtWidth / 2)
                      .arg(kArtHeight / 2)
                      .arg(corner);
}

// Where the pips of the number cards stand (the two has two, the ace one big one).
std::vector<std::pair<double, double>> PipPlaces(int count) {
  const double left = 72, mid = 111, right = 150;
  const double top = 48, bottom = 222, centre = 135;
  const double row = (bottom - top) / 3;
  switch (count) {
    case 2:
      return {{mid, top}, {mid, bottom}};
    case 3:
      return {{mid, top}, {mid, centre}, {mid, bottom}};
    case 4:
      return {{left, top}, {right, top}, {left, bottom}, {right, bottom}};
    case 5:
      return {{left, top}, {right, top}, {mid, centre}, {left, bottom}, {right, bottom}};
    case 6:
    case 7:
    case 8: {
      std::vector<std::pair<double, double>> at = {{left, top},    {right, top},
                                                   {left, centre}, {right, centre},
                                                   {left, bottom}, {right, bottom}};
      if (count >= 7) at.emplace_back(mid, (top + centre) / 2);
      if (count == 8) at.emplace_back(mid, (centre + bottom) / 2);
      return at;
    }
    default: {
      std::vector<std::pair<double, double>> at;
      for (int i = 0; i < 4; ++i) {
        at.emplace_back(left, top + row * i);
        at.emplace_back(right, top + row * i);
      }
      if (count == 9) at.emplace_back(mid, centre);
      if (count == 10) {
        at.emplace_back(mid, top + row / 2);
        at.emplace_back(mid, bottom - row / 2);
      }
      return at;
    }
  }
}

QString NumberCentre(int rank, QChar suit) {
  if (rank == 14) return Pip(suit, 111, 135, 86);
  QString body;
  for (const auto& [x, y] : PipPlaces(rank == 15 ? 2 : rank))
    body += Pip(suit, x, y, 34, y > 140);
  return body;
}

// The court cards: a framed panel with the letter and the suit, our own plain design.
QString CourtCentre(int rank, QChar suit, const char* colour) {
  QString body = QStringLiteral(
                     "<rect x='50' y='26' width='122' height='218' rx='8' fill='#f4ead0' "
                     "stroke='%1' stroke-width='3'/>"
                     "<rect x='57' y='33' width='108' height='204' rx='5' fill='none' "
                     "stroke='#b08a3e' stroke-width='1.5'/>")
                     .arg(QString::fromLatin1(colour));
  body += Pip(suit, 80, 60, 30) + Pip(suit, 142, 210, 30, true);
  body += Text(RankText(rank), 111, 162, 92);
  // A crown for the king, a diadem for the queen, a plume for the jack.
  if (rank == 13) {
    body += QStringLiteral(
        "<path d='M84 92 L92 70 L102 86 L111 64 L120 86 L130 70 L138 92 Z' fill='#d8a72a'/>");
  } else if (rank == 12) {
    body += QStringLiteral(
                "<path d='M90 90 Q111 62 132 90 Q111 80 90 90 Z' fill='#d8a72a'/>"
                "<circle cx='111' cy='72' r='5' fill='%1'/>")
                .arg(QString::fromLatin1(colour));
  } else {
    body += QStringLiteral("<path d='M100 92 Q104 62 128 66 Q112 74 112 92 Z' fill='#d8a72a'/>");
  }
  return body;
}

QString JokerIndex(const QString& label) {
  // One glyph a line down the index column; Latin names get smaller glyphs.
  const QString glyphs = QString(label).remove(QLatin1Char(' '));
  const bool latin = !glyphs.isEmpty() && glyphs.at(0).unicode() < 0x2E80;
  const double size = latin ? std::min(30.0, 150.0 / std::max<qsizetype>(1, glyphs.size())) : 36;
  QString column;
  double y = 16 + size;
  for (QChar glyph : glyphs) {
    column += Text(QString(glyph), kIndexCentre, y, size);
    y += size * 1.02;
  }
  return column + QStringLiteral("<g transform='rotate(180 %1 %2)'>%3</g>")
                      .arg(kArtWidth / 2)
                      .arg(kArtHeight / 2)
                      .arg(column);
}

QString JokerCentre(bool big, const char* colour) {
  const char* inner = big ? "#f6c343" : "#9aa3ad";
  return QStringLiteral(
             "<circle cx='111' cy='135' r='56' fill='none' stroke='%2' stroke-width='4'/>"
             "<path d='M111 71 L126 116 L173 116 L135 143 L149 189 L111 161 L73 189 L87 143 "
             "L49 116 L96 116 Z'/>"
             "<path d='M111 104 L118 126 L141 126 L122 139 L129 161 L111 147 L93 161 L100 139 "
             "L81 126 L104 126 Z' fill='%1'/>")
      .arg(QString::fromLatin1(inner), QString::fromLatin1(colour));
}

}  // namespace

QByteArray CardFaceSvg(const QString& code, const CardArtTexts& texts) {
  const QChar suit = code.isEmpty() ? QChar() : code.at(0).toUpper();
  bool isNumber = false;
  const int rank = code.mid(1).toInt(&isNumber);
  const bool known =
      isNumber && ((QStringLiteral("CDHS").contains(suit) && rank >= 3 && rank <= 15) ||
                   (suit == QLatin1Char('J') && (rank == 16 || rank == 17)));
  const bool red = suit == QLatin1Char('D') || suit == QLatin1Char('H') || rank == 17;
  const char* colour = red ? kRed : kBlack;

  QString body;
  if (!known) {
    body = Text(code, 100, 145, 40);
  } else if (suit == QLatin1Char('J')) {
    body = JokerIndex(rank == 17 ? texts.bigJoker : texts.smallJoker) +
           JokerCentre(rank == 17, colour);
  } else {
    body = Index(RankText(rank), suit);
    body += rank >= 11 && rank <= 13 ? CourtCentre(rank, suit, colour) : NumberCentre(rank, suit);
  }
  const QString svg = QStringLiteral(
                          "<svg xmlns='http://www.w3.org/2000/svg' version='1.2' "
                          "baseProfile='tiny' width='%1' height='%2' viewBox='0 0 %1 %2'>"
                          "<rect x='1.5' y='1.5' width='%3' height='%4' rx='13' fill='#fffdf7' "
                          "stroke='#8a8478' stroke-width='3'/>"
                          "<g fill='%5'>%6</g></svg>")
                          .arg(kArtWidth)
                          .arg(kArtHeight)
                          .arg(kArtWidth - 3)
                          .arg(kArtHeight - 3)
                          .arg(QString::fromLatin1(colour), body);
  return svg.toUtf8();
}

}  // namespace zunda
