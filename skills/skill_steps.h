// The skills' steps of the recalculation pass.
#pragma once

#include "engine/calculator.h"

namespace brennick {

// Step 20 of the pass: the class's skill report, slot by slot.
void Calc_skills(Calculator& calc);

// The kind picture of a slot: 1 passive, 2 active, 3 timed and on, 4 timed
// and off; any other kind changes nothing.
void set_skill_type(Calculator& calc, int slot_index, int kind);

// A click on the kind picture of a timed skill switches it on or off; a
// skill switched on switches off the one its class cannot have at the same
// time (Mechanician, Atalanta and Knight pairs). False when `sender` is no
// slot's kind picture.
bool toggle_timed_skill(Calculator& calc, Ctl sender);

}  // namespace brennick
