// The items of the right-click menus (weapon, sheltom, armour, shield and
// orb pages), by name: "Axe05" inserts that axe, "sheltom03" that sheltom,
// "age03" / "AgeA03" / "AgeS03" / "AgeO03" age, "gem07" / "GemA06" /
// "GemS02" / "GemO11" mix. Weapon-menu items act on the page the menu was
// opened on (TabSheet5 one-handed, TabSheet6 two-handed).
#pragma once

#include <optional>
#include <string>

#include "engine/calculator.h"

namespace brennick {

// Runs the item as the user's click would. False when there is no such
// item (or the item is disabled, or a weapon-menu item lacks its page).
bool click_menu_item(Calculator& calc, const std::string& item, std::optional<Ctl> page);

class PopupMenus;
// The same with the menus already prepared (handle_popup) for this sheet
// and, for the weapon menu, for `page`: many items of one opening of a menu
// are run without preparing it again for each.
bool click_prepared_menu_item(Calculator& calc, const PopupMenus& menus, const std::string& item,
                              std::optional<Ctl> page);

}  // namespace brennick
