#include "play_signature.h"

#include <cstdio>
#include <ostream>
#include <sstream>
#include <streambuf>

#include "core/fnv1a.h"
#include "core/game.h"
#include "hand_runner.h"
#include "players/decision_log.h"
#include "players/decision_observer.h"

namespace zunda::sim {

namespace {

// An output stream's bytes, hashed instead of kept.
class HashingBuffer final : public std::streambuf {
 public:
  explicit HashingBuffer(Fnv1a64& hash) : hash_(hash) {}

 protected:
  int_type overflow(int_type c) override {
    if (!traits_type::eq_int_type(c, traits_type::eof()))
      hash_.AddByte(static_cast<unsigned char>(traits_type::to_char_type(c)));
    return traits_type::not_eof(c);
  }
  std::streamsize xsputn(const char* s, std::streamsize n) override {
    hash_.Add(std::string_view(s, static_cast<std::size_t>(n)));
    return n;
  }

 private:
  Fnv1a64& hash_;
};

void AddPlay(Fnv1a64& hash, const PlaySnapshot& p) {
  for (const int value : {static_cast<int>(p.Tag), p.Seat, p.Total, p.BaseRank, p.BaseCount,
                          p.TwoCount, p.SmallJokers, p.BigJokers})
    hash.Add(value);
}

// Hashes what a decision-log line holds, field by field: formatting the line would make the
// signature several times slower.
class DecisionHasher final : public DecisionObserver {
 public:
  explicit DecisionHasher(Fnv1a64& hash) : hash_(hash) {}

  void BeforeDecision(const Game& g, DecisionKind kind, int seat) override {
    before_ = TakeDecisionSnapshot(g, kind, seat, g.Ai.KeepHumanChoice);
  }

  void AfterDecision(const Game& g, DecisionKind kind, int seat) override {
    hash_.Add(kind == DecisionKind::Lead ? 1 : 2);
    hash_.Add(seat);
    for (const SeatSnapshot& s : before_.seats) {
      for (const int count : s.counts)
        hash_.Add(count);
      for (const int value :
           {s.CardCount, s.SetCount, s.JokerCount, s.HandScore, static_cast<int>(s.Team)})
        hash_.Add(value);
      for (const bool flag :
           {s.StrongHand, s.FinishMode, s.Finished, s.Scorched, s.Passed, s.Folded, s.OppositeOut})
        hash_.Add(flag);
    }
    AddPlay(hash_, before_.TablePlay);
    AddPlay(hash_, before_.PrevTablePlay);
    hash_.Add(before_.FoldInForce);
    hash_.Add(before_.KeepHumanChoice);
    const ChoiceSnapshot c = ChoiceOf(DecisionChoice(g, kind));
    for (const int value :
         {c.BaseRank, c.BaseCount, c.TwoCount, c.SmallJokers, c.BigJokers, c.Total})
      hash_.Add(value);
  }

 private:
  Fnv1a64& hash_;
  DecisionSnapshot before_;
};

}  // namespace

SignatureResult RunPlaySignature() {
  // The event lines and the decisions are hashed apart: how the runner interleaves the two
  // is not play.
  Fnv1a64 events;
  Fnv1a64 decisions;
  HashingBuffer eventBuffer(events);
  std::ostream eventStream(&eventBuffer);
  DecisionHasher decisionHasher(decisions);
  SignatureResult result;
  std::ostringstream report;
  for (const SignatureRun& run : kSignatureRuns) {
    SimOptions options;
    options.seed = run.seed;
    options.hands = run.hands;
    options.burnRate = run.burnRate;
    HandRunner runner(options, report, &eventStream);
    runner.GameInPlay().Options.JinGong = run.tribute;
    runner.GameInPlay().Decisions = &decisionHasher;
    while (runner.Summary().hands < options.hands && runner.PlayHand()) {
    }
    const SimSummary summary = runner.Finish();
    result.hands += summary.hands;
    result.violations += summary.violations;
  }
  Fnv1a64 both;
  both.Add(events.Value());
  both.Add(decisions.Value());
  result.hash = both.Value();
  if (result.violations > 0) result.report = report.str();
  return result;
}

std::string FormatSignature(std::uint64_t hash) {
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(hash));
  return text;
}

}  // namespace zunda::sim
