#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/checked_array.h"
#include "core/model.h"

namespace zunda {

// The state of the main window's controls that the rules read and write. The Qt window draws
// exactly this and nothing else; positions are in the layout units of the original table
// (twips), which the window turns into proportions of a card.
//
// Colours are 0xBBGGRR values as the rules name them.
inline constexpr std::uint32_t kColorNormal = 0x8000;  // seat label in play
inline constexpr std::uint32_t kColorPassed = 0xC0C0;  // seat label shaded after a pass
inline constexpr std::uint32_t kColorOut = 0xC0;       // seat label of a seat that went out
inline constexpr std::uint32_t kColorWhite = 0xFFFFFF;

struct Label {
  std::string Caption;
  std::string Tag;
  std::string ToolTipText;
  bool Visible = true;
  std::uint32_t ForeColor = kColorWhite;
  std::uint32_t BackColor = kColorNormal;
  bool Opaque = false;  // BackStyle: transparent (false) or opaque (true)
  int BorderStyle = 0;
  bool operator==(const Label&) const = default;
};

struct Button {
  bool Visible = false;
  bool Enabled = true;
  bool HasFocus = false;
  std::string ToolTipText;
  std::string Picture;  // icon file name, "" for the default look
  bool operator==(const Button&) const = default;
};

// A card picture: the card it shows and where.
struct CardImage {
  std::string Tag;  // the card code shown, "" when none
  int Top = 0;
  int Left = 0;
  bool Visible = false;
  bool operator==(const CardImage&) const = default;
};

struct Image : CardImage {
  std::string ToolTipText;
  bool operator==(const Image&) const = default;
};

struct Frame {
  bool Visible = true;
  std::string ToolTipText;
  bool operator==(const Frame&) const = default;
};

struct ListBox {
  std::vector<std::string> Items;
  int ListIndex = -1;
  bool Visible = true;
  std::string ToolTipText;

  void AddItem(const std::string& item) { Items.push_back(item); }
  void Clear() {
    Items.clear();
    ListIndex = -1;
  }
  bool operator==(const ListBox&) const = default;
};

struct Timer {
  bool Enabled = false;
  int Interval = 0;  // milliseconds
  bool operator==(const Timer&) const = default;
};

struct MenuItem {
  bool Enabled = true;
  bool Visible = true;
  bool Checked = false;
  bool operator==(const MenuItem&) const = default;
};

// Hand slots: lowered cards stand at Top 300, raised ones at Top 30.
inline constexpr int kHandLowered = 300;
inline constexpr int kHandRaised = 30;

struct MainWindowControls {
  std::string Caption = "Zunda扑克游戏  ";
  bool Minimized = false;
  // Set by the engine when the main window is to close (after the exit question).
  bool CloseRequested = false;

  Arr<Label, 1, kSeats> LblName;
  Arr<Frame, 1, kSeats> Frame1;
  // The table's card pictures, 20 to a seat's row. A row's pictures only ever get a tool tip
  // all together, after a play or when the row is cleared, so the tip is kept once a row.
  Arr<CardImage, 1, kTableSlots> ImgTable;
  Arr<std::string, 1, kSeats> ImgTableRowTip;
  Arr<Image, 1, kHandSlots> ImgHand;
  ListBox LstDispEvent;
  ListBox LstTalk;
  Label LblPrompt;
  Arr<Label, 0, 2> LblStatusBar;
  Image ImgRGB;  // the turn marker
  bool TurnMarkerRunning = false;

  Button CmdSend;
  Button CmdPass;
  Button CmdReturn;
  Button CmdNotSP;
  Button CmdShaoHuLe;
  Button CmdHG;
  // The hint: raises a set the human may lay (a convenience of this program).
  Button CmdHint;

  Timer TmrMainCircle{false, 10};
  Timer TmrDelay{false, 100};
  Timer TmrDispFCP{false, 5};
  Timer TmrPrompt{false, 1500};
  Timer TmrMedia{true, 1000};  // background music; runs from the start

  MenuItem MnuZundaRun;
  MenuItem MnuZundaEnd{false};
  MenuItem MnuSave{false};
  MenuItem MnuRead{false};
  MenuItem MnuForcePause{false};
  // The take-back (悔牌): shown when the option allows it, enabled while it can be done.
  MenuItem MnuTakeBack{false, false};

  bool operator==(const MainWindowControls&) const = default;
};

}  // namespace zunda
