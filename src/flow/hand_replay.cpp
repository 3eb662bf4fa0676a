#include "flow/hand_replay.h"

#include <functional>
#include <optional>
#include <string>

#include "core/game.h"
#include "core/scripted_host.h"
#include "core/startup_defaults.h"
#include "flow/apply_action.h"
#include "flow/turn_cycle.h"
#include "players/autopilot.h"
#include "rules/burning.h"
#include "rules/hand_display.h"
#include "rules/human_input.h"
#include "rules/tribute.h"

namespace zunda {

namespace {

// No hand comes near this many steps; a replay that goes astray may.
constexpr long kMostSteps = 40000;

// The host of a replay: the questions are answered from the record.
class ReplayHost : public ScriptedHost {
 public:
  std::function<bool()> answer;
  Answer MessageBox(const std::string& text, Buttons buttons, Icon icon) override {
    if (buttons == Buttons::YesNo) QueueAnswer(answer() ? Answer::Yes : Answer::No);
    return ScriptedHost::MessageBox(text, buttons, icon);
  }
};

PlayRecord SetOf(const RecordedAction& action) {
  PlayRecord set;
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const int n = RecordedCardsOfRank(action, rank);
    if (n == 0) continue;
    set.Total += n;
    if (rank == kBigJoker) {
      set.BigJokers = n;
    } else if (rank == kSmallJoker) {
      set.SmallJokers = n;
    } else if (rank == kTwo) {
      set.TwoCount = n;
    } else {
      set.BaseRank = rank;
      set.BaseCount = n;
    }
  }
  if (set.BaseRank == 0) set.BaseRank = set.TwoCount > 0 ? kTwo : kSmallJoker;
  return set;
}

bool IsMarker(const RecordedAction& action) {
  return action.Kind == RecordedKind::Save || action.Kind == RecordedKind::Restore;
}

}  // namespace

class HandReplay::Impl {
 public:
  Impl() { Reset(); }

  void Reset() {
    game_.reset();
    host_ = std::make_unique<ReplayHost>();
    game_ = std::make_unique<Game>(*host_);
    SetStartupDefaults(*game_);
    host_->answer = [this] { return TakeAnswer(); };
    host_->OnDoEvents([this] { DuringWait(); }, &game_->Win.CmdNotSP.Visible);
    started_ = false;
  }

  std::string Hand(const HandRecord& record, bool alone, std::size_t stopAt) {
    if (alone) Reset();
    Game& g = *game_;
    record_ = &record;
    next_ = 0;
    problem_.clear();
    pendingPlay_.reset();
    frames_ = FrameLog();
    lines_.clear();
    const RecordedOptions& o = record.Options;
    if (o.HumanSeat != g.HumanSeat) return "the record's human seat is not seat 1";
    g.Options.JinGong = o.Tribute;
    g.DelayTimeShunPai = o.DelayShun;
    g.DelayTimeZundaPai = o.DelayZunda;
    g.DelayTimeKouPai = o.DelayKou;
    g.DelayTimeShaoPai = o.DelayShao;
    g.PresetDecks = record.Decks;
    g.PresetDecksDealt = 0;
    if (!started_) {
      started_ = true;
      MnuZundaRunClick(g);
      RunPostedActions(g);
      if (alone) g.Guard([&] { ApplyRecordedStart(g, record.Start); });
    }
    bool ended = false;
    for (long step = 0; step < kMostSteps && !ended && problem_.empty(); ++step) {
      if (g.Stopped) return "the game stopped: " + Fatal();
      SkipMarkers();
      Timer& timer = g.Win.TmrMainCircle;
      if (timer.Enabled) {
        host_->SleepMs(timer.Interval);
        ended = g.MainCourse == TurnStep::EndHand;
        TmrMainCircleTimer(g);
      } else if (next_ >= stopAt) {
        return "";
      } else if (next_ < record.Actions.size()) {
        ApplyNext();
        RunPostedActions(g);
        CheckPlayLaid();
      } else {
        Problem("the game waits for the human in state " + std::string(TurnStepName(g.MainCourse)) +
                ", but the record has no more actions");
      }
      if (keepFrames_) frames_.AfterStep(g, next_);
      Drain();
    }
    if (!problem_.empty()) return problem_;
    if (!ended) return "the hand did not end";
    if (stopAt != kToTheEnd) return "the hand ended before the action it was to stop at";
    SkipMarkers();
    if (next_ < record.Actions.size()) {
      return std::to_string(record.Actions.size() - next_) + " recorded actions were not used";
    }
    return Compare(record.Outcome);
  }

  const std::vector<ReviewFrame>& Frames() const { return frames_.Frames(); }
  const std::vector<std::string>& Lines() const { return lines_; }
  Game& ReplayedGame() { return *game_; }

 private:
  std::string Fatal() const {
    return host_->FatalMessages().empty() ? std::string("no reason given")
                                          : host_->FatalMessages().front();
  }

  void Problem(const std::string& text) {
    if (problem_.empty()) {
      problem_ = "tick " + std::to_string(game_->Flow.TicksThisHand) + ": " + text;
    }
  }

  // Saves and restores leave the hand as it was; the replay goes on without them.
  void SkipMarkers() {
    const auto& actions = record_->Actions;
    while (next_ < actions.size() && IsMarker(actions[next_]))
      ++next_;
  }

  const RecordedAction* Peek() {
    SkipMarkers();
    return next_ < record_->Actions.size() ? &record_->Actions[next_] : nullptr;
  }

  bool TakeAnswer() {
    const RecordedAction* action = Peek();
    if (action == nullptr || action->Kind != RecordedKind::Answer) {
      Problem("the game asks a question that the record does not answer");
      return false;
    }
    ++next_;
    return action->Cards[0] != 0;
  }

  void DuringWait() {
    const RecordedAction* action = Peek();
    if (action == nullptr || action->Tick != game_->Flow.TicksThisHand) return;
    if (action->Kind == RecordedKind::OfferBurn || action->Kind == RecordedKind::DeclineBurn) {
      ApplyNext();
    }
  }

  void ApplyNext() {
    Game& g = *game_;
    const RecordedAction action = *Peek();
    if (action.Tick != g.Flow.TicksThisHand) {
      Problem("the record's next action comes at tick " + std::to_string(action.Tick));
      return;
    }
    ++next_;
    switch (action.Kind) {
      case RecordedKind::Play:
        Play(action);
        break;
      case RecordedKind::Pass:
        CmdPassClick(g);
        break;
      case RecordedKind::OfferBurn:
        PostAction(g, Action{ActionKind::OfferBurn, action.Seat});
        break;
      case RecordedKind::DeclineBurn:
        DeclineBurn(g);
        break;
      case RecordedKind::Scorch:
        CmdShaoHuLeClick(g);
        break;
      case RecordedKind::Withdraw:
        CmdReturnClick(g);
        break;
      case RecordedKind::ReturnTribute:
        ReturnTribute(action);
        break;
      case RecordedKind::Answer:
        Problem("an answer without its question");
        break;
      case RecordedKind::Save:
      case RecordedKind::Restore:
        break;
    }
  }

  void Play(const RecordedAction& action) {
    Game& g = *game_;
    const PlayRecord set = SetOf(action);
    if (!RaiseSetByClicks(g, set) || !g.Win.CmdSend.Visible) {
      Problem("the recorded play " + DescribeSet(set) + " cannot be raised");
      return;
    }
    CmdSendClick(g);
    const bool posted = !g.Posted.empty() && g.Posted.back().Kind == ActionKind::Play;
    if (!posted) Problem("the recorded play " + DescribeSet(set) + " is refused");
    pendingPlay_ = set;
  }

  // A recorded play, once applied, must have been laid.
  void CheckPlayLaid() {
    if (!pendingPlay_) return;
    if (!game_->Flow.HumanCommitted) {
      Problem("the recorded play " + DescribeSet(*pendingPlay_) + " is refused");
    }
    pendingPlay_.reset();
  }

  void ReturnTribute(const RecordedAction& action) {
    Game& g = *game_;
    for (int i = 0; i < action.Count; ++i) {
      const int slot = LoweredSlotWith(g, CodeAt(action.Cards[static_cast<std::size_t>(i)]));
      if (slot != 0) ImgHandMouseUp(g, slot, MouseButton::Left, 0);
    }
    if (!g.Win.CmdHG.Visible) {
      Problem("the recorded return of tribute cannot be chosen");
      return;
    }
    CmdHGClick(g);
  }

  // The replay's event list keeps one step's lines; the hand's lines are kept here.
  void Drain() {
    ListBox& list = game_->Win.LstDispEvent;
    if (!game_->Record.Decks.empty()) {
      for (std::string& line : list.Items)
        lines_.push_back(std::move(line));
    }
    list.Clear();
  }

  std::string Compare(const RecordedOutcome& wanted) {
    const RecordedOutcome& shown = game_->Record.Outcome;
    if (shown.EventLines != wanted.EventLines || shown.EventHash != wanted.EventHash) {
      return "the event lines differ (" + std::to_string(shown.EventLines) + " lines, the record " +
             std::to_string(wanted.EventLines) + ")";
    }
    if (shown.FinishOrder != wanted.FinishOrder) return "the finishing order differs";
    return "";
  }

  std::unique_ptr<ReplayHost> host_;
  std::unique_ptr<Game> game_;
  const HandRecord* record_ = nullptr;
  std::size_t next_ = 0;
  std::string problem_;
  std::optional<PlayRecord> pendingPlay_;
  bool started_ = false;
  FrameLog frames_;

 public:
  bool keepFrames_ = false;

 private:
  std::vector<std::string> lines_;
};

HandReplay::HandReplay() : impl_(std::make_unique<Impl>()) {}
HandReplay::~HandReplay() = default;

std::string HandReplay::Alone(const HandRecord& record, std::size_t stopAt) {
  return impl_->Hand(record, true, stopAt);
}

std::string HandReplay::Next(const HandRecord& record) {
  return impl_->Hand(record, false, kToTheEnd);
}

void HandReplay::KeepFrames(bool keep) {
  impl_->keepFrames_ = keep;
}

const std::vector<ReviewFrame>& HandReplay::Frames() const {
  return impl_->Frames();
}

const std::vector<std::string>& HandReplay::EventLines() const {
  return impl_->Lines();
}

Game& HandReplay::ReplayedGame() {
  return impl_->ReplayedGame();
}

std::string ReplayRun(const std::vector<HandRecord>& records) {
  HandReplay replay;
  for (std::size_t i = 0; i < records.size(); ++i) {
    const std::string problem = replay.Next(records[i]);
    if (!problem.empty()) return "hand " + std::to_string(i + 1) + ": " + problem;
  }
  return "";
}

std::string CheckHandRecord(const HandRecord& record) {
  HandReplay replay;
  return replay.Alone(record);
}

}  // namespace zunda
