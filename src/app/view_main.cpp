// zunda-view: shows the main window over a fixed sample state, without the engine. Used to
// look at the table while the game is being put together, and by scripts/screenshot.
//   zunda-view [--demo-state] [--skin NAME] [--size WxH] [--screenshot FILE.png]
#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>
#include <cstdio>

#include "core/cards.h"
#include "core/display.h"
#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "core/text.h"
#include "ui/main_window.h"
#include "ui/skin_ini.h"
#include "ui/skins.h"

namespace {

using namespace zunda;

void Lay(Game& g, int seat, const std::vector<std::string>& codes, int top) {
  for (std::size_t k = 0; k < codes.size(); ++k) {
    CardImage& image = g.Win.ImgTable[20 * (seat - 1) + static_cast<int>(k) + 1];
    image.Tag = codes[k];
    image.Left = 60 + 180 * static_cast<int>(k);
    image.Top = top;
    image.Visible = true;
  }
}

// A dealt hand laid out as the hand display does: jokers first, a gap before each rank group
// from the twos down, the sevens raised.
void DealSampleHand(Game& g) {
  const std::vector<std::pair<int, std::string>> held = {
      {17, "J"},   {16, "J"},  {15, "HCS"}, {14, "DS"}, {13, "HCD"},
      {12, "S"},   {11, "HD"}, {10, "CCS"}, {9, "HH"},  {8, "DSC"},
      {7, "HSDC"}, {6, "D"},   {5, "SHC"},  {4, "CD"},  {3, "HSDD"}};
  int slot = 0;
  int left = 60;
  for (const auto& [rank, suits] : held) {
    if (left != 60 && rank <= 15) left += 140;
    for (char suit : suits) {
      Image& image = g.Win.ImgHand[++slot];
      char code[4];
      std::snprintf(code, sizeof code, "%c%02d", suit, rank);
      image.Tag = code;
      image.Left = left;
      image.Top = rank == 7 ? kHandRaised : kHandLowered;
      image.Visible = true;
      image.ToolTipText = Trim(RankLabel(rank)) + " " + std::to_string(suits.size()) +
                          "张. 鼠标左键选整套,右键拆牌,双击直接出牌 ";
      left += 180;
    }
  }
}

void FillDemoState(Game& g) {
  SetStartupDefaults(g);
  for (int seat = 1; seat <= kSeats; ++seat) {
    g.Win.LblName[seat].ToolTipText = "剩余牌: " + std::to_string(36 - 3 * seat) + "张";
  }
  g.Win.LblName[2].BackColor = kColorPassed;
  g.Win.LblName[5].BackColor = kColorOut;
  g.Win.LblName[5].Caption = "Edrik 头科";
  g.Win.Frame1[5].ToolTipText = "该家没有出牌";
  Lay(g, 4, {"J16", "C15", "D13", "H13", "S13"}, 120);
  Lay(g, 3, {"H12", "C12", "S12"}, 120);
  Lay(g, 6, {"D10", "H10"}, 600);
  Lay(g, 1, {"S09", "D09"}, 120);
  DealSampleHand(g);
  g.Win.CmdSend = {true, true, false, "嘿嘿,一手小牌", ""};
  g.Win.CmdPass = {true, true, true, "过牌", "\\pass.ico"};
  g.Win.CmdReturn = {true, true, false, "点错牌了，全部收回来吧", ""};
  ShowPrompt(g, " 请选择一手牌或过牌 ");
  AddEventLine(g, "Aldor", "2张9");
  AddEventLine(g, "Bersa", "过牌");
  AddEventLine(g, "Corvan", "3张Q");
  AddEventLine(g, "Delis", "3张K 带 1张钱 1张小虎");
  AddEventLine(g, "Edrik", "出完了 -- 头科");
  AddEventLine(g, "Fanya", "2张10");
  for (const char* line : {"排行榜", "1. Aldor   128", "2. Corvan   96", "3. Fanya    64"}) {
    g.Win.LstTalk.AddItem(line);
  }
  g.Win.LblStatusBar[0].Caption = " 已经发出的牌: 大虎:2 小虎:1 钱:3 A:4 K:5 Q:3 J:0 10:2 ";
  g.CurrentSeat = 1;
  g.Win.TurnMarkerRunning = true;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption demo("demo-state", "Show a sample hand in play.");
  const QCommandLineOption skin("skin", "Skin folder to use.", "name", "ParisDress");
  const QCommandLineOption size("size", "Window size.", "WxH", "800x600");
  const QCommandLineOption shot("screenshot", "Save the window to a PNG and quit.", "file");
  parser.addOptions({demo, skin, size, shot});
  parser.process(app);

  ScriptedHost host;
  Game game(host);
  game.AppPath = QCoreApplication::applicationDirPath().toStdString();
  SetStartupDefaults(game);
  if (parser.isSet(demo)) FillDemoState(game);
  game.Options.SkinsList = {"Normal", "ParisDress", "military"};
  game.Options.CurSkin = parser.value(skin).toStdString();
  LoadSkins(game.Skins, game.Options, game.AppPath, OpenSkinIni);

  MainWindow window(game);
  const QStringList wh = parser.value(size).split(QLatin1Char('x'));
  if (wh.size() == 2) window.resize(wh[0].toInt(), wh[1].toInt());
  window.refresh();
  window.show();
  if (parser.isSet(shot)) {
    QTimer::singleShot(600, &window, [&] {
      const bool saved = window.grab().save(parser.value(shot), "PNG");
      QApplication::exit(saved ? 0 : 1);
    });
  }
  return QApplication::exec();
}
