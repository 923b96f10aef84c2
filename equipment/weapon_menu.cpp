#include "equipment/weapon_menu.h"

#include <utility>

#include "data/item_tables.h"
#include "data/weapon_tables.h"

namespace brennick {
namespace {

using C = Ctl;

// The boxes of a weapon slot.
struct WeaponSlot {
  Ctl kind, min_pow, max_pow, rtg, crit, def_or_blk, spec_pow, spec_rtg, spec_crit, mp_regen, gem_mp, spd;
};
constexpr WeaponSlot kOneHand = {C::Select_weapon,   C::stat_weap_min_pow, C::stat_weap_max_pow,
                                 C::stat_weap_rtg,   C::stat_weap_crit,    C::stat_weap_def,
                                 C::stat_weap_spec_pow, C::stat_weap_spec_rtg, C::stat_weap_spec_crit,
                                 C::stat_weap_MP_regen, C::stat_gem_MP,    C::stat_weap_spd};
constexpr WeaponSlot kTwoHand = {C::Select_weapon_2,   C::stat_weap_min_pow_2, C::stat_weap_max_pow_2,
                                 C::stat_weap_rtg_2,   C::stat_weap_crit_2,    C::stat_weap_blk,
                                 C::stat_weap_spec_pow_2, C::stat_weap_spec_rtg_2, C::stat_weap_spec_crit_2,
                                 C::stat_weap_MP_regen_2, C::stat_gem_MP_2,    C::stat_weap_spd_2};

// The integer of a box as a strict conversion reads it.
std::int32_t strict_int(const std::string& text) {
  if (!is_int_text(text)) throw ConversionError("'" + text + "' is not a valid integer value");
  return int_of_text(text);
}

}  // namespace

bool Insert_weapon(Calculator& calc, int kind, int row) {
  const std::optional<WeaponR> found = weapon_row(kind, row);
  if (!found) return false;
  const WeaponR& w = *found;
  Sheet& s = calc.sheet;

  // The writes below start no recalculation of their own.
  calc.state.calc_ready = 0;
  calc.changeEvents();

  // The slot follows the weapon's grip, not the page the menu opened on.
  const bool one_hand = is_one_handed(w);
  const WeaponSlot& slot = one_hand ? kOneHand : kTwoHand;
  s.set_row(slot.kind, w.kind);
  s.set_text(slot.min_pow, int_text(w.min_pow_hi));
  s.set_text(slot.max_pow, int_text(w.max_pow_hi));
  s.set_text(slot.rtg, int_text(w.rtg_hi));
  s.set_text(slot.crit, int_text(w.crit));
  s.set_text(slot.def_or_blk, int_text(one_hand ? w.def_hi : w.blk));
  s.set_text(slot.spec_pow, int_text(w.spec_ap_div));
  s.set_text(slot.spec_rtg, int_text(w.spec_ar));
  s.set_text(slot.spec_crit, int_text(w.spec_crit));
  s.set_text(slot.mp_regen, format_general(w.mp_regen_hi, calc.format()));
  // The gem MP box accumulates: two "Templar Sword"s add 32.
  s.set_text(slot.gem_mp, int_text(std::int64_t{strict_int(s.text(slot.gem_mp))} + w.add_mp_hi));
  s.set_row(slot.spd, weapon_speed(w) == 7 ? 0 : 1);

  calc.state.calc_ready = 1;
  calc.changeEvents();
  calc.run_calculation(C::MainForm);
  return true;
}

bool Insert_Sheltom(Calculator& calc, int row) {
  const std::optional<SheltomR> s = sheltom_row(row);
  if (!s) return false;
  const long double sum = static_cast<long double>(s->mp_regen_hi) + s->spec_mp_regen_hi;
  calc.sheet.set_text(C::stat_sheltom_mp, format_general(sum, calc.format()));
  // Writing the box starts a pass, and the handler another: both show the same.
  calc.run_calculation(C::MainForm);
  return true;
}

std::optional<int> item_number(std::string_view name) {
  if (name.size() < 2) return std::nullopt;
  const char a = name[name.size() - 2], b = name[name.size() - 1];
  if (a < '0' || a > '9' || b < '0' || b > '9') return std::nullopt;
  return (a - '0') * 10 + (b - '0');
}

}  // namespace brennick
