#include "store/percent_text.h"

namespace zunda {

namespace {

constexpr std::string_view kHexDigits = "0123456789ABCDEF";

bool KeptAsIs(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

std::string PercentEncoded(std::string_view bytes) {
  std::string word;
  word.reserve(bytes.size());
  for (const char c : bytes) {
    if (KeptAsIs(c)) {
      word += c;
      continue;
    }
    const auto byte = static_cast<unsigned char>(c);
    word += '%';
    word += kHexDigits[byte >> 4];
    word += kHexDigits[byte & 0xF];
  }
  return word;
}

std::optional<std::string> PercentDecoded(std::string_view word) {
  std::string bytes;
  bytes.reserve(word.size());
  for (std::size_t i = 0; i < word.size(); ++i) {
    if (KeptAsIs(word[i])) {
      bytes += word[i];
      continue;
    }
    if (word[i] != '%' || word.size() - i < 3) return std::nullopt;
    const int high = HexValue(word[i + 1]);
    const int low = HexValue(word[i + 2]);
    if (high < 0 || low < 0) return std::nullopt;
    bytes += static_cast<char>(high * 16 + low);
    i += 2;
  }
  return bytes;
}

}  // namespace zunda
