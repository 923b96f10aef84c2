#include "data/item_catalog_json.h"

#include <string>
#include <variant>

#include "data/item_tables.h"
#include "data/record_fields.h"

namespace brennick {

namespace {

template <class R, std::size_t N>
nlohmann::json table_json(std::string_view name, const std::array<R, N>& table) {
  nlohmann::json fields = nlohmann::json::array();
  for (const Field<R>& f : fields_of<R>()) fields.push_back(std::string(f.name));
  nlohmann::json rows = nlohmann::json::array();
  for (const R& record : table) {
    nlohmann::json row = nlohmann::json::array();
    for (const Field<R>& f : fields_of<R>())
      std::visit([&row](const auto& v) { row.push_back(v); }, get_field(record, f));
    rows.push_back(std::move(row));
  }
  return nlohmann::json{{"name", std::string(name)}, {"fields", std::move(fields)},
                        {"rows", std::move(rows)}};
}

}  // namespace

nlohmann::json item_catalog_json() {
  const ItemCatalog& c = item_catalog();
  nlohmann::json out = nlohmann::json::array();
  out.push_back(table_json("armor_table", c.armor_table));
  out.push_back(table_json("robe_table", c.robe_table));
  out.push_back(table_json("shield_table", c.shield_table));
  out.push_back(table_json("orb_table", c.orb_table));
  out.push_back(table_json("boots_table", c.boots_table));
  out.push_back(table_json("gaunts_table", c.gaunts_table));
  out.push_back(table_json("armlet_table", c.armlet_table));
  out.push_back(table_json("ring_table", c.ring_table));
  out.push_back(table_json("amulet_table", c.amulet_table));
  out.push_back(table_json("sheltom_table", c.sheltom_table));
  out.push_back(table_json("axe_table", c.axe_table));
  out.push_back(table_json("bow_table", c.bow_table));
  out.push_back(table_json("scythe_table", c.scythe_table));
  out.push_back(table_json("claw_table", c.claw_table));
  out.push_back(table_json("javelin_table", c.javelin_table));
  out.push_back(table_json("sword_table", c.sword_table));
  out.push_back(table_json("wand_table", c.wand_table));
  out.push_back(table_json("mace_table", c.mace_table));
  return out;
}

}  // namespace brennick
