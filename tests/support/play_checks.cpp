#include "play_checks.h"

namespace zunda::testing {

::testing::AssertionResult CodesHeld(const Arr<CardCode, 1, 16>& codes, int count,
                                     const HandBucket& bucket) {
  Arr<bool, 1, 25> used;
  for (int i = 1; i <= count; ++i) {
    bool found = false;
    for (int k = 1; k <= bucket.Count && !found; ++k) {
      if (!used[k] && bucket.Codes[k] == codes[i]) used[k] = found = true;
    }
    if (!found) return ::testing::AssertionFailure() << codes[i].Str() << " is not held";
  }
  for (int i = count + 1; i <= 16; ++i) {
    if (!codes[i].IsBlank()) return ::testing::AssertionFailure() << "slot " << i << " not blank";
  }
  return ::testing::AssertionSuccess();
}

}  // namespace zunda::testing
