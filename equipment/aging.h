// Aging: "Age to..." +1 .. +11 on the weapon, armour, shield and orb pages
// raises the values already in the slot's boxes, then recalculates once.
#pragma once

#include "engine/calculator.h"

namespace brennick {

void Age_weapon(Calculator& calc, bool two_handed, int level);
void Age_Armor(Calculator& calc, int level);
void Age_Shield(Calculator& calc, int level);
void Age_Orb(Calculator& calc, int level);

}  // namespace brennick
