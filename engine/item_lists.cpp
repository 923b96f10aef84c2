#include "engine/item_lists.h"

#include "data/item_tables.h"
#include "engine/startup.h"

namespace brennick {
namespace {

template <class Table>
std::vector<std::string> list_rows(const Table& table) {
  std::vector<std::string> rows{"none/manual input"};
  rows.reserve(table.size() + 1);
  for (const auto& item : table) rows.push_back(item.name);
  return rows;
}

}  // namespace

std::vector<std::string> armour_list_rows(bool robes) {
  const ItemCatalog& items = item_catalog();
  return robes ? list_rows(items.robe_table) : list_rows(items.armor_table);
}

void fill_item_lists(Calculator& calc) {
  const ItemCatalog& items = item_catalog();
  Sheet& s = calc.sheet;
  s.set_rows(Ctl::Select_Shield, list_rows(items.shield_table));
  s.set_rows(Ctl::Select_Orb, list_rows(items.orb_table));
  s.set_rows(Ctl::Select_Boots, list_rows(items.boots_table));
  s.set_rows(Ctl::Select_Gaunts, list_rows(items.gaunts_table));
  s.set_rows(Ctl::Select_armlets, list_rows(items.armlet_table));
  s.set_rows(Ctl::Select_amulet, list_rows(items.amulet_table));
  s.set_rows(Ctl::Select_ring1, list_rows(items.ring_table));
  s.set_rows(Ctl::Select_ring2, list_rows(items.ring_table));
}

}  // namespace brennick
