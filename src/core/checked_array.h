#pragma once

#include <array>
#include <cstddef>
#include <string>

#include "core/fatal.h"

namespace zunda {

// A fixed array indexed from Lo to Hi inclusive. Every access is checked: a bad index is a
// corrupted model and takes the fatal path instead of reading past the storage.
template <typename T, int Lo, int Hi>
class Arr {
  static_assert(Hi >= Lo, "empty bounds");

 public:
  static constexpr int kLow = Lo;
  static constexpr int kHigh = Hi;
  static constexpr std::size_t kSize = static_cast<std::size_t>(Hi - Lo) + 1;

  T& operator[](int i) { return data_[Slot(i)]; }
  const T& operator[](int i) const { return data_[Slot(i)]; }

  static constexpr bool InRange(int i) { return i >= Lo && i <= Hi; }
  void Fill(const T& value) { data_.fill(value); }

  auto begin() { return data_.begin(); }
  auto end() { return data_.end(); }
  auto begin() const { return data_.begin(); }
  auto end() const { return data_.end(); }

  bool operator==(const Arr&) const = default;

 private:
  // The check stays on every access; the message is built out of line so that the access
  // itself is small enough to be inlined.
  static std::size_t Slot(int i) {
    if (!InRange(i)) [[unlikely]]
      OutOfRange(i);
    return static_cast<std::size_t>(i - Lo);
  }
  [[noreturn, gnu::cold, gnu::noinline]] static void OutOfRange(int i) {
    Fatal("Err:数组下标越界(" + std::to_string(i) + "，范围" + std::to_string(Lo) + ".." +
          std::to_string(Hi) + ")");
  }

  std::array<T, kSize> data_{};
};

}  // namespace zunda
