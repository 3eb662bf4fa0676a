#include "store/start_up.h"

#include <QString>

#include "core/game.h"
#include "core/save_messages.h"
#include "core/startup_defaults.h"
#include "store/file_system.h"
#include "store/option_file.h"
#include "store/program_folder.h"

namespace zunda {

namespace {

const char* const kSmallScreenMessage =
    "请将Windows屏幕分辨率设置到800x600小字体模式或更高分辨率再运行本软件，具体调整方式请见本软件"
    "FAQ提示。";
const char* const kAlreadyRunningMessage =
    "本软件已经在运行了！\n请试着点击屏幕最下面任务栏中的应用程序即可调出。";
const char* const kFirstRunMessage = "软件初次运行，初始化运行参数建立完毕。请退出后再运行。";
// Telling the user the parameters were created when they were not would send them round
// the same loop at every start.
const char* const kCannotCreateMessage =
    "无法在程序文件夹中建立配置文件“%1”（%2），请检查该文件夹是否允许写入。";

bool OptionFileExists(const Game& g) {
  return Files().Stamp(QString::fromStdString(OptionFilePath(g))).has_value();
}

}  // namespace

bool ScreenLargeEnough(int width, int height) {
  return width >= kMinScreenWidth && height >= kMinScreenHeight;
}

StartUpResult BeginStartUp(Game& g, const StartUpContext& context) {
  if (!ScreenLargeEnough(context.ScreenWidth, context.ScreenHeight)) {
    g.Msg(kSmallScreenMessage);
    return StartUpResult::EndProgram;
  }
  if (context.AnotherCopyRunning && context.AnotherCopyRunning()) {
    g.Msg(kAlreadyRunningMessage);
    return StartUpResult::EndProgram;
  }
  g.AppPath = MakeAppPath(context.ProgramFolder);
  SetStartupDefaults(g);
  if (!OptionFileExists(g)) {
    const SaveResult written = WriteDefaultOptions(g);
    g.Msg(written.Ok() ? kFirstRunMessage
                       : FillIn(kCannotCreateMessage, {written.File, WriteFaultText(written)}));
    return StartUpResult::EndProgram;
  }
  return StartUpResult::Continue;
}

StartUpResult StartUp(Game& g, const StartUpContext& context) {
  if (BeginStartUp(g, context) == StartUpResult::EndProgram) return StartUpResult::EndProgram;
  LoadWaits(g);
  return StartUpResult::Continue;
}

}  // namespace zunda
