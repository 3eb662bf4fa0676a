#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>

namespace zunda {

namespace {

[[noreturn]] void Refuse(const QString& reason) {
  std::fprintf(stderr, "zunda: %s\n", qPrintable(reason));
  std::exit(2);
}

}  // namespace

CommandLine ParseCommandLine(const QCoreApplication& app) {
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Zunda, a climbing card game for six seats."));
  parser.addHelpOption();
  const QCommandLineOption home(
      QStringLiteral("home"),
      QStringLiteral("Program folder holding Option.ini and the data (default: the "
                     "executable's folder)."),
      QStringLiteral("DIR"));
  const QCommandLineOption seed(QStringLiteral("seed"),
                                QStringLiteral("Seed of the card shuffle, for a repeatable game."),
                                QStringLiteral("N"));
  parser.addOption(home);
  parser.addOption(seed);
  if (!parser.parse(app.arguments())) Refuse(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (!parser.positionalArguments().isEmpty()) {
    Refuse(QStringLiteral("unexpected argument ") + parser.positionalArguments().first());
  }

  CommandLine result;
  result.ProgramFolder = QCoreApplication::applicationDirPath().toStdString();
  if (parser.isSet(home)) {
    const QString folder = parser.value(home);
    if (!QFileInfo(folder).isDir()) Refuse(QStringLiteral("no such folder: ") + folder);
    result.ProgramFolder = folder.toStdString();
  }
  if (parser.isSet(seed)) {
    bool ok = false;
    const qulonglong value = parser.value(seed).toULongLong(&ok);
    if (!ok) Refuse(QStringLiteral("--seed needs a whole number, not ") + parser.value(seed));
    result.Seed = value;
  }
  return result;
}

}  // namespace zunda
