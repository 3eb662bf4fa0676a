#include "hand_builder.h"

#include <algorithm>
#include <charconv>
#include <stdexcept>
#include <string>

#include "core/seats.h"
#include "sim/position_counts.h"

namespace zunda::testing {

namespace {

int ParseRank(std::string_view text) {
  if (text == "J") return 11;
  if (text == "Q") return 12;
  if (text == "K") return 13;
  if (text == "A") return 14;
  if (text == "2") return kTwo;
  if (text == "J16") return kSmallJoker;
  if (text == "J17") return kBigJoker;
  int rank = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), rank);
  if (error != std::errc() || end != text.data() + text.size() || rank < kLowRank ||
      rank > kBigJoker) {
    throw std::invalid_argument("bad rank in hand description: " + std::string(text));
  }
  return rank;
}

CardCode CodeFor(int rank, int index) {
  if (rank >= kSmallJoker) return CardCode(rank == kSmallJoker ? "J16" : "J17");
  static constexpr std::string_view kSuits = "CDHS";
  std::string code(1, kSuits[static_cast<std::size_t>(index % 4)]);
  if (rank < 10) code += '0';
  code += std::to_string(rank);
  return CardCode(code);
}

}  // namespace

void SetHand(Game& g, int seat, std::string_view description) {
  for (int rank = kLowRank; rank <= kBigJoker; ++rank)
    g.Hand[seat][rank] = HandBucket();
  std::size_t pos = 0;
  while (pos < description.size()) {
    if (description[pos] == ' ') {
      ++pos;
      continue;
    }
    const std::size_t end = std::min(description.find(' ', pos), description.size());
    const std::string_view item = description.substr(pos, end - pos);
    pos = end;
    const std::size_t x = item.find('x');
    if (x == std::string_view::npos) {
      throw std::invalid_argument("bad item in hand description: " + std::string(item));
    }
    int count = 0;
    const auto [countEnd, error] = std::from_chars(item.data(), item.data() + x, count);
    if (error != std::errc() || countEnd != item.data() + x || count < 1) {
      throw std::invalid_argument("bad item in hand description: " + std::string(item));
    }
    const int rank = ParseRank(item.substr(x + 1));
    HandBucket& bucket = g.Hand[seat][rank];
    bucket.Rank = rank;
    for (int i = 0; i < count; ++i) {
      ++bucket.Count;
      bucket.Codes[bucket.Count] = CodeFor(rank, bucket.Count - 1);
    }
  }
  sim::SyncSeatCounts(g, seat);
}

}  // namespace zunda::testing
