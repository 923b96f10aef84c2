// Buffs cast on the character (slots 1..8, index 0..7): which class may
// receive which buff, and the availability of the slots' controls.
// Calc_castOn applies them.
#pragma once

#include "engine/calculator.h"

namespace brennick::skills {

// Whether a class (row of Select_class, -1 none) may receive the buff of a
// slot index. Holy Mind (index 2) never acts.
bool may_receive(int class_no, int slot);

// Enables the label, level field and switch of the slots the selected class
// may receive and disables the others (slot 3 is left as it is), and gives
// the undead picture its click for every class but the Knight.
void Reset_castOn(Calculator& calc);

}  // namespace brennick::skills

namespace brennick {

// Steps 19 and 21 of the pass: the buffs' additions to attack power, rating
// and evasion (first pass), then Holy Valor's text against undead.
void Calc_castOn(Calculator& calc, bool first_pass);

// A click on the switch of a buff turns it on or off (its picture and
// label); Triumph of Valhalla and Hall of Valhalla exclude each other. False
// when `sender` is no buff's switch, or the switch of the buff without one.
bool toggle_cast_on(Calculator& calc, Ctl sender);

}  // namespace brennick
