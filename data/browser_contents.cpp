#include "data/browser_contents.h"

#include <algorithm>
#include <cstdint>
#include <span>
#include <type_traits>

#include "base/number_text.h"
#include "data/item_tables.h"
#include "data/spec_requirement.h"
#include "data/vocabulary.h"
#include "data/weapon_tables.h"

namespace brennick {
namespace {

// --- cell formats ------------------------------------------------------------------

std::string num(long v) { return int_text(v); }
std::string real1(double v, const NumberFormat& fmt) { return format_fixed(v, 1, fmt); }
std::string range(long lo, long hi) { return num(lo) + " - " + num(hi); }
std::string real_range(double lo, double hi, const NumberFormat& fmt) {
  return real1(lo, fmt) + " - " + real1(hi, fmt);
}
std::string or_unknown(long v) { return v == 0 ? "?" : num(v); }
// "lo - hi  +  spec_lo - spec_hi"
std::string with_spec(const std::string& plain_range, const std::string& spec_range) {
  return plain_range + "  +  " + spec_range;
}

// Ranges and fields of the records, by field.
#define RANGE(lo, hi) [](const auto& r, const NumberFormat&) { return range(r.lo, r.hi); }
#define RRANGE(lo, hi) [](const auto& r, const NumberFormat& f) { return real_range(r.lo, r.hi, f); }
#define FIELD(f) [](const auto& r) { return static_cast<int>(r.f); }

// --- columns -----------------------------------------------------------------------

constexpr unsigned kAll = 0xFF;
constexpr unsigned kKnight = 1u << Knight;
constexpr unsigned kKnightMagPrs = (1u << Knight) | (1u << Magician) | (1u << Priestess);

// One grid column of a table of records R: its header and the rule that
// writes its cells.
template <class R>
struct Column {
  using Text = std::string (*)(const R&, const NumberFormat&);
  using Raw = int (*)(const R&);
  using Rule = std::string (*)(const Column&, const R&, int class_code, const NumberFormat&);
  std::string_view header;
  Rule rule;
  Text text = nullptr;   // plain columns
  Raw raw = nullptr;     // level and requirement columns
  int stat = 0;          // requirement columns: the stat spec_requirement adjusts
  unsigned adjusts = 0;  // bit c: the requirement adjusts for class code c
};

// A text of the record.
template <class R>
std::string plain_cell(const Column<R>& c, const R& r, int, const NumberFormat& fmt) {
  return c.text(r, fmt);
}
// The level an item needs, "---" for none.
template <class R>
std::string level_cell(const Column<R>& c, const R& r, int, const NumberFormat&) {
  const std::string t = num(c.raw(r));
  return t == "0" ? "---" : t;
}
// A stat the item needs: for a chosen class the column adjusts for, the
// range its specialisation gives; "---" for none.
template <class R>
std::string requirement_cell(const Column<R>& c, const R& r, int class_code, const NumberFormat&) {
  const int v = c.raw(r);
  std::string t;
  if (class_code >= 0 && (c.adjusts & (1u << class_code)))
    t = range(spec_requirement(v, c.stat, class_code, true), spec_requirement(v, c.stat, class_code, false));
  else
    t = num(v);
  return (t == "0" || t == "0 - 0") ? "---" : t;
}

template <class R>
constexpr Column<R> plain(std::string_view header, typename Column<R>::Text text) {
  return {header, &plain_cell<R>, text};
}
template <class R>
constexpr Column<R> level(typename Column<R>::Raw raw) {
  return {"Level", &level_cell<R>, nullptr, raw};
}
template <class R>
constexpr Column<R> req(std::string_view header, int stat, unsigned adjusts, typename Column<R>::Raw raw) {
  return {header, &requirement_cell<R>, nullptr, raw, stat, adjusts};
}
// Weight and price: "?" where the data has none.
template <class R>
constexpr Column<R> weight() {
  return plain<R>("Weight", [](const R& r, const NumberFormat&) { return or_unknown(r.weight); });
}
template <class R>
constexpr Column<R> price() {
  return plain<R>("NPC buy", [](const R& r, const NumberFormat&) { return or_unknown(r.price); });
}

// "Name", then the columns; a row per record.
template <class R, class Rows>
BrowserGrid grid_of(const Rows& rows, std::span<const Column<R>> cols, int class_code, const NumberFormat& fmt) {
  BrowserGrid g;
  std::vector<std::string> header{"Name"};
  for (const Column<R>& c : cols) header.emplace_back(c.header);
  g.cells.push_back(std::move(header));
  for (const R& r : rows) {
    std::vector<std::string> row{r.name};
    for (const Column<R>& c : cols) row.push_back(c.rule(c, r, class_code, fmt));
    g.cells.push_back(std::move(row));
  }
  return g;
}

constexpr Column<ArmorR> kArmorColumns[] = {
    plain<ArmorR>("Defense", RANGE(def_lo, def_hi)),
    plain<ArmorR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<ArmorR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
    plain<ArmorR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    level<ArmorR>(FIELD(level_req)),
    req<ArmorR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
    req<ArmorR>("Talent", kStatTalent, kKnight, FIELD(tal_req)),
    weight<ArmorR>(),
    price<ArmorR>()};
constexpr Column<RobeR> kRobeColumns[] = {
    plain<RobeR>("Defense", RANGE(def_lo, def_hi)),
    plain<RobeR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<RobeR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
    plain<RobeR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    plain<RobeR>("Mana Rec.", RRANGE(mp_regen_lo, mp_regen_hi)),
    level<RobeR>(FIELD(level_req)),
    req<RobeR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    req<RobeR>("Talent", kStatTalent, kAll, FIELD(tal_req)),
    weight<RobeR>(),
    price<RobeR>()};
constexpr Column<ShieldR> kShieldColumns[] = {
    plain<ShieldR>("Defense", RANGE(def_lo, def_hi)),
    plain<ShieldR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<ShieldR>("Block", [](const ShieldR& r, const NumberFormat&) { return range(r.blk_lo, r.blk_hi) + " %"; }),
    plain<ShieldR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
    plain<ShieldR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    plain<ShieldR>("Spec Blk", [](const ShieldR& r, const NumberFormat&) { return num(r.spec_blk) + " %"; }),
    level<ShieldR>(FIELD(level_req)),
    req<ShieldR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
    req<ShieldR>("Talent", kStatTalent, kKnight, FIELD(tal_req)),
    weight<ShieldR>(),
    price<ShieldR>()};
constexpr Column<OrbR> kOrbColumns[] = {
    plain<OrbR>("Defense", RANGE(def_lo, def_hi)),
    plain<OrbR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<OrbR>("MP", RANGE(mp_lo, mp_hi)),
    plain<OrbR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    plain<OrbR>("Mana Regen.", RRANGE(mp_regen_lo, mp_regen_hi)),
    level<OrbR>(FIELD(level_req)),
    req<OrbR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<OrbR>(),
    price<OrbR>()};
constexpr Column<BootsR> kBootsColumns[] = {
    plain<BootsR>("Defense", RANGE(def_lo, def_hi)),
    plain<BootsR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<BootsR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    plain<BootsR>("Speed", RRANGE(spd_lo, spd_hi)),
    plain<BootsR>("Spec Spd.", RRANGE(spec_spd_lo, spec_spd_hi)),
    level<BootsR>(FIELD(level_req)),
    req<BootsR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
    req<BootsR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
    req<BootsR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<BootsR>(),
    price<BootsR>()};
constexpr Column<GauntsR> kGauntsColumns[] = {
    plain<GauntsR>("Defense", RANGE(def_lo, def_hi)),
    plain<GauntsR>("Abs.", RRANGE(abs_lo, abs_hi)),
    plain<GauntsR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
    plain<GauntsR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
    level<GauntsR>(FIELD(level_req)),
    req<GauntsR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
    req<GauntsR>("Talent", kStatTalent, kKnightMagPrs, FIELD(tal_req)),
    req<GauntsR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
    req<GauntsR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<GauntsR>(),
    price<GauntsR>()};
constexpr Column<ArmletR> kArmletColumns[] = {
    plain<ArmletR>("Defense", RANGE(def_lo, def_hi)),
    plain<ArmletR>("Atk-Rtg", RANGE(rtg_lo, rtg_hi)),
    // Every armlet adds one point of rating per one to three levels.
    plain<ArmletR>("Spec AR.", [](const ArmletR&, const NumberFormat&) { return std::string("Lvl/1-3"); }),
    plain<ArmletR>("Potions", [](const ArmletR& r, const NumberFormat&) { return num(r.potions); }),
    level<ArmletR>(FIELD(level_req)),
    req<ArmletR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
    req<ArmletR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
    weight<ArmletR>(),
    price<ArmletR>()};
constexpr Column<AmuletR> kAmuletColumns[] = {
    plain<AmuletR>("Add MP", RANGE(mp_lo, mp_hi)),
    plain<AmuletR>("Add HP", RANGE(hp_lo, hp_hi)),
    plain<AmuletR>("MP Regen", RRANGE(regen_lo, regen_hi)),
    level<AmuletR>(FIELD(level_req)),
    req<AmuletR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<AmuletR>(),
    price<AmuletR>()};
constexpr Column<RingsR> kRingColumns[] = {
    plain<RingsR>("Add STM", RANGE(stm_lo, stm_hi)),
    plain<RingsR>("Add HP", RANGE(hp_lo, hp_hi)),
    plain<RingsR>("HP Regen", RRANGE(hp_regen_lo, hp_regen_hi)),
    level<RingsR>(FIELD(level_req)),
    req<RingsR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<RingsR>(),
    price<RingsR>()};
constexpr Column<SheltomR> kSheltomColumns[] = {
    plain<SheltomR>("HP Rec", RRANGE(hp_regen_lo, hp_regen_hi)),
    plain<SheltomR>("MP Rec", RRANGE(mp_regen_lo, mp_regen_hi)),
    // A sheltom's spec HP regeneration is one number, not a range.
    plain<SheltomR>("Spec HP Rec", [](const SheltomR& r, const NumberFormat& f) { return real1(r.spec_hp_regen, f); }),
    plain<SheltomR>("Spec MP Rec", RRANGE(spec_mp_regen_lo, spec_mp_regen_hi)),
    level<SheltomR>(FIELD(level_req)),
    req<SheltomR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
    weight<SheltomR>(),
    price<SheltomR>()};

// --- the details of a clicked row ---------------------------------------------------

// The text of a cell of the clicked row, by header or by column.
struct RowCells {
  const BrowserGrid& grid;
  int row;
  std::string operator()(std::string_view header) const {
    const auto& head = grid.cells.front();
    for (std::size_t c = 0; c < head.size(); ++c)
      if (head[c] == header) return column(static_cast<int>(c));
    return {};
  }
  std::string column(int c) const {
    return grid.cells.at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(c));
  }
};

// A value label of the details panel, its caption, and what the click
// writes into it: the clicked row's cell under `header`, or a text of the
// record.
template <class R>
struct Detail {
  std::string_view caption;
  std::string_view value_name;
  std::string_view header = {};
  std::string (*text)(const R&, const NumberFormat&) = nullptr;
};

// The labels most windows fill from the grid row.
template <class R>
constexpr Detail<R> kLevelCell{"Level:", "lbl_level", "Level"};
template <class R>
constexpr Detail<R> kStrengthCell{"Strenght:", "lbl_strenght", "Strenght"};
template <class R>
constexpr Detail<R> kAgilityCell{"Agility:", "lbl_agility", "Agility"};
template <class R>
constexpr Detail<R> kSpiritCell{"Spirit:", "lbl_spirit", "Spirit"};
template <class R>
constexpr Detail<R> kWeightCell{"Weight:", "lbl_weight", "Weight"};
template <class R>
constexpr Detail<R> kPriceCell{"NPC Buy:", "lbl_npc", "NPC buy"};

// Texts of the records that the grid does not show as the panel does.
template <class R>
std::string defense(const R& r, const NumberFormat&) {
  return range(r.def_lo, r.def_hi);
}
template <class R>
std::string defense_with_spec(const R& r, const NumberFormat&) {
  return with_spec(range(r.def_lo, r.def_hi), range(r.spec_def_lo, r.spec_def_hi));
}
template <class R>
std::string absorption_with_spec(const R& r, const NumberFormat& f) {
  return with_spec(real_range(r.abs_lo, r.abs_hi, f), real_range(r.spec_abs_lo, r.spec_abs_hi, f));
}
template <class R>
std::string mana_regen(const R& r, const NumberFormat& f) {
  return real_range(r.mp_regen_lo, r.mp_regen_hi, f);
}
// The level as a number, "0" for none: the armour, boots and gauntlet
// windows write the table's value where the others copy the grid's "---".
template <class R>
std::string level_number(const R& r, const NumberFormat&) {
  return num(r.level_req);
}
std::string shield_block(const ShieldR& r, const NumberFormat&) {
  return range(r.blk_lo, r.blk_hi) + " %  +  " + num(r.spec_blk) + " %";
}
std::string orb_mana(const OrbR& r, const NumberFormat&) { return range(r.mp_lo, r.mp_hi); }
std::string boots_speed(const BootsR& r, const NumberFormat& f) {
  return with_spec(real_range(r.spd_lo, r.spd_hi, f), real_range(r.spec_spd_lo, r.spec_spd_hi, f));
}
std::string armlet_rating(const ArmletR& r, const NumberFormat&) { return range(r.rtg_lo, r.rtg_hi); }
std::string armlet_potions(const ArmletR& r, const NumberFormat&) { return num(r.potions); }

// In the order the click writes them, which is the order of the panel.
constexpr Detail<ArmorR> kArmorDetails[] = {
    {"Def:", "lbl_defense", {}, defense_with_spec<ArmorR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<ArmorR>},
    {"Level:", "lbl_level", {}, level_number<ArmorR>},
    kStrengthCell<ArmorR>,
    {"Talent", "lbl_talent", "Talent"},
    kWeightCell<ArmorR>,
    kPriceCell<ArmorR>};
constexpr Detail<RobeR> kRobeDetails[] = {
    {"Def:", "lbl_defense", {}, defense_with_spec<RobeR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<RobeR>},
    {"Mana Rec:", "lbl_mana_regen", {}, mana_regen<RobeR>},
    kLevelCell<RobeR>,
    kSpiritCell<RobeR>,
    {"Talent", "lbl_talent", "Talent"},
    kWeightCell<RobeR>,
    kPriceCell<RobeR>};
constexpr Detail<ShieldR> kShieldDetails[] = {
    {"Def:", "lbl_defense", {}, defense_with_spec<ShieldR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<ShieldR>},
    {"Block:", "lbl_block", {}, shield_block},
    kLevelCell<ShieldR>,
    kStrengthCell<ShieldR>,
    {"Talent", "lbl_talent", "Talent"},
    kWeightCell<ShieldR>,
    kPriceCell<ShieldR>};
constexpr Detail<OrbR> kOrbDetails[] = {
    {"Def:", "lbl_defense", {}, defense<OrbR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<OrbR>},
    // The orb window shows the mana an orb adds in the shield's block label.
    {"MP:", "lbl_block", {}, orb_mana},
    // Left open in the game's orb window; we show the orb's regeneration range.
    {"Mana Rec:", "lbl_mana_regen", {}, mana_regen<OrbR>},
    kLevelCell<OrbR>,
    kSpiritCell<OrbR>,
    kWeightCell<OrbR>,
    kPriceCell<OrbR>};
constexpr Detail<BootsR> kBootsDetails[] = {
    {"Def:", "lbl_defense", {}, defense<BootsR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<BootsR>},
    {"Spd:", "lbl_speed", {}, boots_speed},
    {"Level:", "lbl_level", {}, level_number<BootsR>},
    kStrengthCell<BootsR>,
    kAgilityCell<BootsR>,
    kSpiritCell<BootsR>,
    kWeightCell<BootsR>,
    kPriceCell<BootsR>};
constexpr Detail<GauntsR> kGauntsDetails[] = {
    {"Def:", "lbl_defense", {}, defense_with_spec<GauntsR>},
    {"Abs:", "lbl_abs", {}, absorption_with_spec<GauntsR>},
    {"Level:", "lbl_level", {}, level_number<GauntsR>},
    kStrengthCell<GauntsR>,
    {"Talent:", "lbl_talent", "Talent"},
    kAgilityCell<GauntsR>,
    kSpiritCell<GauntsR>,
    kWeightCell<GauntsR>,
    kPriceCell<GauntsR>};
constexpr Detail<ArmletR> kArmletDetails[] = {
    {"Def:", "lbl_defense", {}, defense<ArmletR>},
    {"Atk-Rtg:", "lbl_AR", {}, armlet_rating},
    {"Spec AR:", "lbl_specAR", "Spec AR."},
    {"Potions:", "lbl_pots", {}, armlet_potions},
    kLevelCell<ArmletR>,
    kStrengthCell<ArmletR>,
    kAgilityCell<ArmletR>,
    kWeightCell<ArmletR>,
    kPriceCell<ArmletR>};
constexpr Detail<AmuletR> kAmuletDetails[] = {
    {"Add MP:", "lbl_mp", "Add MP"},
    {"Add HP:", "lbl_hp", "Add HP"},
    {"MP Regen:", "lbl_MPRec", "MP Regen"},
    kLevelCell<AmuletR>,
    kSpiritCell<AmuletR>,
    kWeightCell<AmuletR>,
    kPriceCell<AmuletR>};
constexpr Detail<RingsR> kRingDetails[] = {
    {"Add STM:", "lbl_stm", "Add STM"},
    {"Add HP:", "lbl_hp", "Add HP"},
    {"HP Regen:", "lbl_HPRec", "HP Regen"},
    kLevelCell<RingsR>,
    kSpiritCell<RingsR>,
    kWeightCell<RingsR>,
    kPriceCell<RingsR>};
constexpr Detail<SheltomR> kSheltomDetails[] = {
    {"HP Regen:", "lbl_hp", "HP Rec"},
    {"MP Regen", "lbl_mp", "MP Rec"},
    {"Spec HP R.:", "lbl_specHP", "Spec HP Rec"},
    {"Spec MP R.:", "lbl_specMP", "Spec MP Rec"},
    kLevelCell<SheltomR>,
    kSpiritCell<SheltomR>,
    kWeightCell<SheltomR>,
    kPriceCell<SheltomR>};

std::array<std::string, 5> resistances_of(const Resistances& res) {
  auto pair = [&](Element e) { return display_res(res[e].lo, res[e].hi); };
  return {pair(kResOrganic), pair(kResFlame), pair(kResIce), pair(kResPoison), pair(kResLightning)};
}

template <class R>
constexpr bool kHasResistances = requires(const R& r) { r.res; };

// The picture series of an item table, by its stem.
constexpr const PictureSeries* item_pictures(std::string_view stem) {
  for (const PictureSeries& s : kItemPictures)
    if (s.stem == stem) return &s;
  throw "no picture series";  // a compile-time error where the tables are declared
}

// An item table as its browser shows it: the rows, the grid's columns, the
// details panel and the pictures.
template <class R, std::size_t N>
struct ItemTable {
  using Record = R;
  std::array<R, N> ItemCatalog::*rows;
  std::span<const Column<R>> columns;
  std::span<const Detail<R>> details;
  const PictureSeries* pictures;
};

constexpr ItemTable<ArmorR, kArmorRows> kArmor{&ItemCatalog::armor_table, kArmorColumns, kArmorDetails,
                                               item_pictures("Armor")};
constexpr ItemTable<RobeR, kRobeRows> kRobe{&ItemCatalog::robe_table, kRobeColumns, kRobeDetails,
                                            item_pictures("Robe")};
constexpr ItemTable<ShieldR, kShieldRows> kShield{&ItemCatalog::shield_table, kShieldColumns, kShieldDetails,
                                                  item_pictures("Shield")};
constexpr ItemTable<OrbR, kOrbRows> kOrb{&ItemCatalog::orb_table, kOrbColumns, kOrbDetails, item_pictures("Orb")};
constexpr ItemTable<BootsR, kBootsRows> kBoots{&ItemCatalog::boots_table, kBootsColumns, kBootsDetails,
                                              item_pictures("Boots")};
constexpr ItemTable<GauntsR, kGauntsRows> kGaunts{&ItemCatalog::gaunts_table, kGauntsColumns, kGauntsDetails,
                                                  item_pictures("Gaunts")};
constexpr ItemTable<ArmletR, kArmletRows> kArmlet{&ItemCatalog::armlet_table, kArmletColumns, kArmletDetails,
                                                  item_pictures("Armlet")};
constexpr ItemTable<AmuletR, kAmuletRows> kAmulet{&ItemCatalog::amulet_table, kAmuletColumns, kAmuletDetails,
                                                  item_pictures("Amulet")};
constexpr ItemTable<RingsR, kRingRows> kRing{&ItemCatalog::ring_table, kRingColumns, kRingDetails,
                                             item_pictures("Ring")};
constexpr ItemTable<SheltomR, kSheltomRows> kSheltom{&ItemCatalog::sheltom_table, kSheltomColumns,
                                                     kSheltomDetails, item_pictures("Sheltom")};

// The rules of an item table's window.
template <const auto& T>
BrowserGrid table_grid(const BrowserChoice&, int class_code, const NumberFormat& fmt) {
  return grid_of(item_catalog().*T.rows, T.columns, class_code, fmt);
}
template <const auto& T>
std::vector<DetailField> table_fields() {
  std::vector<DetailField> out;
  for (const auto& d : T.details) out.push_back({std::string(d.caption), std::string(d.value_name), {}});
  return out;
}
template <const auto& T>
void table_details(const BrowserChoice&, const BrowserGrid& grid, int row, const NumberFormat& fmt,
                   BrowserDetails& d) {
  const auto& r = (item_catalog().*T.rows).at(static_cast<std::size_t>(row - 1));
  d.item = row;
  d.picture = numbered_picture(T.pictures->stem, row, T.pictures->two_digits, "bmp");
  d.name = r.name;
  if constexpr (kHasResistances<std::remove_cvref_t<decltype(r)>>) d.resistances = resistances_of(r.res);
  const RowCells cell{grid, row};
  for (const auto& f : T.details) d.labels.emplace_back(f.value_name, f.text ? f.text(r, fmt) : cell(f.header));
}

// --- the weapon window ----------------------------------------------------------

int clamp_kind(int kind) { return is_weapon_kind(kind) ? kind : Axe; }

std::string weapon_block(const WeaponR& w, const NumberFormat&) {
  return is_one_handed(w) ? std::string("---") : num(w.blk) + " %";
}
// A claw held in one hand shows its defence where other one-handed weapons show none.
std::string claw_defense(const WeaponR& w, const NumberFormat& f) {
  return is_one_handed(w) ? range(w.def_lo, w.def_hi) : weapon_block(w, f);
}
std::string no_value(const WeaponR&, const NumberFormat&) { return "---"; }

constexpr Column<WeaponR> kAttackPower = plain<WeaponR>("Atk-pow", [](const WeaponR& w, const NumberFormat&) {
  return num(w.min_pow_lo) + "(" + num(w.min_pow_hi) + ")" + " - " + num(w.max_pow_lo) + "(" + num(w.max_pow_hi) + ")";
});
constexpr Column<WeaponR> kCritical = plain<WeaponR>(
    "Critical", [](const WeaponR& w, const NumberFormat&) { return num(w.crit + w.spec_crit) + " % "; });
constexpr Column<WeaponR> kWandCritical = plain<WeaponR>("Critical", no_value);  // wands strike no critical hits
constexpr Column<WeaponR> kBlock = plain<WeaponR>("Block", weapon_block);
constexpr Column<WeaponR> kSwordBlock = plain<WeaponR>("Block.", weapon_block);  // the sword window's header
constexpr Column<WeaponR> kClawDefense = plain<WeaponR>("Def.", claw_defense);
constexpr Column<WeaponR> kSpecAttackPower = plain<WeaponR>("Spec AP", [](const WeaponR& w, const NumberFormat&) {
  return w.spec_ap_div != 0 ? "Lvl/" + num(w.spec_ap_div) : std::string("---");
});
constexpr Column<WeaponR> kSpecRating = plain<WeaponR>("Spec AR", [](const WeaponR& w, const NumberFormat&) {
  return std::string(w.spec_ar == 1 ? "Lvl/1-3" : "---");
});
// Wands show their magic aptitude and mana regeneration instead of the spec bonuses.
constexpr Column<WeaponR> kWandAptitude = plain<WeaponR>("M. Apt", RANGE(apt_lo, apt_hi));
constexpr Column<WeaponR> kWandManaRegen = plain<WeaponR>("MP rec", RRANGE(mp_regen_lo, mp_regen_hi));

// The columns of a weapon kind.
std::array<Column<WeaponR>, 16> weapon_columns(int kind) {
  const bool wand = kind == WandStaff;
  return {kAttackPower,
          plain<WeaponR>("Atk-Rtg", RANGE(rtg_lo, rtg_hi)),
          wand ? kWandCritical : kCritical,
          plain<WeaponR>("Speed", [](const WeaponR& w, const NumberFormat&) { return num(weapon_speed(w)); }),
          plain<WeaponR>("1h", [](const WeaponR& w, const NumberFormat&) {
            return std::string(is_one_handed(w) ? " X" : " ");
          }),
          plain<WeaponR>("2h", [](const WeaponR& w, const NumberFormat&) {
            return std::string(is_one_handed(w) ? "  " : " X");
          }),
          kind == Claw ? kClawDefense : kind == Sword ? kSwordBlock : kBlock,
          wand ? kWandAptitude : kSpecAttackPower,
          wand ? kWandManaRegen : kSpecRating,
          level<WeaponR>(FIELD(level_req)),
          req<WeaponR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
          req<WeaponR>("Talent", kStatTalent, kKnightMagPrs, FIELD(tal_req)),
          req<WeaponR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
          req<WeaponR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
          weight<WeaponR>(),
          price<WeaponR>()};
}
// Columns of the weapon grid the click copies by position (their headers
// change with the kind).
constexpr int kCriticalColumn = 3, kSpeedColumn = 4, kBlockColumn = 7, kSpecApColumn = 8, kSpecArColumn = 9;

// The grid of the chosen kind, padded with empty rows to the window's rows;
// Label15 names what column 7 shows.
BrowserGrid weapon_grid(const BrowserChoice& choice, int class_code, const NumberFormat& fmt) {
  const int kind = clamp_kind(choice.weapon_kind);
  const auto columns = weapon_columns(kind);
  BrowserGrid g = grid_of<WeaponR>(weapon_rows(kind), columns, class_code, fmt);
  const BrowserInfo& info = browser_info(BrowserKind::Weapon);
  while (static_cast<int>(g.cells.size()) < info.rows) g.cells.emplace_back(info.columns);
  g.labels = {{"Label15", kind == Claw ? "Def.:" : "Block:"}};
  return g;
}

// The weapon window's panel: Label15 is written by fill_grid, Label19 and
// Label18 by the click.
struct WeaponField {
  std::string_view caption, value_name, caption_label = {};
};
constexpr WeaponField kWeaponFields[] = {
    {"Atk-Pow:", "lbl_AP"},       {"Atk-Rtg:", "lbl_AR"},  {"Critical:", "lbl_crit"},
    {"Speed:", "lbl_spd"},        {"Block:", "lbl_DefBlk", "Label15"},
    {"Spec AP", "lbl_specAP"},    {"Spec AR:", "lbl_specAR"},
    {"---", "lbl_special1", "Label19"}, {"---", "lbl_special2", "Label18"},
    {"Level:", "lbl_level"},      {"Strenght:", "lbl_strenght"}, {"Talent:", "lbl_talent"},
    {"Agility:", "lbl_agility"},  {"Spirit:", "lbl_spirit"},     {"Weight:", "lbl_weight"},
    {"NPC Buy:", "lbl_npc"}};

std::vector<DetailField> weapon_fields() {
  std::vector<DetailField> out;
  for (const WeaponField& f : kWeaponFields)
    out.push_back({std::string(f.caption), std::string(f.value_name), std::string(f.caption_label)});
  return out;
}

void set_label(LabelTexts& labels, std::string_view name, std::string text) {
  for (auto& [label, value] : labels)
    if (label == name) value = std::move(text);
}

// The values of the clicked weapon, after the two special lines ("---",
// nothing beside them).
LabelTexts weapon_labels(const WeaponR& w, int kind, const RowCells& cell) {
  const std::string crit = cell.column(kCriticalColumn);
  return {{"Label19", "---"},
          {"Label18", "---"},
          {"lbl_special1", ""},
          {"lbl_special2", ""},
          {"lbl_AP", cell("Atk-pow")},
          {"lbl_AR", cell("Atk-Rtg")},
          {"lbl_crit", kind == WandStaff ? crit : crit + " (" + num(w.crit) + "+" + num(w.spec_crit) + ")"},
          {"lbl_spd", cell.column(kSpeedColumn) + " (" + num(w.spd_base) + "+" + num(w.spd_add) + ")"},
          {"lbl_DefBlk", cell.column(kBlockColumn)},
          {"lbl_specAR", cell.column(kSpecArColumn)},
          {"lbl_specAP", cell.column(kSpecApColumn)},
          {"lbl_level", num(w.level_req)},
          {"lbl_strenght", cell("Strenght")},
          {"lbl_talent", cell("Talent")},
          {"lbl_agility", cell("Agility")},
          {"lbl_spirit", cell("Spirit")},
          {"lbl_weight", cell("Weight")},
          {"lbl_npc", cell("NPC buy")}};
}

// A wand has no spec bonuses; its special lines show its magic aptitude and
// mana regeneration.
void wand_lines(LabelTexts& l, const RowCells& cell) {
  set_label(l, "Label19", "M. Apt:");
  set_label(l, "Label18", "MP Rec:");
  set_label(l, "lbl_special1", cell.column(kSpecApColumn));
  set_label(l, "lbl_special2", cell.column(kSpecArColumn));
  set_label(l, "lbl_specAR", "---");
  set_label(l, "lbl_specAP", "---");
}

// Swords that add to a stat of their wearer; the first special line shows
// the addition.
struct SwordAddition {
  std::string_view name;
  std::string_view caption;
  std::uint8_t WeaponR::*lo;
  std::uint8_t WeaponR::*hi;
};
constexpr SwordAddition kSwordAdditions[] = {
    {"Templar Sword", "Add MP", &WeaponR::add_mp_lo, &WeaponR::add_mp_hi},
    {"Twin Sword", "Add MP", &WeaponR::add_mp_lo, &WeaponR::add_mp_hi},
    {"Shield Sword", "Add Def", &WeaponR::def_lo, &WeaponR::def_hi},
};

void sword_addition(const WeaponR& w, LabelTexts& l) {
  for (const SwordAddition& a : kSwordAdditions)
    if (w.name == a.name) {
      set_label(l, "Label19", std::string(a.caption));
      set_label(l, "lbl_special1", range(w.*a.lo, w.*a.hi));
    }
}

// A click below the kind's last item shows that last item.
void weapon_details(const BrowserChoice& choice, const BrowserGrid& grid, int row, const NumberFormat&,
                    BrowserDetails& d) {
  const int kind = clamp_kind(choice.weapon_kind);
  const int n = std::min(row, weapon_count(kind));
  const WeaponR w = *weapon_row(kind, n);
  const RowCells cell{grid, n};
  d.item = n;
  d.picture = numbered_picture(weapon_kind_name(kind), n, true, "bmp");
  d.name = w.name;
  d.labels = weapon_labels(w, kind, cell);
  if (kind == WandStaff) wand_lines(d.labels, cell);
  sword_addition(w, d.labels);
}

// --- the windows ----------------------------------------------------------------

// The classes a window offers: rows `first` .. `first + count - 1` of the
// class list, so that a row's class code is row + first.
struct ClassChoice {
  int first;
  int count;
};
// The classes that wear `w`, which stand together in the class list.
constexpr ClassChoice classes_wearing(Wears w) {
  ClassChoice choice{-1, 0};
  for (int c = 0; c < kClassCount; ++c) {
    if (kClasses[static_cast<std::size_t>(c)].wears != w) continue;
    if (choice.first < 0) choice.first = c;
    ++choice.count;
  }
  return choice;
}
constexpr ClassChoice kSixClasses = classes_wearing(Wears::Armour);  // armour and shields: the fighting classes
constexpr ClassChoice kEightClasses{Fighter, kClassCount};
constexpr ClassChoice kRobeClasses = classes_wearing(Wears::Robe);  // robes and orbs: magicians and priestesses
static_assert(kSixClasses.first == Fighter && kSixClasses.count == 6 && kRobeClasses.first == Magician &&
              kRobeClasses.count == 2);

struct KindRow {
  BrowserKind kind;
  std::string_view key;
  std::string_view caption;
  std::string_view item;  // the click text's word for the item
  int columns, rows;
  ClassChoice classes;
  bool resistances;
  BrowserGrid (*grid)(const BrowserChoice& choice, int class_code, const NumberFormat& fmt);
  std::vector<DetailField> (*fields)();
  void (*details)(const BrowserChoice& choice, const BrowserGrid& grid, int row, const NumberFormat& fmt,
                  BrowserDetails& d);
};

// The window of an item table.
template <const auto& T>
constexpr KindRow table_kind(BrowserKind kind, std::string_view key, std::string_view caption, std::string_view item,
                             int columns, int rows, ClassChoice classes) {
  using R = typename std::remove_cvref_t<decltype(T)>::Record;
  return {kind,    key,    caption, item, columns, rows, classes, kHasResistances<R>, &table_grid<T>,
          &table_fields<T>, &table_details<T>};
}

constexpr KindRow kKinds[] = {
    table_kind<kArmor>(BrowserKind::Armor, "armor", "Armor Info...", "Armor", 10, 19, kSixClasses),
    table_kind<kRobe>(BrowserKind::Robe, "robe", "Robe Info...", "Robe", 11, 19, kRobeClasses),
    table_kind<kShield>(BrowserKind::Shield, "shield", "Shield Info...", "Shield", 12, 18, kSixClasses),
    table_kind<kOrb>(BrowserKind::Orb, "orb", "Orb Info...", "Orb", 10, 19, kRobeClasses),
    table_kind<kBoots>(BrowserKind::Boots, "boots", "Boots Info...", "Boots", 12, 18, kEightClasses),
    table_kind<kGaunts>(BrowserKind::Gaunts, "gaunts", "Gauntlet Info...", "Gauntlets", 12, 18, kEightClasses),
    table_kind<kArmlet>(BrowserKind::Armlets, "armlets", "Armlet Info...", "Armlets", 10, 18, kEightClasses),
    table_kind<kAmulet>(BrowserKind::Amulet, "amulet", "Amulet Info...", "Amulet", 8, 19, kEightClasses),
    table_kind<kRing>(BrowserKind::Ring, "ring", "Ring Info...", "Ring", 8, 19, kEightClasses),
    table_kind<kSheltom>(BrowserKind::Sheltom, "sheltom", "Sheltom Info...", "Sheltom", 9, 10, kEightClasses),
    {BrowserKind::Weapon, "weapon", "Weapon Info...", "Weapon", 17, 21, kEightClasses, false, &weapon_grid,
     &weapon_fields, &weapon_details},
};

constexpr bool rows_in_kind_order() {
  for (std::size_t i = 0; i < std::size(kKinds); ++i)
    if (kKinds[i].kind != kAllBrowserKinds[i]) return false;
  return std::size(kKinds) == kAllBrowserKinds.size();
}
static_assert(rows_in_kind_order());

const KindRow& kind_row(BrowserKind kind) { return kKinds[static_cast<std::size_t>(kind)]; }

BrowserInfo info_of(const KindRow& k) {
  BrowserInfo i;
  i.key = k.key;
  i.caption = k.caption;
  i.columns = k.columns;
  i.rows = k.rows;
  for (int c = k.classes.first; c < k.classes.first + k.classes.count; ++c)
    i.class_rows.emplace_back(kClassNames[static_cast<std::size_t>(c)]);
  i.class_offset = k.classes.first;
  i.click_text = "click in the grid to see details of the selected " + std::string(k.item) + ".";
  i.resistances = k.resistances;
  return i;
}

}  // namespace

const std::array<ResistanceField, 5> kResistanceFields = {{{"Organic", "Lbl_organic"},
                                                           {"Flame", "lbl_flame"},
                                                           {"Ice", "lbl_ice"},
                                                           {"Poison", "lbl_poison"},
                                                           {"Lightning", "lbl_light"}}};

const BrowserInfo& browser_info(BrowserKind kind) {
  static const std::array<BrowserInfo, kBrowserKindCount> all = [] {
    std::array<BrowserInfo, kBrowserKindCount> a;
    for (std::size_t i = 0; i < a.size(); ++i) a[i] = info_of(kKinds[i]);
    return a;
  }();
  return all.at(static_cast<std::size_t>(kind));
}

std::optional<BrowserKind> browser_kind_of(std::string_view key) {
  for (const KindRow& k : kKinds)
    if (k.key == key) return k.kind;
  return std::nullopt;
}

std::string_view weapon_type_row(int kind) { return weapon_kind_name(kind); }

int BrowserChoice::class_code(BrowserKind kind) const {
  const BrowserInfo& i = browser_info(kind);
  if (class_row < 0 || class_row >= static_cast<int>(i.class_rows.size())) return -1;
  return class_row + i.class_offset;
}

std::vector<DetailField> detail_fields(BrowserKind kind) { return kind_row(kind).fields(); }

BrowserGrid fill_grid(BrowserKind kind, const BrowserChoice& choice, const NumberFormat& fmt) {
  return kind_row(kind).grid(choice, choice.class_code(kind), fmt);
}

std::optional<BrowserDetails> item_details(BrowserKind kind, const BrowserChoice& choice, const BrowserGrid& grid,
                                           int row, const NumberFormat& fmt) {
  if (row < 1 || row >= static_cast<int>(grid.cells.size())) return std::nullopt;
  BrowserDetails d;
  kind_row(kind).details(choice, grid, row, fmt, d);
  return d;
}

}  // namespace brennick
