// Reading and writing the value boxes of an equipment slot, as aging and
// mixing do: integer boxes hold decimal integer text, real boxes real-number
// text with the locale's decimal separator.
//
// Unlike the pass, which reads a non-integer equipment box as 0, these
// operations read a box strictly: a text that is not a number of the
// expected kind fails with a ConversionError, and the operation stops there.
#pragma once

#include <cstdint>
#include <string>

#include "engine/calculator.h"
#include "base/evaluation.h"
#include "base/number_text.h"
#include "engine/sheet.h"

namespace brennick {

// The integer in the box; throws ConversionError("'<text>' is not a valid
// integer value") when the text is not a 32-bit integer.
std::int32_t read_int_box(const Sheet& sheet, Ctl box);

// The real in the box, as the double it reads to; throws ConversionError
// when the text is not a real number in the locale `fmt`.
double read_real_box(const Sheet& sheet, Ctl box, const NumberFormat& fmt);

// Writes an integer result as decimal text, saturated to the 32-bit range
// the box can hold.
void write_int_box(Sheet& sheet, Ctl box, std::int64_t value);

// Writes a real result: stored as a double, then in the general format
// (up to 15 significant digits, no trailing zeros) with the locale's
// separator.
void write_real_box(Sheet& sheet, Ctl box, ext value, const NumberFormat& fmt);

// An integer value saturated to the 32-bit range.
std::int32_t saturate_int(std::int64_t value);

// floor(v * percent / 100) in exact integer arithmetic (floor toward minus
// infinity), saturated: the multiplying recipes' products.
std::int32_t floor_percent(std::int32_t v, int percent);

// Runs `change` with the sheet's notifications detached, then the one
// recalculation that ends every aging and mixing. A conversion error inside
// `change` leaves the boxes written so far and propagates to the caller's
// error handler, which makes the sheet live again.
template <class Change>
void change_then_recalculate(Calculator& calc, Change&& change) {
  calc.state.calc_ready = 0;
  calc.changeEvents();
  change();
  calc.state.calc_ready = 1;
  calc.changeEvents();
  calc.run_calculation(Ctl::MainForm);
}

}  // namespace brennick
