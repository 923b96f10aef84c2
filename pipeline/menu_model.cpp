#include "pipeline/menu_model.h"

#include <utility>

#include "data/item_tables.h"
#include "data/spec_requirement.h"
#include "data/weapon_tables.h"
#include "equipment/mixing.h"

namespace brennick {
namespace {

using C = Ctl;

// Names of the weapon sub-menus' items ("Axe05") and their captions.
constexpr std::array<const char*, kWeaponKindCount> kKindItemPrefix = {"Axe",     "Bow",   "Scythe", "Claw",
                                                                       "Javelin", "Sword", "Wand",   "Mace"};
constexpr std::array<const char*, kWeaponKindCount> kKindCaption = {
    "Insert Axe",     "Insert Bow",   "Insert Scythe",     "Insert Claw",
    "Insert Javelin", "Insert Sword", "Insert Wand/Staff", "Insert Mace"};

constexpr int kAgeLevels = 11;

MenuEntry entry(std::string name, std::string caption, int tag = 0, int image = kNoImage) {
  MenuEntry e;
  e.name = std::move(name);
  e.caption = std::move(caption);
  e.tag = tag;
  e.image = image;
  return e;
}

std::string two_digits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

MenuEntry age_menu(const std::string& name, const std::string& prefix) {
  MenuEntry age = entry(name, "Age to...");
  for (int n = 1; n <= kAgeLevels; ++n) age.items.push_back(entry(prefix + two_digits(n), "+" + std::to_string(n), n));
  return age;
}

// The recipes of each menu: the menus always have these items; the
// captions are the recipes'.
MenuEntry gem_menu(const std::string& name, const std::string& prefix, MixTarget target, int count) {
  MenuEntry gem = entry(name, "Gem with...");
  for (int r = 1; r <= count; ++r) gem.items.push_back(entry(prefix + two_digits(r), recipe_caption(target, r)));
  return gem;
}

const MenuEntry* find_in(const std::vector<MenuEntry>& items, std::string_view name, const MenuEntry* parent,
                         const MenuEntry** parent_out) {
  for (const MenuEntry& e : items) {
    if (e.name == name) {
      *parent_out = parent;
      return &e;
    }
    if (const MenuEntry* inner = find_in(e.items, name, &e, parent_out)) return inner;
  }
  return nullptr;
}

}  // namespace

std::string weapon_item_name(int kind, int row) {
  if (!is_weapon_kind(kind)) return {};
  return kKindItemPrefix[static_cast<std::size_t>(kind)] + two_digits(row);
}

std::string sheltom_item_name(int row) { return "sheltom" + two_digits(row); }

PopupMenus::PopupMenus() {
  PopupMenu& weap = menus_[static_cast<std::size_t>(Popup::Weapon)];
  weap.name = "popup_weap";
  for (int k = 0; k < kWeaponKindCount; ++k) {
    MenuEntry sub = entry(std::string(kKindItemPrefix[k]) + "1", kKindCaption[k], k + 1, k);
    for (int i = 1; i <= weapon_count(k); ++i) sub.items.push_back(entry(weapon_item_name(k, i), ""));
    weap.items.push_back(std::move(sub));
  }
  MenuEntry separator = entry("N1", "-");
  separator.separator = true;
  weap.items.push_back(std::move(separator));
  weap.items.push_back(age_menu("Age1", "age"));
  weap.items.push_back(gem_menu("Gemto1", "gem", MixTarget::Weapon, 23));

  PopupMenu& sheltom = menus_[static_cast<std::size_t>(Popup::Sheltom)];
  sheltom.name = "popup_sheltom";
  for (int i = 1; i <= kSheltomRows; ++i)
    sheltom.items.push_back(entry(sheltom_item_name(i), "", 0, kFirstSheltomImage + i - 1));

  PopupMenu& armor = menus_[static_cast<std::size_t>(Popup::Armor)];
  armor.name = "popup_armor";
  armor.items = {age_menu("Age2", "AgeA"), gem_menu("GemTo2", "GemA", MixTarget::Armor, 19)};

  PopupMenu& shield = menus_[static_cast<std::size_t>(Popup::Shield)];
  shield.name = "Popup_shield";
  shield.items = {age_menu("Age3", "AgeS"), gem_menu("GemTo3", "GemS", MixTarget::Shield, 17)};

  PopupMenu& orb = menus_[static_cast<std::size_t>(Popup::Orb)];
  orb.name = "Popup_orb";
  orb.items = {age_menu("Age4", "AgeO"), gem_menu("GemTo4", "GemO", MixTarget::Orb, 17)};
}

void PopupMenus::handle_popup(const Calculator& calc, Popup which, std::optional<Ctl> page) {
  if (which == Popup::Weapon) {
    weapon_page_ = page;
    const bool one_hand_page = page == C::TabSheet5;
    const bool two_hand_page = page == C::TabSheet6;
    PopupMenu& weap = menus_[static_cast<std::size_t>(Popup::Weapon)];
    for (int k = 0; k < kWeaponKindCount; ++k) {
      MenuEntry* sub = nullptr;
      for (MenuEntry& e : weap.items)
        if (e.tag == k + 1 && !e.items.empty() && e.name == std::string(kKindItemPrefix[k]) + "1") sub = &e;
      if (!sub) continue;
      const std::vector<WeaponR> rows = weapon_rows(k);
      for (std::size_t i = 0; i < rows.size() && i < sub->items.size(); ++i) {
        const WeaponR& w = rows[i];
        MenuEntry& m = sub->items[i];
        m.caption = w.name;
        // Each page offers only the weapons of its own grip; only enabled
        // items carry a dot.
        if (one_hand_page || two_hand_page) {
          m.image = kNoImage;
          m.enabled = is_one_handed(w) == one_hand_page;
          if (m.enabled) m.image = requirement_mark(calc.sheet, w);
          m.hint = m.enabled ? requirement_hint(calc.sheet, w) : std::string();
        }
      }
    }
  }
  if (which == Popup::Sheltom) {
    PopupMenu& sheltom = menus_[static_cast<std::size_t>(Popup::Sheltom)];
    for (int i = 1; i <= kSheltomRows && i <= static_cast<int>(sheltom.items.size()); ++i)
      sheltom.items[static_cast<std::size_t>(i - 1)].caption = sheltom_row(i)->name;
  }
}

std::optional<FoundEntry> PopupMenus::find(std::string_view name) const {
  for (Popup p : kAllPopups) {
    const MenuEntry* parent = nullptr;
    if (const MenuEntry* e = find_in(menu(p).items, name, nullptr, &parent)) return FoundEntry{p, e, parent};
  }
  return std::nullopt;
}

std::vector<Ctl> popup_pages(Popup which) {
  switch (which) {
    case Popup::Weapon: return {C::TabSheet5, C::TabSheet6};
    case Popup::Sheltom: return {C::grp_sheltom};
    case Popup::Armor: return {C::TabSheet7};
    case Popup::Shield: return {C::TabSheet8};
    case Popup::Orb: return {C::TabSheet9};
  }
  return {};
}

std::optional<Popup> popup_of_page(Ctl page) {
  for (Popup p : kAllPopups)
    for (Ctl c : popup_pages(p))
      if (c == page) return p;
  return std::nullopt;
}

int requirement_mark(const Sheet& sheet, const WeaponR& w) {
  const int k = sheet.row(C::Select_class);
  // In the order level, Strength, Talent, Agility, Spirit; the lower end of
  // the specialised requirement counts.
  if (w.level_req > sheet.value(C::stat_level)) return kRedDotImage;
  if (spec_requirement(w.str_req, kStatStrength, k, true) > sheet.value(C::stat_strenght)) return kRedDotImage;
  if (spec_requirement(w.tal_req, kStatTalent, k, true) > sheet.value(C::stat_talent)) return kRedDotImage;
  if (spec_requirement(w.agi_req, kStatAgility, k, true) > sheet.value(C::stat_agility)) return kRedDotImage;
  if (spec_requirement(w.spi_req, kStatSpirit, k, true) > sheet.value(C::stat_spirit)) return kRedDotImage;
  return kGreenDotImage;
}

std::string requirement_hint(const Sheet& sheet, const WeaponR& w) {
  const int k = sheet.row(C::Select_class);
  if (k < 0) return "Not met: no class chosen";
  struct Need {
    const char* name;
    std::int32_t value;
    Ctl have;
  };
  const Need needs[] = {
      {"Level", w.level_req, C::stat_level},
      {"Strength", spec_requirement(w.str_req, kStatStrength, k, true), C::stat_strenght},
      {"Talent", spec_requirement(w.tal_req, kStatTalent, k, true), C::stat_talent},
      {"Agility", spec_requirement(w.agi_req, kStatAgility, k, true), C::stat_agility},
      {"Spirit", spec_requirement(w.spi_req, kStatSpirit, k, true), C::stat_spirit},
  };
  std::string unmet;
  for (const Need& n : needs) {
    const std::int32_t have = sheet.value(n.have);
    if (n.value <= have) continue;
    if (!unmet.empty()) unmet += ", ";
    unmet += std::string(n.name) + " " + std::to_string(n.value) + " (you have " + std::to_string(have) + ")";
  }
  return unmet.empty() ? "All requirements met" : "Not met: " + unmet;
}

}  // namespace brennick
