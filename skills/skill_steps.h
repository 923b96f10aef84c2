// The skills' steps of the recalculation pass.
#pragma once

#include "engine/calculator.h"

namespace brennick {

// Step 20 of the pass: the class's skill report, slot by slot.
void Calc_skills(Calculator& calc);

// The kind picture of a slot: 1 passive, 2 active, 3 timed and on, 4 timed
// and off; any other kind changes nothing.
void set_skill_type(Calculator& calc, int slot_index, int kind);

}  // namespace brennick
