// Texts of results as the windows show them.
#pragma once

#include <cstdint>
#include <string>

namespace brennick {

// A value that may be a range, as the item browsers show it: a blank and the
// value when both ends are equal, otherwise "first - second".
std::string display_res(std::int8_t first, std::int8_t second);

}  // namespace brennick
