#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <string_view>
#include <system_error>

#include "core/fatal.h"

namespace zunda {

// A short text put together in a buffer of its own, for the texts written on every play:
// appending never allocates, and a text that would not fit is the program's fault path. The
// appends are inline, so that literal pieces are copied as blocks of known size.
template <std::size_t N>
class FixedText {
 public:
  FixedText& Append(std::string_view part) {
    if (part.size() > N - size_) Fatal("Err:FixedText");
    std::copy(part.begin(), part.end(), chars_.begin() + static_cast<std::ptrdiff_t>(size_));
    size_ += part.size();
    return *this;
  }
  // The number written in place, in decimal.
  FixedText& AppendNumber(int n) {
    char* const at = chars_.data() + size_;
    const auto [end, error] = std::to_chars(at, chars_.data() + N, n);
    if (error != std::errc()) Fatal("Err:FixedText");
    size_ = static_cast<std::size_t>(end - chars_.data());
    return *this;
  }
  std::string_view View() const { return {chars_.data(), size_}; }

 private:
  std::array<char, N> chars_;
  std::size_t size_ = 0;
};

// Room for any int in decimal, its sign included.
inline constexpr std::size_t kLongestIntText = 11;

}  // namespace zunda
