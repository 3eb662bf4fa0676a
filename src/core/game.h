#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "core/action.h"
#include "core/ai_state.h"
#include "core/burn_state.h"
#include "core/cards.h"
#include "core/checked_array.h"
#include "core/controls.h"
#include "core/deal_state.h"
#include "core/extras_state.h"
#include "core/finish_state.h"
#include "core/flow_state.h"
#include "core/game_store.h"
#include "core/hand_record.h"
#include "core/host.h"
#include "core/input_state.h"
#include "core/model.h"
#include "core/options.h"
#include "core/skin_state.h"
#include "core/storage_state.h"
#include "core/table_state.h"
#include "core/tribute_state.h"
#include "core/turn_step.h"

namespace zunda {

class DecisionObserver;

// The whole state of a running program. Rules are free functions that take a Game; nothing
// mutable lives anywhere else, so a test makes a fresh game in one line.
struct Game {
  explicit Game(Host& h) : host(&h) {}

  Host* host;
  // Set once a fatal error has been reported: the engine never continues on a broken model.
  bool Stopped = false;
  int ErrorCode = 0;

  // Folders and start-up values.
  std::string AppPath;
  std::string DataDir = "\\Data";
  std::string HelpDir = "\\Help";
  std::string SkinDir = "\\Skin";
  std::string SoundDir = "\\Sound";
  std::string VersionText;
  bool OptionFilePresent = false;
  // Whether "var.znd" (the saved hand) exists in the program folder. The engine has no file
  // access, so the host layer that owns the files sets this; unset means no saved hand.
  std::function<bool()> SavedHandExists;
  // Saved hands, run data and scores; null when nothing is to be stored.
  GameStore* Store = nullptr;
  // Told of every decision of a computer seat in the turn cycle; null when nobody watches.
  DecisionObserver* Decisions = nullptr;
  int PlayerCount = 0;
  Arr<int, kLowRank, kBigJoker> CardWeight;

  // Cards, hands and seats.
  DeckArray Deck;
  DeckArray DeckCopy;
  HandGrid Hand;
  HandGrid DealtHand;
  Arr<SeatRecord, 1, kSeats> Seats;
  PlayRecord TablePlay;
  PlayRecord Selection;
  PlayRecord PrevTablePlay;
  Arr<int, kLowRank, kBigJoker> PlayedByRank;

  // The running hand.
  TurnStep MainCourse = TurnStep::Idle;
  int HumanSeat = 1;
  int LeadSeat = 0;
  int CurrentSeat = 0;
  Arr<int, 1, kSeats> FinishOrder;
  Arr<int, 1, kSeats> PrevFinishOrder;
  bool FirstHand = true;
  bool HandStarted = false;
  bool TripleCapture = false;
  bool BigJokerOnTable = false;
  double DelayTimeShunPai = DefaultWaits::ShunPai;
  double DelayTimeZundaPai = DefaultWaits::ZundaPai;
  double DelayTimeKouPai = DefaultWaits::KouPai;
  double DelayTimeShaoPai = DefaultWaits::ShaoPai;

  OptionsModel Options;
  MainWindowControls Win;
  TableDisplayState Table;
  TableDisplayCache TableCache;
  SkinState Skins;
  DealState Deal;
  FlowState Flow;
  BurnState Burn;
  HumanInputState Input;
  FinishState Finish;
  TributeState Tribute;
  AiState Ai;
  StorageState Storage;
  ExtrasState Extras;
  // What the handlers posted and the turn cycle has yet to apply, oldest first.
  std::deque<Action> Posted;
  // Applies the posted actions; set by the turn cycle when a tick or an apply begins, so
  // that a wait which lets events run applies what they posted right after them, as the
  // tick's own work (core cannot call the turn cycle, which sits above it).
  void (*ApplyPosted)(Game&) = nullptr;
  // The record of the hand in play; not part of the saved state.
  HandRecord Record;
  // Decks to deal instead of shuffled ones, in order (a replayed hand); empty in play.
  std::vector<RecordedDeck> PresetDecks;
  std::size_t PresetDecksDealt = 0;

  // --- The engine's ways to the world, all through the host. ---
  Host::Answer Msg(const std::string& text, Host::Buttons buttons = Host::Buttons::Ok,
                   Host::Icon icon = Host::Icon::Information) {
    return host->MessageBox(text, buttons, icon);
  }
  // Lets pending events run. If one of them stopped the game, the running step unwinds.
  void DoEvents() {
    if (!host->EventsIdle()) host->DoEvents();
    if (!Posted.empty() && ApplyPosted != nullptr) ApplyPosted(*this);
    if (Stopped) throw GameStopped();
  }
  double Random() { return host->Random(); }
  double Clock() { return host->SecondsSinceMidnight(); }

  // Runs one entry point of the engine (a tick, a click, a menu command). A fatal error
  // inside is reported once and stops the engine for good.
  template <typename F>
  void Guard(F&& body) {
    if (Stopped) return;
    try {
      body();
    } catch (const FatalError& error) {
      StopOnFatal(error.what());
    } catch (const GameStopped&) {
    }
  }
  void StopOnFatal(const std::string& text) {
    if (Stopped) return;
    Stopped = true;
    Win.TmrMainCircle.Enabled = false;
    Flow.Running = false;
    host->FatalStop(text);
  }
};

// A seat is in play while it has neither finished nor been scorched. Here rather than in
// core/seats.h, which does not know the game: it is asked several times for every decision.
inline bool InPlay(const Game& g, int seat) {
  const SeatRecord& s = g.Seats[seat];
  return !s.Finished && !s.Scorched;
}

// How many seats are in play; asked at most steps of a round.
inline int ActiveSeats(const Game& g) {
  int count = 0;
  for (int seat = 1; seat <= kSeats; ++seat)
    count += InPlay(g, seat) ? 1 : 0;
  return count;
}

}  // namespace zunda
