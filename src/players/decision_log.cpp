#include "players/decision_log.h"

#include <cstdio>

#include "core/game.h"

namespace zunda {

namespace {

PlaySnapshot SnapshotOf(const PlayRecord& play) {
  PlaySnapshot s;
  s.Tag = play.Tag;
  s.Seat = play.Seat;
  s.Total = play.Total;
  s.BaseRank = play.BaseRank;
  s.BaseCount = play.BaseCount;
  s.TwoCount = play.TwoCount;
  s.SmallJokers = play.SmallJokers;
  s.BigJokers = play.BigJokers;
  return s;
}

// Appends the JSON text of one character as a string.
void AppendChar(std::string& out, char c) {
  out += '"';
  if (c == '"' || c == '\\') {
    out += '\\';
    out += c;
  } else if (static_cast<unsigned char>(c) < 0x20) {
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned char>(c));
    out += escaped;
  } else {
    out += c;
  }
  out += '"';
}

void AppendKey(std::string& out, const char* key) {
  out += '"';
  out += key;
  out += "\":";
}

void AppendInt(std::string& out, const char* key, int value) {
  AppendKey(out, key);
  out += std::to_string(value);
  out += ',';
}

void AppendBool(std::string& out, const char* key, bool value) {
  AppendKey(out, key);
  out += value ? "true," : "false,";
}

// Drops the comma after the last member before a closing bracket.
void Close(std::string& out, char bracket) {
  if (!out.empty() && out.back() == ',') out.pop_back();
  out += bracket;
}

void AppendSeat(std::string& out, const SeatSnapshot& s) {
  out += '{';
  AppendKey(out, "counts");
  out += '[';
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    out += std::to_string(s.counts[rank]);
    out += ',';
  }
  Close(out, ']');
  out += ',';
  AppendInt(out, "CardCount", s.CardCount);
  AppendInt(out, "SetCount", s.SetCount);
  AppendInt(out, "JokerCount", s.JokerCount);
  AppendInt(out, "HandScore", s.HandScore);
  AppendBool(out, "StrongHand", s.StrongHand);
  AppendBool(out, "FinishMode", s.FinishMode);
  AppendBool(out, "Finished", s.Finished);
  AppendBool(out, "Scorched", s.Scorched);
  AppendBool(out, "Passed", s.Passed);
  AppendBool(out, "Folded", s.Folded);
  AppendBool(out, "OppositeOut", s.OppositeOut);
  AppendKey(out, "Team");
  AppendChar(out, s.Team);
  out += '}';
}

void AppendPlay(std::string& out, const char* key, const PlaySnapshot& p) {
  AppendKey(out, key);
  out += '{';
  AppendKey(out, "Tag");
  AppendChar(out, p.Tag);
  out += ',';
  AppendInt(out, "Seat", p.Seat);
  AppendInt(out, "Total", p.Total);
  AppendInt(out, "BaseRank", p.BaseRank);
  AppendInt(out, "BaseCount", p.BaseCount);
  AppendInt(out, "TwoCount", p.TwoCount);
  AppendInt(out, "SmallJokers", p.SmallJokers);
  AppendInt(out, "BigJokers", p.BigJokers);
  Close(out, '}');
  out += ',';
}

}  // namespace

DecisionSnapshot TakeDecisionSnapshot(const Game& g, DecisionKind kind, int seat,
                                      bool keepHumanChoice) {
  DecisionSnapshot snap;
  snap.kind = kind;
  snap.seat = seat;
  for (int s = 1; s <= kSeats; ++s) {
    const SeatRecord& from = g.Seats[s];
    SeatSnapshot& to = snap.seats[s];
    for (int rank = kLowRank; rank <= kBigJoker; ++rank)
      to.counts[rank] = g.Hand[s][rank].Count;
    to.CardCount = from.CardCount;
    to.SetCount = from.SetCount;
    to.JokerCount = from.JokerCount;
    to.HandScore = from.HandScore;
    to.StrongHand = from.StrongHand;
    to.FinishMode = from.FinishMode;
    to.Finished = from.Finished;
    to.Scorched = from.Scorched;
    to.Passed = from.Passed;
    to.Folded = from.Folded;
    to.OppositeOut = from.OppositeOut;
    to.Team = from.Team;
  }
  snap.TablePlay = SnapshotOf(g.TablePlay);
  snap.PrevTablePlay = SnapshotOf(g.PrevTablePlay);
  snap.FoldInForce = g.Flow.FoldInForce;
  snap.KeepHumanChoice = keepHumanChoice;
  return snap;
}

const PlayRecord& DecisionChoice(const Game& g, DecisionKind kind) {
  return kind == DecisionKind::Lead ? g.TablePlay : g.Selection;
}

ChoiceSnapshot ChoiceOf(const PlayRecord& choice) {
  ChoiceSnapshot c;
  c.BaseRank = choice.BaseRank;
  c.BaseCount = choice.BaseCount;
  c.TwoCount = choice.TwoCount;
  c.SmallJokers = choice.SmallJokers;
  c.BigJokers = choice.BigJokers;
  c.Total = choice.Total;
  return c;
}

std::string DecisionLogLine(const DecisionSnapshot& before, const PlayRecord& choice) {
  std::string out;
  out.reserve(2048);
  out += '{';
  AppendKey(out, "kind");
  out += before.kind == DecisionKind::Lead ? "\"lead\"," : "\"answer\",";
  AppendInt(out, "seat", before.seat);
  AppendKey(out, "seats");
  out += '[';
  for (int s = 1; s <= kSeats; ++s) {
    AppendSeat(out, before.seats[s]);
    out += ',';
  }
  Close(out, ']');
  out += ',';
  AppendPlay(out, "TablePlay", before.TablePlay);
  AppendPlay(out, "PrevTablePlay", before.PrevTablePlay);
  AppendBool(out, "FoldInForce", before.FoldInForce);
  AppendBool(out, "KeepHumanChoice", before.KeepHumanChoice);
  const ChoiceSnapshot c = ChoiceOf(choice);
  AppendKey(out, "choice");
  out += '{';
  AppendInt(out, "BaseRank", c.BaseRank);
  AppendInt(out, "BaseCount", c.BaseCount);
  AppendInt(out, "TwoCount", c.TwoCount);
  AppendInt(out, "SmallJokers", c.SmallJokers);
  AppendInt(out, "BigJokers", c.BigJokers);
  AppendInt(out, "Total", c.Total);
  Close(out, '}');
  out += '}';
  return out;
}

}  // namespace zunda
