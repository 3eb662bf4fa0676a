#pragma once

#include <cstddef>

namespace zunda::bench {

// Number of global operator new calls so far in this process: a benchmark reads it before
// and after its timed loop to show that a decision allocates nothing.
std::size_t AllocationCount();

}  // namespace zunda::bench
