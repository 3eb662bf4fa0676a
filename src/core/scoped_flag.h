#pragma once

namespace zunda {

// Sets a flag for as long as a scope runs and clears it however the scope ends, also when a
// stop or a fatal error unwinds it: a tick under way, a click being handled, a deal.
class ScopedFlag {
 public:
  explicit ScopedFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~ScopedFlag() { flag_ = false; }
  ScopedFlag(const ScopedFlag&) = delete;
  ScopedFlag& operator=(const ScopedFlag&) = delete;

 private:
  bool& flag_;
};

}  // namespace zunda
