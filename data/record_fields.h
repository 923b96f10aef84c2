// Field lists of the item records: each record's fields by name, type and
// declaration order, as the data files (header lines), the reader and the
// JSON export see them. A `res` field appears as ten columns
// res_organic_lo, res_organic_hi, ..., res_poison_lo, res_poison_hi.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>
#include <vector>

#include "data/records.h"
#include "data/table_reader.h"

namespace brennick {

enum class FieldType { Text, U8, U16, I8, Real };

template <class R>
struct Field {
  std::string_view name;
  FieldType type;
  void* (*at)(R&);  // address of the field in a record
};

// A field's value, read generically.
using FieldValue = std::variant<std::string, std::int64_t, double>;

namespace detail {

template <class>
struct MemberOf;
template <class R, class T>
struct MemberOf<T R::*> {
  using Record = R;
  using Type = T;
};

template <class T>
constexpr FieldType field_type_of() {
  if constexpr (std::is_same_v<T, std::string>) return FieldType::Text;
  else if constexpr (std::is_same_v<T, std::uint8_t>) return FieldType::U8;
  else if constexpr (std::is_same_v<T, std::uint16_t>) return FieldType::U16;
  else if constexpr (std::is_same_v<T, std::int8_t>) return FieldType::I8;
  else {
    static_assert(std::is_same_v<T, double>, "unsupported field type");
    return FieldType::Real;
  }
}

}  // namespace detail

template <auto M>
constexpr Field<typename detail::MemberOf<decltype(M)>::Record> field(std::string_view name) {
  using R = typename detail::MemberOf<decltype(M)>::Record;
  using T = typename detail::MemberOf<decltype(M)>::Type;
  return {name, detail::field_type_of<T>(), [](R& r) -> void* { return &(r.*M); }};
}

template <class R, int E, bool Hi>
constexpr Field<R> res_field(std::string_view name) {
  return {name, FieldType::I8, [](R& r) -> void* { return Hi ? &r.res[E].hi : &r.res[E].lo; }};
}

#define BRENNICK_RES_FIELDS(R)                                                          \
  res_field<R, kResOrganic, false>("res_organic_lo"),                                      \
      res_field<R, kResOrganic, true>("res_organic_hi"),                                   \
      res_field<R, kResFlame, false>("res_flame_lo"), res_field<R, kResFlame, true>("res_flame_hi"), \
      res_field<R, kResIce, false>("res_ice_lo"), res_field<R, kResIce, true>("res_ice_hi"),   \
      res_field<R, kResLightning, false>("res_lightning_lo"),                              \
      res_field<R, kResLightning, true>("res_lightning_hi"),                               \
      res_field<R, kResPoison, false>("res_poison_lo"), res_field<R, kResPoison, true>("res_poison_hi")

// The fields of each record type, in declaration order.
template <class R>
std::span<const Field<R>> fields_of();

template <>
inline std::span<const Field<ArmorR>> fields_of<ArmorR>() {
  using R = ArmorR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::spec_def_lo>("spec_def_lo"), field<&R::spec_def_hi>("spec_def_hi"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::level_req>("level_req"), field<&R::str_req>("str_req"),
      field<&R::tal_req>("tal_req"),   field<&R::weight>("weight")};
  return f;
}

template <>
inline std::span<const Field<RobeR>> fields_of<RobeR>() {
  using R = RobeR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::spec_def_lo>("spec_def_lo"), field<&R::spec_def_hi>("spec_def_hi"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      field<&R::mp_regen_lo>("mp_regen_lo"), field<&R::mp_regen_hi>("mp_regen_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::level_req>("level_req"), field<&R::spi_req>("spi_req"),
      field<&R::tal_req>("tal_req"),   field<&R::weight>("weight")};
  return f;
}

template <>
inline std::span<const Field<ShieldR>> fields_of<ShieldR>() {
  using R = ShieldR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::spec_def_lo>("spec_def_lo"), field<&R::spec_def_hi>("spec_def_hi"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::blk_lo>("blk_lo"),     field<&R::blk_hi>("blk_hi"),
      field<&R::spec_blk>("spec_blk"), field<&R::level_req>("level_req"),
      field<&R::str_req>("str_req"),   field<&R::tal_req>("tal_req"),
      field<&R::weight>("weight")};
  return f;
}

template <>
inline std::span<const Field<OrbR>> fields_of<OrbR>() {
  using R = OrbR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      field<&R::mp_regen_lo>("mp_regen_lo"), field<&R::mp_regen_hi>("mp_regen_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::mp_lo>("mp_lo"),       field<&R::mp_hi>("mp_hi"),
      field<&R::level_req>("level_req"), field<&R::spi_req>("spi_req"),
      field<&R::weight>("weight")};
  return f;
}

template <>
inline std::span<const Field<BootsR>> fields_of<BootsR>() {
  using R = BootsR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      field<&R::spd_lo>("spd_lo"),     field<&R::spd_hi>("spd_hi"),
      field<&R::spec_spd_lo>("spec_spd_lo"), field<&R::spec_spd_hi>("spec_spd_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::level_req>("level_req"), field<&R::str_req>("str_req"),
      field<&R::spi_req>("spi_req"),   field<&R::agi_req>("agi_req"),
      field<&R::weight>("weight"),     field<&R::def_lo>("def_lo"),
      field<&R::def_hi>("def_hi")};
  return f;
}

template <>
inline std::span<const Field<GauntsR>> fields_of<GauntsR>() {
  using R = GauntsR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::abs_lo>("abs_lo"),     field<&R::abs_hi>("abs_hi"),
      field<&R::spec_abs_lo>("spec_abs_lo"), field<&R::spec_abs_hi>("spec_abs_hi"),
      BRENNICK_RES_FIELDS(R),
      field<&R::level_req>("level_req"), field<&R::str_req>("str_req"),
      field<&R::tal_req>("tal_req"),   field<&R::agi_req>("agi_req"),
      field<&R::spi_req>("spi_req"),   field<&R::weight>("weight"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::spec_def_lo>("spec_def_lo"), field<&R::spec_def_hi>("spec_def_hi")};
  return f;
}

template <>
inline std::span<const Field<ArmletR>> fields_of<ArmletR>() {
  using R = ArmletR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::level_req>("level_req"), field<&R::str_req>("str_req"),
      field<&R::agi_req>("agi_req"),   field<&R::weight>("weight"),
      field<&R::def_lo>("def_lo"),     field<&R::def_hi>("def_hi"),
      field<&R::rtg_lo>("rtg_lo"),     field<&R::rtg_hi>("rtg_hi"),
      field<&R::potions>("potions")};
  return f;
}

template <>
inline std::span<const Field<RingsR>> fields_of<RingsR>() {
  using R = RingsR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::level_req>("level_req"), field<&R::spi_req>("spi_req"),
      field<&R::weight>("weight"),     field<&R::stm_lo>("stm_lo"),
      field<&R::stm_hi>("stm_hi"),     field<&R::hp_lo>("hp_lo"),
      field<&R::hp_hi>("hp_hi"),       field<&R::hp_regen_lo>("hp_regen_lo"),
      field<&R::hp_regen_hi>("hp_regen_hi")};
  return f;
}

template <>
inline std::span<const Field<AmuletR>> fields_of<AmuletR>() {
  using R = AmuletR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),         field<&R::price>("price"),
      field<&R::level_req>("level_req"), field<&R::spi_req>("spi_req"),
      field<&R::weight>("weight"),     field<&R::mp_lo>("mp_lo"),
      field<&R::mp_hi>("mp_hi"),       field<&R::hp_lo>("hp_lo"),
      field<&R::hp_hi>("hp_hi"),       field<&R::regen_lo>("regen_lo"),
      field<&R::regen_hi>("regen_hi")};
  return f;
}

template <>
inline std::span<const Field<SheltomR>> fields_of<SheltomR>() {
  using R = SheltomR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),
      field<&R::hp_regen_lo>("hp_regen_lo"),   field<&R::hp_regen_hi>("hp_regen_hi"),
      field<&R::spec_hp_regen>("spec_hp_regen"),
      field<&R::mp_regen_lo>("mp_regen_lo"),   field<&R::mp_regen_hi>("mp_regen_hi"),
      field<&R::spec_mp_regen_lo>("spec_mp_regen_lo"),
      field<&R::spec_mp_regen_hi>("spec_mp_regen_hi"),
      field<&R::level_req>("level_req"),       field<&R::spi_req>("spi_req"),
      field<&R::weight>("weight"),             field<&R::price>("price")};
  return f;
}

template <>
inline std::span<const Field<WeaponR>> fields_of<WeaponR>() {
  using R = WeaponR;
  static constexpr Field<R> f[] = {
      field<&R::name>("name"),               field<&R::hands>("hands"),
      field<&R::kind>("kind"),               field<&R::min_pow_lo>("min_pow_lo"),
      field<&R::min_pow_hi>("min_pow_hi"),   field<&R::max_pow_lo>("max_pow_lo"),
      field<&R::max_pow_hi>("max_pow_hi"),   field<&R::rtg_lo>("rtg_lo"),
      field<&R::rtg_hi>("rtg_hi"),           field<&R::spd_base>("spd_base"),
      field<&R::spd_add>("spd_add"),         field<&R::crit>("crit"),
      field<&R::spec_crit>("spec_crit"),     field<&R::def_lo>("def_lo"),
      field<&R::def_hi>("def_hi"),           field<&R::blk>("blk"),
      field<&R::spec_ap_div>("spec_ap_div"), field<&R::spec_ar>("spec_ar"),
      field<&R::apt_lo>("apt_lo"),           field<&R::apt_hi>("apt_hi"),
      field<&R::level_req>("level_req"),     field<&R::str_req>("str_req"),
      field<&R::tal_req>("tal_req"),         field<&R::agi_req>("agi_req"),
      field<&R::spi_req>("spi_req"),         field<&R::weight>("weight"),
      field<&R::add_mp_lo>("add_mp_lo"),     field<&R::add_mp_hi>("add_mp_hi"),
      field<&R::price>("price"),             field<&R::mp_regen_lo>("mp_regen_lo"),
      field<&R::mp_regen_hi>("mp_regen_hi")};
  return f;
}

#undef BRENNICK_RES_FIELDS

// The field names of R in declaration order (the header line of its data file).
template <class R>
std::vector<std::string_view> field_names() {
  std::vector<std::string_view> names;
  for (const Field<R>& f : fields_of<R>()) names.push_back(f.name);
  return names;
}

// Reads one field of a record.
template <class R>
FieldValue get_field(const R& record, const Field<R>& f) {
  void* p = f.at(const_cast<R&>(record));  // only read through p
  switch (f.type) {
    case FieldType::Text: return *static_cast<const std::string*>(p);
    case FieldType::U8: return static_cast<std::int64_t>(*static_cast<const std::uint8_t*>(p));
    case FieldType::U16: return static_cast<std::int64_t>(*static_cast<const std::uint16_t*>(p));
    case FieldType::I8: return static_cast<std::int64_t>(*static_cast<const std::int8_t*>(p));
    case FieldType::Real: return *static_cast<const double*>(p);
  }
  return std::int64_t{0};
}

// Reads a field by name; throws std::out_of_range for an unknown name.
template <class R>
FieldValue get_field(const R& record, std::string_view name) {
  for (const Field<R>& f : fields_of<R>())
    if (f.name == name) return get_field(record, f);
  throw std::out_of_range("no field " + std::string(name));
}

// Parses one row of a table file into a record, checking each cell against its field type.
template <class R>
R parse_record(std::string_view file, const TableRow& row) {
  std::span<const Field<R>> fields = fields_of<R>();
  if (row.cells.size() != fields.size())
    throw_table_error(file, row.line, "wrong number of cells");
  R record{};
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const Field<R>& f = fields[i];
    const std::string& cell = row.cells[i];
    void* p = f.at(record);
    switch (f.type) {
      case FieldType::Text:
        *static_cast<std::string*>(p) = parse_table_text(cell, file, row.line, f.name);
        break;
      case FieldType::U8:
        *static_cast<std::uint8_t*>(p) =
            static_cast<std::uint8_t>(parse_table_integer(cell, 0, 255, file, row.line, f.name));
        break;
      case FieldType::U16:
        *static_cast<std::uint16_t*>(p) = static_cast<std::uint16_t>(
            parse_table_integer(cell, 0, 65535, file, row.line, f.name));
        break;
      case FieldType::I8:
        *static_cast<std::int8_t*>(p) = static_cast<std::int8_t>(
            parse_table_integer(cell, -128, 127, file, row.line, f.name));
        break;
      case FieldType::Real:
        *static_cast<double*>(p) = parse_table_real(cell, file, row.line, f.name);
        break;
    }
  }
  return record;
}

// Parses a whole table file of exactly `rows` records of type R, checking the
// header and the row count; throws TableError on any mismatch.
template <class R>
std::vector<R> parse_records(std::string_view file, std::string_view text, std::size_t rows) {
  std::vector<std::string_view> header = field_names<R>();
  TableText table = read_table_text(file, text, header, rows);
  std::vector<R> out;
  out.reserve(table.rows.size());
  for (const TableRow& row : table.rows) out.push_back(parse_record<R>(file, row));
  return out;
}

}  // namespace brennick
