// The result labels of the main window, written from the calculation state
// once every skill and buff has had its say.
#include "engine/result_display.h"

#include <cmath>

#include "engine/calculator.h"
#include "base/evaluation.h"

namespace brennick {

void Calculator::display_final_results() {
  const CalcState& s = state;
  auto integer = [&](Ctl label, std::int32_t value) { sheet.set_text(label, int_text(value)); };
  auto percent = [&](Ctl label, std::int32_t value) { sheet.set_text(label, int_text(value) + " %"); };
  auto regen = [&](Ctl label, double value) { sheet.set_text(label, format_general(round2(value), format_)); };
  // The exact absorption, and in brackets the whole number the game shows.
  auto absorption = [&](Ctl label, double value) {
    const std::int32_t in_game = saturate_i32(ceil_x(static_cast<ext>(value)));
    sheet.set_text(label, format_general(round2(value), format_) + " (" + int_text(in_game) + ")");
  };

  sheet.set_text(Ctl::Lbl_final_stat_atkpow, int_text(s.final_atkpow_min) + " - " + int_text(s.final_atkpow_max));
  sheet.set_text(Ctl::Lbl_final_stat_atkpow_2,
                 int_text(s.final_atkpow_min_2) + " - " + int_text(s.final_atkpow_max_2));
  integer(Ctl::Lbl_final_stat_HP, s.final_hp);
  integer(Ctl::Lbl_final_stat_HP_2, s.final_hp_2);
  integer(Ctl::Lbl_final_stat_MP, s.final_mp);
  integer(Ctl::Lbl_final_stat_MP_2, s.final_mp_2);
  integer(Ctl::Lbl_final_stat_STM, s.final_stm);
  integer(Ctl::Lbl_final_stat_STM_2, s.final_stm_2);
  integer(Ctl::Lbl_final_stat_def, s.final_def);
  integer(Ctl::Lbl_final_stat_def_2, s.final_def_2);
  integer(Ctl::Lbl_final_stat_rtg, s.final_rtg);
  integer(Ctl::Lbl_final_stat_rtg_2, s.final_rtg_2);
  regen(Ctl::Lbl_final_stat_mp_regen, s.final_mp_regen);
  regen(Ctl::Lbl_final_stat_mp_regen_2, s.final_mp_regen_2);
  absorption(Ctl::Lbl_final_stat_abs, s.final_abs);
  absorption(Ctl::Lbl_final_stat_abs_2, s.final_abs_2);
  percent(Ctl::Lbl_final_stat_crit, s.final_crit);
  percent(Ctl::Lbl_final_stat_crit_2, s.final_crit_2);
  percent(Ctl::Lbl_final_stat_blk, s.final_blk);
  percent(Ctl::Lbl_final_stat_blk_2, s.final_blk_2);
  percent(Ctl::Lbl_final_stat_eva, s.final_eva);
}

}  // namespace brennick
