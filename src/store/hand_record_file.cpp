#include "store/hand_record_file.h"

#include <QByteArray>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>

#include "store/file_system.h"
#include "store/percent_text.h"
#include "store/safe_write.h"

namespace zunda {

namespace {

constexpr std::string_view kMagic = "zunda-hand-record";
// Far more than any hand: a file of this size is not a record.
constexpr qint64 kMostBytes = 256LL * 1024 * 1024;
constexpr int kCodeCount = 54;
constexpr int kRankCount = kBigJoker - kLowRank + 1;

struct KindName {
  RecordedKind kind;
  std::string_view name;
};
constexpr std::array<KindName, 10> kKindNames = {{
    {RecordedKind::Play, "play"},
    {RecordedKind::Pass, "pass"},
    {RecordedKind::OfferBurn, "burn"},
    {RecordedKind::Answer, "answer"},
    {RecordedKind::DeclineBurn, "decline"},
    {RecordedKind::Scorch, "scorch"},
    {RecordedKind::Withdraw, "withdraw"},
    {RecordedKind::ReturnTribute, "return"},
    {RecordedKind::Save, "save"},
    {RecordedKind::Restore, "restore"},
}};

std::string_view NameOf(RecordedKind kind) {
  for (const KindName& entry : kKindNames) {
    if (entry.kind == kind) return entry.name;
  }
  return "?";
}

std::optional<RecordedKind> KindNamed(std::string_view name) {
  for (const KindName& entry : kKindNames) {
    if (entry.name == name) return entry.kind;
  }
  return std::nullopt;
}

// Doubles as the shortest text that reads back to the same value.
std::string NumberText(double value) {
  std::array<char, 32> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
  return std::string(buffer.data(), result.ptr);
}

// "YYYY-MM-DD HH:MM" of a day and a time that can be.
bool IsPlayedText(std::string_view text) {
  if (text.size() != 16 || text[4] != '-' || text[7] != '-' || text[10] != ' ' || text[13] != ':') {
    return false;
  }
  const auto field = [text](std::size_t at, std::size_t size, int low, int high) {
    int value = 0;
    for (const char c : text.substr(at, size)) {
      if (c < '0' || c > '9') return false;
      value = value * 10 + (c - '0');
    }
    return value >= low && value <= high;
  };
  return field(0, 4, 0, 9999) && field(5, 2, 1, 12) && field(8, 2, 1, 31) && field(11, 2, 0, 23) &&
         field(14, 2, 0, 59);
}

std::string SeatList(const std::array<std::uint8_t, kSeats>& values) {
  std::string list;
  for (const std::uint8_t value : values) {
    if (!list.empty()) list += ',';
    list += std::to_string(value);
  }
  return list;
}

void AppendStart(std::string& out, const RecordedStart& start) {
  out += "start first=" + std::to_string(start.FirstHand ? 1 : 0) +
         " order=" + SeatList(start.FinishOrder) + " places=" + SeatList(start.Places) +
         " tribute=" + SeatList(start.TributeCounts) +
         " capture=" + std::to_string(start.TripleCapture ? 1 : 0) +
         " folds=" + std::to_string(start.PassFolds ? 1 : 0) + "\n";
  out += "names ";
  for (std::size_t i = 0; i < start.Names.size(); ++i) {
    if (i > 0) out += ',';
    out += PercentEncoded(start.Names[i]);
  }
  out += "\n";
}

void AppendCards(std::string& out, const RecordedAction& action) {
  if (action.Kind == RecordedKind::Play) {
    bool first = true;
    for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
      const int n = RecordedCardsOfRank(action, rank);
      if (n == 0) continue;
      out += first ? " " : ",";
      first = false;
      out += std::to_string(n) + "x" + std::to_string(rank);
    }
  } else if (action.Kind == RecordedKind::ReturnTribute) {
    for (int i = 0; i < action.Count; ++i) {
      const CardCode code = CodeAt(action.Cards[static_cast<std::size_t>(i)]);
      out += i == 0 ? " " : ",";
      out.append(code.ch.data(), code.ch.size());
    }
  } else if (action.Kind == RecordedKind::Answer) {
    out += action.Cards[0] != 0 ? " yes" : " no";
  }
}

void AppendHand(std::string& out, const HandRecord& record) {
  const RecordedOptions& o = record.Options;
  out += "hand\n";
  // A date the reader would refuse is left out rather than costing the hand its record.
  out += IsPlayedText(record.Played) ? "played " + record.Played + "\n" : "played\n";
  out += "practice " + std::to_string(record.Practice ? 1 : 0) + "\n";
  out += "options tribute=" + std::to_string(o.Tribute ? 1 : 0) +
         " human=" + std::to_string(o.HumanSeat) + " shun=" + NumberText(o.DelayShun) +
         " zunda=" + NumberText(o.DelayZunda) + " kou=" + NumberText(o.DelayKou) +
         " shao=" + NumberText(o.DelayShao) + "\n";
  AppendStart(out, record.Start);
  for (const RecordedDeck& deck : record.Decks) {
    out += "deck ";
    for (const std::uint8_t k : deck) {
      const CardCode code = CodeAt(k);
      out.append(code.ch.data(), code.ch.size());
    }
    out += "\n";
  }
  for (const RecordedAction& action : record.Actions) {
    out += std::to_string(action.Tick) + " " + std::to_string(action.Seat) + " ";
    out += NameOf(action.Kind);
    AppendCards(out, action);
    out += "\n";
  }
  const RecordedOutcome& outcome = record.Outcome;
  std::array<char, 17> hash{};
  std::snprintf(hash.data(), hash.size(), "%016llx",
                static_cast<unsigned long long>(outcome.EventHash));
  out += "outcome " + std::to_string(outcome.EventLines) + " " + hash.data();
  for (const int seat : outcome.FinishOrder)
    out += " " + std::to_string(seat);
  out += "\nend\n";
}

// Reads a record line by line; the first fault found is the reason it is refused.
class Reader {
 public:
  explicit Reader(std::string_view text) : rest_(text) {}

  HandRecordsRead Read() {
    HandRecordsRead read;
    std::string_view line;
    if (!NextLine(line)) return Refused("the record is empty");
    if (!ReadVersion(line)) return Refused(problem_);
    while (NextLine(line)) {
      if (line.empty()) continue;
      if (line != "hand") return Refused(At("a hand begins with \"hand\""));
      HandRecord record;
      if (!ReadHand(record)) return Refused(problem_);
      read.Records.push_back(std::move(record));
    }
    return read;
  }

 private:
  static HandRecordsRead Refused(std::string problem) {
    HandRecordsRead read;
    read.Problem = std::move(problem);
    return read;
  }

  std::string At(std::string_view what) const {
    return "line " + std::to_string(lineNumber_) + ": " + std::string(what);
  }

  bool Fail(std::string_view what) {
    problem_ = At(what);
    return false;
  }

  bool NextLine(std::string_view& line) {
    if (rest_.empty()) return false;
    const std::size_t end = rest_.find('\n');
    line = rest_.substr(0, end);
    rest_ = end == std::string_view::npos ? std::string_view() : rest_.substr(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ++lineNumber_;
    return true;
  }

  // The next word of a line, which loses it and the blank after it.
  static std::string_view Word(std::string_view& line) {
    const std::size_t end = line.find(' ');
    const std::string_view word = line.substr(0, end);
    line = end == std::string_view::npos ? std::string_view() : line.substr(end + 1);
    return word;
  }

  template <typename T>
  static bool Number(std::string_view text, T& value, int base = 10) {
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value, base);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
  }

  static bool Number(std::string_view text, double& value) {
    if (text.empty()) return false;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size() &&
           std::isfinite(value) && value >= 0;
  }

  bool ReadVersion(std::string_view line) {
    if (Word(line) != kMagic) return Fail("not a hand record");
    int version = 0;
    if (!Number(line, version) || version < 1) return Fail("no version number");
    if (version > kHandRecordVersion) {
      return Fail("the record is of version " + std::to_string(version) +
                  ", newer than this program's " + std::to_string(kHandRecordVersion));
    }
    version_ = version;
    return true;
  }

  // The value of the next word of a line when it is key=value.
  static std::optional<std::string_view> Setting(std::string_view& line, std::string_view key) {
    const std::string_view word = Word(line);
    const std::size_t equals = word.find('=');
    if (equals == std::string_view::npos || word.substr(0, equals) != key) return std::nullopt;
    return word.substr(equals + 1);
  }

  static bool Flag(std::string_view text, bool& value) {
    value = text == "1";
    return text == "0" || text == "1";
  }

  bool ReadPlayed(std::string_view line, HandRecord& record) {
    if (Word(line) != "played") return Fail("the hand's date is missing");
    if (!line.empty() && !IsPlayedText(line)) return Fail("the date is not YYYY-MM-DD HH:MM");
    record.Played = std::string(line);
    return true;
  }

  bool ReadPractice(std::string_view line, HandRecord& record) {
    if (Word(line) != "practice") return Fail("the hand's practice mark is missing");
    return Flag(line, record.Practice) || Fail("practice is 0 or 1");
  }

  // Comma-separated, one number 0..6 for each seat or place.
  static bool SeatNumbers(std::string_view text, std::array<std::uint8_t, kSeats>& values) {
    for (std::size_t i = 0; i < values.size(); ++i) {
      const std::size_t comma = text.find(',');
      const bool last = i + 1 == values.size();
      if (last != (comma == std::string_view::npos)) return false;
      int value = 0;
      if (!Number(text.substr(0, comma), value) || value < 0 || value > kSeats) return false;
      values[i] = static_cast<std::uint8_t>(value);
      if (!last) text.remove_prefix(comma + 1);
    }
    return true;
  }

  bool ReadStart(std::string_view line, RecordedStart& start) {
    if (Word(line) != "start") return Fail("the hand's start is missing");
    const auto flag = [&](std::string_view key, bool& value) {
      const std::optional<std::string_view> text = Setting(line, key);
      return (text && Flag(*text, value)) || Fail("start " + std::string(key) + " is 0 or 1");
    };
    const auto seats = [&](std::string_view key, std::array<std::uint8_t, kSeats>& values) {
      const std::optional<std::string_view> text = Setting(line, key);
      return (text && SeatNumbers(*text, values)) ||
             Fail("start " + std::string(key) + " is six numbers 0..6");
    };
    return flag("first", start.FirstHand) && seats("order", start.FinishOrder) &&
           seats("places", start.Places) && seats("tribute", start.TributeCounts) &&
           flag("capture", start.TripleCapture) && flag("folds", start.PassFolds) &&
           (line.empty() || Fail("more after the start than expected"));
  }

  bool ReadNames(std::string_view line, RecordedStart& start) {
    if (Word(line) != "names") return Fail("the hand's names are missing");
    for (std::size_t i = 0; i < start.Names.size(); ++i) {
      const std::size_t comma = line.find(',');
      const bool last = i + 1 == start.Names.size();
      if (last != (comma == std::string_view::npos)) return Fail("six names expected");
      std::optional<std::string> name = PercentDecoded(line.substr(0, comma));
      if (!name) return Fail("a name is not percent-encoded");
      start.Names[i] = std::move(*name);
      if (!last) line.remove_prefix(comma + 1);
    }
    return true;
  }

  static std::optional<int> CodeNumberOf(std::string_view text) {
    if (text.size() != 3) return std::nullopt;
    const int k = CodeNumber(CardCode(text));
    return k < 0 ? std::nullopt : std::optional<int>(k);
  }

  bool ReadOptions(std::string_view line, RecordedOptions& o) {
    if (Word(line) != "options") return Fail("the hand's options are missing");
    const std::array<std::string_view, 6> keys = {"tribute", "human", "shun",
                                                  "zunda",   "kou",   "shao"};
    std::array<double*, 4> waits = {&o.DelayShun, &o.DelayZunda, &o.DelayKou, &o.DelayShao};
    for (std::size_t i = 0; i < keys.size(); ++i) {
      const std::optional<std::string_view> setting = Setting(line, keys[i]);
      if (!setting) return Fail("option " + std::string(keys[i]) + " expected");
      const std::string_view value = *setting;
      bool ok = false;
      if (i == 0) {
        ok = Flag(value, o.Tribute);
      } else if (i == 1) {
        ok = Number(value, o.HumanSeat) && o.HumanSeat >= 1 && o.HumanSeat <= kSeats;
      } else {
        ok = Number(value, *waits[i - 2]);
      }
      if (!ok) return Fail("option " + std::string(keys[i]) + " has a bad value");
    }
    return line.empty() || Fail("more options than expected");
  }

  bool ReadDeck(std::string_view codes, HandRecord& record) {
    if (codes.size() != 3 * static_cast<std::size_t>(kDeckSize)) {
      return Fail("a deck holds 216 cards");
    }
    RecordedDeck deck{};
    std::array<int, kCodeCount> seen{};
    for (std::size_t i = 0; i < deck.size(); ++i) {
      const std::optional<int> k = CodeNumberOf(codes.substr(3 * i, 3));
      if (!k) return Fail("a deck holds an unknown card");
      deck[i] = static_cast<std::uint8_t>(*k);
      ++seen[static_cast<std::size_t>(*k)];
    }
    for (const int n : seen) {
      if (n != 4) return Fail("a deck holds every card four times");
    }
    record.Decks.push_back(deck);
    return true;
  }

  bool ReadPlay(std::string_view cards, RecordedAction& action) {
    action.Count = kRankCount;
    int total = 0;
    while (!cards.empty()) {
      const std::size_t comma = cards.find(',');
      const std::string_view part = cards.substr(0, comma);
      cards = comma == std::string_view::npos ? std::string_view() : cards.substr(comma + 1);
      const std::size_t x = part.find('x');
      int n = 0;
      int rank = 0;
      if (x == std::string_view::npos || !Number(part.substr(0, x), n) ||
          !Number(part.substr(x + 1), rank) || n < 1 || n > kMostOfARank || rank < kLowRank ||
          rank > kBigJoker) {
        return Fail("a play's cards are \"count x rank\"");
      }
      std::uint8_t& slot = action.Cards[static_cast<std::size_t>(rank - kLowRank)];
      if (slot != 0) return Fail("a rank appears twice in a play");
      slot = static_cast<std::uint8_t>(n);
      total += n;
    }
    return total > 0 || Fail("a play without cards");
  }

  bool ReadReturn(std::string_view cards, RecordedAction& action) {
    while (!cards.empty()) {
      const std::size_t comma = cards.find(',');
      const std::optional<int> k = CodeNumberOf(cards.substr(0, comma));
      cards = comma == std::string_view::npos ? std::string_view() : cards.substr(comma + 1);
      if (!k) return Fail("a returned card is unknown");
      if (action.Count >= kRecordedCards) return Fail("too many returned cards");
      action.Cards[action.Count++] = static_cast<std::uint8_t>(*k);
    }
    return true;
  }

  bool ReadAction(std::string_view line, HandRecord& record) {
    RecordedAction action;
    int seat = 0;
    if (!Number(Word(line), action.Tick) || action.Tick < 0) return Fail("a tick expected");
    if (!Number(Word(line), seat) || seat < 1 || seat > kSeats) return Fail("a seat expected");
    // Only the human seat's decisions are recorded; the computer seats decide for themselves.
    if (seat != record.Options.HumanSeat) return Fail("an action of a seat not the human's");
    action.Seat = static_cast<std::uint8_t>(seat);
    const std::optional<RecordedKind> kind = KindNamed(Word(line));
    if (!kind) return Fail("an unknown action");
    action.Kind = *kind;
    const std::string_view cards = Word(line);
    if (!line.empty()) return Fail("more after the action than expected");
    bool ok = true;
    switch (action.Kind) {
      case RecordedKind::Play:
        ok = ReadPlay(cards, action);
        break;
      case RecordedKind::ReturnTribute:
        ok = ReadReturn(cards, action);
        break;
      case RecordedKind::Answer:
        ok = (cards == "yes" || cards == "no") || Fail("an answer is yes or no");
        action.Count = 1;
        action.Cards[0] = cards == "yes" ? 1 : 0;
        break;
      default:
        ok = cards.empty() || Fail("this action carries no cards");
        break;
    }
    if (!ok) return false;
    if (!record.Actions.empty() && action.Tick < record.Actions.back().Tick) {
      return Fail("the actions are out of order");
    }
    record.Actions.push_back(action);
    return true;
  }

  bool ReadOutcome(std::string_view line, RecordedOutcome& outcome) {
    if (!Number(Word(line), outcome.EventLines) || outcome.EventLines < 0) {
      return Fail("the outcome's line count expected");
    }
    const std::string_view hash = Word(line);
    if (hash.size() != 16 || !Number(hash, outcome.EventHash, 16)) {
      return Fail("the outcome's hash expected");
    }
    for (int& seat : outcome.FinishOrder) {
      if (!Number(Word(line), seat) || seat < 0 || seat > kSeats) {
        return Fail("the outcome's finishing order expected");
      }
    }
    return line.empty() || Fail("more after the outcome than expected");
  }

  // The next line of a hand's head, which cannot be its last.
  bool HeadLine(std::string_view& line) { return NextLine(line) || Fail("the hand ends early"); }

  bool ReadHand(HandRecord& record) {
    record.Version = version_;
    std::string_view line;
    // Version 1 has the options only: the rest keeps its defaults.
    if (version_ >= 2) {
      if (!HeadLine(line) || !ReadPlayed(line, record)) return false;
      if (!HeadLine(line) || !ReadPractice(line, record)) return false;
    }
    if (!HeadLine(line) || !ReadOptions(line, record.Options)) return false;
    if (version_ >= 2) {
      if (!HeadLine(line) || !ReadStart(line, record.Start)) return false;
      if (!HeadLine(line) || !ReadNames(line, record.Start)) return false;
    }
    bool outcomeRead = false;
    while (NextLine(line)) {
      if (line == "end") {
        if (record.Decks.empty()) return Fail("a hand without a deck");
        return outcomeRead || Fail("a hand without its outcome");
      }
      if (outcomeRead) return Fail("\"end\" expected after the outcome");
      std::string_view rest = line;
      const std::string_view word = Word(rest);
      if (word == "deck") {
        if (!record.Actions.empty()) return Fail("a deck after the actions");
        if (!ReadDeck(rest, record)) return false;
      } else if (word == "outcome") {
        if (!ReadOutcome(rest, record.Outcome)) return false;
        outcomeRead = true;
      } else if (!ReadAction(line, record)) {
        return false;
      }
    }
    return Fail("the hand ends early");
  }

  static constexpr int kMostOfARank = 40;  // more cards than any set can hold
  std::string_view rest_;
  int lineNumber_ = 0;
  int version_ = kHandRecordVersion;
  std::string problem_;
};

}  // namespace

std::string HandRecordsText(const std::vector<HandRecord>& records) {
  std::string out = std::string(kMagic) + " " + std::to_string(kHandRecordVersion) + "\n";
  for (const HandRecord& record : records)
    AppendHand(out, record);
  return out;
}

HandRecordsRead ParseHandRecords(std::string_view text) {
  return Reader(text).Read();
}

SaveResult WriteHandRecords(const QString& path, const std::vector<HandRecord>& records) {
  const std::string text = HandRecordsText(records);
  return ReplaceFile(path, QByteArray(text.data(), static_cast<qsizetype>(text.size())));
}

HandRecordsRead ReadHandRecords(const QString& path) {
  const std::optional<QByteArray> bytes = Files().Read(path, kMostBytes);
  if (!bytes) {
    HandRecordsRead read;
    read.Problem = "the record cannot be read";
    return read;
  }
  return ParseHandRecords(
      std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
}

}  // namespace zunda
