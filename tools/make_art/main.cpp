// Writes every picture of the program into a data folder (argument 1, default "data").
// `make_art --sheet FILE.png` draws all card faces into one picture instead;
// `make_art --icon FILE.png` draws the program's icon for the desktop menu.
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextStream>
#include <cstdio>

#include "card_painter.h"
#include "indexed_bitmap.h"
#include "scenery.h"

namespace {

const char* const kSuits = "CDHS";

QStringList CardCodes() {
  QStringList codes;
  for (int s = 0; s < 4; ++s) {
    for (int rank = 3; rank <= 15; ++rank) {
      codes
          << QStringLiteral("%1%2").arg(QChar::fromLatin1(kSuits[s])).arg(rank, 2, 10, QChar('0'));
    }
  }
  codes << QStringLiteral("J16") << QStringLiteral("J17");
  return codes;
}

bool Save(const QImage& image, const QString& path, const char* format, int quality = -1) {
  if (image.save(path, format, quality)) return true;
  std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
  return false;
}

// skin.ini with CRLF line ends, as the program's other INI files.
bool WriteSkinIni(const QString& folder, const QString& name, const QString& background,
                  const QStringList& codes, const QString& extension) {
  QFile file(folder + QStringLiteral("/skin.ini"));
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
  QTextStream out(&file);
  out << "[Skin]\r\nName=" << name << "\r\n\r\n[Picture]\r\n";
  if (!background.isEmpty()) out << "Background=" << background << "\r\n";
  for (const QString& code : codes) {
    if (!extension.isEmpty()) out << code << '=' << code.toLower() << extension << "\r\n";
  }
  return true;
}

bool MakeSkin(const QString& root, const QString& name, const art::CardStyle& style,
              const QImage& tile) {
  const QString folder = root + QStringLiteral("/Skins/") + name;
  QDir().mkpath(folder);
  const QStringList codes = CardCodes();
  bool ok = Save(tile, folder + QStringLiteral("/background.jpg"), "JPG", 82);
  for (const QString& code : codes) {
    const QImage face = art::PaintCard(code, style);
    ok = Save(face, folder + '/' + code.toLower() + QStringLiteral(".png"), "PNG") && ok;
  }
  ok = Save(art::PaintCard(QStringLiteral("J17"), style), folder + QStringLiteral("/j17.jpg"),
            "JPG", 90) &&
       ok;
  ok = Save(art::PaintCard(QStringLiteral("D13"), style), folder + QStringLiteral("/d13.jpg"),
            "JPG", 90) &&
       ok;
  return WriteSkinIni(folder, name, QStringLiteral("background.jpg"), codes,
                      QStringLiteral(".png")) &&
         ok;
}

bool MakeNormal(const QString& root) {
  const QString folder = root + QStringLiteral("/Skins/Normal");
  QDir().mkpath(folder);
  bool ok = true;
  for (const QString& code : CardCodes()) {
    // Cards are drawn on transparent corners; the bitmap gets the felt colour behind them.
    QImage face(art::kCardWidth, art::kCardHeight, QImage::Format_RGB32);
    face.fill(QColor(22, 104, 56));
    {
      QPainter p(&face);
      p.drawImage(0, 0, art::PaintCard(code, art::NormalStyle()));
    }
    if (!art::SaveIndexedBitmap(face, folder + '/' + code + QStringLiteral(".bmp"))) {
      std::fprintf(stderr, "cannot write %s.bmp\n", qPrintable(code));
      ok = false;
    }
  }
  ok = Save(art::FeltTile(), folder + QStringLiteral("/background.jpg"), "JPG", 82) && ok;
  return WriteSkinIni(folder, QStringLiteral("Normal"), QString(), CardCodes(), QString()) && ok;
}

// One picture with every face of the three skins side by side, to look at them all at once.
bool MakeContactSheet(const QString& path) {
  const QStringList codes = CardCodes();
  const art::CardStyle styles[] = {art::NormalStyle(), art::ParisStyle(), art::MilitaryStyle()};
  const int columns = 18;
  const int rows = (static_cast<int>(codes.size()) + columns - 1) / columns;
  QImage sheet(columns * (art::kCardWidth + 4), 3 * rows * (art::kCardHeight + 4),
               QImage::Format_RGB32);
  sheet.fill(QColor(22, 104, 56));
  QPainter p(&sheet);
  for (int s = 0; s < 3; ++s) {
    for (int i = 0; i < codes.size(); ++i) {
      const int x = (i % columns) * (art::kCardWidth + 4);
      const int y = (s * rows + i / columns) * (art::kCardHeight + 4);
      p.drawImage(x, y, art::PaintCard(codes[i], styles[s]));
    }
  }
  return Save(sheet, path, "PNG");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc > 2 && QString::fromLatin1(argv[1]) == QStringLiteral("--sheet")) {
    return MakeContactSheet(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
  }
  if (argc > 2 && QString::fromLatin1(argv[1]) == QStringLiteral("--icon")) {
    return Save(art::ProgramIcon(), QString::fromLocal8Bit(argv[2]), "PNG") ? 0 : 1;
  }
  const QString root = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("data");
  QDir().mkpath(root + QStringLiteral("/Data"));

  bool ok = MakeNormal(root);
  ok = MakeSkin(root, QStringLiteral("ParisDress"), art::ParisStyle(), art::DamaskTile()) && ok;
  ok =
      MakeSkin(root, QStringLiteral("military"), art::MilitaryStyle(), art::CamouflageTile()) && ok;
  const QString data = root + QStringLiteral("/Data/");
  ok = Save(art::PassIcon(), data + QStringLiteral("pass.ico"), "ICO") && ok;
  ok = Save(art::FoldIcon(), data + QStringLiteral("capit.ico"), "ICO") && ok;
  ok = Save(art::ProgramIcon(), data + QStringLiteral("zunda.ico"), "ICO") && ok;
  ok = Save(art::SplashPicture(), data + QStringLiteral("splash.jpg"), "JPG", 88) && ok;
  return ok ? 0 : 1;
}
