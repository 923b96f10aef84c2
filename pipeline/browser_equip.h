// "Equip" of an item browser: the item shown in a browser put on the sheet
// by the very change the main window offers for it, so that it is one user
// action and one undo step like any other. An armour, robe, shield, orb,
// pair of boots or gauntlets, armlets, amulet or ring is chosen in its item
// list; a sheltom is inserted from the sheltom menu; a weapon from the
// weapon menu of the page its grip takes (one-handed TabSheet5, otherwise
// TabSheet6).
#pragma once

#include <optional>
#include <string>

#include "data/browser_contents.h"
#include "pipeline/user_action.h"

namespace brennick {

struct EquipAction {
  std::optional<UserAction> action;  // nothing when the item cannot go on this sheet
  std::string hint;                  // what Equip does, or why it cannot
};

// Equipping table entry `item` (1-based, as BrowserDetails::item) of the
// browser `kind`; `weapon_kind` is the weapon window's type choice. A ring
// goes into the first empty ring list, the first one when both hold a ring.
// An armour needs a class that wears armour, a robe one that wears robes,
// as the main window's armour list holds the one or the other.
EquipAction equip_action(const Sheet& sheet, BrowserKind kind, int weapon_kind, int item);

}  // namespace brennick
