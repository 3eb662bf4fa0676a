#pragma once

namespace zunda {

struct Game;

enum class MouseButton { Left, Right, Middle };
// Modifier keys held with a mouse button, as a bit set.
inline constexpr int kShiftKey = 1;
inline constexpr int kCtrlKey = 2;
inline constexpr int kAltKey = 4;

// The turn cycle is waiting for the human seat to lead or answer.
bool HumanAwaited(const Game& g);

// --- Entry points of the window (each runs inside the game's guard). ---
// A click on slot 1..36 of the hand display.
void ImgHandMouseUp(Game& g, int index, MouseButton button, int shift);
void CmdSendClick(Game& g);
void CmdPassClick(Game& g);
void CmdReturnClick(Game& g);
// The hidden peek mode: the right button with Ctrl and Shift on a seat's name label arms it,
// a double click on another seat's label shows that seat's hand, and the next mouse movement
// over a name label or the hand brings the human's own hand back.
void LblNameMouseDown(Game& g, int seat, MouseButton button, int shift);
void LblNameDblClick(Game& g, int seat);
void PeekMouseMove(Game& g);

// --- The steps behind them. ---
// A left click: selects the clicked card's set, or plays the raised cards when it lands on a
// raised card. True when the raised cards may be laid and their play was posted.
bool PlayClick(Game& g, int index);
// A right click: raises or lowers single cards.
void SplitClick(Game& g, int index);
// Raises the whole set of the clicked card, cut to the size of the table play.
void SelectSet(Game& g, int index);
// A pass (or fold) of the human: the prompt and the pass button go, a burn ends. The turn
// cycle then goes on to the step after the human's answer; also the automatic pass.
void HumanPass(Game& g);
// The turn cycle's step when the human is to answer: pass button, prompt, automatic pass.
// True when the human cannot beat the table and was passed at once.
bool PromptForHuman(Game& g);

}  // namespace zunda
