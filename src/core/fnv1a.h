#pragma once

#include <cstdint>
#include <string_view>

namespace zunda {

// 64-bit FNV-1a: small, fast and the same on every machine, which is all a signature of the
// play needs (nobody forges it).
class Fnv1a64 {
 public:
  Fnv1a64() = default;
  // Goes on from a value an earlier hash reached.
  explicit Fnv1a64(std::uint64_t value) : hash_(value) {}
  void Add(std::string_view bytes) {
    for (const char c : bytes)
      AddByte(static_cast<unsigned char>(c));
  }
  // Four bytes, lowest first, whatever the machine's byte order.
  void Add(std::int32_t value) { AddWord(static_cast<std::uint32_t>(value), 4); }
  void Add(std::uint64_t value) { AddWord(value, 8); }
  void Add(bool flag) { AddByte(flag ? 1 : 0); }
  void AddByte(unsigned char byte) {
    hash_ ^= byte;
    hash_ *= kPrime;
  }
  std::uint64_t Value() const { return hash_; }

 private:
  void AddWord(std::uint64_t bits, int bytes) {
    for (int i = 0; i < bytes; ++i, bits >>= 8)
      AddByte(static_cast<unsigned char>(bits & 0xFFU));
  }

  static constexpr std::uint64_t kOffsetBasis = 0xcbf29ce484222325ULL;
  static constexpr std::uint64_t kPrime = 0x100000001b3ULL;
  std::uint64_t hash_ = kOffsetBasis;
};

}  // namespace zunda
