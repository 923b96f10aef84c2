// The calculation state: every value a recalculation pass keeps besides the
// controls of the sheet. All zero at start-up. The members are listed once,
// in calc_state.def, with their types.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brennick {

using flag = std::uint8_t;  // 0 or 1

struct CalcState {
#define STATE(type, name, initial) type name = initial;
#define STATE_ARRAY(type, name, size) std::array<type, size> name{};
#include "engine/calc_state.def"
#undef STATE
#undef STATE_ARRAY
};

// Calls f(name, value) for every member, in table order (arrays as
// std::array, texts as std::string).
template <class F>
void for_each_state_value(const CalcState& s, F&& f) {
#define STATE(type, name, initial) f(#name, s.name);
#define STATE_ARRAY(type, name, size) f(#name, s.name);
#include "engine/calc_state.def"
#undef STATE
#undef STATE_ARRAY
}

}  // namespace brennick
