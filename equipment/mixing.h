// Mixing: "Gem with..." recipes on the weapon, armour, shield and orb pages
// add their bonuses to the slot's boxes, then recalculate once.
//
// A box that does not hold a number of the kind it is read as throws a
// ConversionError; boxes written before it keep their new values and the
// caller's error handler reports it. Levels and recipe numbers a menu does
// not have change nothing but still recalculate.
#pragma once

#include <string>

#include "engine/calculator.h"

namespace brennick {

enum class MixTarget { Weapon, Armor, Shield, Orb };

// Number of recipes of a menu (23, 19, 17, 17) and the caption of recipe
// 1..count, as the menu shows it.
int recipe_count(MixTarget target);
const std::string& recipe_caption(MixTarget target, int recipe);

void Gem_Weapon(Calculator& calc, bool two_handed, int recipe);
void Gem_Armor(Calculator& calc, int recipe);
void Gem_Shield(Calculator& calc, int recipe);
void Gem_Orb(Calculator& calc, int recipe);

}  // namespace brennick
