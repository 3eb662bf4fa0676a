#pragma once

#include "core/controls.h"

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
  TakeBack,
  Review,
  ImportHand,
  ZundaTopTen,
  FileExit,
  ZundaOptions,
  NetOptions,
  HelpAbout,
};

// The engine's state of a command button.
inline const Button& ButtonState(const MainWindowControls& win, CommandButton which) {
  switch (which) {
    case CommandButton::Send:
      return win.CmdSend;
    case CommandButton::Pass:
      return win.CmdPass;
    case CommandButton::Return:
      return win.CmdReturn;
    case CommandButton::NotSP:
      return win.CmdNotSP;
    case CommandButton::ShaoHuLe:
      return win.CmdShaoHuLe;
    case CommandButton::HG:
      return win.CmdHG;
    case CommandButton::Hint:
      return win.CmdHint;
  }
  return win.CmdSend;
}

}  // namespace zunda
