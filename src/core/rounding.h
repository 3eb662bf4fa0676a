#pragma once

#include <cmath>

namespace zunda {

// std::lround (halves away from zero) worked out inline: the timer's interval is rounded on
// every tick, and the library call costs more than the rest of the arithmetic. Values too
// large for the plain way go to the library.
inline long RoundHalfAway(double x) {
  if (!(std::fabs(x) < 1e15)) return std::lround(x);
  long whole = static_cast<long>(x);
  const double fraction = x - static_cast<double>(whole);
  if (fraction >= 0.5)
    ++whole;
  else if (fraction <= -0.5)
    --whole;
  return whole;
}

}  // namespace zunda
