#include "sim_options.h"

#include <algorithm>
#include <charconv>
#include <functional>
#include <string_view>

namespace zunda::sim {

namespace {

struct OptionRow {
  std::string_view name;
  std::string_view valueName;  // empty for a flag
  std::string_view help;
  // Stores the value; returns an error text, or "" when the value was accepted.
  std::function<std::string(SimOptions&, std::string_view)> apply;
};

template <typename Number>
std::string ParseNumber(std::string_view text, Number& out, Number minimum) {
  Number value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < minimum) {
    return "not a number of at least " + std::to_string(minimum) + ": " + std::string(text);
  }
  out = value;
  return "";
}

// A probability: a decimal number from 0 to 1.
std::string ParseRate(std::string_view text, double& out) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !(value >= 0.0 && value <= 1.0)) {
    return "not a number from 0 to 1: " + std::string(text);
  }
  out = value;
  return "";
}

const std::vector<OptionRow>& OptionTable() {
  static const std::vector<OptionRow> table = {
      {"--hands", "N", "number of hands to run (at least 1)",
       [](SimOptions& o, std::string_view v) { return ParseNumber(v, o.hands, 1LL); }},
      {"--seed", "S", "seed of the random generator (default 1)",
       [](SimOptions& o, std::string_view v) { return ParseNumber(v, o.seed, std::uint64_t{0}); }},
      {"--burn-rate", "P", "chance of burning when a burn is offered (default 0.2)",
       [](SimOptions& o, std::string_view v) { return ParseRate(v, o.burnRate); }},
      {"--events", "FILE", "write every event-list line of every hand to FILE",
       [](SimOptions& o, std::string_view v) {
         if (v.empty()) return std::string("needs a file name");
         o.eventsPath = std::string(v);
         return std::string();
       }},
      {"--check", "", "check the invariants after every tick, the score file after every hand",
       [](SimOptions& o, std::string_view) {
         o.check = true;
         return std::string();
       }},
      {"--save-restore", "K",
       "save and restore at K seeded points; a hand going on otherwise is a violation",
       [](SimOptions& o, std::string_view v) { return ParseNumber(v, o.saveRestore, 1LL); }},
      {"--deal-only", "", "only initialise and deal each hand, no play",
       [](SimOptions& o, std::string_view) {
         o.dealOnly = true;
         return std::string();
       }},
      {"--decisions", "N", "ask computer seats for N leads and answers in random positions",
       [](SimOptions& o, std::string_view v) { return ParseNumber(v, o.decisions, 1LL); }},
      {"--dump", "FILE", "write every computer decision to FILE, one JSON object a line",
       [](SimOptions& o, std::string_view v) {
         if (v.empty()) return std::string("needs a file name");
         o.dumpPath = std::string(v);
         return std::string();
       }},
      {"--record", "FILE", "write the record of every hand to FILE (docs/HAND_RECORD.md)",
       [](SimOptions& o, std::string_view v) {
         if (v.empty()) return std::string("needs a file name");
         o.recordPath = std::string(v);
         return std::string();
       }},
      {"--replay", "FILE", "replay the hands recorded in FILE and compare what they show",
       [](SimOptions& o, std::string_view v) {
         if (v.empty()) return std::string("needs a file name");
         o.replayPath = std::string(v);
         return std::string();
       }},
      {"--signature", "", "print one hash over the play of a fixed set of seeded hands",
       [](SimOptions& o, std::string_view) {
         o.signature = true;
         return std::string();
       }},
      {"--help", "", "show this text",
       [](SimOptions& o, std::string_view) {
         o.help = true;
         return std::string();
       }},
  };
  return table;
}

// The options that only make sense together; "" when the command line asks for one run.
std::string CombinationError(const SimOptions& o) {
  if (o.help || o.signature) return "";
  if (!o.replayPath.empty()) {
    if (o.hands > 0 || o.decisions > 0 || !o.recordPath.empty())
      return "--replay is a run of its own: give it alone";
    return "";
  }
  if (!o.recordPath.empty() && (o.decisions > 0 || o.dealOnly))
    return "--record needs whole hands: --hands without --deal-only";
  if (o.hands > 0 && o.decisions > 0) return "--hands and --decisions are separate runs: give one";
  if (o.decisions > 0) {
    if (o.dealOnly || o.check || !o.eventsPath.empty() || o.saveRestore > 0)
      return "--deal-only, --check, --events and --save-restore go with --hands, not --decisions";
    return "";
  }
  if (o.hands == 0) return "--hands N or --decisions N is required";
  if (o.dealOnly && !o.dumpPath.empty()) return "--dump has no decisions to log with --deal-only";
  if (o.dealOnly && o.saveRestore > 0) return "--save-restore needs whole hands, not --deal-only";
  return "";
}

const OptionRow* FindOption(std::string_view name) {
  for (const OptionRow& row : OptionTable()) {
    if (row.name == name) return &row;
  }
  return nullptr;
}

}  // namespace

ParsedOptions ParseSimOptions(const std::vector<std::string>& args) {
  ParsedOptions parsed;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const OptionRow* row = FindOption(arg == "-h" ? "--help" : arg);
    if (row == nullptr) {
      parsed.error = "unknown option: " + arg;
      return parsed;
    }
    std::string_view value;
    if (!row->valueName.empty()) {
      if (i + 1 >= args.size()) {
        parsed.error = arg + " needs a value " + std::string(row->valueName);
        return parsed;
      }
      value = args[++i];
    }
    const std::string error = row->apply(parsed.options, value);
    if (!error.empty()) {
      parsed.error = arg;
      parsed.error.append(": ").append(error);
      return parsed;
    }
  }
  // Its hands are fixed; another option would look as if it changed them.
  if (parsed.options.signature && args.size() > 1) {
    parsed.error = "--signature takes no other option";
    return parsed;
  }
  parsed.error = CombinationError(parsed.options);
  return parsed;
}

std::string SimUsage() {
  std::string text =
      "usage: zunda-sim --hands N [--seed S] [--burn-rate P] [--events FILE] [--check]\n"
      "                 [--dump FILE] [--save-restore K]\n"
      "       zunda-sim --hands N [--seed S] --deal-only\n"
      "       zunda-sim --decisions N [--seed S] [--dump FILE]\n"
      "       zunda-sim --signature\n"
      "Runs the game engine without a window on a scripted host. Whole hands are played,\n"
      "seat 1 by an autopilot that clicks the cards and buttons as a person would.\n"
      "With --decisions, each of N random positions (a lead or a set to answer) is decided\n"
      "by a computer seat, the choice checked against the rules and the cards it holds, and\n"
      "carried out; the card totals are checked after it.\n"
      "With --check the game also keeps its score file, and the points of the six seats in\n"
      "it must add up to 0 after every hand. The score file and the saved hands go to a\n"
      "temporary folder (on /dev/shm when it can) that is removed at the end.\n"
      "The last line reads: N hands, P plays, V violations, X hands/s\n"
      "(with --decisions: N positions dealt, P of the choices played rather than passed).\n"
      "--signature plays about 2,000 hands of several seeds, with burning and tribute, and\n"
      "prints one hash over their event lines and computer decisions; it changes only when\n"
      "the play does.\n"
      "The exit code is 0 when no invariant was broken, 1 when one was, 2 for a bad command.\n"
      "\n";
  for (const OptionRow& row : OptionTable()) {
    // Appended piece by piece: GCC 12 at -O3 warns falsely about prepending concatenations.
    std::string left = "  ";
    left += row.name;
    if (!row.valueName.empty()) {
      left += ' ';
      left += row.valueName;
    }
    left.resize(std::max<std::size_t>(left.size() + 2, 18), ' ');
    text += left + std::string(row.help) + "\n";
  }
  return text;
}

}  // namespace zunda::sim
