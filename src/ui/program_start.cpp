#include "ui/program_start.h"

#include "ui/skin_ini.h"

#include "core/save_messages.h"
#include "core/score_table.h"
#include "store/file_game_store.h"
#include "store/score_file.h"

#include <QApplication>
#include <QPixmap>
#include <QScreen>
#include <QSplashScreen>
#include <QTimer>

#include "core/game.h"
#include "core/text.h"
#include "store/ini_file.h"
#include "store/option_file.h"
#include "store/program_folder.h"
#include "store/program_lock.h"
#include "store/start_up.h"
#include "ui/first_paint.h"
#include "ui/game_controller.h"
#include "ui/main_window.h"
#include "ui/options_dialog.h"
#include "ui/qt_host.h"
#include "ui/skins.h"

namespace zunda {

namespace {

OptionsDialogHooks MakeHooks(Game& game) {
  OptionsDialogHooks hooks;
  hooks.SkinPreview = [&game](const std::string& skin) {
    std::vector<std::string> files;
    for (const auto& path : SkinPreviewPictures(game.AppPath, skin)) {
      files.push_back(path.string());
    }
    return files;
  };
  hooks.ImportSkin = [&game](const std::string& iniPath) {
    const auto saveList = [&game] { return WriteOptionFile(game); };
    if (ImportSkin(game, game.AppPath, iniPath, OpenSkinIni, saveList) !=
        SkinImportResult::Imported) {
      return std::string();
    }
    return Trim(OpenSkinIni(iniPath)("Skin", "Name"));
  };
  hooks.DeletePlayerScores = [&game](const std::string& name) {
    TellSaveResult(game, kScoresTopic, DeletePlayerScores(game, name));
  };
  hooks.PlayerLoggedIn = [&game] {
    LoadScores(game);
    ShowRankingInTalkList(game);
  };
  return hooks;
}

// The skin is loaded before the rest of the option file, so its two keys are read here: the
// skin list and the skin in use. Without them the table would never show the chosen skin.
OptionsModel SkinOptions(const Game& g) {
  const classIniFile ini(OptionFilePath(g));
  OptionsModel skins;
  skins.SkinsList = SplitSkinsList(CleanIniValue(ini.GetIniKey("Skins", "SkinsList")));
  skins.CurSkin = CleanIniValue(ini.GetIniKey("Skins", "CurSkin"));
  return skins;
}

QSize ScreenSize(const StartSettings& settings) {
  if (settings.Screen) return *settings.Screen;
  const QScreen* primary = QGuiApplication::primaryScreen();
  return primary != nullptr ? primary->size() : QSize(0, 0);
}

}  // namespace

RunningProgram::RunningProgram() = default;
RunningProgram::~RunningProgram() = default;

std::unique_ptr<RunningProgram> StartProgram(Game& g, QtHost& host, const StartSettings& settings) {
  std::unique_ptr<RunningProgram> program(new RunningProgram);
  program->lock_ = std::make_unique<ProgramLock>(settings.ProgramFolder);
  ProgramLock& lock = *program->lock_;
  const QSize screen = ScreenSize(settings);
  const StartUpContext context{settings.ProgramFolder, screen.width(), screen.height(),
                               [&lock] { return lock.HeldByAnotherCopy(); }};
  // Even the first messages of the start speak the player's language.
  InstallLanguage(
      settings.WindowLanguage
          ? *settings.WindowLanguage
          : ChooseLanguage(StoredLanguageChoice(settings.ProgramFolder), QLocale::system()));
  if (StartUp(g, context) == StartUpResult::EndProgram) return nullptr;

  // From here on a damaged file or a missing picture never stops the start.
  LoadSkins(g.Skins, SkinOptions(g), g.AppPath, OpenSkinIni);
  // The splash picture is only decoded when it is shown.
  const bool splashShown = settings.ShowSplash && !settings.QuitAfterFirstPaint;
  if (splashShown) {
    program->splash_ = std::make_unique<QSplashScreen>(
        QPixmap(QString::fromStdString(ProgramFile(g, g.DataDir + "\\splash.jpg"))));
    program->splash_->show();
    QApplication::processEvents();
  }

  program->window_ = std::make_unique<MainWindow>(g, g.AppPath);
  MainWindow& window = *program->window_;
  host.SetMainWindow(&window);
  if (settings.QuitAfterFirstPaint) QuitAfterFirstPaint(window);
  window.show();
  QApplication::processEvents();
  if (settings.QuitAfterFirstPaint) return program;

  if (LoadOptions(g) == OptionsLoadResult::RebuiltEndProgram) return nullptr;
  // Saved hands, run data and scores go to files in the program folder.
  program->store_ = std::make_unique<FileGameStore>();
  InstallFileStore(g, *program->store_);
  // A saved hand can be taken up as soon as the program runs, not only once a hand is dealt.
  const bool saved = g.SavedHandExists && g.SavedHandExists();
  g.Win.MnuRead.Visible = saved;
  g.Win.MnuRead.Enabled = saved;
  program->hooks_ = MakeHooks(g);
  if (splashShown) program->splash_->finish(&window);
  if (LogInPlayer(g, &window, program->hooks_) == OptionsDialogResult::QuitRequested) {
    return nullptr;
  }

  LoadScores(g);
  ShowRankingInTalkList(g);
  program->controller_ = std::make_unique<GameController>(g, window, program->hooks_);
  GameController& controller = *program->controller_;
  controller.Sync();
  if (settings.Autoplay) {
    controller.SetAutoplay(true);
    QTimer::singleShot(0, &controller, [&controller] { controller.StartDemo(); });
  }
  if (settings.QuitAfterStart) QTimer::singleShot(0, &window, [] { QCoreApplication::exit(0); });
  if (!settings.Screenshot.empty()) {
    const QString file = QString::fromStdString(settings.Screenshot);
    QTimer::singleShot(settings.ScreenshotDelayMs, &window, [&window, file] {
      window.grab().save(file);
      QCoreApplication::exit(0);
    });
  }
  return program;
}

}  // namespace zunda
