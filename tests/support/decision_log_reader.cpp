#include "decision_log_reader.h"

#include <cctype>
#include <stdexcept>
#include <utility>
#include <vector>

namespace zunda::testing {

namespace {

struct Json {
  enum class Type { Null, Bool, Number, String, Array, Object };
  Type type = Type::Null;
  bool boolean = false;
  long long number = 0;
  std::string text;
  std::vector<Json> items;
  std::vector<std::pair<std::string, Json>> members;
};

struct BadLine : std::runtime_error {
  using std::runtime_error::runtime_error;
};

class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  Json Document() {
    Json value = Value();
    Blanks();
    if (pos_ != text_.size()) Fail("text after the object");
    return value;
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const {
    throw BadLine(what + " at " + std::to_string(pos_));
  }
  void Blanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_])))
      ++pos_;
  }
  char Peek() {
    Blanks();
    if (pos_ >= text_.size()) Fail("unexpected end");
    return text_[pos_];
  }
  void Expect(char c) {
    if (Peek() != c) Fail(std::string("expected '") + c + "'");
    ++pos_;
  }
  bool Word(std::string_view word) {
    if (text_.substr(pos_, word.size()) != word) return false;
    pos_ += word.size();
    return true;
  }

  Json Value() {
    const char c = Peek();
    Json v;
    if (c == '{') {
      v.type = Json::Type::Object;
      ++pos_;
      if (Peek() == '}') {
        ++pos_;
        return v;
      }
      do {
        std::string key = String();
        Expect(':');
        v.members.emplace_back(std::move(key), Value());
      } while (Separator('}'));
    } else if (c == '[') {
      v.type = Json::Type::Array;
      ++pos_;
      if (Peek() == ']') {
        ++pos_;
        return v;
      }
      do {
        v.items.push_back(Value());
      } while (Separator(']'));
    } else if (c == '"') {
      v.type = Json::Type::String;
      v.text = String();
    } else if (Word("true")) {
      v.type = Json::Type::Bool;
      v.boolean = true;
    } else if (Word("false")) {
      v.type = Json::Type::Bool;
    } else if (Word("null")) {
      v.type = Json::Type::Null;
    } else {
      v.type = Json::Type::Number;
      v.number = Number();
    }
    return v;
  }

  // After a member or item: true for a comma, false for the closing bracket.
  bool Separator(char close) {
    const char c = Peek();
    ++pos_;
    if (c == ',') return true;
    if (c == close) return false;
    Fail(std::string("expected ',' or '") + close + "'");
  }

  long long Number() {
    const std::size_t start = pos_;
    if (pos_ < text_.size() && text_[pos_] == '-') ++pos_;
    while (pos_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[pos_])))
      ++pos_;
    const std::string digits(text_.substr(start, pos_ - start));
    if (digits.empty() || digits == "-") Fail("expected a value");
    return std::stoll(digits);
  }

  std::string String() {
    Expect('"');
    std::string out;
    while (true) {
      if (pos_ >= text_.size()) Fail("unterminated string");
      const char c = text_[pos_++];
      if (c == '"') return out;
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= text_.size()) Fail("unterminated escape");
      const char e = text_[pos_++];
      switch (e) {
        case '"':
        case '\\':
        case '/':
          out += e;
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          if (pos_ + 4 > text_.size()) Fail("short \\u escape");
          const int code = std::stoi(std::string(text_.substr(pos_, 4)), nullptr, 16);
          if (code > 0x7f) Fail("non-ASCII \\u escape");
          out += static_cast<char>(code);
          pos_ += 4;
          break;
        }
        default:
          Fail("bad escape");
      }
    }
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

// Walks an object's members in the writer's order.
class Members {
 public:
  Members(const Json& object, const char* what) : object_(object), what_(what) {
    if (object.type != Json::Type::Object) throw BadLine(std::string(what) + " is not an object");
  }
  const Json& Next(const char* key, Json::Type type) {
    if (next_ >= object_.members.size()) throw BadLine(std::string(what_) + " lacks " + key);
    const auto& [name, value] = object_.members[next_++];
    if (name != key) {
      throw BadLine(std::string(what_) + ": found key " + name + " where " + key + " belongs");
    }
    if (value.type != type) throw BadLine(std::string(what_) + "." + key + " has the wrong type");
    return value;
  }
  int Int(const char* key) { return static_cast<int>(Next(key, Json::Type::Number).number); }
  bool Bool(const char* key) { return Next(key, Json::Type::Bool).boolean; }
  char Char(const char* key) {
    const std::string& text = Next(key, Json::Type::String).text;
    if (text.size() != 1) throw BadLine(std::string(what_) + "." + key + " is not one character");
    return text[0];
  }
  void End() const {
    if (next_ != object_.members.size()) throw BadLine(std::string(what_) + " has extra keys");
  }

 private:
  const Json& object_;
  const char* what_;
  std::size_t next_ = 0;
};

SeatSnapshot ReadSeat(const Json& json) {
  Members m(json, "seat");
  SeatSnapshot s;
  const Json& counts = m.Next("counts", Json::Type::Array);
  if (counts.items.size() != kBigJoker - kLowRank + 1) throw BadLine("counts needs 15 ranks");
  for (int rank = kLowRank; rank <= kBigJoker; ++rank) {
    const Json& count = counts.items[static_cast<std::size_t>(rank - kLowRank)];
    if (count.type != Json::Type::Number) throw BadLine("a count is not a number");
    s.counts[rank] = static_cast<int>(count.number);
  }
  s.CardCount = m.Int("CardCount");
  s.SetCount = m.Int("SetCount");
  s.JokerCount = m.Int("JokerCount");
  s.HandScore = m.Int("HandScore");
  s.StrongHand = m.Bool("StrongHand");
  s.FinishMode = m.Bool("FinishMode");
  s.Finished = m.Bool("Finished");
  s.Scorched = m.Bool("Scorched");
  s.Passed = m.Bool("Passed");
  s.Folded = m.Bool("Folded");
  s.OppositeOut = m.Bool("OppositeOut");
  s.Team = m.Char("Team");
  m.End();
  return s;
}

PlaySnapshot ReadPlay(const Json& json, const char* what) {
  Members m(json, what);
  PlaySnapshot p;
  p.Tag = m.Char("Tag");
  p.Seat = m.Int("Seat");
  p.Total = m.Int("Total");
  p.BaseRank = m.Int("BaseRank");
  p.BaseCount = m.Int("BaseCount");
  p.TwoCount = m.Int("TwoCount");
  p.SmallJokers = m.Int("SmallJokers");
  p.BigJokers = m.Int("BigJokers");
  m.End();
  return p;
}

DecisionLine ReadLine(const Json& json) {
  Members m(json, "line");
  DecisionLine line;
  const std::string& kind = m.Next("kind", Json::Type::String).text;
  if (kind != "lead" && kind != "answer") throw BadLine("unknown kind " + kind);
  line.before.kind = kind == "lead" ? DecisionKind::Lead : DecisionKind::Answer;
  line.before.seat = m.Int("seat");
  const Json& seats = m.Next("seats", Json::Type::Array);
  if (seats.items.size() != kSeats) throw BadLine("seats needs six seats");
  for (int s = 1; s <= kSeats; ++s)
    line.before.seats[s] = ReadSeat(seats.items[static_cast<std::size_t>(s - 1)]);
  line.before.TablePlay = ReadPlay(m.Next("TablePlay", Json::Type::Object), "TablePlay");
  line.before.PrevTablePlay =
      ReadPlay(m.Next("PrevTablePlay", Json::Type::Object), "PrevTablePlay");
  line.before.FoldInForce = m.Bool("FoldInForce");
  line.before.KeepHumanChoice = m.Bool("KeepHumanChoice");
  Members c(m.Next("choice", Json::Type::Object), "choice");
  line.choice.BaseRank = c.Int("BaseRank");
  line.choice.BaseCount = c.Int("BaseCount");
  line.choice.TwoCount = c.Int("TwoCount");
  line.choice.SmallJokers = c.Int("SmallJokers");
  line.choice.BigJokers = c.Int("BigJokers");
  line.choice.Total = c.Int("Total");
  c.End();
  m.End();
  return line;
}

}  // namespace

std::optional<DecisionLine> ReadDecisionLine(std::string_view line, std::string* error) {
  try {
    return ReadLine(Parser(line).Document());
  } catch (const std::exception& e) {
    if (error != nullptr) *error = e.what();
    return std::nullopt;
  }
}

}  // namespace zunda::testing
