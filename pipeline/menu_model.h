// The right-click menus of the main window as plain data: the menus the
// window shows, and the names their items are run by (pipeline/menu_items.h;
// equipment/weapon_menu.h inserts the weapons and sheltoms).
//
// popup_weap (pages "oneHand" TabSheet5 and "twoHand" TabSheet6):
//   Axe1 .. Mace1 "Insert Axe" .. "Insert Mace" (tags 1..8, kind icons
//   0..7), one item per weapon row (Axe01 .. Axe17, Bow01 .. Bow19, ...);
//   a separator N1; Age1 "Age to..." (age01 .. age11, "+1" .. "+11", tags
//   1..11); Gemto1 "Gem with..." (gem01 .. gem23).
// popup_sheltom ("Sheltom" group): sheltom01 .. sheltom09, images 9..17.
// popup_armor (page "Armor"): Age2 (AgeA01 .. AgeA11), GemTo2 (GemA01 .. GemA19).
// Popup_shield (page "Shield"): Age3 (AgeS01 ..), GemTo3 (GemS01 .. GemS17).
// Popup_orb (page "Orb"): Age4 (AgeO01 ..), GemTo4 (GemO01 .. GemO17).
//
// handle_popup prepares a menu each time it opens: the weapon items get
// their captions from the weapon tables, are enabled only for the grip of
// the page the menu opens on, and the enabled ones carry a red or green
// dot for the character's requirements; the sheltom items get their names.
// The window builds its menus from this model; click_menu_item
// (menu_items.h) runs an item by name.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/records.h"
#include "engine/calculator.h"

namespace brennick {

enum class Popup { Weapon, Sheltom, Armor, Shield, Orb };
inline constexpr std::array<Popup, 5> kAllPopups = {Popup::Weapon, Popup::Sheltom, Popup::Armor, Popup::Shield,
                                                    Popup::Orb};

// The image lists of the menus. Weapon menu: 0..7 the kind icons (Axe ..
// Mace), 8 the red dot, 9 the green dot. Sheltom menu: 9..17 the sheltoms
// 1..9. -1 is "no image".
inline constexpr int kNoImage = -1;
inline constexpr int kRedDotImage = 8;
inline constexpr int kGreenDotImage = 9;
inline constexpr int kFirstSheltomImage = 9;

struct MenuEntry {
  std::string name;     // "Axe05", "Axe1", "age03", "N1", ...
  std::string caption;  // "" for the weapon and sheltom items until the menu is prepared
  int tag = 0;
  int image = kNoImage;
  bool enabled = true;
  bool separator = false;
  std::string hint;  // weapon items: what the requirement mark means (requirement_hint)
  std::vector<MenuEntry> items;  // a sub-menu's items
};

struct PopupMenu {
  std::string name;  // "popup_weap", "popup_sheltom", "popup_armor", "Popup_shield", "Popup_orb"
  std::vector<MenuEntry> items;
};

// An item found by name, with its menu and the sub-menu holding it (null
// for an item of the menu itself).
struct FoundEntry {
  Popup menu;
  const MenuEntry* item;
  const MenuEntry* parent;
};

class PopupMenus {
 public:
  PopupMenus();  // every menu with its items, as before its first opening

  const PopupMenu& menu(Popup which) const { return menus_[static_cast<std::size_t>(which)]; }

  // handle_popup: prepares the menu that is opening. `page` is the page the
  // weapon menu opens on (TabSheet5 or TabSheet6); the other menus ignore it.
  void handle_popup(const Calculator& calc, Popup which, std::optional<Ctl> page = std::nullopt);

  // The page the weapon menu was last prepared for.
  std::optional<Ctl> weapon_page() const { return weapon_page_; }

  // Any entry of any menu (sub-menus and items) by name; names are unique.
  std::optional<FoundEntry> find(std::string_view name) const;

 private:
  std::array<PopupMenu, 5> menus_;
  std::optional<Ctl> weapon_page_;
};

// The name of the weapon menu's item that inserts row `row` of the table of
// `kind` ("Axe05"; empty for a kind outside 0..7), and of the sheltom
// menu's item of sheltom `row` ("sheltom03").
std::string weapon_item_name(int kind, int row);
std::string sheltom_item_name(int row);

// The pages (and the group) a menu is attached to, and the reverse.
std::vector<Ctl> popup_pages(Popup which);
std::optional<Popup> popup_of_page(Ctl page);

// The requirement mark of a weapon for the character on the sheet:
// kGreenDotImage when the level and the lower ends of the specialised
// Strength, Talent, Agility and Spirit requirements are met (a requirement
// equal to the statistic is met), kRedDotImage otherwise. With no class
// chosen every weapon gets the red dot.
int requirement_mark(const Sheet& sheet, const WeaponR& weapon);

// The hint of a weapon item, explaining its mark: "Not met: Level 40
// (you have 30), Strength 85 (you have 60)" naming every requirement the
// character falls short of with the value it asks, "All requirements met",
// or "Not met: no class chosen".
std::string requirement_hint(const Sheet& sheet, const WeaponR& weapon);

}  // namespace brennick
