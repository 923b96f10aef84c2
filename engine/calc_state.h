// The calculation state: every value a recalculation pass keeps besides the
// controls of the sheet. All zero at start-up. The members are listed once,
// in calc_state.def, with their types.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "data/vocabulary.h"

namespace brennick {

using flag = std::uint8_t;  // 0 or 1

// The entries of dot_extra: the damage per minute of the pets and summons
// (written by the class reports, read by the damage-over-time step), and the
// falcons' attack bonus of Force of Nature.
enum DotExtra : int {
  kFalconDamage = 0,         // Archer: Falcon
  kGoldenFalconDamage = 1,   // Archer: Golden Falcon
  kWolverineDamage = 2,      // Archer: Wolverine
  kMagneticSphereDamage = 3, // Mechanician: Magnetic Sphere
  kMetalGolemDamage = 4,     // Mechanician: Metal Golem
  kDancingSwordDamage = 5,   // Magician: Dancing Sword
  kFireElementalDamage = 6,  // Magician: Fire Elemental
  kFalconBonus = 7,          // Archer: Force of Nature's "+falconAP"
  kMuspellDamage = 8,        // Priestess: Summon Muspell
  kDotExtraCount = 9,
};

struct CalcState {
#define STATE(type, name, initial) type name = initial;
#define STATE_ARRAY(type, name, size) std::array<type, size> name{};
#include "engine/calc_state.def"
#undef STATE
#undef STATE_ARRAY

  friend bool operator==(const CalcState&, const CalcState&) = default;
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
