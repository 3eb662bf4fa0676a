#include "core/text.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace zunda {

namespace {
bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}
}  // namespace

std::string Trim(std::string_view text) {
  return std::string(TrimView(text));
}

std::size_t CharCount(std::string_view text) {
  std::size_t count = 0;
  for (char c : text)
    count += IsContinuation(c) ? 0 : 1;
  return count;
}

std::string LeftChars(std::string_view text, std::size_t n) {
  std::size_t count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(text[i])) {
      if (count == n) return std::string(text.substr(0, i));
      ++count;
    }
  }
  return std::string(text);
}

std::string FixedWidth(std::string_view text, std::size_t n) {
  std::string result = LeftChars(text, n);
  const std::size_t have = CharCount(result);
  if (have < n) result.append(n - have, ' ');
  return result;
}

double Val(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && IsBlank(text[i]))
    ++i;
  std::size_t end = i;
  if (end < text.size() && (text[end] == '+' || text[end] == '-')) ++end;
  bool digits = false;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
    ++end;
    digits = true;
  }
  if (end < text.size() && text[end] == '.') {
    ++end;
    while (end < text.size() && text[end] >= '0' && text[end] <= '9') {
      ++end;
      digits = true;
    }
  }
  if (!digits) return 0;
  const std::string number(text.substr(i, end - i));
  const double value = std::strtod(number.c_str(), nullptr);
  return std::isfinite(value) ? value : 0;
}

int ValInt(std::string_view text) {
  const double value = std::trunc(Val(text));
  constexpr double kMax = std::numeric_limits<int>::max();
  constexpr double kMin = std::numeric_limits<int>::min();
  if (value > kMax || value < kMin) return 0;
  return static_cast<int>(value);
}

std::string CleanIniValue(std::string_view text) {
  std::string value = Trim(text);
  if (!value.empty() && value.back() == '\0') value.pop_back();
  return Trim(value);
}

std::string ShortestDecimal(double value) {
  char buffer[64];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace zunda
