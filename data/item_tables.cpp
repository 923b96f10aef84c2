#include "data/item_tables.h"

#include <string>
#include <vector>

#include "data/table_overrides.h"
#include "data/record_fields.h"
#include "data/table_reader.h"
#include "data/weapon_tables.h"

namespace brennick {

namespace {

std::string_view source_text(const TableSource& source, std::string_view stem) {
  std::optional<std::string_view> text = source(stem);
  if (!text) throw_table_error(stem, 0, "no such table file");
  return *text;
}

template <class R, std::size_t N>
void load(std::array<R, N>& table, const TableSource& source, std::string_view stem) {
  std::vector<R> rows = parse_records<R>(stem, source_text(source, stem), N);
  for (std::size_t i = 0; i < N; ++i) table[i] = std::move(rows[i]);
}

}  // namespace

ItemCatalog load_item_catalog(const TableSource& source) {
  ItemCatalog c;
  load(c.armor_table, source, "items_armor");
  load(c.robe_table, source, "items_robe");
  load(c.shield_table, source, "items_shield");
  load(c.orb_table, source, "items_orb");
  load(c.boots_table, source, "items_boots");
  load(c.gaunts_table, source, "items_gaunts");
  load(c.armlet_table, source, "items_armlet");
  load(c.ring_table, source, "items_ring");
  load(c.amulet_table, source, "items_amulet");
  load(c.sheltom_table, source, "items_sheltom");
  detail::load_weapon_tables(c, source_text(source, "weapons"));
  return c;
}

const ItemCatalog& item_catalog() {
  // The player's corrections in use (data/table_overrides.h), else the built-in tables.
  static const ItemCatalog catalog = load_item_catalog(detail::catalog_table_text);
  return catalog;
}

std::optional<ArmorR> armor_row(int r) { return row(item_catalog().armor_table, r); }
std::optional<RobeR> robe_row(int r) { return row(item_catalog().robe_table, r); }
std::optional<ShieldR> shield_row(int r) { return row(item_catalog().shield_table, r); }
std::optional<OrbR> orb_row(int r) { return row(item_catalog().orb_table, r); }
std::optional<BootsR> boots_row(int r) { return row(item_catalog().boots_table, r); }
std::optional<GauntsR> gaunts_row(int r) { return row(item_catalog().gaunts_table, r); }
std::optional<ArmletR> armlet_row(int r) { return row(item_catalog().armlet_table, r); }
std::optional<RingsR> ring_row(int r) { return row(item_catalog().ring_table, r); }
std::optional<AmuletR> amulet_row(int r) { return row(item_catalog().amulet_table, r); }
std::optional<SheltomR> sheltom_row(int r) { return row(item_catalog().sheltom_table, r); }

}  // namespace brennick
