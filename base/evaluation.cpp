#include "base/evaluation.h"

#include <cfenv>
#include <cmath>

namespace brennick {

std::int32_t saturate_i32(ext x) {
  if (std::isnan(x)) return 0;
  if (x >= 2147483647.0L) return std::numeric_limits<std::int32_t>::max();
  if (x <= -2147483648.0L) return std::numeric_limits<std::int32_t>::min();
  // x is integral and within 32 bits, so the double of x is x itself; the
  // double's conversion needs no switch of the x87 rounding mode.
  return static_cast<std::int32_t>(static_cast<double>(x));
}

std::int32_t floor_stored(ext x) { return saturate_i32(floor_x(static_cast<ext>(stored(x)))); }

std::int32_t trunc_stored(ext x) { return saturate_i32(trunc_x(static_cast<ext>(stored(x)))); }

ext round_half_even(ext x) {
  // rintl honours the current rounding mode, which this program never
  // changes from round-to-nearest-even; it gives what nearbyintl gives
  // without saving and restoring the floating-point environment.
  return std::rint(x);
}

double round2(ext x) {
  const ext d = static_cast<ext>(0.01);  // the double nearest 0.01
  const ext q = x / d;
  return stored(round_half_even(q) * d);
}

}  // namespace brennick
