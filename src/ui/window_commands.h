#pragma once

namespace zunda {

// The human seat's command buttons, in the order they stand above the hand; the hint is this
// program's own addition.
enum class CommandButton { Send, Pass, Return, NotSP, ShaoHuLe, HG, Hint };
inline constexpr int kCommandButtons = 7;

// Menu items whose action belongs to the engine or to another window.
enum class MenuCommand {
  ZundaRun,
  ZundaNetRun,
  ZundaEnd,
  Boss,
  Save,
  Read,
  ForcePause,
  ZundaTopTen,
  FileExit,
  ZundaOptions,
  NetOptions,
  HelpAbout,
};

}  // namespace zunda
