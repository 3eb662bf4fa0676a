#include "store/state_file.h"

#include <charconv>
#include <cmath>
#include <optional>
#include <vector>

#include "core/game.h"
#include "rules/human_prompts.h"
#include "store/state_fields.h"
#include "store/step_codes.h"
#include "zunda/version.h"

namespace zunda {

namespace {

using state_fields::kTextMax;

std::string RankLabelTable() {
  std::string labels;
  for (std::string_view label : kRankLabels)
    labels += label;
  return labels;
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    quoted += c;
    if (c == '"') quoted += '"';
  }
  return quoted + '"';
}

// The shortest decimal that reads back as the same number, never in exponent form.
std::string Decimal(double value) {
  char buffer[512];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return result.ec == std::errc() ? std::string(buffer, result.ptr) : "0";
}

bool IsValidCode(const CardCode& code) {
  if (code.IsBlank()) return true;
  const int rank = code.Rank();
  switch (code.Suit()) {
    case 'C':
    case 'D':
    case 'H':
    case 'S':
      return rank >= kLowRank && rank <= kTwo;
    case 'J':
      return rank == kSmallJoker || rank == kBigJoker;
    default:
      return false;
  }
}

class StateWriter {
 public:
  explicit StateWriter(std::uint32_t pairCheck) : pairCheck_(pairCheck) {}

  void Version() { Line(Quote(StateFileVersion())); }
  void Flag(const bool& value) { Line(value ? "#TRUE#" : "#FALSE#"); }
  template <class T>
  void Number(const T& value, long long /*low*/, long long /*high*/) {
    Line(std::to_string(value));
  }
  void Single(const double& value) { Line(Decimal(value)); }
  void Text(const std::string& text) { Line(Quote(text)); }
  void Code(const CardCode& code) { Line(Quote(code.Str())); }
  void Letter(const char& letter) { Line(Quote(std::string(1, letter))); }
  void Step(const TurnStep& step) { Text(std::string(StepCode(step))); }
  void CurrentEntry(const ListBox& list) {
    const bool valid = list.ListIndex >= 0 && list.ListIndex < static_cast<int>(list.Items.size());
    Text(valid ? list.Items[static_cast<std::size_t>(list.ListIndex)] : std::string());
  }
  void Lines(const std::vector<std::string>& items, long long /*max*/) {
    Line(std::to_string(items.size()));
    for (const std::string& item : items)
      Text(item);
  }
  void CardTables() { Line(Quote(kCardCodeTable) + "," + Quote(RankLabelTable())); }
  void PairCheck() { Line(std::to_string(pairCheck_)); }

  std::string Take() { return std::move(text_); }

 private:
  void Line(const std::string& value) {
    text_ += value;
    text_ += "\r\n";
  }

  std::uint32_t pairCheck_;
  std::string text_;
};

enum class Kind { String, Flag, Number };
struct Token {
  Kind kind;
  std::string text;
};

// Splits the file into its values: separated by a comma within a line or by a line end.
std::optional<std::vector<Token>> Tokenize(std::string_view text) {
  std::vector<Token> tokens;
  std::size_t i = 0;
  const std::size_t n = text.size();
  while (i < n) {
    if (text[i] == '\r' || text[i] == '\n') {
      ++i;
      continue;
    }
    Token token{Kind::Number, {}};
    if (text[i] == '"') {
      token.kind = Kind::String;
      ++i;
      while (true) {
        if (i >= n) return std::nullopt;
        if (text[i] == '"') {
          if (i + 1 < n && text[i + 1] == '"') {
            token.text += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        token.text += text[i++];
        if (token.text.size() > kTextMax) return std::nullopt;
      }
    } else if (text[i] == '#') {
      const std::size_t close = text.find('#', i + 1);
      if (close == std::string_view::npos) return std::nullopt;
      token.kind = Kind::Flag;
      token.text = std::string(text.substr(i + 1, close - i - 1));
      if (token.text != "TRUE" && token.text != "FALSE") return std::nullopt;
      i = close + 1;
    } else {
      const std::size_t end = text.find_first_of(",\r\n", i);
      token.text = std::string(text.substr(i, end == std::string_view::npos ? n - i : end - i));
      i = end == std::string_view::npos ? n : end;
    }
    tokens.push_back(std::move(token));
    if (i < n && text[i] == ',') {
      ++i;
      if (i >= n || text[i] == '\r' || text[i] == '\n') return std::nullopt;
    } else if (i < n && text[i] != '\r' && text[i] != '\n') {
      return std::nullopt;
    }
  }
  return tokens;
}

class StateReader {
 public:
  StateReader(std::vector<Token> tokens, std::uint32_t pairCheck)
      : tokens_(std::move(tokens)), pairCheck_(pairCheck) {}

  void Version() {
    const Token* token = Take(Kind::String);
    if (token != nullptr && token->text != StateFileVersion()) Fail(StateFileResult::OtherVersion);
  }
  void Flag(bool& value) {
    if (const Token* token = Take(Kind::Flag)) value = token->text == "TRUE";
  }
  template <class T>
  void Number(T& value, long long low, long long high) {
    long long number = 0;
    if (!Integer(number) || number < low || number > high) return Fail();
    value = static_cast<T>(number);
  }
  void Single(double& value) {
    const Token* token = Take(Kind::Number);
    if (token == nullptr) return;
    double number = 0;
    const char* first = token->text.data();
    const char* last = first + token->text.size();
    const auto result = std::from_chars(first, last, number, std::chars_format::fixed);
    // Waits and intervals are seconds of a day or milliseconds of a wait.
    if (result.ec != std::errc() || result.ptr != last || !std::isfinite(number) ||
        std::fabs(number) > 1e9) {
      return Fail();
    }
    value = number;
  }
  void Text(std::string& text) {
    if (const Token* token = Take(Kind::String)) text = token->text;
  }
  void Code(CardCode& code) {
    const Token* token = Take(Kind::String);
    if (token == nullptr) return;
    const CardCode read(token->text);
    if (token->text.size() != 3 || !IsValidCode(read)) return Fail();
    code = read;
  }
  void Letter(char& letter) {
    const Token* token = Take(Kind::String);
    if (token == nullptr) return;
    if (token->text != " " && token->text != "S" && token->text != "N") return Fail();
    letter = token->text[0];
  }
  // A code no version wrote makes the pair a damaged one.
  void Step(TurnStep& step) {
    const Token* token = Take(Kind::String);
    if (token == nullptr) return;
    const std::optional<TurnStep> read = StepFromCode(token->text);
    if (!read) return Fail();
    step = *read;
  }
  // The list itself follows in full further on.
  void CurrentEntry(ListBox& /*list*/) { Take(Kind::String); }
  void Lines(std::vector<std::string>& items, long long max) {
    long long count = 0;
    if (!Integer(count) || count < 0 || count > max) return Fail();
    std::vector<std::string> read;
    for (long long i = 0; i < count && ok(); ++i)
      Text(read.emplace_back());
    if (ok()) items = std::move(read);
  }
  void CardTables() {
    const Token* codes = Take(Kind::String);
    const Token* labels = Take(Kind::String);
    if (codes == nullptr || labels == nullptr) return;
    if (codes->text != kCardCodeTable || labels->text != RankLabelTable()) Fail();
  }
  void PairCheck() {
    long long check = 0;
    if (!Integer(check) || check != static_cast<long long>(pairCheck_)) Fail();
  }

  StateFileResult Result() const {
    if (result_ == StateFileResult::Read && next_ != tokens_.size())
      return StateFileResult::Damaged;
    return result_;
  }

 private:
  bool ok() const { return result_ == StateFileResult::Read; }

  void Fail(StateFileResult result = StateFileResult::Damaged) {
    if (ok()) result_ = result;
  }

  const Token* Take(Kind kind) {
    if (!ok()) return nullptr;
    if (next_ >= tokens_.size() || tokens_[next_].kind != kind) {
      Fail();
      return nullptr;
    }
    return &tokens_[next_++];
  }

  bool Integer(long long& number) {
    const Token* token = Take(Kind::Number);
    if (token == nullptr) return false;
    const char* first = token->text.data();
    const char* last = first + token->text.size();
    const auto result = std::from_chars(first, last, number);
    return result.ec == std::errc() && result.ptr == last && first != last;
  }

  std::vector<Token> tokens_;
  std::uint32_t pairCheck_;
  std::size_t next_ = 0;
  StateFileResult result_ = StateFileResult::Read;
};

// What the engine keeps beside the controls it shows on but a saved hand does not store: read
// back from those controls, as the rules would have left them.
void DeriveUnsavedState(Game& g) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const std::uint32_t colour = g.Win.LblName[seat].BackColor;
    g.Seats[seat].Shade = colour == kColorOut      ? SeatShade::Out
                          : colour == kColorPassed ? SeatShade::PassedOver
                                                   : SeatShade::None;
  }
  g.Input.PassConfirms = g.Win.CmdPass.ToolTipText == kPassConfirmsTip;
  g.TableCache = TableDisplayCache();
}

}  // namespace

std::string StateFileVersion() {
  return std::to_string(kVersionMajor) + std::to_string(kVersionMinor) +
         std::to_string(kVersionRevision);
}

std::string EncodeStateFile(const Game& g, std::uint32_t pairCheck) {
  StateWriter writer(pairCheck);
  state_fields::VisitSavedState(g, writer);
  return writer.Take();
}

StateFileResult DecodeStateFile(std::string_view text, Game& g, std::uint32_t pairCheck) {
  std::optional<std::vector<Token>> tokens = Tokenize(text);
  if (!tokens) {
    // A file whose first value still names another version is that version's file.
    const std::string first = FirstStateValue(text);
    return !first.empty() && first != StateFileVersion() ? StateFileResult::OtherVersion
                                                         : StateFileResult::Damaged;
  }
  StateReader reader(std::move(*tokens), pairCheck);
  state_fields::VisitSavedState(g, reader);
  const StateFileResult result = reader.Result();
  if (result == StateFileResult::Read) DeriveUnsavedState(g);
  return result;
}

std::string FirstStateValue(std::string_view text) {
  const std::size_t end = text.find_first_of("\r\n");
  const std::string_view line = text.substr(0, end);
  if (line.size() < 2 || line.front() != '"' || line.back() != '"') return {};
  const std::string_view inner = line.substr(1, line.size() - 2);
  if (inner.find('"') != std::string_view::npos || inner.size() > 64) return {};
  return std::string(inner);
}

std::optional<std::uint32_t> StatePairCheck(std::string_view text) {
  while (!text.empty() && (text.back() == '\r' || text.back() == '\n'))
    text.remove_suffix(1);
  const std::size_t start = text.find_last_of("\r\n");
  const std::string_view last = start == std::string_view::npos ? text : text.substr(start + 1);
  std::uint32_t check = 0;
  const auto result = std::from_chars(last.data(), last.data() + last.size(), check);
  if (last.empty() || result.ec != std::errc() || result.ptr != last.data() + last.size()) {
    return std::nullopt;
  }
  return check;
}

}  // namespace zunda
