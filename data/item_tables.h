// The built-in item catalogue: the ten armour-class
// tables and the eight weapon tables.
//
// The tables are built once, on the first call of item_catalog(), from the
// data files data/tables/items_*.tsv and data/tables/weapons.tsv compiled into
// the program, and are read-only afterwards. Rows are numbered from 1 (row r
// of a list, menu or grid is table entry r); every accessor returns a copy and
// reports a row outside 1..N as std::nullopt, so callers can refuse it
// instead of reading out of bounds. There is no search by name.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string_view>

#include "data/records.h"

namespace brennick {

// Row counts of the tables.
inline constexpr int kArmorRows = 18;
inline constexpr int kRobeRows = 18;
inline constexpr int kShieldRows = 17;
inline constexpr int kOrbRows = 18;
inline constexpr int kBootsRows = 17;
inline constexpr int kGauntsRows = 17;
inline constexpr int kArmletRows = 17;
inline constexpr int kRingRows = 18;
inline constexpr int kAmuletRows = 18;
inline constexpr int kSheltomRows = 9;

inline constexpr int kAxeRows = 17;
inline constexpr int kBowRows = 19;
inline constexpr int kScytheRows = 18;
inline constexpr int kClawRows = 17;
inline constexpr int kJavelinRows = 18;
inline constexpr int kSwordRows = 20;
inline constexpr int kWandRows = 18;
inline constexpr int kMaceRows = 18;
inline constexpr int kWeaponRowsTotal = 145;

struct ItemCatalog {
  std::array<ArmorR, kArmorRows> armor_table;
  std::array<RobeR, kRobeRows> robe_table;
  std::array<ShieldR, kShieldRows> shield_table;
  std::array<OrbR, kOrbRows> orb_table;
  std::array<BootsR, kBootsRows> boots_table;
  std::array<GauntsR, kGauntsRows> gaunts_table;
  std::array<ArmletR, kArmletRows> armlet_table;
  std::array<RingsR, kRingRows> ring_table;
  std::array<AmuletR, kAmuletRows> amulet_table;
  std::array<SheltomR, kSheltomRows> sheltom_table;

  std::array<WeaponR, kAxeRows> axe_table;          // kind 0
  std::array<WeaponR, kBowRows> bow_table;          // kind 1
  std::array<WeaponR, kScytheRows> scythe_table;    // kind 2
  std::array<WeaponR, kClawRows> claw_table;        // kind 3
  std::array<WeaponR, kJavelinRows> javelin_table;  // kind 4
  std::array<WeaponR, kSwordRows> sword_table;      // kind 5
  std::array<WeaponR, kWandRows> wand_table;        // kind 6
  std::array<WeaponR, kMaceRows> mace_table;        // kind 7
};

// The catalogue, built on first use from the embedded table files. Throws
// TableError (a std::runtime_error naming file and line) when a file is
// missing or broken; a later call tries again.
const ItemCatalog& item_catalog();

// Where the table files come from: the text of data/tables/<stem>.tsv, or
// nothing when there is no such file.
using TableSource = std::function<std::optional<std::string_view>(std::string_view stem)>;

// Builds a catalogue from the given files (item_catalog() uses the embedded
// ones); throws TableError on any missing or broken file.
ItemCatalog load_item_catalog(const TableSource& source);

// File stems of the tables: "items_armor", "items_robe", "items_shield",
// "items_orb", "items_boots", "items_gaunts", "items_armlet", "items_ring",
// "items_amulet", "items_sheltom"; all weapons are in "weapons".
inline constexpr std::array<std::string_view, 11> kItemTableFiles = {
    "items_armor", "items_robe",   "items_shield", "items_orb",     "items_boots", "items_gaunts",
    "items_armlet", "items_ring", "items_amulet", "items_sheltom", "weapons"};

// True when r is a row of the table (1 <= r <= N).
template <class T, std::size_t N>
constexpr bool has_row(const std::array<T, N>&, int r) {
  return r >= 1 && static_cast<std::size_t>(r) <= N;
}

// A copy of row r (1-based), or nothing when r is outside 1..N.
template <class T, std::size_t N>
std::optional<T> row(const std::array<T, N>& table, int r) {
  if (!has_row(table, r)) return std::nullopt;
  return table[static_cast<std::size_t>(r - 1)];
}

// Copies of row r of each armour-class table, or nothing when r is outside
// the table.
std::optional<ArmorR> armor_row(int r);
std::optional<RobeR> robe_row(int r);
std::optional<ShieldR> shield_row(int r);
std::optional<OrbR> orb_row(int r);
std::optional<BootsR> boots_row(int r);
std::optional<GauntsR> gaunts_row(int r);
std::optional<ArmletR> armlet_row(int r);
std::optional<RingsR> ring_row(int r);
std::optional<AmuletR> amulet_row(int r);
std::optional<SheltomR> sheltom_row(int r);

}  // namespace brennick
