#pragma once

#include <gtest/gtest.h>

#include "core/checked_array.h"
#include "core/model.h"

namespace zunda::testing {

// The codes of `count` cards laid from `bucket`: each is a different card the bucket holds,
// and the slots after them are blank.
::testing::AssertionResult CodesHeld(const Arr<CardCode, 1, 16>& codes, int count,
                                     const HandBucket& bucket);

}  // namespace zunda::testing
