#include <benchmark/benchmark.h>

#include <QFile>
#include <QTemporaryDir>
#include <string>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "store/gbk.h"
#include "store/ini_file.h"
#include "store/option_file.h"

namespace zunda {
namespace {

// An option file with every player and a music list of Chinese titles: the largest the
// options dialog makes has a thousand pieces; a list pasted in by hand may hold a million
// (30 MB), of which the program reads the first thousand.
QByteArray FullOptionFile(int pieces) {
  QString text = "[Player]\r\nNum=31\r\nCur=0\r\nRemember=0\r\n";
  for (int i = 0; i < 31; ++i) {
    const QString index = QString::number(i).rightJustified(2, QLatin1Char('0'));
    text += "Name" + index + "=玩家" + index + QString(24, QLatin1Char(' ')) + "\r\n";
    text += "PW" + index + "=" + QString(12, QLatin1Char(' ')) + "\r\n";
  }
  text += "[Skins]\r\nCurSkin=Normal\r\nSkinsList=Normal,ParisDress,military\r\n";
  text += "[BackMusic]\r\nBackMusicCtrl0=1\r\nBackMusicCtrl1=1\r\n";
  text += "Count=" + QString::number(pieces) + "\r\nCurBackMusic=0\r\n";
  for (int i = 0; i < pieces; ++i)
    text += QString::number(i) + "=背景音乐" + QString::number(i) + ".mid\r\n";
  return ToGbk(text);
}

void BM_LoadFullOptionFile(benchmark::State& state) {
  QTemporaryDir folder;
  QFile file(folder.filePath("Option.ini"));
  if (!file.open(QIODevice::WriteOnly)) {
    state.SkipWithError("cannot write the option file");
    return;
  }
  file.write(FullOptionFile(static_cast<int>(state.range(0))));
  file.close();
  ScriptedHost host(7);
  Game g(host);
  SetStartupDefaults(g);
  g.AppPath = folder.path().toStdString();
  // Each load is a start's: the file is read and parsed anew.
  for (auto _ : state) {
    ForgetIniFiles();
    benchmark::DoNotOptimize(LoadOptions(g));
  }
  ForgetIniFiles();
}
BENCHMARK(BM_LoadFullOptionFile)->Arg(0)->Arg(1000)->Arg(1200000)->Unit(benchmark::kMillisecond);

// The options dialog's OK, at start-up after the log-in and at exit: the whole file written.
void BM_SaveFullOptionFile(benchmark::State& state) {
  QTemporaryDir folder;
  ScriptedHost host(7);
  Game g(host);
  SetStartupDefaults(g);
  g.AppPath = folder.path().toStdString();
  g.Options.PlayerNum = 31;
  for (int i = 0; i < state.range(0); ++i) {
    g.Options.MusicList.push_back("背景音乐" + std::to_string(i) + ".mid");
  }
  for (auto _ : state) {
    SaveOptions(g);
  }
}
BENCHMARK(BM_SaveFullOptionFile)->Arg(0)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zunda
