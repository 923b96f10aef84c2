// Conversions between the texts of the sheet and numbers.
//
// The decimal separator of the user's locale is not global: it is passed in
// (a `NumberFormat`), so both separators can be exercised in one process.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace brennick {

// The separators of the user's locale.
struct NumberFormat {
  char decimal = '.';
  char thousands = ',';

  static NumberFormat point() { return {'.', ','}; }
  static NumberFormat comma() { return {',', '.'}; }
  bool decimal_comma() const { return decimal == ','; }
};

// A text that should have held a number and did not.
class ConversionError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Integer of a text as the integer boxes read it: optional blanks before, an
// optional sign, decimal digits, nothing else, within the 32-bit range.
// Anything else gives `fallback` (0 for the equipment boxes).
std::int32_t int_of_text(std::string_view text, std::int32_t fallback = 0);

// True when the text reads as an integer (see int_of_text).
bool is_int_text(std::string_view text);

// The value a number field has: the integer of its text, or the field's
// minimum when the text is not an integer.
std::int32_t field_value(std::string_view text, std::int32_t minimum);

// Locale-aware text to real: blanks around, an optional sign, digits with at
// most one decimal separator of `fmt`, an optional exponent. Throws
// ConversionError("'<text>' is not a valid floating point value") otherwise.
double real_of_text(std::string_view text, const NumberFormat& fmt);
long double ext_of_text(std::string_view text, const NumberFormat& fmt);

// True when real_of_text would succeed.
bool is_real_text(std::string_view text, const NumberFormat& fmt);

// The general real format: up to 15 significant digits, no trailing zeros,
// the locale's separator; exponent form below 1e-5 and from 1e15 on. Zero
// (also negative zero) is "0".
std::string format_general(long double value, const NumberFormat& fmt);

// A fixed pattern with `decimals` digits after the separator ("0.0" is 1,
// "0.00" is 2): the value is first taken to 18 significant digits, then
// rounded half away from zero on the decimal digits.
std::string format_fixed(long double value, int decimals, const NumberFormat& fmt);

// The pattern "#,###,###,###": the value rounded to an integer, digits
// grouped by three with the locale's thousands separator; zero is empty, as
// the pattern's optional digits leave it.
std::string format_grouped(long double value, const NumberFormat& fmt);

// Decimal text of an integer.
std::string int_text(std::int64_t value);

// A value that may be a range, as the item browsers show it: a blank and the
// value when both ends are equal, otherwise "first - second".
std::string display_res(std::int8_t first, std::int8_t second);

}  // namespace brennick
