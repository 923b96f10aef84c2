#include "pipeline/browser_equip.h"

#include <array>
#include <string_view>

#include "data/item_tables.h"
#include "data/vocabulary.h"
#include "data/weapon_tables.h"
#include "pipeline/menu_model.h"

namespace brennick {
namespace {

using C = Ctl;

// The item list of each browser kind that has one, with the words of its
// hint; the armour list takes armours or robes by the class.
struct ListOfKind {
  BrowserKind kind;
  Ctl list;
  std::string_view list_words;  // "the armour list"
};
constexpr std::array<ListOfKind, 9> kLists{{
    {BrowserKind::Armor, C::Select_Armor, "the armour list"},
    {BrowserKind::Robe, C::Select_Armor, "the armour list"},
    {BrowserKind::Shield, C::Select_Shield, "the shield list"},
    {BrowserKind::Orb, C::Select_Orb, "the orb list"},
    {BrowserKind::Boots, C::Select_Boots, "the boots list"},
    {BrowserKind::Gaunts, C::Select_Gaunts, "the gauntlets list"},
    {BrowserKind::Armlets, C::Select_armlets, "the armlets list"},
    {BrowserKind::Amulet, C::Select_amulet, "the amulet list"},
    {BrowserKind::Ring, C::Select_ring1, "the first ring list"},
}};

const ListOfKind* list_of(BrowserKind kind) {
  for (const ListOfKind& l : kLists)
    if (l.kind == kind) return &l;
  return nullptr;
}

EquipAction refused(std::string why) { return {std::nullopt, std::move(why)}; }

UserAction set_row(Ctl list, int row) { return {true, list, std::to_string(row), std::nullopt}; }
UserAction click_item(std::string item, std::optional<Ctl> page) { return {false, std::nullopt, std::move(item), page}; }

bool empty_list(const Sheet& sheet, Ctl list) { return sheet.row(list) <= 0; }

// The armour list holds what the chosen class wears; with no class it
// holds nothing that can be chosen.
std::optional<std::string> wear_refusal(const Sheet& sheet, BrowserKind kind) {
  if (kind != BrowserKind::Armor && kind != BrowserKind::Robe) return std::nullopt;
  const int c = sheet.row(C::Select_class);
  if (c < 0 || c >= kClassCount) return "Choose a class in the main window first";
  const Wears wears = kClasses[static_cast<std::size_t>(c)].wears;
  if (kind == BrowserKind::Armor && wears != Wears::Armour)
    return "A " + std::string(kClasses[static_cast<std::size_t>(c)].name) + " wears robes, not armour";
  if (kind == BrowserKind::Robe && wears != Wears::Robe)
    return "A " + std::string(kClasses[static_cast<std::size_t>(c)].name) + " wears armour, not robes";
  return std::nullopt;
}

EquipAction list_choice(const Sheet& sheet, const ListOfKind& l, int item) {
  if (auto why = wear_refusal(sheet, l.kind)) return refused(*why);
  Ctl list = l.list;
  std::string_view words = l.list_words;
  if (l.kind == BrowserKind::Ring && !empty_list(sheet, C::Select_ring1) && empty_list(sheet, C::Select_ring2)) {
    list = C::Select_ring2;
    words = "the second ring list";
  }
  const auto& rows = sheet[list].rows;
  if (item < 1 || item >= static_cast<int>(rows.size())) return refused("No item chosen");
  return {set_row(list, item), "Equip: choose " + rows[static_cast<std::size_t>(item)] + " in " + std::string(words)};
}

EquipAction weapon_insert(int kind, int item) {
  const std::optional<WeaponR> w = weapon_row(kind, item);
  if (!w) return refused("No item chosen");
  const bool one_hand = is_one_handed(*w);
  return {click_item(weapon_item_name(kind, item), one_hand ? C::TabSheet5 : C::TabSheet6),
          "Equip: insert " + w->name + " into the " + (one_hand ? "one-handed" : "two-handed") + " column"};
}

EquipAction sheltom_insert(int item) {
  const std::optional<SheltomR> s = sheltom_row(item);
  if (!s) return refused("No item chosen");
  return {click_item(sheltom_item_name(item), std::nullopt), "Equip: insert " + s->name + " as the sheltom"};
}

}  // namespace

EquipAction equip_action(const Sheet& sheet, BrowserKind kind, int weapon_kind, int item) {
  if (kind == BrowserKind::Weapon) return weapon_insert(weapon_kind, item);
  if (kind == BrowserKind::Sheltom) return sheltom_insert(item);
  if (const ListOfKind* l = list_of(kind)) return list_choice(sheet, *l, item);
  return refused("No item chosen");
}

}  // namespace brennick
