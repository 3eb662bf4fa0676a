#pragma once

namespace zunda {

// The human seat's command buttons, in the order they stand above the hand.
enum class CommandButton { Send, Pass, Return, NotSP, ShaoHuLe, HG };
inline constexpr int kCommandButtons = 6;

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
