// A hand saved by an earlier build of the program (tests/data/saved_hand, see its README) must
// load in today's and play on exactly as it did in the build that wrote it.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/display.h"
#include "core/fnv1a.h"
#include "flow/hand_storage.h"
#include "played_game.h"
#include "store/snapshot.h"
#include "store_files.h"
#include "window_input.h"

namespace zunda {
namespace {

// What the build that wrote the pair showed from the load to the end of the next hand. Pass
// lines came into the event list after it, so they are left out of the comparison.
constexpr std::uint64_t kSeed = 17;
constexpr char kFinishOrders[] = "426351 243561";
constexpr std::uint64_t kEventLinesHash = 5804367671172249777ULL;
constexpr std::size_t kEventLines = 499;

std::string FinishOrder(const Game& g) {
  std::string order;
  for (int place = 1; place <= kSeats; ++place)
    order += std::to_string(g.FinishOrder[place]);
  return order;
}

TEST(SavedHandFixture, AnOlderSavedPairLoadsAndPlaysOnAsItDidThen) {
  testing::PlayedGame p(kSeed);
  for (std::string_view name : {kSavedHandsFile, kSavedStateFile}) {
    const std::string from = std::string(ZUNDA_TEST_DATA "/saved_hand/") + std::string(name);
    const QByteArray bytes = testing::ReadBytes(from);
    ASSERT_FALSE(bytes.isEmpty()) << from;
    testing::WriteBytes(p.File(name), bytes);
  }
  Input(p.g(), MnuReadClick);
  ASSERT_TRUE(p.g().Flow.Running) << "the saved pair did not load";

  std::string orders;
  for (long long hands = 1; hands <= 2; ++hands) {
    ASSERT_TRUE(p.AdvanceUntil([&] { return p.driver->HandsEnded() == hands; }))
        << p.driver->Problem();
    orders += (hands > 1 ? " " : "") + FinishOrder(p.g());
  }
  Fnv1a64 hash;
  std::size_t lines = 0;
  const std::string passSuffix = std::string(": ") + kPassLine;
  for (const std::string& line : p.g().Win.LstDispEvent.Items) {
    if (line.ends_with(passSuffix)) continue;
    ++lines;
    hash.Add(line);
    hash.AddByte('\n');
  }
  EXPECT_EQ(orders, kFinishOrders);
  EXPECT_EQ(lines, kEventLines);
  EXPECT_EQ(hash.Value(), kEventLinesHash);
}

}  // namespace
}  // namespace zunda
