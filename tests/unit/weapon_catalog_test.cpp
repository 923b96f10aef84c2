// The weapon tables: counts, names, grips and kinds, the telling
// rows, every fixed weapon fact, the rules for whole tables and
// the shape of the authored rows.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/item_tables.h"
#include "data/record_fields.h"
#include "data/spec_requirement.h"
#include "data/weapon_tables.h"
#include "item_catalog_test_util.h"

namespace brennick {
namespace {

using test::cell;
using test::value_is;

struct KindList {
  int kind;
  std::string table;
  int rows;
  std::vector<std::string> names;
};

// "Kinds and tables".
const std::vector<KindList> kKinds = {
    {0, "axe_table", 17, {"Stone Axe", "Steel Axe", "Battle Axe", "War Axe", "Double Sided War Axe", "Bat Axe", "Mechanic Axe", "Double Headed Axe", "Great Axe", "Diamond Axe", "Jagged Axe", "Cleaver", "Gigantic Axe", "Tomahawk", "Titan Axe", "Chaos Axe", "Ancient Axe"}},
    {1, "bow_table", 19, {"Short Bow", "Horned Bow", "Hand Crossbow", "Crossbow", "Battle Bow", "Great Bow", "War Bow", "Great Crossbow", "Metal Hand Crossbow", "Double Crossbow", "Bone Bow", "Sagittarius", "Ancient Crossbow", "Titan Bow", "Chaos Bow", "Swift Bow", "Relic Crossbow", "Thunder Bow", "Wave Bow"}},
    {2, "scythe_table", 18, {"Pole", "Spear", "Bill", "Halberd", "Horn Scythe", "Trident", "Enriched Scythe", "Double Scythe", "Evil Scythe", "Silver Bird", "Chaos Spear", "Titan Spear", "STYX Scythe", "Dragons Wing", "Butterfly", "Mystic Spear", "Hyper Scythe", "Oracle Spear"}},
    {3, "claw_table", 17, {"Eagle Claw", "Tiger Claw", "Griffin Claw", "Snake Tooth", "Lightning Arm", "Fingered Edge", "Hand Blade", "Pharaoh", "Brutal Claw", "Hydra Claw", "Leviathan", "Wyvern Claw", "Chaos Claw", "Wing Talon", "Doom Talon", "Titan Talon", "Salamander Talon"}},
    {4, "javelin_table", 18, {"Javelin", "War Javelin", "Edged Javelin", "Steel Javelin", "Double Javelin", "Elven Javelin", "Fatal Javelin", "Metal Javelin", "Cobra Javelin", "Winged Javelin", "Holy Javelin", "Throwing Trident", "Wyvern Javelin", "Twisted Javelin", "Link Javelin", "Mirage Spear", "Mystic Javelin", "Extreme Javelin"}},
    {5, "sword_table", 20, {"Dagger", "Celtic Dagger", "Sword Breaker", "Short Sword", "Long Sword", "Broad Sword", "Blade", "Templar Sword", "Shield Sword", "Plated Sword", "Claymore", "Slayer", "Gigantic Sword", "Highlander", "Bastard Sword", "Fatal Sword", "Ancient Sword", "Twin Sword", "Salamander Sword", "Avenger Sword"}},
    {6, "wand_table", 18, {"Wand", "Sphere Wand", "Obi Wand", "Root Staff", "Poly Staff", "Elven Wand", "Dryad Wand", "Meditation Staff", "Skull Staff", "Mage Staff", "Faith Wand", "Lofty Staff", "Arch Wand", "Chaos Staff", "Rune Wand", "Rune Staff", "Apostle Wand", "Relic Staff"}},
    {7, "mace_table", 18, {"Club", "War Mace", "Pole Mace", "Gothic Mace", "War Hammer", "Metal Hammer", "Cross Hammer", "Holy Mace", "Star", "Maximum", "Meditation", "Rune Hammer", "Solar", "War Maul", "Titan Maul", "Chaos Mace", "Brutal Hammer", "Gladiator Hammer"}},
};

std::vector<WeaponR> all_weapons() {
  std::vector<WeaponR> out;
  for (int k = 0; k < kWeaponKindCount; ++k)
    for (const WeaponR& w : weapon_rows(k)) out.push_back(w);
  return out;
}

TEST(WeaponTables, CountsPerKindAndInAll) {
  ASSERT_EQ(kKinds.size(), 8u);
  int total = 0;
  for (const KindList& k : kKinds) {
    EXPECT_EQ(weapon_count(k.kind), k.rows) << k.table;
    EXPECT_EQ(static_cast<int>(k.names.size()), k.rows) << k.table;
    EXPECT_EQ(weapon_table_name(k.kind), k.table);
    total += k.rows;
  }
  EXPECT_EQ(total, 145);
  EXPECT_EQ(kWeaponRowsTotal, 145);
  EXPECT_EQ(all_weapons().size(), 145u);
  const std::vector<int> menu_items = {17, 19, 18, 17, 18, 20, 18, 18};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(weapon_count(k), menu_items[static_cast<std::size_t>(k)]);
  const ItemCatalog& c = item_catalog();
  EXPECT_EQ(c.axe_table.size(), 17u);
  EXPECT_EQ(c.bow_table.size(), 19u);
  EXPECT_EQ(c.scythe_table.size(), 18u);
  EXPECT_EQ(c.claw_table.size(), 17u);
  EXPECT_EQ(c.javelin_table.size(), 18u);
  EXPECT_EQ(c.sword_table.size(), 20u);
  EXPECT_EQ(c.wand_table.size(), 18u);
  EXPECT_EQ(c.mace_table.size(), 18u);
}

TEST(WeaponTables, NamesInTableOrderAndUniqueOverAll) {
  for (const KindList& k : kKinds) {
    std::vector<std::string> names;
    for (const WeaponR& w : weapon_rows(k.kind)) names.push_back(w.name);
    EXPECT_EQ(names, k.names) << k.table;
  }
  std::set<std::string> unique;
  for (const WeaponR& w : all_weapons()) unique.insert(w.name);
  EXPECT_EQ(unique.size(), 145u);
}

TEST(WeaponTables, AccessByKindAndRowRefusesWhatIsNotThere) {
  EXPECT_EQ(weapon_row(Axe, 1)->name, "Stone Axe");
  EXPECT_EQ(weapon_row(Mace, 18)->name, "Gladiator Hammer");
  EXPECT_FALSE(weapon_row(Axe, 0));
  EXPECT_FALSE(weapon_row(Axe, 18));  // the browser's empty rows 18 .. 20
  EXPECT_FALSE(weapon_row(Axe, 20));
  EXPECT_TRUE(weapon_row(Sword, 20));  // all 20 sword rows are filled
  EXPECT_FALSE(weapon_row(Sword, 21));
  EXPECT_FALSE(weapon_row(-1, 1));
  EXPECT_FALSE(weapon_row(NoWeapon, 1));
  EXPECT_EQ(weapon_count(-1), 0);
  EXPECT_EQ(weapon_count(NoWeapon), 0);
  EXPECT_TRUE(weapon_rows(NoWeapon).empty());
  EXPECT_EQ(weapon_table_name(8), "");
  // A copy.
  WeaponR w = *weapon_row(Axe, 1);
  w.max_pow_hi = 200;
  EXPECT_EQ(weapon_row(Axe, 1)->max_pow_hi, 4);
}

TEST(WeaponTables, KindNames) {
  const std::vector<std::string> pictures = {"Axe", "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand", "Mace"};
  const std::vector<std::string> list = {"Axe",   "Bow",        "Scythe", "Claw",     "Javelin",
                                         "Sword", "Wand/Staff", "Mace",   "no Weapon"};
  for (int k = 0; k < 8; ++k) EXPECT_EQ(weapon_kind_name(k), pictures[static_cast<std::size_t>(k)]);
  for (int r = 0; r <= 8; ++r) EXPECT_EQ(weapon_kind_list_text(r), list[static_cast<std::size_t>(r)]);
  EXPECT_EQ(weapon_kind_name(8), "");
  EXPECT_EQ(weapon_kind_list_text(9), "");
  EXPECT_EQ(weapon_kind_list_text(-1), "");
}

// ---------------------------------------------------------------- grips and kinds

TEST(WeaponTables, KindOfEveryRowIsItsTable) {
  for (int k = 0; k < kWeaponKindCount; ++k)
    for (const WeaponR& w : weapon_rows(k)) EXPECT_EQ(w.kind, k) << w.name;
}

TEST(WeaponTables, GripsEightyOneOneHandedSixtyFourTwoHanded) {
  int one = 0, two = 0;
  for (int k = 0; k < kWeaponKindCount; ++k) {
    int k1 = 0, k2 = 0;
    for (const WeaponR& w : weapon_rows(k)) {
      EXPECT_TRUE(w.hands == 0 || w.hands == 1) << w.name;  // "0 in the data"
      (is_one_handed(w) ? k1 : k2)++;
    }
    if (k == Claw) {
      EXPECT_EQ(k1, 17);
      EXPECT_EQ(k2, 0);
    } else {
      EXPECT_GE(k1, 1) << weapon_table_name(k);
      EXPECT_GE(k2, 1) << weapon_table_name(k);
    }
    one += k1;
    two += k2;
  }
  EXPECT_EQ(one, 81);
  EXPECT_EQ(two, 64);
}

TEST(WeaponTables, WeaponMenuPagesOfferEachGrip) {
  // Opening popup_weap on the one-handed page enables the 81 one-handed rows,
  // all 17 claws among them, and disables the 64 two-handed ones.
  int enabled_1h = 0, claws_1h = 0, enabled_2h = 0, claws_2h = 0;
  for (const WeaponR& w : all_weapons()) {
    if (w.hands == 1) {
      ++enabled_1h;
      if (w.kind == Claw) ++claws_1h;
    } else {
      ++enabled_2h;
      if (w.kind == Claw) ++claws_2h;
    }
  }
  EXPECT_EQ(enabled_1h, 81);
  EXPECT_EQ(claws_1h, 17);
  EXPECT_EQ(enabled_2h, 64);
  EXPECT_EQ(claws_2h, 0);
}

// ---------------------------------------------------------------- telling rows

// "Telling rows", copied unchanged.
const std::vector<std::string_view> kTellingRows = {
    R"(| Field | "Stone Axe" (axe row 1) | "Double Sided War Axe" (axe row 5) | "Hand Crossbow" (bow row 3) | "Eagle Claw" (claw row 1) | "Templar Sword" (sword row 8) | "Shield Sword" (sword row 9) | "Wand" (wand row 1) | "Relic Staff" (wand row 18) |)",
    R"(| `hands` | 1 | 0 | 1 | 1 | 1 | 1 | 1 | 0 |)",
    R"(| `kind` | 0 | 0 | 1 | 3 | 5 | 5 | 6 | 6 |)",
    R"(| `min_pow_lo` | 1 | 7 | 3 | 1 | 7 | 8 | 1 | 28 |)",
    R"(| `min_pow_hi` | 2 | 8 | 3 | 2 | 9 | 12 | 1 | 30 |)",
    R"(| `max_pow_lo` | 3 | 16 | 5 | 3 | 13 | 16 | 3 | 35 |)",
    R"(| `max_pow_hi` | 4 | 19 | 7 | 5 | 15 | 18 | 4 | 38 |)",
    R"(| `rtg_lo` | 30 | 45 | 24 | 30 | 42 | 45 | 20 | 130 |)",
    R"(| `rtg_hi` | 38 | 60 | 34 | 38 | 46 | 56 | 25 | 148 |)",
    R"(| `spd_base` | 6 | 6 | 7 | 7 | 7 | 7 | 6 | 8 |)",
    R"(| `spd_add` | 1 | 2 | 1 | 1 | 1 | 0 | 1 | 0 |)",
    R"(| `crit` | 3 | 9 | 3 | 3 | 6 | 7 | 0 | 0 |)",
    R"(| `spec_crit` | 0 | 0 | 4 | 5 | 0 | 4 | 0 | 0 |)",
    R"(| `def_lo` | 0 | 0 | 0 | 3 | 0 | 16 | 0 | 0 |)",
    R"(| `def_hi` | 0 | 0 | 0 | 5 | 0 | 30 | 0 | 0 |)",
    R"(| `blk` | 0 | 3 | 0 | 0 | 0 | 0 | 0 | 8 |)",
    R"(| `spec_ap_div` | 4 | 0 | 4 | 4 | 0 | 5 | 0 | 0 |)",
    R"(| `spec_ar` | 0 | 1 | 0 | 0 | 1 | 0 | 0 | 0 |)",
    R"(| `apt_lo` | 0 | 0 | 0 | 0 | 0 | 0 | 3 | 5 |)",
    R"(| `apt_hi` | 0 | 0 | 0 | 0 | 0 | 0 | 4 | 9 |)",
    R"(| `level_req` | 0 | 16 | 0 | 0 | 24 | 30 | 0 | 80 |)",
    R"(| `str_req` | 0 | 60 | 0 | 0 | 40 | 66 | 0 | 60 |)",
    R"(| `tal_req` | 0 | 36 | 0 | 22 | 40 | 52 | 0 | 88 |)",
    R"(| `agi_req` | 0 | 0 | 32 | 24 | 0 | 40 | 0 | 0 |)",
    R"(| `spi_req` | 0 | 0 | 0 | 0 | 30 | 0 | 0 | 154 |)",
    R"(| `weight` | 5 | 19 | 7 | 5 | 8 | 9 | 2 | 0 |)",
    R"(| `add_mp_lo` | 0 | 0 | 0 | 0 | 10 | 0 | 0 | 0 |)",
    R"(| `add_mp_hi` | 0 | 0 | 0 | 0 | 16 | 0 | 0 | 0 |)",
    R"(| `price` | 12 | 920 | 144 | 14 | 1860 | 2600 | 14 | 0 |)",
    R"(| `mp_regen_lo` | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.2 | 1.7 |)",
    R"(| `mp_regen_hi` | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.0 | 0.4 | 2.1 |)",
};

TEST(WeaponTables, TellingRowsExactly) {
  const std::vector<std::string> head = test::md_cells(kTellingRows[0]);
  ASSERT_EQ(head.size(), 9u);
  const std::map<std::string, std::string> tables = {
      {"axe", "axe_table"},         {"bow", "bow_table"},     {"scythe", "scythe_table"},
      {"claw", "claw_table"},       {"javelin", "javelin_table"}, {"sword", "sword_table"},
      {"wand", "wand_table"},       {"mace", "mace_table"}};
  struct Column {
    std::string name, table;
    int row;
  };
  std::vector<Column> columns;
  for (std::size_t c = 1; c < head.size(); ++c) {
    // "\"Stone Axe\" (axe row 1)"
    const std::string& h = head[c];
    const std::size_t q1 = h.find('"'), q2 = h.find('"', q1 + 1), open = h.find('(');
    const std::string where = h.substr(open + 1, h.find(')') - open - 1);  // "axe row 1"
    const std::size_t sp = where.find(" row ");
    columns.push_back({h.substr(q1 + 1, q2 - q1 - 1), tables.at(where.substr(0, sp)),
                       std::stoi(where.substr(sp + 5))});
  }
  std::set<std::string> fields_seen;
  for (std::size_t i = 1; i < kTellingRows.size(); ++i) {
    const std::vector<std::string> cells = test::md_cells(kTellingRows[i]);
    ASSERT_EQ(cells.size(), 9u) << kTellingRows[i];
    fields_seen.insert(cells[0]);
    for (std::size_t c = 1; c < cells.size(); ++c) {
      const Column& col = columns[c - 1];
      EXPECT_TRUE(value_is(cell(col.table, col.row, cells[0]), cells[c]))
          << col.name << " (" << col.table << " row " << col.row << ") " << cells[0];
    }
  }
  for (const Column& col : columns) EXPECT_TRUE(value_is(cell(col.table, col.row, "name"), col.name));
  // Every field but the name is given for the eight rows.
  EXPECT_EQ(fields_seen.size(), field_names<WeaponR>().size() - 1);
}

// ---------------------------------------------------------------- facts (fixed game data)

struct Fact {
  std::string table;
  int row;
  std::string field;
  std::string value;
  std::string evidence;
};

const std::vector<Fact> kWeaponFacts = {
    // "Stone Axe": Atk-pow 1(2) - 3(4), Critical 3 (3+0), Speed 7 (6+1), one-handed, Lvl/4, no Spec AR.
    {"axe_table", 1, "name", "Stone Axe", "axe row 1"},
    {"axe_table", 1, "min_pow_lo", "1", "Browser: 1(2) - 3(4)"},
    {"axe_table", 1, "min_pow_hi", "2", "Browser: 1(2) - 3(4)"},
    {"axe_table", 1, "max_pow_lo", "3", "Browser: 1(2) - 3(4)"},
    {"axe_table", 1, "max_pow_hi", "4", "Browser: 1(2) - 3(4)"},
    {"axe_table", 1, "crit", "3", "Browser: (3+0)"},
    {"axe_table", 1, "spec_crit", "0", "Browser: (3+0)"},
    {"axe_table", 1, "spd_base", "6", "Browser: 7 (6+1)"},
    {"axe_table", 1, "spd_add", "1", "Browser: 7 (6+1)"},
    {"axe_table", 1, "hands", "1", "Browser: X under 1h"},
    {"axe_table", 1, "def_hi", "0", "Inserting Stone Axe writes 0"},
    {"axe_table", 1, "spec_ap_div", "4", "Browser: Lvl/4"},
    {"axe_table", 1, "spec_ar", "0", "Browser: --- under Spec AR"},
    // "Double Sided War Axe": two-handed, speed 6 + 2 = 8.
    {"axe_table", 5, "name", "Double Sided War Axe", "axe row 5"},
    {"axe_table", 5, "hands", "0", "selects 8 in stat_weap_spd_2"},
    {"axe_table", 5, "spd_base", "6", "speed 6 + 2"},
    {"axe_table", 5, "spd_add", "2", "speed 6 + 2"},
    // "Ancient Axe": two-handed, 9 %, Lvl/7, Lvl/1-3, weight and price "?".
    {"axe_table", 17, "name", "Ancient Axe", "axe row 17"},
    {"axe_table", 17, "hands", "0", "column 7 reads 9 %"},
    {"axe_table", 17, "blk", "9", "column 7 reads 9 %"},
    {"axe_table", 17, "spec_ap_div", "7", "Spec AP Lvl/7"},
    {"axe_table", 17, "spec_ar", "1", "Spec AR Lvl/1-3"},
    {"axe_table", 17, "weight", "0", "Weight ?"},
    {"axe_table", 17, "price", "0", "NPC buy ?"},
    {"axe_table", 17, "kind", "0", "field rules"},
    {"axe_table", 17, "def_lo", "0", "field rules"},
    {"axe_table", 17, "def_hi", "0", "field rules"},
    {"axe_table", 17, "apt_lo", "0", "field rules"},
    {"axe_table", 17, "apt_hi", "0", "field rules"},
    {"axe_table", 17, "add_mp_lo", "0", "field rules"},
    {"axe_table", 17, "add_mp_hi", "0", "field rules"},
    {"axe_table", 17, "mp_regen_lo", "0.0", "field rules"},
    {"axe_table", 17, "mp_regen_hi", "0.0", "field rules"},
    // "Eagle Claw": defence 3 - 5, inserting writes 5, Talent 22.
    {"claw_table", 1, "name", "Eagle Claw", "claw row 1"},
    {"claw_table", 1, "def_lo", "3", "Browser: 3 - 5"},
    {"claw_table", 1, "def_hi", "5", "Inserting Eagle Claw writes 5"},
    {"claw_table", 1, "tal_req", "22", "Browser: Talent (raw 22)"},
    // Swords.
    {"sword_table", 8, "name", "Templar Sword", "sword row 8"},
    {"sword_table", 8, "add_mp_lo", "10", "Add MP 10 - 16"},
    {"sword_table", 8, "add_mp_hi", "16", "inserting twice adds 32"},
    {"sword_table", 8, "hands", "1", "one-handed"},
    {"sword_table", 9, "name", "Shield Sword", "sword row 9"},
    {"sword_table", 9, "hands", "1", "one-handed, --- in column 7"},
    {"sword_table", 9, "def_lo", "16", "Add Def 16 - 30"},
    {"sword_table", 9, "def_hi", "30", "Inserting Shield Sword writes 30"},
    {"sword_table", 18, "name", "Twin Sword", "sword row 18"},
    {"sword_table", 18, "hands", "0", "Twin Sword is two-handed"},
    {"sword_table", 18, "add_mp_lo", "20", "Add MP 20 - 30"},
    {"sword_table", 18, "add_mp_hi", "30", "Add MP 20 - 30"},
    // "Wand": mana regeneration 0.2 - 0.4, aptitude 3 - 4.
    {"wand_table", 1, "name", "Wand", "wand row 1"},
    {"wand_table", 1, "mp_regen_lo", "0.2", "MP rec 0.2 - 0.4"},
    {"wand_table", 1, "mp_regen_hi", "0.4", "Inserting Wand writes 0.4"},
    {"wand_table", 1, "apt_lo", "3", "M. Apt 3 - 4"},
    {"wand_table", 1, "apt_hi", "4", "M. Apt 3 - 4"},
    {"wand_table", 18, "name", "Relic Staff", "wand row 18"},
};

TEST(WeaponTables, EveryWeaponFactOfTheCatalogFacts) {
  for (const Fact& f : kWeaponFacts)
    EXPECT_TRUE(value_is(cell(f.table, f.row, f.field), f.value))
        << f.table << " row " << f.row << " " << f.field << " (" << f.evidence << ")";
}

std::string general_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

TEST(WeaponTables, WhatInsertionWrites) {
  // Weapon defence box of the one-handed column: Shield Sword 30, Eagle Claw 5, Stone Axe 0.
  EXPECT_EQ(weapon_row(Sword, 9)->def_hi, 30);
  EXPECT_EQ(weapon_row(Claw, 1)->def_hi, 5);
  EXPECT_EQ(weapon_row(Axe, 1)->def_hi, 0);
  // Speed list: "Double Sided War Axe" selects "8" (row 1), "Stone Axe" "7" (row 0).
  EXPECT_EQ(weapon_speed(*weapon_row(Axe, 5)), 8);
  EXPECT_EQ(weapon_speed(*weapon_row(Axe, 1)), 7);
  // "Wand" writes "0.4" as mana regeneration; "Templar Sword" twice adds 32 MP.
  EXPECT_EQ(general_text(weapon_row(WandStaff, 1)->mp_regen_hi), "0.4");
  EXPECT_EQ(2 * weapon_row(Sword, 8)->add_mp_hi, 32);
  // The two-handed slot takes the block: "Ancient Axe" 9.
  EXPECT_EQ(weapon_row(Axe, 17)->blk, 9);
}

TEST(WeaponTables, RequirementMarkExamples) {
  // A weapon whose requirements are all 0 is met by any class at level 0 with 0 statistics.
  const WeaponR stone = *weapon_row(Axe, 1);
  for (int k = 0; k < 8; ++k) {
    EXPECT_EQ(spec_requirement(stone.str_req, kStatStrength, k, true), 0);
    EXPECT_EQ(spec_requirement(stone.tal_req, kStatTalent, k, true), 0);
    EXPECT_EQ(spec_requirement(stone.agi_req, kStatAgility, k, true), 0);
    EXPECT_EQ(spec_requirement(stone.spi_req, kStatSpirit, k, true), 0);
  }
  // With no class chosen every row shows the red dot: the Strength check
  // already fails for any statistic up to 1000.
  for (const WeaponR& w : all_weapons())
    EXPECT_GT(spec_requirement(w.str_req, kStatStrength, -1, true), 1000) << w.name;
  // "Eagle Claw" with Knight chosen: Talent 23 - 24.
  const WeaponR eagle = *weapon_row(Claw, 1);
  EXPECT_EQ(spec_requirement(eagle.tal_req, kStatTalent, 5, true), 23);
  EXPECT_EQ(spec_requirement(eagle.tal_req, kStatTalent, 5, false), 24);
}

// ---------------------------------------------------------------- rules for whole tables

TEST(WeaponTables, FieldRules) {
  int added_mp_rows = 0;
  for (const WeaponR& w : all_weapons()) {
    // Speed is the sum of its parts, 7 or 8.
    EXPECT_TRUE(weapon_speed(w) == 7 || weapon_speed(w) == 8) << w.name;
    // Defence only for claws (every claw has one) and "Shield Sword".
    if (w.kind == Claw) {
      EXPECT_GT(w.def_hi, 0) << w.name;
    } else if (w.name == "Shield Sword") {
      EXPECT_GT(w.def_hi, 0);
    } else {
      EXPECT_EQ(w.def_lo, 0) << w.name;
      EXPECT_EQ(w.def_hi, 0) << w.name;
    }
    // Block belongs to two-handed weapons.
    if (is_one_handed(w)) {
      EXPECT_EQ(w.blk, 0) << w.name;
    }
    // Specialisation attack power: none or Lvl/3 .. Lvl/7; rating flag 0 or 1.
    EXPECT_TRUE(w.spec_ap_div == 0 || (w.spec_ap_div >= 3 && w.spec_ap_div <= 7)) << w.name;
    EXPECT_TRUE(w.spec_ar == 0 || w.spec_ar == 1) << w.name;
    // Aptitude and mana regeneration: wands only.
    if (w.kind != WandStaff) {
      EXPECT_EQ(w.apt_lo, 0) << w.name;
      EXPECT_EQ(w.apt_hi, 0) << w.name;
      EXPECT_EQ(w.mp_regen_lo, 0.0) << w.name;
      EXPECT_EQ(w.mp_regen_hi, 0.0) << w.name;
    }
    // Added MP: only "Templar Sword" (10..16) and "Twin Sword" (20..30).
    if (w.name == "Templar Sword") {
      EXPECT_EQ(w.add_mp_lo, 10);
      EXPECT_EQ(w.add_mp_hi, 16);
      ++added_mp_rows;
    } else if (w.name == "Twin Sword") {
      EXPECT_EQ(w.add_mp_lo, 20);
      EXPECT_EQ(w.add_mp_hi, 30);
      EXPECT_FALSE(is_one_handed(w));
      ++added_mp_rows;
    } else {
      EXPECT_EQ(w.add_mp_lo, 0) << w.name;
      EXPECT_EQ(w.add_mp_hi, 0) << w.name;
    }
  }
  EXPECT_EQ(added_mp_rows, 2);
}

// ---------------------------------------------------------------- shape of the authored rows

TEST(WeaponTablesShape, RangesOrdered) {
  for (const WeaponR& w : all_weapons()) {
    EXPECT_LE(w.min_pow_lo, w.min_pow_hi) << w.name;
    EXPECT_LE(w.max_pow_lo, w.max_pow_hi) << w.name;
    EXPECT_LE(w.min_pow_hi, w.max_pow_lo) << w.name;
    EXPECT_GE(w.min_pow_lo, 1) << w.name;
    EXPECT_LE(w.rtg_lo, w.rtg_hi) << w.name;
    EXPECT_LE(w.def_lo, w.def_hi) << w.name;
    EXPECT_LE(w.apt_lo, w.apt_hi) << w.name;
    EXPECT_LE(w.add_mp_lo, w.add_mp_hi) << w.name;
    EXPECT_LE(w.mp_regen_lo, w.mp_regen_hi) << w.name;
    EXPECT_LE(w.crit + w.spec_crit, 25) << w.name;
  }
}

TEST(WeaponTablesShape, WandsAreMagicWeapons) {
  for (const WeaponR& w : weapon_rows(WandStaff)) {
    EXPECT_GT(w.apt_hi, 0) << w.name;
    EXPECT_GT(w.mp_regen_hi, 0.0) << w.name;
    EXPECT_EQ(w.crit, 0) << w.name;  // the browser shows "---" for wands
    EXPECT_EQ(w.spec_crit, 0) << w.name;
  }
}

TEST(WeaponTablesShape, ValuesRiseWithTheRowWithinEachGrip) {
  for (int k = 0; k < kWeaponKindCount; ++k) {
    const std::vector<WeaponR> rows = weapon_rows(k);
    for (std::size_t i = 1; i < rows.size(); ++i)
      EXPECT_GE(rows[i].level_req, rows[i - 1].level_req) << rows[i].name;
    for (int grip : {0, 1}) {
      const WeaponR* prev = nullptr;
      for (const WeaponR& w : rows) {
        if ((w.hands == 1) != (grip == 1)) continue;
        if (prev) {
          EXPECT_GE(int(w.max_pow_hi), int(prev->max_pow_hi)) << w.name << " after " << prev->name;
          EXPECT_GE(int(w.min_pow_hi), int(prev->min_pow_hi)) << w.name << " after " << prev->name;
          EXPECT_GE(int(w.rtg_hi), int(prev->rtg_hi)) << w.name << " after " << prev->name;
          EXPECT_GE(int(w.crit), int(prev->crit)) << w.name << " after " << prev->name;
          EXPECT_GE(int(w.blk), int(prev->blk)) << w.name << " after " << prev->name;
        }
        prev = &w;
      }
    }
  }
}

TEST(WeaponTablesShape, TwoHandedStrongerAndSlowerThanOneHandedOfTheirLevel) {
  for (int k = 0; k < kWeaponKindCount; ++k) {
    const std::vector<WeaponR> rows = weapon_rows(k);
    int speed1 = 0, n1 = 0, speed2 = 0, n2 = 0;
    for (const WeaponR& w : rows) (is_one_handed(w) ? speed1 : speed2) += weapon_speed(w);
    for (const WeaponR& w : rows) (is_one_handed(w) ? n1 : n2)++;
    for (const WeaponR& two : rows) {
      if (is_one_handed(two)) continue;
      EXPECT_GE(two.blk, 1) << two.name;
      for (const WeaponR& one : rows) {
        if (!is_one_handed(one) || one.level_req > two.level_req) continue;
        EXPECT_GT(int(two.max_pow_hi), int(one.max_pow_hi)) << two.name << " vs " << one.name;
        EXPECT_GT(int(two.min_pow_hi), int(one.min_pow_hi)) << two.name << " vs " << one.name;
      }
    }
    if (n1 > 0 && n2 > 0) {  // mean speed
      EXPECT_LE(speed2 * n1, speed1 * n2) << weapon_table_name(k);
    }
  }
}

TEST(WeaponTablesShape, PricesRiseAndTopDropsHaveNone) {
  for (int k = 0; k < kWeaponKindCount; ++k) {
    const std::vector<WeaponR> rows = weapon_rows(k);
    std::uint32_t last = 0;
    bool zero_seen = false;
    for (const WeaponR& w : rows) {
      EXPECT_EQ(w.weight == 0, w.price == 0) << w.name;
      if (w.price == 0) {
        zero_seen = true;
        continue;
      }
      EXPECT_FALSE(zero_seen) << w.name << " has a price after a top drop";
      EXPECT_GT(w.price, last) << w.name;
      last = w.price;
    }
    EXPECT_TRUE(zero_seen) << weapon_table_name(k);
    EXPECT_EQ(rows.back().price, 0) << weapon_table_name(k);
  }
}

TEST(WeaponTablesShape, RequirementsRiseWithTheLevel) {
  // Beyond the beginner rows, every weapon asks for something, and the sum
  // of its requirements grows with its level within each grip.
  for (int k = 0; k < kWeaponKindCount; ++k) {
    for (int grip : {0, 1}) {
      int prev_sum = -1;
      for (const WeaponR& w : weapon_rows(k)) {
        if ((w.hands == 1) != (grip == 1)) continue;
        const int sum = w.str_req + w.tal_req + w.agi_req + w.spi_req;
        if (w.level_req > 0) {
          EXPECT_GT(sum, 0) << w.name;
        }
        if (w.level_req >= 20) {
          EXPECT_GE(sum, prev_sum) << w.name;
        }
        prev_sum = sum;
      }
    }
  }
}

}  // namespace
}  // namespace brennick
