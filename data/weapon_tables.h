// The weapon tables: one table per weapon kind, 145 rows in
// all, addressed by (kind, row). The tables themselves are members of
// ItemCatalog (item_tables.h); this header gives the lookups by kind.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

#include "data/item_tables.h"
#include "data/records.h"
#include "data/vocabulary.h"

namespace brennick {

// Weapon kinds, their codes and list texts: data/vocabulary.h.

// Rows of the table of `kind` (17, 19, 18, 17, 18, 20, 18, 18); 0 for a
// code outside 0..7.
int weapon_count(int kind);

// A copy of row r (1-based) of the table of `kind`, or nothing when the kind
// is outside 0..7 or r outside 1..weapon_count(kind).
std::optional<WeaponR> weapon_row(int kind, int r);

// Copies of all rows of the table of `kind`, in table order (empty for a
// code outside 0..7).
std::vector<WeaponR> weapon_rows(int kind);

// "axe_table", "bow_table", ..., "mace_table"; empty for a code outside 0..7.
std::string_view weapon_table_name(int kind);

// The kind names of the picture files and the browser's type choice: "Axe",
// "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand", "Mace"; empty outside 0..7.
std::string_view weapon_kind_name(int kind);

// The rows of the weapon-kind lists of the main window: "Axe", "Bow",
// "Scythe", "Claw", "Javelin", "Sword", "Wand/Staff", "Mace", and row 8
// "no Weapon"; empty outside 0..8.
std::string_view weapon_kind_list_text(int row);

// The weapon's speed: spd_base + spd_add (7 or 8 in the data).
constexpr int weapon_speed(const WeaponR& w) { return w.spd_base + w.spd_add; }

// True when the row is one-handed (hands = 1); any other value is two-handed.
constexpr bool is_one_handed(const WeaponR& w) { return w.hands == 1; }

namespace detail {
// Reads data/tables/weapons.tsv (all 145 rows, grouped by kind in kind
// order, each group in table order) into the weapon tables of `catalog`.
void load_weapon_tables(ItemCatalog& catalog, std::string_view text);
}  // namespace detail

}  // namespace brennick
