#include "equipment/slot_boxes.h"

#include <algorithm>
#include <limits>

namespace brennick {

std::int32_t saturate_int(std::int64_t value) {
  constexpr std::int64_t lo = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t hi = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, lo, hi));
}

std::int32_t read_int_box(const Sheet& sheet, Ctl box) {
  const std::string& text = sheet.text(box);
  if (!is_int_text(text)) throw ConversionError("'" + text + "' is not a valid integer value");
  return int_of_text(text);
}

double read_real_box(const Sheet& sheet, Ctl box, const NumberFormat& fmt) {
  return real_of_text(sheet.text(box), fmt);
}

void write_int_box(Sheet& sheet, Ctl box, std::int64_t value) { sheet.set_text(box, int_text(saturate_int(value))); }

void write_real_box(Sheet& sheet, Ctl box, ext value, const NumberFormat& fmt) {
  sheet.set_text(box, format_general(stored(value), fmt));
}

std::int32_t floor_percent(std::int32_t v, int percent) {
  const std::int64_t product = std::int64_t{v} * percent;
  std::int64_t q = product / 100;
  if (product % 100 != 0 && product < 0) --q;  // toward minus infinity
  return saturate_int(q);
}

}  // namespace brennick
