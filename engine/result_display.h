// Texts of results as the windows show them.
#pragma once

#include <cstdint>
#include <string>

#include "base/number_text.h"

namespace brennick {

// display_res (a value that may be a range) lives with the number texts.

}  // namespace brennick
