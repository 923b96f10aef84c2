#include "buildfile/build_file.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <string>
#include <unordered_map>
#include <stdexcept>
#include <utility>
#include <vector>

#include "base/number_text.h"
#include "equipment/item_selection.h"

namespace brennick {
namespace {

using C = Ctl;
using K = BuildKeyKind;

constexpr Ctl kNoControl = Ctl::Count_;

// The keys in file order. Skill1 .. Skill16 follow at the end (see below).
constexpr BuildKey kFixedKeys[] = {
    {"BrennickVersion", "Version", K::Version, kNoControl, 0},

    {"CharacterStats", "Class", K::Row, C::Select_class, 0},
    {"CharacterStats", "Level", K::Int, C::stat_level, 0},
    {"CharacterStats", "Strenght", K::Int, C::stat_strenght, 0},
    {"CharacterStats", "Spirit", K::Int, C::stat_spirit, 0},
    {"CharacterStats", "Talent", K::Int, C::stat_talent, 0},
    {"CharacterStats", "Agility", K::Int, C::stat_agility, 0},
    {"CharacterStats", "Health", K::Int, C::stat_health, 0},

    {"Armor", "Defense", K::IntText, C::stat_armor_def, 0},
    {"Armor", "SpecDefense", K::IntText, C::stat_armor_spec_def, 0},
    {"Armor", "Absorption", K::DecimalText, C::stat_armor_abs, 0},
    {"Armor", "SpecAbsorption", K::DecimalText, C::stat_armor_spec_abs, 0},
    {"Armor", "Regen", K::DecimalText, C::stat_robe_regen, 0},
    {"Armor", "ArmorType", K::Row, C::Select_Armor, 0},

    {"AbsSpecial", "Armor", K::Bool, C::chk_armor_is_right_spec, 0},

    {"Shield", "Defense", K::IntText, C::stat_shield_def, 0},
    {"Shield", "SpecDefense", K::IntText, C::stat_shield_spec_def, 0},
    {"Shield", "Absorption", K::DecimalText, C::stat_shield_abs, 0},
    {"Shield", "SpecAbsorption", K::DecimalText, C::stat_shield_spec_abs, 0},
    {"Shield", "Block", K::IntText, C::stat_shield_blk, 0},
    {"Shield", "SpecBlock", K::IntText, C::stat_shield_spec_blk, 0},
    {"Shield", "ShieldType", K::Row, C::Select_Shield, 0},

    {"Orb", "Defense", K::IntText, C::stat_orb_def, 0},
    {"Orb", "Absorption", K::DecimalText, C::stat_orb_abs, 0},
    {"Orb", "SpecAbsorption", K::DecimalText, C::stat_orb_spec_abs, 0},
    {"Orb", "MP", K::IntText, C::stat_orb_MP, 0},
    {"Orb", "MPRegen", K::DecimalText, C::stat_orb_regen, 0},
    {"Orb", "OrbType", K::Row, C::Select_Orb, 0},

    {"Boots", "Defense", K::IntText, C::stat_boots_def, 0},
    {"Boots", "Absorption", K::DecimalText, C::stat_boots_abs, 0},
    {"Boots", "SpecAbsorption", K::DecimalText, C::stat_boots_spec_abs, 0},
    {"Boots", "Speed", K::DecimalText, C::stat_boots_spd, 0},
    {"Boots", "SpecSpeed", K::DecimalText, C::stat_boots_spec_spd, 0},
    {"Boots", "BootsType", K::Row, C::Select_Boots, 0},

    {"Gaunts", "Defense", K::IntText, C::stat_gaunts_def, 0},
    {"Gaunts", "SpecDefense", K::IntText, C::stat_gaunts_spec_def, 0},
    {"Gaunts", "Absorption", K::DecimalText, C::stat_gaunts_abs, 0},
    {"Gaunts", "SpecAbsorption", K::DecimalText, C::stat_gaunts_spec_abs, 0},
    {"Gaunts", "GauntsType", K::Row, C::Select_Gaunts, 0},

    {"Armlets", "Defense", K::IntText, C::stat_armlets_def, 0},
    {"Armlets", "Atk-Rtg", K::IntText, C::stat_armlets_rtg, 0},
    {"Armlets", "lvl", K::IntText, C::stat_armlets_lvl, 0},
    {"Armlets", "ArmletsType", K::Row, C::Select_armlets, 0},

    {"Other", "Defense", K::IntText, C::stat_other_def, 0},
    {"Other", "Absorption", K::DecimalText, C::stat_other_abs, 0},

    {"Accessories", "AmuletHP", K::IntText, C::stat_amu_HP, 0},
    {"Accessories", "AmuletMP", K::IntText, C::stat_amu_MP, 0},
    {"Accessories", "AmuletMPRegen", K::DecimalText, C::stat_amu_regen, 0},
    {"Accessories", "AmuletType", K::Row, C::Select_amulet, 0},
    {"Accessories", "RingsHP", K::IntText, C::stat_rings_HP, 0},
    {"Accessories", "RingsSTM", K::IntText, C::stat_rings_STM, 0},
    {"Accessories", "RingType1", K::Row, C::Select_ring1, 0},
    {"Accessories", "RingsHP2", K::IntText, C::stat_rings_HP_2, 0},
    {"Accessories", "RingsSTM2", K::IntText, C::stat_rings_STM_2, 0},
    {"Accessories", "RingType2", K::Row, C::Select_ring2, 0},

    {"GemmedStuff", "Gem1hHP", K::IntText, C::stat_gem_HP, 0},
    {"GemmedStuff", "Gem2hHP", K::IntText, C::stat_gem_HP_2, 0},
    {"GemmedStuff", "Gem1hMP", K::IntText, C::stat_gem_MP, 0},
    {"GemmedStuff", "Gem2hMP", K::IntText, C::stat_gem_MP_2, 0},
    {"GemmedStuff", "Gem1hSTM", K::IntText, C::stat_gem_STM, 0},
    {"GemmedStuff", "Gem2hSTM", K::IntText, C::stat_gem_STM_2, 0},
    {"GemmedStuff", "ArmorHP", K::IntText, C::stat_gem_armor_hp, 0},
    {"GemmedStuff", "ArmorMP", K::IntText, C::stat_gem_armor_mp, 0},
    {"GemmedStuff", "ArmorSTM", K::IntText, C::stat_gem_armor_stm, 0},
    {"GemmedStuff", "ShieldHP", K::IntText, C::stat_gem_shield_HP, 0},
    {"GemmedStuff", "ShieldMP", K::IntText, C::stat_gem_shield_MP, 0},
    {"GemmedStuff", "ShieldSTM", K::IntText, C::stat_gem_shield_STM, 0},
    {"GemmedStuff", "orbHP", K::IntText, C::stat_gem_orb_HP, 0},
    {"GemmedStuff", "orbMP", K::IntText, C::stat_gem_orb_MP, 0},
    {"GemmedStuff", "orbSTM", K::IntText, C::stat_gem_orb_STM, 0},

    {"1hWeapon", "WeaponType", K::Row, C::Select_weapon, 8},
    {"1hWeapon", "minPow", K::IntText, C::stat_weap_min_pow, 0},
    {"1hWeapon", "maxPow", K::IntText, C::stat_weap_max_pow, 0},
    {"1hWeapon", "Atk-Rtg", K::IntText, C::stat_weap_rtg, 0},
    {"1hWeapon", "Critical", K::IntText, C::stat_weap_crit, 0},
    {"1hWeapon", "Defense", K::IntText, C::stat_weap_def, 0},
    {"1hWeapon", "SpecPow", K::IntText, C::stat_weap_spec_pow, 0},
    {"1hWeapon", "SpecRtg", K::IntText, C::stat_weap_spec_rtg, 0},
    {"1hWeapon", "SpecCritical", K::IntText, C::stat_weap_spec_crit, 0},
    {"1hWeapon", "SpecMPRegen", K::DecimalText, C::stat_weap_MP_regen, 0},
    {"1hWeapon", "WeaponSpeed", K::Row, C::stat_weap_spd, 0},

    {"2hWeapon", "WeaponType", K::Row, C::Select_weapon_2, 8},
    {"2hWeapon", "minPow", K::IntText, C::stat_weap_min_pow_2, 0},
    {"2hWeapon", "maxPow", K::IntText, C::stat_weap_max_pow_2, 0},
    {"2hWeapon", "Atk-Rtg", K::IntText, C::stat_weap_rtg_2, 0},
    {"2hWeapon", "Critical", K::IntText, C::stat_weap_crit_2, 0},
    {"2hWeapon", "Block", K::IntText, C::stat_weap_blk, 0},
    {"2hWeapon", "SpecPow", K::IntText, C::stat_weap_spec_pow_2, 0},
    {"2hWeapon", "SpecRtg", K::IntText, C::stat_weap_spec_rtg_2, 0},
    {"2hWeapon", "SpecCritical", K::IntText, C::stat_weap_spec_crit_2, 0},
    {"2hWeapon", "SpecMPRegen", K::DecimalText, C::stat_weap_MP_regen_2, 0},
    {"2hWeapon", "WeaponSpeed", K::Row, C::stat_weap_spd_2, 0},

    {"Sheltom", "MPRegen", K::DecimalText, C::stat_sheltom_mp, 0},

    {"Quest", "Tier3", K::Bool, C::tier3_done, 0},
    {"Quest", "Level30", K::Bool, C::level_30_done, 0},
    {"Quest", "Level55", K::Bool, C::level_55_done, 0},
    {"Quest", "Level70", K::Bool, C::level_70_done, 0},
    {"Quest", "Level80", K::Bool, C::level_80_done, 0},
    {"Quest", "Level90", K::Bool, C::level_90_done, 0},
};

constexpr std::size_t kFixedCount = std::size(kFixedKeys);
constexpr std::size_t kKeyCount = kFixedCount + 16;

constexpr std::array<std::string_view, 16> kSkillKeyNames = {
    "Skill1", "Skill2",  "Skill3",  "Skill4",  "Skill5",  "Skill6",  "Skill7",  "Skill8",
    "Skill9", "Skill10", "Skill11", "Skill12", "Skill13", "Skill14", "Skill15", "Skill16"};

const std::array<BuildKey, kKeyCount>& key_table() {
  static const std::array<BuildKey, kKeyCount> table = [] {
    std::array<BuildKey, kKeyCount> t{};
    std::copy(std::begin(kFixedKeys), std::end(kFixedKeys), t.begin());
    // Key Skill N belongs to tier (N-1)/4+1, slot (N-1)%4+1: slot index N-1.
    for (std::size_t n = 0; n < std::size_t{kSlotCount}; ++n)
      t[kFixedCount + n] = {"SkillLevels", kSkillKeyNames[n], K::Int, slot_controls(static_cast<int>(n)).level, 0};
    return t;
  }();
  return table;
}

// Every key of the table by its section and key name as the document
// matches them ("section\nkey"; no name of the table holds a line break).
std::string lookup_name(std::string_view section, std::string_view key) {
  return ini_name_key(section) + '\n' + ini_name_key(key);
}
const std::unordered_map<std::string, const BuildKey*>& key_index() {
  static const std::unordered_map<std::string, const BuildKey*> index = [] {
    std::unordered_map<std::string, const BuildKey*> m;
    for (const BuildKey& k : key_table()) m.emplace(lookup_name(k.section, k.key), &k);
    return m;
  }();
  return index;
}

// The key a load step reads; the steps name only keys of the table.
const BuildKey& key_of(std::string_view section, std::string_view key) {
  const BuildKey* k = find_build_key(section, key);
  if (!k) throw std::logic_error("build file key missing from the table: " + std::string(section) + "/" +
                                 std::string(key));
  return *k;
}

// --- reading one key into its control ----------------------------------------

std::int32_t read_int(const IniDocument& doc, const BuildKey& k) {
  const std::optional<std::string> v = doc.get(k.section, k.key);
  return v ? int_of_text(*v, k.fallback) : k.fallback;
}

// Selects the stored row; a row the list does not have selects nothing.
// True when the list then has a row.
bool load_row(Calculator& calc, const IniDocument& doc, const BuildKey& k) {
  calc.sheet.set_row(k.control, read_int(doc, k));
  return calc.sheet.row(k.control) >= 0;
}

void load_key(Calculator& calc, const IniDocument& doc, const BuildKey& k) {
  Sheet& sheet = calc.sheet;
  switch (k.kind) {
    case K::Version:
      return;
    case K::Row:
      load_row(calc, doc, k);
      return;
    case K::Int:
      sheet.set_value(k.control, read_int(doc, k));  // clamped to the field's range
      return;
    case K::IntText:
      sheet.set_text(k.control, int_text(read_int(doc, k)));
      return;
    case K::DecimalText:
      sheet.set_text(k.control, comma_to_dot(calc, doc.read_string(k.section, k.key, "0")));
      return;
    case K::Bool:
      sheet.set_checked(k.control, read_int(doc, k) != 0);
      return;
  }
}

void load(Calculator& calc, const IniDocument& doc, std::string_view section,
          std::initializer_list<std::string_view> keys) {
  for (std::string_view key : keys) load_key(calc, doc, key_of(section, key));
}

// An item list: its stored row, then its handler, which writes the slot's
// boxes from the item table (the stored boxes overwrite them afterwards).
// A row the list does not have reaches no handler: the list shows no
// selection and the slot no picture.
void load_item_list(Calculator& calc, const IniDocument& doc, std::string_view section, std::string_view key,
                    Ctl picture) {
  const BuildKey& k = key_of(section, key);
  if (load_row(calc, doc, k)) {
    write_item_selection(calc, k.control);
  } else {
    calc.sheet.set_picture(picture, "");
  }
}

// --- the section of active effects ---------------------------------------------

// What a key of kActiveSection stands for.
struct ActiveKey {
  enum Kind { ForceOrb, CastOnLevel, CastOnSwitch, SkillSwitch } kind;
  int index;  // buff or skill slot index
};

const std::vector<std::pair<std::string, ActiveKey>>& active_table() {
  static const std::vector<std::pair<std::string, ActiveKey>> table = [] {
    std::vector<std::pair<std::string, ActiveKey>> t;
    t.push_back({"ForceOrb", {ActiveKey::ForceOrb, 0}});
    for (int i = 0; i < kCastOnCount; ++i) t.push_back({"CastOn" + std::to_string(i + 1), {ActiveKey::CastOnLevel, i}});
    // Buff slot 3 has no switch.
    for (int i = 0; i < kCastOnCount; ++i)
      if (i != kCastOnWithoutSwitch) t.push_back({"CastOn" + std::to_string(i + 1) + "On", {ActiveKey::CastOnSwitch, i}});
    for (int i = 0; i < kSlotCount; ++i) t.push_back({"Skill" + std::to_string(i + 1) + "On", {ActiveKey::SkillSwitch, i}});
    return t;
  }();
  return table;
}

}  // namespace

std::span<const std::string> active_keys() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> n;
    for (const auto& [name, key] : active_table()) n.push_back(name);
    return n;
  }();
  return names;
}

void write_active_effects(const Calculator& calc, IniDocument& doc) {
  const Sheet& sheet = calc.sheet;
  for (const auto& [name, key] : active_table()) {
    const auto i = static_cast<std::size_t>(key.index);
    std::int64_t value = 0;
    switch (key.kind) {
      case ActiveKey::ForceOrb: value = sheet.row(Ctl::Select_ForceOrb); break;
      case ActiveKey::CastOnLevel: value = sheet.value(cast_on_controls(key.index).spin); break;
      case ActiveKey::CastOnSwitch: value = calc.state.cast_on_on[i] == 1 ? 1 : 0; break;
      case ActiveKey::SkillSwitch: value = calc.state.skill_on[i] == 1 ? 1 : 0; break;
    }
    doc.write_string(kActiveSection, name, int_text(value));
  }
}

void restore_active_effects(Calculator& calc, const IniDocument& doc) {
  if (!doc.has_section(kActiveSection)) return;
  Sheet& sheet = calc.sheet;
  for (const auto& [name, key] : active_table()) {
    const std::optional<std::string> text = doc.get(kActiveSection, name);
    if (!text || !is_int_text(*text)) continue;
    const std::int32_t v = int_of_text(*text);
    const auto i = static_cast<std::size_t>(key.index);
    switch (key.kind) {
      case ActiveKey::ForceOrb:
        if (v >= -1 && v < static_cast<std::int32_t>(sheet[Ctl::Select_ForceOrb].rows.size()))
          sheet.set_row(Ctl::Select_ForceOrb, v);
        break;
      case ActiveKey::CastOnLevel:
        sheet.set_value(cast_on_controls(key.index).spin, v);  // clamped to 0..10
        break;
      case ActiveKey::CastOnSwitch: {
        const bool on = v != 0;
        calc.state.cast_on_on[i] = on ? 1 : 0;
        sheet.set_picture(cast_on_controls(key.index).stat_img, on ? "on.bmp" : "off.bmp");
        sheet.set_text(cast_on_controls(key.index).label, on ? "enabled" : "disabled");
        break;
      }
      case ActiveKey::SkillSwitch:
        // The pass shows the switch in the slot's kind picture.
        calc.state.skill_on[i] = v != 0 ? 1 : 0;
        break;
    }
  }
}

std::span<const BuildKey> build_keys() { return key_table(); }

const BuildKey* find_build_key(std::string_view section, std::string_view key) {
  const auto& index = key_index();
  const auto it = index.find(lookup_name(section, key));
  return it == index.end() ? nullptr : it->second;
}

std::string dot_to_comma(const Calculator& calc, std::string_view text) {
  std::string out(text);
  if (!calc.state.locale_decimal_comma) std::replace(out.begin(), out.end(), '.', ',');
  return out;
}

std::string comma_to_dot(const Calculator& calc, std::string_view text) {
  std::string out(text);
  if (!calc.state.locale_decimal_comma) std::replace(out.begin(), out.end(), ',', '.');
  // -2147483648 is the conversion's answer for a text that is no number.
  if (!is_real_text(out, calc.format()) || ext_of_text(out, calc.format()) == -2147483648.0L) return "0";
  return out;
}

std::string with_build_extension(std::string_view name) {
  const std::size_t slash = name.find_last_of('/');
  const std::size_t start = slash == std::string_view::npos ? 0 : slash + 1;
  const std::size_t dot = name.find_last_of('.');
  std::string out(name);
  if (dot != std::string_view::npos && dot > start) out.resize(dot);
  return out + std::string(kBuildExtension);
}

std::string shown_file_name(std::string_view app_dir, std::string_view name) {
  std::string out(name);
  if (app_dir.empty()) return out;
  std::string folder(app_dir);
  if (folder.back() != '/') folder += '/';
  for (std::size_t at = out.find(folder); at != std::string::npos; at = out.find(folder, at))
    out.erase(at, folder.size());
  return out;
}

// --- saving --------------------------------------------------------------------

void write_build(const Calculator& calc, IniDocument& doc) {
  const Sheet& sheet = calc.sheet;
  for (const BuildKey& k : key_table()) {
    std::string value;
    switch (k.kind) {
      case K::Version: value = std::string(kBuildVersion); break;
      case K::Row: value = int_text(sheet.row(k.control)); break;
      case K::Int: value = int_text(sheet.value(k.control)); break;
      case K::IntText: value = sheet.text(k.control); break;
      case K::DecimalText: value = dot_to_comma(calc, sheet.text(k.control)); break;
      case K::Bool: value = sheet.checked(k.control) ? "1" : "0"; break;
    }
    doc.write_string(k.section, k.key, value);
  }
  write_active_effects(calc, doc);
}

void save_build_file(const Calculator& calc, const std::filesystem::path& path, const AtomicWriteHooks& hooks) {
  IniDocument doc = load_ini_file(path);
  write_build(calc, doc);
  write_file_atomically(path, doc.to_string(), hooks);
}

SaveOutcome file_saveClick(Calculator& calc, Ctl sender, const AtomicWriteHooks& hooks) {
  const std::optional<std::string> chosen =
      calc.dialogs().save_file("Save Character", std::string(kBuildFilter), std::string(kBuildExtension));
  if (!chosen) return SaveOutcome::Cancelled;
  try {
    save_build_file(calc, with_build_extension(*chosen), hooks);
  } catch (const std::exception& e) {
    calc.AppException(sender, e.what());
    return SaveOutcome::Failed;
  }
  calc.sheet.set_text(Ctl::lbl_filename, shown_file_name(calc.state.app_dir, *chosen));
  return SaveOutcome::Saved;
}

// --- loading -------------------------------------------------------------------

void apply_build(Calculator& calc, const IniDocument& doc) {
  Sheet& sheet = calc.sheet;

  // The class first: its minimums and the armour list's rows.
  load(calc, doc, "CharacterStats", {"Class"});
  calc.set_stat_min_values();
  load(calc, doc, "CharacterStats", {"Level", "Strenght", "Spirit", "Talent", "Agility", "Health"});

  // Armour: only a chosen armour runs the handler; row 0 clears the picture.
  {
    const BuildKey& k = key_of("Armor", "ArmorType");
    if (load_row(calc, doc, k) && sheet.row(k.control) != 0) {
      write_item_selection(calc, k.control);
    } else {
      sheet.set_picture(Ctl::img_set_armor, "");
    }
  }
  load(calc, doc, "Armor", {"Defense", "SpecDefense", "Absorption", "SpecAbsorption", "Regen"});
  load(calc, doc, "AbsSpecial", {"Armor"});

  load_item_list(calc, doc, "Shield", "ShieldType", Ctl::img_set_shield);
  load(calc, doc, "Shield", {"Defense", "Absorption", "Block", "SpecDefense", "SpecAbsorption", "SpecBlock"});

  load_item_list(calc, doc, "Orb", "OrbType", Ctl::img_set_orb);
  load(calc, doc, "Orb", {"Defense", "Absorption", "SpecAbsorption", "MP", "MPRegen"});

  load_item_list(calc, doc, "Boots", "BootsType", Ctl::img_set_boots);
  load(calc, doc, "Boots", {"Defense", "Absorption", "Speed", "SpecAbsorption", "SpecSpeed"});

  load_item_list(calc, doc, "Gaunts", "GauntsType", Ctl::img_set_gaunts);
  load(calc, doc, "Gaunts", {"Defense", "Absorption", "SpecDefense", "SpecAbsorption"});

  load_item_list(calc, doc, "Armlets", "ArmletsType", Ctl::img_set_armlets);
  load(calc, doc, "Armlets", {"Defense", "Atk-Rtg", "lvl"});

  load(calc, doc, "Other", {"Defense", "Absorption"});

  load_item_list(calc, doc, "Accessories", "AmuletType", Ctl::img_set_amulet);
  load(calc, doc, "Accessories", {"AmuletHP", "AmuletMP", "AmuletMPRegen"});
  load_item_list(calc, doc, "Accessories", "RingType1", Ctl::img_set_ring1);
  load(calc, doc, "Accessories", {"RingsHP", "RingsSTM"});
  load_item_list(calc, doc, "Accessories", "RingType2", Ctl::img_set_ring2);
  load(calc, doc, "Accessories", {"RingsHP2", "RingsSTM2"});

  load(calc, doc, "Sheltom", {"MPRegen"});

  // The weapon boxes come back without the weapon item: no handler runs.
  load(calc, doc, "1hWeapon", {"Defense"});
  load(calc, doc, "2hWeapon", {"minPow", "maxPow", "SpecPow"});
  load(calc, doc, "1hWeapon", {"minPow", "maxPow", "SpecPow", "Atk-Rtg", "SpecRtg"});
  load(calc, doc, "2hWeapon", {"Atk-Rtg", "SpecRtg"});
  load(calc, doc, "1hWeapon", {"Critical", "SpecCritical"});
  load(calc, doc, "2hWeapon", {"Critical", "SpecCritical", "Block"});
  load(calc, doc, "1hWeapon", {"SpecMPRegen"});
  load(calc, doc, "2hWeapon", {"SpecMPRegen"});
  load(calc, doc, "1hWeapon", {"WeaponSpeed"});
  load(calc, doc, "2hWeapon", {"WeaponSpeed"});
  load(calc, doc, "1hWeapon", {"WeaponType"});
  load(calc, doc, "2hWeapon", {"WeaponType"});

  load(calc, doc, "GemmedStuff",
       {"Gem1hHP", "Gem2hHP", "Gem1hMP", "Gem2hMP", "Gem1hSTM", "Gem2hSTM", "ArmorHP", "ArmorMP", "ArmorSTM",
        "ShieldHP", "ShieldMP", "ShieldSTM", "orbHP", "orbMP", "orbSTM"});
  load(calc, doc, "Quest", {"Tier3", "Level30", "Level55", "Level70", "Level80", "Level90"});
  for (std::string_view key : kSkillKeyNames) load_key(calc, doc, key_of("SkillLevels", key));
}

void apply_build_document(Calculator& calc, const IniDocument& doc) {
  apply_build(calc, doc);
  restore_active_effects(calc, doc);
}

// The load branch of run_calculation: choose a file, copy it into the sheet,
// show its name. Cancelling the dialog changes no field, but the label still
// shows the file of the dialog's last confirmed use.
void file_loadClick(Calculator& calc) {
  const std::optional<std::string> chosen = calc.dialogs().open_file("Load Character", std::string(kBuildFilter));
  if (chosen) {
    calc.state.open_dialog_file = *chosen;
    // Any bytes load; only an unreadable or oversized file is an error,
    // raised before any control changes.
    const IniDocument doc = load_ini_file(with_build_extension(*chosen));
    apply_build(calc, doc);
    calc.sheet.set_text(Ctl::lbl_filename, shown_file_name(calc.state.app_dir, calc.state.open_dialog_file));
    // After the steps of the file format: what the sheet showed beyond them.
    restore_active_effects(calc, doc);
    return;
  }
  calc.sheet.set_text(Ctl::lbl_filename, shown_file_name(calc.state.app_dir, calc.state.open_dialog_file));
}

void load_branch(Calculator& calc, const IniDocument* pasted) {
  if (!pasted) {
    file_loadClick(calc);
    return;
  }
  apply_build_document(calc, *pasted);
  calc.sheet.set_text(Ctl::lbl_filename, "none");
}

}  // namespace brennick
