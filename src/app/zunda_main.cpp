#include <QApplication>
#include <QMainWindow>
#include <QScreen>
#include <memory>

#include "command_line.h"
#include "core/game.h"
#include "store/program_lock.h"
#include "store/start_up.h"
#include "ui/qt_host.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const zunda::CommandLine args = zunda::ParseCommandLine(app);

  zunda::QtHost host(args.Seed ? *args.Seed : zunda::Rng::EntropySeed());
  // Game is large and lives for the whole run.
  auto game = std::make_unique<zunda::Game>(host);
  zunda::ProgramLock lock(args.ProgramFolder);
  const QScreen* primary = QGuiApplication::primaryScreen();
  const QSize screen = primary != nullptr ? primary->size() : QSize(0, 0);
  const zunda::StartUpContext context{args.ProgramFolder, screen.width(), screen.height(),
                                      [&lock] { return lock.HeldByAnotherCopy(); }};
  if (zunda::StartUp(*game, context) == zunda::StartUpResult::EndProgram) return 0;

  QMainWindow window;
  window.setWindowTitle(QStringLiteral("Zunda扑克游戏  "));
  window.resize(800, 600);
  host.SetMainWindow(&window);
  window.show();
  return QApplication::exec();
}
