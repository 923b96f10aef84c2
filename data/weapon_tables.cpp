#include "data/weapon_tables.h"

#include <array>
#include <span>
#include <string>

#include "data/record_fields.h"
#include "data/table_reader.h"

namespace brennick {

namespace {

constexpr std::array<std::string_view, kWeaponKindCount> kTableNames = {
    "axe_table",     "bow_table",   "scythe_table", "claw_table",
    "javelin_table", "sword_table", "wand_table",   "mace_table"};

constexpr std::array<std::string_view, kWeaponKindCount> kKindNames = {
    "Axe", "Bow", "Scythe", "Claw", "Javelin", "Sword", "Wand", "Mace"};

// The table of a kind as a span over the catalogue (kind must be 0..7).
template <class Catalog>
auto table_of(Catalog& c, int kind) {
  using Span = std::conditional_t<std::is_const_v<Catalog>, std::span<const WeaponR>,
                                  std::span<WeaponR>>;
  switch (kind) {
    case Axe: return Span(c.axe_table);
    case Bow: return Span(c.bow_table);
    case Scythe: return Span(c.scythe_table);
    case Claw: return Span(c.claw_table);
    case Javelin: return Span(c.javelin_table);
    case Sword: return Span(c.sword_table);
    case WandStaff: return Span(c.wand_table);
    default: return Span(c.mace_table);
  }
}

}  // namespace

namespace detail {

void load_weapon_tables(ItemCatalog& catalog, std::string_view text) {
  constexpr std::string_view file = "weapons";
  std::vector<std::string_view> header = field_names<WeaponR>();
  TableText table = read_table_text(file, text, header, kWeaponRowsTotal);
  // Rows come grouped by kind, kinds in order 0..7, each group exactly as
  // long as its table.
  std::size_t next = 0;
  for (int kind = 0; kind < kWeaponKindCount; ++kind) {
    std::span<WeaponR> dest = table_of(catalog, kind);
    for (std::size_t i = 0; i < dest.size(); ++i, ++next) {
      const TableRow& row = table.rows[next];
      WeaponR w = parse_record<WeaponR>(file, row);
      if (w.kind != kind)
        throw_table_error(file, row.line,
                          "row " + std::to_string(i + 1) + " of " + std::string(kTableNames[kind]) +
                              " expected, but its kind is " + std::to_string(w.kind) +
                              " (rows must be grouped by kind 0..7 with " +
                              std::to_string(dest.size()) + " rows of kind " +
                              std::to_string(kind) + ")");
      dest[i] = std::move(w);
    }
  }
}

}  // namespace detail

int weapon_count(int kind) {
  if (!is_weapon_kind(kind)) return 0;
  return static_cast<int>(table_of(item_catalog(), kind).size());
}

std::optional<WeaponR> weapon_row(int kind, int r) {
  if (!is_weapon_kind(kind)) return std::nullopt;
  std::span<const WeaponR> t = table_of(item_catalog(), kind);
  if (r < 1 || static_cast<std::size_t>(r) > t.size()) return std::nullopt;
  return t[static_cast<std::size_t>(r - 1)];
}

std::vector<WeaponR> weapon_rows(int kind) {
  if (!is_weapon_kind(kind)) return {};
  std::span<const WeaponR> t = table_of(item_catalog(), kind);
  return std::vector<WeaponR>(t.begin(), t.end());
}

std::string_view weapon_table_name(int kind) {
  return is_weapon_kind(kind) ? kTableNames[static_cast<std::size_t>(kind)] : std::string_view{};
}

std::string_view weapon_kind_name(int kind) {
  return is_weapon_kind(kind) ? kKindNames[static_cast<std::size_t>(kind)] : std::string_view{};
}

std::string_view weapon_kind_list_text(int row) {
  return (row >= 0 && row <= NoWeapon) ? kWeaponKindTexts[static_cast<std::size_t>(row)]
                                        : std::string_view{};
}

}  // namespace brennick
