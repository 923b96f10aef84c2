// Machine-readable form of the item catalogue.
#pragma once

#include <nlohmann/json.hpp>

namespace brennick {

// Every item and weapon table, in the order armor_table, robe_table,
// shield_table, orb_table, boots_table, gaunts_table, armlet_table,
// ring_table, amulet_table, sheltom_table, axe_table, bow_table,
// scythe_table, claw_table, javelin_table, sword_table, wand_table,
// mace_table, as an array of
//   {"name": table name, "fields": [field names in declaration order],
//    "rows": [[values in field order], ...]}
// Field names are those of the data files: a `res` field is ten columns
// res_organic_lo .. res_poison_hi. Texts are strings, integers and reals
// numbers; rows are in table order (row 1 first).
nlohmann::json item_catalog_json();

}  // namespace brennick
