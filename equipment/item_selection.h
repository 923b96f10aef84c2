// Choosing an item in one of the nine item lists of the main window
// (Select_Armor .. Select_ring2) copies the item's values into the slot's
// boxes, shows its picture and sets the picture's hint.
//
// item_selected(calc, list) is the user's choice: it writes the slot
// and runs one recalculation when a box changed. The build-file loader,
// which works inside a pass with the notifications detached, calls
// write_item_selection() instead.
#pragma once

#include <optional>
#include <string>

#include "engine/calculator.h"

namespace brennick {

// True for the nine item lists.
bool is_item_selection_list(Ctl list);

// The picture shown for row n of a list: prefix + two-digit row + ".bmp"
// ("Armor_05.bmp", "Ring_10.bmp"); "" for row 0. `robes` picks the robe
// pictures for the armour list. Nothing for a row outside the list's table
// or for a control that is no item list.
std::optional<std::string> item_picture_name(Ctl list, int row, bool robes = false);

// Writes the slot of `list` from the list's selected row, without
// recalculating. True when the text of at least one box changed.
//
// A row that no table has (-1, or past the table's end) leaves the slot as
// it is and the list without a selection. With no class chosen the armour
// list only sets its picture's hint. A picture file missing from images/
// raises a std::runtime_error after the boxes are written.
bool write_item_selection(Calculator& calc, Ctl list);

// The user's choice in an item list: writes the slot, then one pass when a
// box changed. A picture that fails to load is raised after the pass.
void item_selected(Calculator& calc, Ctl list);

}  // namespace brennick
