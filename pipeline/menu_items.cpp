// Clicking an item of a right-click menu by name.
#include "pipeline/menu_items.h"

#include <exception>

#include "equipment/aging.h"
#include "equipment/mixing.h"
#include "equipment/weapon_menu.h"
#include "pipeline/menu_model.h"

namespace brennick {
namespace {

bool starts_with(std::string_view s, std::string_view prefix) { return s.substr(0, prefix.size()) == prefix; }

// Runs the handler of an enabled item; false when the item has none.
bool run_item(Calculator& calc, const FoundEntry& found, bool two_handed) {
  const MenuEntry& item = *found.item;
  const std::string& name = item.name;
  const std::optional<int> number = item_number(name);
  if (!number || !found.parent) return false;
  const int n = *number;
  switch (found.menu) {
    case Popup::Weapon:
      if (found.parent->name == "Age1") {
        Age_weapon(calc, two_handed, item.tag);
        return true;
      }
      if (found.parent->name == "Gemto1") {
        Gem_Weapon(calc, two_handed, n);
        return true;
      }
      // An "Insert <kind>" sub-menu: its tag is the kind + 1.
      return Insert_weapon(calc, found.parent->tag - 1, n);
    case Popup::Sheltom:
      return false;
    case Popup::Armor:
      if (starts_with(name, "AgeA")) Age_Armor(calc, n); else Gem_Armor(calc, n);
      return true;
    case Popup::Shield:
      if (starts_with(name, "AgeS")) Age_Shield(calc, n); else Gem_Shield(calc, n);
      return true;
    case Popup::Orb:
      if (starts_with(name, "AgeO")) Age_Orb(calc, n); else Gem_Orb(calc, n);
      return true;
  }
  return false;
}

}  // namespace

bool click_menu_item(Calculator& calc, const std::string& item, std::optional<Ctl> page) {
  PopupMenus menus;
  const std::optional<FoundEntry> found = menus.find(item);
  if (!found) return false;
  // The menu is prepared as it is when it opens, so that an item the user
  // cannot click (a weapon of the other grip) cannot be run by name.
  if (found->menu != Popup::Weapon || page == Ctl::TabSheet5 || page == Ctl::TabSheet6)
    menus.handle_popup(calc, found->menu, page);
  return click_prepared_menu_item(calc, menus, item, page);
}

bool click_prepared_menu_item(Calculator& calc, const PopupMenus& menus, const std::string& item,
                              std::optional<Ctl> page) {
  const std::optional<FoundEntry> found = menus.find(item);
  // Only items run something: not the sub-menus, not the separator.
  if (!found || found->item->separator || !found->item->items.empty()) return false;

  bool two_handed = false;
  if (found->menu == Popup::Weapon) {
    // Weapon-menu items act on the page the menu was opened on.
    if (page != Ctl::TabSheet5 && page != Ctl::TabSheet6) return false;
    if (menus.weapon_page() != page) return false;
    two_handed = page == Ctl::TabSheet6;
  }
  const FoundEntry& prepared = *found;
  if (!prepared.item->enabled) return false;

  // The parent of a menu item is the sub-menu (or menu) holding it.
  const std::string owner = prepared.parent ? prepared.parent->name : menus.menu(prepared.menu).name;
  try {
    if (prepared.menu == Popup::Sheltom) {
      const std::optional<int> n = item_number(item);
      return n && Insert_Sheltom(calc, *n);
    }
    return run_item(calc, prepared, two_handed);
  } catch (const std::exception& e) {
    calc.AppException(owner, item, e.what());
    return true;
  }
}

}  // namespace brennick
