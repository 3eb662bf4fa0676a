#include "command_line.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "store/program_home.h"
#include "zunda/version.h"

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
  QCoreApplication::setApplicationVersion(
      QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));
  parser.addHelpOption();
  parser.addVersionOption();
  const QCommandLineOption home(
      QStringLiteral("home"),
      QStringLiteral("Program folder holding Option.ini, scores and saved hands (default: the "
                     "executable's folder, or ~/.local/share/zunda when installed)."),
      QStringLiteral("DIR"));
  const QCommandLineOption seed(QStringLiteral("seed"),
                                QStringLiteral("Seed of the card shuffle, for a repeatable game."),
                                QStringLiteral("N"));
  const QCommandLineOption autoplay(
      QStringLiteral("autoplay"),
      QStringLiteral("Let the computer play seat 1 too: a demo that starts a game at once."));
  const QCommandLineOption quitAfterPaint(
      QStringLiteral("quit-after-first-paint"),
      QStringLiteral("Exit as soon as the main window has been painted once."));
  const QCommandLineOption quitAfterStart(
      QStringLiteral("quit-after-start"),
      QStringLiteral("Exit as soon as the start is complete: settings and scores read, the "
                     "player logged in."));
  const QCommandLineOption screenshot(
      QStringLiteral("screenshot"),
      QStringLiteral("Save a picture of the main window to FILE after a while, then exit."),
      QStringLiteral("FILE"));
  const QCommandLineOption screenshotDelay(
      QStringLiteral("screenshot-delay"),
      QStringLiteral("Milliseconds before --screenshot is taken (default 6000)."),
      QStringLiteral("MS"));
  parser.addOption(screenshot);
  parser.addOption(screenshotDelay);
  parser.addOption(home);
  parser.addOption(seed);
  parser.addOption(autoplay);
  parser.addOption(quitAfterPaint);
  parser.addOption(quitAfterStart);
  if (!parser.parse(app.arguments())) Refuse(parser.errorText());
  if (parser.isSet(QStringLiteral("help"))) parser.showHelp(0);
  if (parser.isSet(QStringLiteral("version"))) parser.showVersion();
  if (!parser.positionalArguments().isEmpty()) {
    Refuse(QStringLiteral("unexpected argument ") + parser.positionalArguments().first());
  }

  CommandLine result;
  std::optional<std::filesystem::path> homeFolder;
  if (parser.isSet(home)) {
    const QString folder = parser.value(home);
    if (!QFileInfo(folder).isDir()) Refuse(QStringLiteral("no such folder: ") + folder);
    homeFolder = folder.toStdString();
  }
  const ProgramHome chosen = ChooseProgramHome(QCoreApplication::applicationDirPath().toStdString(),
                                               homeFolder, UserDataFolder());
  result.ProgramFolder = chosen.Folder.string();
  result.ShippedData = chosen.ShippedData.string();
  if (parser.isSet(seed)) {
    bool ok = false;
    const qulonglong value = parser.value(seed).toULongLong(&ok);
    if (!ok) Refuse(QStringLiteral("--seed needs a whole number, not ") + parser.value(seed));
    result.Seed = value;
  }
  result.Autoplay = parser.isSet(autoplay);
  result.Screenshot = parser.value(screenshot).toStdString();
  if (parser.isSet(screenshotDelay)) {
    bool ok = false;
    result.ScreenshotDelayMs = parser.value(screenshotDelay).toInt(&ok);
    if (!ok || result.ScreenshotDelayMs < 0)
      Refuse(QStringLiteral("--screenshot-delay needs milliseconds"));
  }
  result.QuitAfterFirstPaint = parser.isSet(quitAfterPaint);
  result.QuitAfterStart = parser.isSet(quitAfterStart);
  return result;
}

bool AsksOnlyForText(int argc, char* argv[]) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h" || arg == "--help-all" || arg == "-?" ||
        arg == "--version" || arg == "-v") {
      return true;
    }
  }
  return false;
}

}  // namespace zunda
