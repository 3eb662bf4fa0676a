#include <QApplication>
#include <memory>

#include "command_line.h"
#include "core/game.h"
#include "store/program_home.h"
#include "ui/program_start.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
  if (zunda::AsksOnlyForText(argc, argv)) {
    const QCoreApplication text(argc, argv);
    zunda::ParseCommandLine(text);  // prints and ends the process
    return 0;
  }
  QApplication app(argc, argv);
  const zunda::CommandLine args = zunda::ParseCommandLine(app);
  // An installed program plays in a per-user folder that its first start fills with our data.
  zunda::PrepareProgramFolder({args.ProgramFolder, args.ShippedData});

  zunda::QtHost host(args.Seed ? *args.Seed : zunda::Rng::EntropySeed());
  // Game is large and lives for the whole run.
  auto game = std::make_unique<zunda::Game>(host);
  zunda::StartSettings settings;
  settings.ProgramFolder = args.ProgramFolder;
  settings.Autoplay = args.Autoplay;
  settings.QuitAfterFirstPaint = args.QuitAfterFirstPaint;
  settings.QuitAfterStart = args.QuitAfterStart;
  settings.Screenshot = args.Screenshot;
  settings.ScreenshotDelayMs = args.ScreenshotDelayMs;
  const auto program = zunda::StartProgram(*game, host, settings);
  if (!program) return 0;
  return QApplication::exec();
}
