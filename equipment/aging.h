// Aging: "Age to..." +1 .. +11 on the weapon, armour, shield and orb pages
// raises the values already in the slot's boxes, then recalculates once.
//
// A box that does not hold a number of the kind it is read as throws a
// ConversionError; boxes written before it keep their new values and the
// caller's error handler reports it. Levels and recipe numbers a menu does
// not have change nothing but still recalculate.
#pragma once

#include "engine/calculator.h"

namespace brennick {

void Age_weapon(Calculator& calc, bool two_handed, int level);
void Age_Armor(Calculator& calc, int level);
void Age_Shield(Calculator& calc, int level);
void Age_Orb(Calculator& calc, int level);

}  // namespace brennick
