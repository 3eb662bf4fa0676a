#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>
#include <memory>

#include "command_line.h"
#include "core/game.h"
#include "core/text.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "store/program_lock.h"
#include "store/start_up.h"
#include "ui/first_paint.h"
#include "ui/game_controller.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_host.h"
#include "ui/skin_ini.h"
#include "ui/skins.h"

namespace {

zunda::OptionsDialogHooks MakeHooks(zunda::Game& game) {
  zunda::OptionsDialogHooks hooks;
  hooks.SkinPreview = [&game](const std::string& skin) {
    std::vector<std::string> files;
    for (const auto& path : zunda::SkinPreviewPictures(game.AppPath, skin)) {
      files.push_back(path.string());
    }
    return files;
  };
  hooks.ImportSkin = [&game](const std::string& iniPath) {
    if (zunda::ImportSkin(game, game.AppPath, iniPath, zunda::OpenSkinIni) !=
        zunda::SkinImportResult::Imported) {
      return std::string();
    }
    const std::string saved = zunda::OpenSkinIni(iniPath)("Skin", "Name");
    zunda::SaveOptions(game);
    return zunda::Trim(saved);
  };
  return hooks;
}

}  // namespace

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

  // From here on a damaged file or a missing picture never stops the start.
  zunda::Game& g = *game;
  zunda::LoadSkins(g.Skins, g.Options, g.AppPath, zunda::OpenSkinIni);
  QSplashScreen splash(
      QPixmap(QString::fromStdString(zunda::ProgramFile(g, g.DataDir + "\\splash.jpg"))));
  if (!args.QuitAfterFirstPaint) {
    splash.show();
    QApplication::processEvents();
  }

  zunda::MainWindow window(g, g.AppPath);
  host.SetMainWindow(&window);
  if (args.QuitAfterFirstPaint) zunda::QuitAfterFirstPaint(window);
  window.show();
  QApplication::processEvents();
  if (args.QuitAfterFirstPaint) return QApplication::exec();

  if (zunda::LoadOptions(g) == zunda::OptionsLoadResult::RebuiltEndProgram) return 0;
  const zunda::OptionsDialogHooks hooks = MakeHooks(g);
  splash.finish(&window);
  if (zunda::LogInPlayer(g, &window, hooks) == zunda::OptionsDialogResult::QuitRequested) {
    return 0;
  }

  zunda::GameController controller(g, window, hooks);
  controller.Sync();
  if (args.Autoplay) {
    controller.SetAutoplay(true);
    QTimer::singleShot(0, &controller, [&controller] { controller.StartDemo(); });
  }
  if (!args.Screenshot.empty()) {
    QTimer::singleShot(args.ScreenshotDelayMs, &window, [&window, &args] {
      window.grab().save(QString::fromStdString(args.Screenshot));
      QCoreApplication::exit(0);
    });
  }
  return QApplication::exec();
}
