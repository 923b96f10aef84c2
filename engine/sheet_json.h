// The sheet and the calculation state as JSON: the public output format of
// the command-line tool.
#pragma once

#include <nlohmann/json.hpp>

#include "engine/calculator.h"

namespace brennick {

// {"status": panel 1 text, "controls": {name: {...}}, "state": {name: value}}
nlohmann::ordered_json sheet_json(const Calculator& calc);

}  // namespace brennick
