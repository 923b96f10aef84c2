// The evaluation model of every game formula.
//
// Formulas are evaluated left to right in x87 80-bit extended precision
// (`ext`), with decimal constants written as long double literals (2.1L is
// the extended value nearest 2.1, not the double). A value that the game
// "stores" is rounded to a 64-bit double at that point; floor and trunc are
// taken of such a stored double and give a 32-bit integer.
#pragma once

#include <cstdint>
#include <limits>

namespace brennick {

using ext = long double;
static_assert(std::numeric_limits<long double>::digits == 64,
              "the evaluation model needs the x87 80-bit extended type");

// Round an extended value to the double the game keeps.
inline double stored(ext x) { return static_cast<double>(x); }

// Largest integer not above the stored value of x, as a 32-bit integer.
// Values beyond the 32-bit range saturate; NaN gives 0.
std::int32_t floor_stored(ext x);

// The stored value of x with its fraction dropped (toward zero), saturating.
std::int32_t trunc_stored(ext x);

// Saturating conversion of an already integral value.
std::int32_t saturate_i32(ext x);

// Round to two decimals, half to even: q = x / d with d the double nearest
// 0.01, q rounded to the nearest integer (ties to even), times d, stored.
double round2(ext x);

// Half-to-even rounding of an extended value to an integer (extended result).
ext round_half_even(ext x);

}  // namespace brennick
