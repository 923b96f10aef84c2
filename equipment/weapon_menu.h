// What the weapon and sheltom items of the right-click menus do
// (pipeline/menu_model.h holds the menus themselves).
#pragma once

#include <optional>
#include <string_view>

#include "engine/calculator.h"

namespace brennick {

// Insert_weapon: copies row `row` (1-based) of the table of `kind` into the
// slot of its grip (one-handed: the 1h boxes; otherwise the 2h boxes), the
// gem MP box accumulating, then runs one recalculation. Throws
// ConversionError when the slot's gem MP box holds no integer (the boxes
// written before it keep their new values). False for a row no table has.
bool Insert_weapon(Calculator& calc, int kind, int row);

// Insert_Sheltom: stat_sheltom_mp := the sheltom's mana regeneration plus
// its specialised mana regeneration (upper ends), then one recalculation.
// False for a row outside 1..9.
bool Insert_Sheltom(Calculator& calc, int row);

// The number of the last two characters of an item's name ("Axe05" -> 5),
// or nothing when they are not two digits.
std::optional<int> item_number(std::string_view name);

}  // namespace brennick
