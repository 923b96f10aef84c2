// Item record types of the game data catalog.
//
// Plain value records, fields in their declaration order, with the
// game's names and widths. A `..._lo`/`..._hi` pair is a range (lowest and
// highest value an item can have); requirements are raw values (0 = none);
// a weight or price of 0 means "none recorded". Tables own their rows; every
// user copies the row it needs (see item_tables.h).
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace brennick {

// One elemental resistance of an item: a signed range.
struct ResRange {
  std::int8_t lo = 0;
  std::int8_t hi = 0;
  friend bool operator==(const ResRange&, const ResRange&) = default;
};

// Index of an element in a `res` field. The element order is always
// organic, flame, ice, lightning, poison.
enum Element : int { kResOrganic = 0, kResFlame = 1, kResIce = 2, kResLightning = 3, kResPoison = 4 };
inline constexpr int kElementCount = 5;

// `res`: five (lo, hi) pairs of signed 8-bit integers, indexed by Element.
using Resistances = std::array<ResRange, kElementCount>;

// Armour.
struct ArmorR {
  std::string name;
  std::uint16_t price = 0;
  std::uint16_t def_lo = 0;
  std::uint16_t def_hi = 0;
  std::uint16_t spec_def_lo = 0;
  std::uint16_t spec_def_hi = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  Resistances res{};
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t tal_req = 0;
  std::uint8_t weight = 0;
  friend bool operator==(const ArmorR&, const ArmorR&) = default;
};

// Robe: fields 1 to 6 as ArmorR, then the mana regeneration of a specialised robe.
struct RobeR {
  std::string name;
  std::uint16_t price = 0;
  std::uint16_t def_lo = 0;
  std::uint16_t def_hi = 0;
  std::uint16_t spec_def_lo = 0;
  std::uint16_t spec_def_hi = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  double mp_regen_lo = 0.0;
  double mp_regen_hi = 0.0;
  Resistances res{};
  std::uint8_t level_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t tal_req = 0;
  std::uint8_t weight = 0;
  friend bool operator==(const RobeR&, const RobeR&) = default;
};

// Shield: fields 1 to 7 as ArmorR, then block.
struct ShieldR {
  std::string name;
  std::uint16_t price = 0;
  std::uint16_t def_lo = 0;
  std::uint16_t def_hi = 0;
  std::uint16_t spec_def_lo = 0;
  std::uint16_t spec_def_hi = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  Resistances res{};
  std::uint8_t blk_lo = 0;
  std::uint8_t blk_hi = 0;
  std::uint8_t spec_blk = 0;
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t tal_req = 0;
  std::uint8_t weight = 0;
  friend bool operator==(const ShieldR&, const ShieldR&) = default;
};

// Orb: no specialisation defence.
struct OrbR {
  std::string name;
  std::uint16_t price = 0;
  std::uint16_t def_lo = 0;
  std::uint16_t def_hi = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  double mp_regen_lo = 0.0;
  double mp_regen_hi = 0.0;
  Resistances res{};
  std::uint8_t mp_lo = 0;
  std::uint8_t mp_hi = 0;
  std::uint8_t level_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  friend bool operator==(const OrbR&, const OrbR&) = default;
};

// Boots: the defence comes last.
struct BootsR {
  std::string name;
  std::uint16_t price = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  double spd_lo = 0.0;
  double spd_hi = 0.0;
  double spec_spd_lo = 0.0;
  double spec_spd_hi = 0.0;
  Resistances res{};
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t agi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t def_lo = 0;
  std::uint8_t def_hi = 0;
  friend bool operator==(const BootsR&, const BootsR&) = default;
};

// Gauntlets: defence and specialisation defence after the requirements.
struct GauntsR {
  std::string name;
  std::uint16_t price = 0;
  double abs_lo = 0.0;
  double abs_hi = 0.0;
  double spec_abs_lo = 0.0;
  double spec_abs_hi = 0.0;
  Resistances res{};
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t tal_req = 0;
  std::uint8_t agi_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t def_lo = 0;
  std::uint8_t def_hi = 0;
  std::uint8_t spec_def_lo = 0;
  std::uint8_t spec_def_hi = 0;
  friend bool operator==(const GauntsR&, const GauntsR&) = default;
};

// Armlets: no resistances, no reals; the specialisation rating is not stored.
struct ArmletR {
  std::string name;
  std::uint16_t price = 0;
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t agi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t def_lo = 0;
  std::uint8_t def_hi = 0;
  std::uint8_t rtg_lo = 0;
  std::uint8_t rtg_hi = 0;
  std::uint8_t potions = 0;
  friend bool operator==(const ArmletR&, const ArmletR&) = default;
};

// Ring.
struct RingsR {
  std::string name;
  std::uint16_t price = 0;
  std::uint8_t level_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t stm_lo = 0;
  std::uint8_t stm_hi = 0;
  std::uint8_t hp_lo = 0;
  std::uint8_t hp_hi = 0;
  double hp_regen_lo = 0.0;
  double hp_regen_hi = 0.0;
  friend bool operator==(const RingsR&, const RingsR&) = default;
};

// Amulet: same shape as RingsR.
struct AmuletR {
  std::string name;
  std::uint16_t price = 0;
  std::uint8_t level_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t mp_lo = 0;
  std::uint8_t mp_hi = 0;
  std::uint8_t hp_lo = 0;
  std::uint8_t hp_hi = 0;
  double regen_lo = 0.0;
  double regen_hi = 0.0;
  friend bool operator==(const AmuletR&, const AmuletR&) = default;
};

// Sheltom: the price is the last field.
struct SheltomR {
  std::string name;
  double hp_regen_lo = 0.0;
  double hp_regen_hi = 0.0;
  double spec_hp_regen = 0.0;
  double mp_regen_lo = 0.0;
  double mp_regen_hi = 0.0;
  double spec_mp_regen_lo = 0.0;
  double spec_mp_regen_hi = 0.0;
  std::uint8_t level_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  std::uint16_t price = 0;
  friend bool operator==(const SheltomR&, const SheltomR&) = default;
};

// Weapon. Requirements come in the order Strength, Talent,
// Agility, Spirit (not the order of the spec_requirement statistic codes).
struct WeaponR {
  std::string name;
  std::uint8_t hands = 0;  // 1 = one-handed; any other value (0 in the data) = two-handed
  std::uint8_t kind = 0;   // weapon kind code 0..7, equal to the kind of its table
  std::uint8_t min_pow_lo = 0;
  std::uint8_t min_pow_hi = 0;
  std::uint8_t max_pow_lo = 0;
  std::uint8_t max_pow_hi = 0;
  std::uint8_t rtg_lo = 0;
  std::uint8_t rtg_hi = 0;
  std::uint8_t spd_base = 0;  // speed = spd_base + spd_add (7 or 8)
  std::uint8_t spd_add = 0;
  std::uint8_t crit = 0;
  std::uint8_t spec_crit = 0;
  std::uint8_t def_lo = 0;  // claws and "Shield Sword" only
  std::uint8_t def_hi = 0;
  std::uint8_t blk = 0;          // two-handed weapons
  std::uint8_t spec_ap_div = 0;  // one point per spec_ap_div levels; 0 = none
  std::uint8_t spec_ar = 0;      // 1 = "Lvl/1-3"; 0 = none
  std::uint8_t apt_lo = 0;       // wands only
  std::uint8_t apt_hi = 0;
  std::uint8_t level_req = 0;
  std::uint8_t str_req = 0;
  std::uint8_t tal_req = 0;
  std::uint8_t agi_req = 0;
  std::uint8_t spi_req = 0;
  std::uint8_t weight = 0;
  std::uint8_t add_mp_lo = 0;  // "Templar Sword" and "Twin Sword" only
  std::uint8_t add_mp_hi = 0;
  std::uint16_t price = 0;
  double mp_regen_lo = 0.0;  // wands only
  double mp_regen_hi = 0.0;
  friend bool operator==(const WeaponR&, const WeaponR&) = default;
};

}  // namespace brennick
