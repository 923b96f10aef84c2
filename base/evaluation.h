// The evaluation model of every game formula.
//
// Formulas are evaluated left to right in x87 80-bit extended precision
// (`ext`), with decimal constants written as long double literals (2.1L is
// the extended value nearest 2.1, not the double). A value that the game
// "stores" is rounded to a 64-bit double at that point; floor and trunc are
// taken of such a stored double and give a 32-bit integer.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace brennick {

using ext = long double;
static_assert(std::numeric_limits<long double>::digits == 64,
              "the evaluation model needs the x87 80-bit extended type");

// floor, trunc and ceil of an extended value, equal to std::floor,
// std::trunc and std::ceil in every case (signed zeros, NaN, infinities)
// but without switching the x87 rounding mode, which stalls the FPU on
// every call: the value is rounded to the nearest integer in the mode this
// program always runs in and then stepped by one where that went the wrong
// way (exact, as every extended value of 2^63 or more is an integer).
inline long double floor_x(long double x) {
  long double r = std::rint(x);
  if (r > x) r -= 1;
  return r == 0 ? std::copysign(0.0L, x) : r;
}
inline long double ceil_x(long double x) {
  long double r = std::rint(x);
  if (r < x) r += 1;
  return r == 0 ? std::copysign(0.0L, x) : r;
}
inline long double trunc_x(long double x) { return std::signbit(x) ? ceil_x(x) : floor_x(x); }

// Round an extended value to the double the game keeps.
inline double stored(ext x) { return static_cast<double>(x); }

// Largest integer not above the stored value of x, as a 32-bit integer.
// Values beyond the 32-bit range saturate; NaN gives 0.
std::int32_t floor_stored(ext x);

// The stored value of x with its fraction dropped (toward zero), saturating.
std::int32_t trunc_stored(ext x);

// Saturating conversion of an already integral value.
std::int32_t saturate_i32(ext x);

// A value computed in 64 bits, kept in the 32-bit range: beyond either end
// it stays at that end. Every sum, difference and small multiple of values
// the boxes let grow to the limit is taken in 64 bits and kept so.
constexpr std::int32_t clamp_i32(std::int64_t v) {
  return v > INT32_MAX ? INT32_MAX : v < INT32_MIN ? INT32_MIN : static_cast<std::int32_t>(v);
}

// a + b and a - b, saturating at the ends of the 32-bit range.
constexpr std::int32_t add_saturated(std::int32_t a, std::int32_t b) { return clamp_i32(std::int64_t{a} + b); }
constexpr std::int32_t sub_saturated(std::int32_t a, std::int32_t b) { return clamp_i32(std::int64_t{a} - b); }

// Round to two decimals, half to even: q = x / d with d the double nearest
// 0.01, q rounded to the nearest integer (ties to even), times d, stored.
double round2(ext x);

// Half-to-even rounding of an extended value to an integer (extended result).
ext round_half_even(ext x);

}  // namespace brennick
