#include "data/browser_contents.h"

#include <algorithm>
#include <functional>

#include "data/item_tables.h"
#include "data/spec_requirement.h"
#include "data/weapon_tables.h"
#include "base/number_text.h"

namespace brennick {
namespace {

const std::vector<std::string> kSixClasses = {"Fighter", "Archer", "Pikeman", "Mechanician", "Atalanta", "Knight"};
const std::vector<std::string> kEightClasses = {"Fighter",  "Archer", "Pikeman",  "Mechanician",
                                                "Atalanta", "Knight", "Magician", "Priestess"};
const std::vector<std::string> kRobeClasses = {"Magician", "Priestess"};

constexpr std::string_view kCloseHint = "Close the current window.";
constexpr std::string_view kCloseHintNoDot = "Close the current window";

BrowserInfo info(std::string_view key, std::string_view caption, int w, int h, int cols, int rows,
                 const std::vector<std::string>& classes, std::string_view close_hint, std::string_view item,
                 bool res) {
  BrowserInfo i;
  i.key = key;
  i.caption = caption;
  i.client_width = w;
  i.client_height = h;
  i.columns = cols;
  i.rows = rows;
  const bool robe_like = classes.size() == 2;
  i.class_choice_name = robe_like ? "Select_Class" : "Select_class";
  i.class_choice_caption = robe_like ? "Select Class" : "Select a Class";
  i.class_rows = classes;
  i.class_offset = robe_like ? 6 : 0;
  i.class_columns = robe_like ? 1 : 2;
  i.close_name = key == "robe" ? "Button1" : "Btn_close_skill_info";
  i.close_hint = close_hint;
  static std::array<std::string, kBrowserKindCount> texts;
  const int index = static_cast<int>(*browser_kind_of(key));
  texts[static_cast<std::size_t>(index)] = "click in the grid to see details of the selected " + std::string(item) + ".";
  i.click_text = texts[static_cast<std::size_t>(index)];
  i.resistances = res;
  return i;
}

constexpr std::array<std::string_view, kBrowserKindCount> kKeys = {
    "armor", "robe", "shield", "orb", "boots", "gaunts", "armlets", "amulet", "ring", "sheltom", "weapon"};

const std::array<BrowserInfo, kBrowserKindCount>& all_info() {
  static const std::array<BrowserInfo, kBrowserKindCount> a = {
      info("armor", "Armor Info...", 617, 471, 10, 19, kSixClasses, kCloseHintNoDot, "Armor", true),
      info("robe", "Robe Info...", 682, 485, 11, 19, kRobeClasses, kCloseHint, "Robe", true),
      info("shield", "Shield Info...", 716, 469, 12, 18, kSixClasses, kCloseHint, "Shield", true),
      info("orb", "Orb Info...", 619, 489, 10, 19, kRobeClasses, kCloseHint, "Orb", true),
      info("boots", "Boots Info...", 693, 497, 12, 18, kEightClasses, kCloseHintNoDot, "Boots", true),
      info("gaunts", "Gauntlet Info...", 689, 499, 12, 18, kEightClasses, kCloseHint, "Gauntlets", true),
      info("armlets", "Armlet Info...", 598, 465, 10, 18, kEightClasses, kCloseHintNoDot, "Armlets", false),
      info("amulet", "Amulet Info...", 533, 476, 8, 19, kEightClasses, kCloseHint, "Amulet", false),
      info("ring", "Ring Info...", 532, 475, 8, 19, kEightClasses, kCloseHint, "Ring", false),
      info("sheltom", "Sheltom Info...", 536, 335, 9, 10, kEightClasses, kCloseHint, "Sheltom", false),
      info("weapon", "Weapon Info...", 861, 517, 17, 21, kEightClasses, kCloseHint, "Weapon", false),
  };
  return a;
}

// --- cell formats ------------------------------------------------------------------

std::string num(long v) { return int_text(v); }
std::string real1(double v, const NumberFormat& fmt) { return format_fixed(v, 1, fmt); }
std::string range(long lo, long hi) { return num(lo) + " - " + num(hi); }
std::string real_range(double lo, double hi, const NumberFormat& fmt) {
  return real1(lo, fmt) + " - " + real1(hi, fmt);
}
std::string or_unknown(long v) { return v == 0 ? "?" : num(v); }

constexpr unsigned kAll = 0xFF;
constexpr unsigned kKnight = 1u << 5;
constexpr unsigned kKnightMagPrs = (1u << 5) | (1u << 6) | (1u << 7);

enum class Col { Plain, Level, Requirement };

template <class R>
struct Column {
  std::string header;
  Col type = Col::Plain;
  std::function<std::string(const R&, const NumberFormat&)> text;  // Plain
  std::function<int(const R&)> raw;                                // Level and Requirement
  int stat = 0;
  unsigned adjusts = 0;  // bit c: adjusts for class code c
};

template <class R>
Column<R> plain(std::string header, std::function<std::string(const R&, const NumberFormat&)> text) {
  return {std::move(header), Col::Plain, std::move(text), {}, 0, 0};
}
template <class R>
Column<R> level(std::function<int(const R&)> raw) {
  return {"Level", Col::Level, {}, std::move(raw), 0, 0};
}
template <class R>
Column<R> req(std::string header, int stat, unsigned adjusts, std::function<int(const R&)> raw) {
  return {std::move(header), Col::Requirement, {}, std::move(raw), stat, adjusts};
}
template <class R>
Column<R> weight() {
  return plain<R>("Weight", [](const R& r, const NumberFormat&) { return or_unknown(r.weight); });
}
template <class R>
Column<R> price() {
  return plain<R>("NPC buy", [](const R& r, const NumberFormat&) { return or_unknown(r.price); });
}

template <class R>
std::string cell_of(const Column<R>& c, const R& r, int class_code, const NumberFormat& fmt) {
  std::string t;
  switch (c.type) {
    case Col::Plain:
      return c.text(r, fmt);
    case Col::Level:
      t = num(c.raw(r));
      return t == "0" ? "---" : t;
    case Col::Requirement: {
      const int v = c.raw(r);
      if (class_code >= 0 && (c.adjusts & (1u << class_code)))
        t = range(spec_requirement(v, c.stat, class_code, true), spec_requirement(v, c.stat, class_code, false));
      else
        t = num(v);
      return (t == "0" || t == "0 - 0") ? "---" : t;
    }
  }
  return t;
}

template <class R, std::size_t N>
BrowserGrid grid_of(const std::array<R, N>& table, const std::vector<Column<R>>& cols, int class_code,
                    const NumberFormat& fmt) {
  BrowserGrid g;
  std::vector<std::string> header{"Name"};
  for (const auto& c : cols) header.push_back(c.header);
  g.cells.push_back(header);
  for (const R& r : table) {
    std::vector<std::string> row{r.name};
    for (const auto& c : cols) row.push_back(cell_of(c, r, class_code, fmt));
    g.cells.push_back(std::move(row));
  }
  return g;
}

// Ranges of the records, by field.
#define RANGE(lo, hi) [](const auto& r, const NumberFormat&) { return range(r.lo, r.hi); }
#define RRANGE(lo, hi) [](const auto& r, const NumberFormat& f) { return real_range(r.lo, r.hi, f); }
#define FIELD(f) [](const auto& r) { return static_cast<int>(r.f); }

template <class R>
using Cols = std::vector<Column<R>>;

const Cols<ArmorR>& armor_cols() {
  static const Cols<ArmorR> c = {
      plain<ArmorR>("Defense", RANGE(def_lo, def_hi)),      plain<ArmorR>("Abs.", RRANGE(abs_lo, abs_hi)),
      plain<ArmorR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
      plain<ArmorR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
      level<ArmorR>(FIELD(level_req)),
      req<ArmorR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
      req<ArmorR>("Talent", kStatTalent, kKnight, FIELD(tal_req)),
      weight<ArmorR>(),
      price<ArmorR>()};
  return c;
}
const Cols<RobeR>& robe_cols() {
  static const Cols<RobeR> c = {
      plain<RobeR>("Defense", RANGE(def_lo, def_hi)),      plain<RobeR>("Abs.", RRANGE(abs_lo, abs_hi)),
      plain<RobeR>("Spec Def.", RANGE(spec_def_lo, spec_def_hi)),
      plain<RobeR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
      plain<RobeR>("Mana Rec.", RRANGE(mp_regen_lo, mp_regen_hi)),
      level<RobeR>(FIELD(level_req)),
      req<RobeR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
      req<RobeR>("Talent", kStatTalent, kAll, FIELD(tal_req)),
      weight<RobeR>(),
      price<RobeR>()};
  return c;
}
const Cols<ShieldR>& shield_cols() {
  static const Cols<ShieldR> c = {
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
  return c;
}
const Cols<OrbR>& orb_cols() {
  static const Cols<OrbR> c = {plain<OrbR>("Defense", RANGE(def_lo, def_hi)),
                               plain<OrbR>("Abs.", RRANGE(abs_lo, abs_hi)),
                               plain<OrbR>("MP", RANGE(mp_lo, mp_hi)),
                               plain<OrbR>("Spec Abs.", RRANGE(spec_abs_lo, spec_abs_hi)),
                               plain<OrbR>("Mana Regen.", RRANGE(mp_regen_lo, mp_regen_hi)),
                               level<OrbR>(FIELD(level_req)),
                               req<OrbR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
                               weight<OrbR>(),
                               price<OrbR>()};
  return c;
}
const Cols<BootsR>& boots_cols() {
  static const Cols<BootsR> c = {plain<BootsR>("Defense", RANGE(def_lo, def_hi)),
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
  return c;
}
const Cols<GauntsR>& gaunts_cols() {
  static const Cols<GauntsR> c = {plain<GauntsR>("Defense", RANGE(def_lo, def_hi)),
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
  return c;
}
const Cols<ArmletR>& armlet_cols() {
  static const Cols<ArmletR> c = {
      plain<ArmletR>("Defense", RANGE(def_lo, def_hi)),
      plain<ArmletR>("Atk-Rtg", RANGE(rtg_lo, rtg_hi)),
      plain<ArmletR>("Spec AR.", [](const ArmletR&, const NumberFormat&) { return std::string("Lvl/1-3"); }),
      plain<ArmletR>("Potions", [](const ArmletR& r, const NumberFormat&) { return num(r.potions); }),
      level<ArmletR>(FIELD(level_req)),
      req<ArmletR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
      req<ArmletR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
      weight<ArmletR>(),
      price<ArmletR>()};
  return c;
}
const Cols<AmuletR>& amulet_cols() {
  static const Cols<AmuletR> c = {plain<AmuletR>("Add MP", RANGE(mp_lo, mp_hi)),
                                  plain<AmuletR>("Add HP", RANGE(hp_lo, hp_hi)),
                                  plain<AmuletR>("MP Regen", RRANGE(regen_lo, regen_hi)),
                                  level<AmuletR>(FIELD(level_req)),
                                  req<AmuletR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
                                  weight<AmuletR>(),
                                  price<AmuletR>()};
  return c;
}
const Cols<RingsR>& ring_cols() {
  static const Cols<RingsR> c = {plain<RingsR>("Add STM", RANGE(stm_lo, stm_hi)),
                                 plain<RingsR>("Add HP", RANGE(hp_lo, hp_hi)),
                                 plain<RingsR>("HP Regen", RRANGE(hp_regen_lo, hp_regen_hi)),
                                 level<RingsR>(FIELD(level_req)),
                                 req<RingsR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
                                 weight<RingsR>(),
                                 price<RingsR>()};
  return c;
}
const Cols<SheltomR>& sheltom_cols() {
  static const Cols<SheltomR> c = {
      plain<SheltomR>("HP Rec", RRANGE(hp_regen_lo, hp_regen_hi)),
      plain<SheltomR>("MP Rec", RRANGE(mp_regen_lo, mp_regen_hi)),
      plain<SheltomR>("Spec HP Rec", [](const SheltomR& r, const NumberFormat& f) { return real1(r.spec_hp_regen, f); }),
      plain<SheltomR>("Spec MP Rec", RRANGE(spec_mp_regen_lo, spec_mp_regen_hi)),
      level<SheltomR>(FIELD(level_req)),
      req<SheltomR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
      weight<SheltomR>(),
      price<SheltomR>()};
  return c;
}

// --- the weapon window ----------------------------------------------------------

constexpr int kWeaponGridRows = 20;
constexpr int kWeaponColumns = 17;

std::string column7_header(int kind) {
  if (kind == Claw) return "Def.";
  if (kind == Sword) return "Block.";
  return "Block";
}

Cols<WeaponR> weapon_cols(int kind) {
  const bool wand = kind == WandStaff;
  const bool claw = kind == Claw;
  Cols<WeaponR> c = {
      plain<WeaponR>("Atk-pow",
                     [](const WeaponR& w, const NumberFormat&) {
                       return num(w.min_pow_lo) + "(" + num(w.min_pow_hi) + ")" + " - " + num(w.max_pow_lo) + "(" +
                              num(w.max_pow_hi) + ")";
                     }),
      plain<WeaponR>("Atk-Rtg", RANGE(rtg_lo, rtg_hi)),
      plain<WeaponR>("Critical",
                     [wand](const WeaponR& w, const NumberFormat&) {
                       return wand ? std::string("---") : num(w.crit + w.spec_crit) + " % ";
                     }),
      plain<WeaponR>("Speed", [](const WeaponR& w, const NumberFormat&) { return num(weapon_speed(w)); }),
      plain<WeaponR>("1h", [](const WeaponR& w, const NumberFormat&) {
        return std::string(is_one_handed(w) ? " X" : " ");
      }),
      plain<WeaponR>("2h", [](const WeaponR& w, const NumberFormat&) {
        return std::string(is_one_handed(w) ? "  " : " X");
      }),
      plain<WeaponR>(column7_header(kind),
                     [claw](const WeaponR& w, const NumberFormat&) {
                       if (is_one_handed(w)) return claw ? range(w.def_lo, w.def_hi) : std::string("---");
                       return num(w.blk) + " %";
                     }),
      plain<WeaponR>(wand ? "M. Apt" : "Spec AP",
                     [wand](const WeaponR& w, const NumberFormat&) {
                       if (wand) return range(w.apt_lo, w.apt_hi);
                       return w.spec_ap_div != 0 ? "Lvl/" + num(w.spec_ap_div) : std::string("---");
                     }),
      plain<WeaponR>(wand ? "MP rec" : "Spec AR",
                     [wand](const WeaponR& w, const NumberFormat& f) {
                       if (wand) return real_range(w.mp_regen_lo, w.mp_regen_hi, f);
                       return std::string(w.spec_ar == 1 ? "Lvl/1-3" : "---");
                     }),
      level<WeaponR>(FIELD(level_req)),
      req<WeaponR>("Strenght", kStatStrength, kAll, FIELD(str_req)),
      req<WeaponR>("Talent", kStatTalent, kKnightMagPrs, FIELD(tal_req)),
      req<WeaponR>("Agility", kStatAgility, kAll, FIELD(agi_req)),
      req<WeaponR>("Spirit", kStatSpirit, kAll, FIELD(spi_req)),
      weight<WeaponR>(),
      price<WeaponR>()};
  return c;
}

int clamp_kind(int kind) { return is_weapon_kind(kind) ? kind : Axe; }

BrowserGrid weapon_grid(int kind, int class_code, const NumberFormat& fmt) {
  kind = clamp_kind(kind);
  const Cols<WeaponR> cols = weapon_cols(kind);
  BrowserGrid g;
  std::vector<std::string> header{"Name"};
  for (const auto& c : cols) header.push_back(c.header);
  g.cells.push_back(header);
  for (const WeaponR& w : weapon_rows(kind)) {
    std::vector<std::string> row{w.name};
    for (const auto& c : cols) row.push_back(cell_of(c, w, class_code, fmt));
    g.cells.push_back(std::move(row));
  }
  // empty_row for the rows the kind has no item for.
  while (static_cast<int>(g.cells.size()) <= kWeaponGridRows) g.cells.emplace_back(kWeaponColumns);
  g.labels = {{"Label15", kind == Claw ? "Def.:" : "Block:"}};
  return g;
}

// --- details ----------------------------------------------------------------------

std::string picture_name(std::string_view prefix, int n, bool two_digits) {
  std::string name(prefix);
  name += '_';
  if (two_digits && n < 10) name += '0';
  return name + num(n) + ".bmp";
}

std::array<std::string, 5> resistances_of(const Resistances& res) {
  auto pair = [&](Element e) { return display_res(res[e].lo, res[e].hi); };
  return {pair(kResOrganic), pair(kResFlame), pair(kResIce), pair(kResPoison), pair(kResLightning)};
}

// "lo - hi  +  spec_lo - spec_hi"
std::string with_spec(const std::string& plain_range, const std::string& spec_range) {
  return plain_range + "  +  " + spec_range;
}

// The text of the cell of `header` in the row.
struct RowCells {
  const BrowserGrid& grid;
  int row;
  std::string operator()(std::string_view header) const {
    const auto& head = grid.cells.front();
    for (std::size_t c = 0; c < head.size(); ++c)
      if (head[c] == header) return grid.cells.at(static_cast<std::size_t>(row)).at(c);
    return {};
  }
};

template <class R>
void def_abs_details(const R& r, LabelTexts& l, const NumberFormat&) {
  l.emplace_back("lbl_defense", with_spec(range(r.def_lo, r.def_hi), range(r.spec_def_lo, r.spec_def_hi)));
}
template <class R>
std::string abs_text(const R& r, const NumberFormat& f) {
  return with_spec(real_range(r.abs_lo, r.abs_hi, f), real_range(r.spec_abs_lo, r.spec_abs_hi, f));
}

}  // namespace

const std::array<ResistanceField, 5> kResistanceFields = {{{"Image2", "Organic", "Lbl_organic"},
                                                           {"Image3", "Flame", "lbl_flame"},
                                                           {"Image4", "Ice", "lbl_ice"},
                                                           {"Image5", "Poison", "lbl_poison"},
                                                           {"Image6", "Lightning", "lbl_light"}}};

const BrowserInfo& browser_info(BrowserKind kind) { return all_info().at(static_cast<std::size_t>(kind)); }

std::optional<BrowserKind> browser_kind_of(std::string_view key) {
  for (std::size_t i = 0; i < kKeys.size(); ++i)
    if (kKeys[i] == key) return static_cast<BrowserKind>(i);
  return std::nullopt;
}

std::string_view weapon_type_row(int kind) { return weapon_kind_name(kind); }

int BrowserChoice::class_code(BrowserKind kind) const {
  const BrowserInfo& i = browser_info(kind);
  if (class_row < 0 || class_row >= static_cast<int>(i.class_rows.size())) return -1;
  return class_row + i.class_offset;
}

std::vector<DetailField> detail_fields(BrowserKind kind) {
  auto f = [](std::string caption, std::string value, std::string caption_name = {}) {
    if (caption_name.empty()) caption_name = "cap_" + value;
    return DetailField{std::move(caption_name), std::move(caption), std::move(value)};
  };
  const DetailField def = f("Def:", "lbl_defense"), abs = f("Abs:", "lbl_abs"), lvl = f("Level:", "lbl_level"),
                    str = f("Strenght:", "lbl_strenght"), spi = f("Spirit:", "lbl_spirit"),
                    agi = f("Agility:", "lbl_agility"), wgt = f("Weight:", "lbl_weight"), npc = f("NPC Buy:", "lbl_npc");
  switch (kind) {
    case BrowserKind::Armor: return {def, abs, lvl, str, f("Talent", "lbl_talent"), wgt, npc};
    case BrowserKind::Robe:
      return {def, abs, f("Mana Rec:", "lbl_mana_regen"), lvl, spi, f("Talent", "lbl_talent"), wgt, npc};
    case BrowserKind::Shield: return {def, abs, f("Block:", "lbl_block"), lvl, str, f("Talent", "lbl_talent"), wgt, npc};
    case BrowserKind::Orb: return {def, abs, f("MP:", "lbl_block"), f("Mana Rec:", "lbl_mana_regen"), lvl, spi, wgt, npc};
    case BrowserKind::Boots: return {def, abs, f("Spd:", "lbl_speed"), lvl, str, agi, spi, wgt, npc};
    case BrowserKind::Gaunts: return {def, abs, lvl, str, f("Talent:", "lbl_talent"), agi, spi, wgt, npc};
    case BrowserKind::Armlets:
      return {def, f("Atk-Rtg:", "lbl_AR"), f("Spec AR:", "lbl_specAR"), f("Potions:", "lbl_pots"), lvl, str, agi, wgt, npc};
    case BrowserKind::Amulet:
      return {f("Add MP:", "lbl_mp"), f("Add HP:", "lbl_hp"), f("MP Regen:", "lbl_MPRec"), lvl, spi, wgt, npc};
    case BrowserKind::Ring:
      return {f("Add STM:", "lbl_stm"), f("Add HP:", "lbl_hp"), f("HP Regen:", "lbl_HPRec"), lvl, spi, wgt, npc};
    case BrowserKind::Sheltom:
      return {f("HP Regen:", "lbl_hp"), f("MP Regen", "lbl_mp"), f("Spec HP R.:", "lbl_specHP"),
              f("Spec MP R.:", "lbl_specMP"), lvl, spi, wgt, npc};
    case BrowserKind::Weapon:
      return {f("Atk-Pow:", "lbl_AP"),  f("Atk-Rtg:", "lbl_AR"), f("Critical:", "lbl_crit"),
              f("Speed:", "lbl_spd"),   f("Block:", "lbl_DefBlk", "Label15"), f("Spec AP", "lbl_specAP"),
              f("Spec AR:", "lbl_specAR"), f("---", "lbl_special1", "Label19"), f("---", "lbl_special2", "Label18"),
              lvl, str, f("Talent:", "lbl_talent"), agi, spi, wgt, npc};
  }
  return {};
}

BrowserGrid fill_grid(BrowserKind kind, const BrowserChoice& choice, const NumberFormat& fmt) {
  const ItemCatalog& t = item_catalog();
  const int c = choice.class_code(kind);
  switch (kind) {
    case BrowserKind::Armor: return grid_of(t.armor_table, armor_cols(), c, fmt);
    case BrowserKind::Robe: return grid_of(t.robe_table, robe_cols(), c, fmt);
    case BrowserKind::Shield: return grid_of(t.shield_table, shield_cols(), c, fmt);
    case BrowserKind::Orb: return grid_of(t.orb_table, orb_cols(), c, fmt);
    case BrowserKind::Boots: return grid_of(t.boots_table, boots_cols(), c, fmt);
    case BrowserKind::Gaunts: return grid_of(t.gaunts_table, gaunts_cols(), c, fmt);
    case BrowserKind::Armlets: return grid_of(t.armlet_table, armlet_cols(), c, fmt);
    case BrowserKind::Amulet: return grid_of(t.amulet_table, amulet_cols(), c, fmt);
    case BrowserKind::Ring: return grid_of(t.ring_table, ring_cols(), c, fmt);
    case BrowserKind::Sheltom: return grid_of(t.sheltom_table, sheltom_cols(), c, fmt);
    case BrowserKind::Weapon: return weapon_grid(choice.weapon_kind, c, fmt);
  }
  return {};
}

std::optional<BrowserDetails> item_details(BrowserKind kind, const BrowserChoice& choice, const BrowserGrid& grid,
                                           int row, const NumberFormat& fmt) {
  if (row < 1 || row >= static_cast<int>(grid.cells.size())) return std::nullopt;
  const ItemCatalog& t = item_catalog();
  BrowserDetails d;
  LabelTexts& l = d.labels;
  const RowCells cell{grid, row};
  auto cells = [&](std::initializer_list<std::pair<const char*, const char*>> pairs) {
    for (const auto& [label, header] : pairs) l.emplace_back(label, cell(header));
  };
  auto common = [&](const auto& r, std::string_view prefix, bool two_digits) {
    d.item = row;
    d.picture = picture_name(prefix, row, two_digits);
    d.name = r.name;
  };
  switch (kind) {
    case BrowserKind::Armor: {
      const ArmorR& r = t.armor_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Armor", true);
      d.resistances = resistances_of(r.res);
      def_abs_details(r, l, fmt);
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_level", num(r.level_req));
      cells({{"lbl_strenght", "Strenght"}, {"lbl_talent", "Talent"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Robe: {
      const RobeR& r = t.robe_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Robe", true);
      d.resistances = resistances_of(r.res);
      def_abs_details(r, l, fmt);
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_mana_regen", real_range(r.mp_regen_lo, r.mp_regen_hi, fmt));
      cells({{"lbl_level", "Level"}, {"lbl_spirit", "Spirit"}, {"lbl_talent", "Talent"}, {"lbl_weight", "Weight"},
             {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Shield: {
      const ShieldR& r = t.shield_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Shield", true);
      d.resistances = resistances_of(r.res);
      def_abs_details(r, l, fmt);
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_block", range(r.blk_lo, r.blk_hi) + " %  +  " + num(r.spec_blk) + " %");
      cells({{"lbl_level", "Level"}, {"lbl_strenght", "Strenght"}, {"lbl_talent", "Talent"},
             {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Orb: {
      const OrbR& r = t.orb_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Orb", true);
      d.resistances = resistances_of(r.res);
      l.emplace_back("lbl_defense", range(r.def_lo, r.def_hi));
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_block", range(r.mp_lo, r.mp_hi));
      // Left open in the original window; we show the orb's regeneration range.
      l.emplace_back("lbl_mana_regen", real_range(r.mp_regen_lo, r.mp_regen_hi, fmt));
      cells({{"lbl_level", "Level"}, {"lbl_spirit", "Spirit"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Boots: {
      const BootsR& r = t.boots_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Boots", true);
      d.resistances = resistances_of(r.res);
      l.emplace_back("lbl_defense", range(r.def_lo, r.def_hi));
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_speed",
                     with_spec(real_range(r.spd_lo, r.spd_hi, fmt), real_range(r.spec_spd_lo, r.spec_spd_hi, fmt)));
      l.emplace_back("lbl_level", num(r.level_req));
      cells({{"lbl_strenght", "Strenght"}, {"lbl_agility", "Agility"}, {"lbl_spirit", "Spirit"},
             {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Gaunts: {
      const GauntsR& r = t.gaunts_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Gaunts", true);
      d.resistances = resistances_of(r.res);
      def_abs_details(r, l, fmt);
      l.emplace_back("lbl_abs", abs_text(r, fmt));
      l.emplace_back("lbl_level", num(r.level_req));
      cells({{"lbl_strenght", "Strenght"}, {"lbl_talent", "Talent"}, {"lbl_agility", "Agility"},
             {"lbl_spirit", "Spirit"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Armlets: {
      const ArmletR& r = t.armlet_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Armlet", true);
      l.emplace_back("lbl_defense", range(r.def_lo, r.def_hi));
      l.emplace_back("lbl_AR", range(r.rtg_lo, r.rtg_hi));
      l.emplace_back("lbl_specAR", cell("Spec AR."));
      l.emplace_back("lbl_pots", num(r.potions));
      cells({{"lbl_level", "Level"}, {"lbl_strenght", "Strenght"}, {"lbl_agility", "Agility"},
             {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Amulet: {
      const AmuletR& r = t.amulet_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Amulet", true);
      cells({{"lbl_mp", "Add MP"}, {"lbl_hp", "Add HP"}, {"lbl_MPRec", "MP Regen"}, {"lbl_level", "Level"},
             {"lbl_spirit", "Spirit"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Ring: {
      const RingsR& r = t.ring_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Ring", true);
      cells({{"lbl_stm", "Add STM"}, {"lbl_hp", "Add HP"}, {"lbl_HPRec", "HP Regen"}, {"lbl_level", "Level"},
             {"lbl_spirit", "Spirit"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Sheltom: {
      const SheltomR& r = t.sheltom_table.at(static_cast<std::size_t>(row - 1));
      common(r, "Sheltom", false);
      cells({{"lbl_hp", "HP Rec"}, {"lbl_mp", "MP Rec"}, {"lbl_specHP", "Spec HP Rec"}, {"lbl_specMP", "Spec MP Rec"},
             {"lbl_level", "Level"}, {"lbl_spirit", "Spirit"}, {"lbl_weight", "Weight"}, {"lbl_npc", "NPC buy"}});
      break;
    }
    case BrowserKind::Weapon: {
      const int k = clamp_kind(choice.weapon_kind);
      const int n = std::min(row, weapon_count(k));  // an empty row shows the kind's last item
      const WeaponR w = *weapon_row(k, n);
      const RowCells item{grid, n};
      auto col = [&](int c) { return grid.cells.at(static_cast<std::size_t>(n)).at(static_cast<std::size_t>(c)); };
      d.item = n;
      d.picture = picture_name(weapon_kind_name(k), n, true);
      d.name = w.name;
      l.emplace_back("Label19", "---");
      l.emplace_back("Label18", "---");
      l.emplace_back("lbl_special1", "");
      l.emplace_back("lbl_special2", "");
      l.emplace_back("lbl_AP", item("Atk-pow"));
      l.emplace_back("lbl_AR", item("Atk-Rtg"));
      l.emplace_back("lbl_crit", k == WandStaff ? col(3)
                                                  : col(3) + " (" + num(w.crit) + "+" + num(w.spec_crit) + ")");
      l.emplace_back("lbl_spd", col(4) + " (" + num(w.spd_base) + "+" + num(w.spd_add) + ")");
      l.emplace_back("lbl_DefBlk", col(7));
      l.emplace_back("lbl_specAR", col(9));
      l.emplace_back("lbl_specAP", col(8));
      l.emplace_back("lbl_level", num(w.level_req));
      const char* names[] = {"lbl_strenght", "lbl_talent", "lbl_agility", "lbl_spirit", "lbl_weight", "lbl_npc"};
      for (int c = 11; c <= 16; ++c) l.emplace_back(names[c - 11], col(c));
      auto set = [&](const char* name, std::string text) {
        for (auto& [label, value] : l)
          if (label == name) value = std::move(text);
      };
      if (k == WandStaff) {
        set("Label19", "M. Apt:");
        set("Label18", "MP Rec:");
        set("lbl_special1", col(8));
        set("lbl_special2", col(9));
        set("lbl_specAR", "---");
        set("lbl_specAP", "---");
      }
      if (w.name == "Templar Sword" || w.name == "Twin Sword") {
        set("Label19", "Add MP");
        set("lbl_special1", range(w.add_mp_lo, w.add_mp_hi));
      } else if (w.name == "Shield Sword") {
        set("Label19", "Add Def");
        set("lbl_special1", range(w.def_lo, w.def_hi));
      }
      break;
    }
  }
  return d;
}

}  // namespace brennick
