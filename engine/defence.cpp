// Defence, absorption, attack rating, critical and block of both columns, the
// carrying weight and the running speed.
//
// Arithmetic as for the pools: extended precision left to right, stored where
// the game keeps a value. The class plays no part here.
#include <cmath>
#include <cstdint>

#include "engine/calculator.h"
#include "base/evaluation.h"

namespace brennick {
namespace {

ext field(const Sheet& sheet, Ctl id) { return static_cast<ext>(sheet.value(id)); }

// The stored value with its fraction dropped, kept as a real.
ext trunc_real(ext x) { return trunc_x(static_cast<ext>(stored(x))); }

// A level divisor of the armlets or a weapon's rating counts when it is 1, 2 or 3.
bool rating_divisor_counts(std::int32_t n) { return n >= 1 && n <= 3; }

}  // namespace

void Calculator::Calc_defense() {
  const ext L = field(sheet, Ctl::stat_level);
  const ext AGI = field(sheet, Ctl::stat_agility);
  const ext TAL = field(sheet, Ctl::stat_talent);
  const CalcState& s = state;
  const ext d = stored(L * 1.4L + AGI * 0.5L + TAL * 0.25L + s.armor_def + s.armor_spec_def + s.boots_def +
                       s.gaunts_def + s.gaunts_spec_def + s.armlets_def + s.other_def);
  state.final_def_2 = floor_stored(d);
  state.final_def = floor_stored(static_cast<ext>(s.shield_def) + d + s.shield_spec_def + s.orb_def + s.weap_def);
}

void Calculator::Calc_Absorption() {
  const ext L = field(sheet, Ctl::stat_level);
  const ext STR = field(sheet, Ctl::stat_strenght);
  const ext TAL = field(sheet, Ctl::stat_talent);
  const CalcState& s = state;
  const ext a = stored(L * 0.1L + STR / 40 + TAL / 40 + s.armor_abs + s.armor_spec_abs + s.boots_abs +
                       s.boots_spec_abs + s.gaunts_abs + s.gaunts_spec_abs + s.other_abs + 1);
  ext a2 = stored(static_cast<ext>(s.final_def_2) / 100 + a);
  ext a1 = stored(a + s.shield_abs + s.shield_spec_abs + s.orb_abs + s.orb_spec_abs +
                  static_cast<ext>(s.final_def) / 100);
  if (sheet.checked(Ctl::chk_armor_is_right_spec)) {
    a1 = stored(a1 + 1);
    a2 = stored(a2 + 1);
  }
  state.final_abs = round2(a1);
  state.final_abs_2 = round2(a2);
}

void Calculator::Calc_AtkRtg() {
  const ext L = field(sheet, Ctl::stat_level);
  const ext AGI = field(sheet, Ctl::stat_agility);
  const ext TAL = field(sheet, Ctl::stat_talent);
  const CalcState& s = state;
  const ext base = stored(trunc_real(L * 1.9L + AGI * 3.1L + TAL * 1.5L));
  auto column = [&](std::int32_t weap_rtg, std::int32_t weap_spec_rtg) {
    ext r = base + s.armlets_rtg + weap_rtg;
    if (rating_divisor_counts(s.armlets_lvl)) r = r + L / s.armlets_lvl;
    if (rating_divisor_counts(weap_spec_rtg)) r = r + L / weap_spec_rtg;
    return floor_stored(r);
  };
  state.final_rtg = column(s.weap_rtg, s.weap_spec_rtg);
  state.final_rtg_2 = column(s.weap_rtg_2, s.weap_spec_rtg_2);
}

void Calculator::Calc_Critical() {
  const CalcState& s = state;
  state.final_crit = saturate_i32(static_cast<ext>(std::int64_t{s.weap_crit} + s.weap_spec_crit));
  state.final_crit_2 = saturate_i32(static_cast<ext>(std::int64_t{s.weap_crit_2} + s.weap_spec_crit_2));
}

void Calculator::Calc_Block() {
  const CalcState& s = state;
  state.final_blk = saturate_i32(static_cast<ext>(std::int64_t{s.shield_blk} + s.shield_spec_blk));
  state.final_blk_2 = s.weap_blk;
}

void Calculator::Calc_weight() {
  const ext HLT = field(sheet, Ctl::stat_health);
  const std::int64_t level_and_strength =
      3 * std::int64_t{sheet.value(Ctl::stat_level)} + 2 * std::int64_t{sheet.value(Ctl::stat_strenght)};
  const ext w = trunc_real(HLT * 1.5L + level_and_strength + 60);
  sheet.set_text(Ctl::Lbl_final_stat_weight, format_general(w, format_));
}

void Calculator::Calc_Speed() {
  // The boots boxes are read here, directly: a non-number stops the pass.
  const ext boots = ext_of_text(sheet.text(Ctl::stat_boots_spd), format_);
  const ext boots_spec = ext_of_text(sheet.text(Ctl::stat_boots_spec_spd), format_);
  const ext L = field(sheet, Ctl::stat_level);
  const ext TAL = field(sheet, Ctl::stat_talent);
  const ext HLT = field(sheet, Ctl::stat_health);
  const ext v = trunc_real(boots + 1.4L + boots_spec + L / 150 + TAL / 150 + HLT / 150);
  sheet.set_text(Ctl::lbl_final_stat_spd, format_general(v, format_));
}

}  // namespace brennick
