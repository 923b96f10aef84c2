// Steps of the pass whose rules are not built yet. Each is called in its
// place in run_calculation and does nothing for now; as the rules land they
// move out of this file into their own sources.
#include "engine/calculator.h"

namespace brennick {

// Class rules, free points and quests: not built yet.
void Calculator::Insert_start_values() {}
void Calculator::set_stat_min_values() {}
void Calculator::pre_set_class() {}
void Calculator::handle_quests() {}
void Calculator::calc_free_stat_points() {}
void Calculator::calc_free_skill_points() {}
void Calculator::calc_free_t4skill_points() {}
void Calculator::set_level_regs() {}
void Calculator::reset_modifers() {}
void Calculator::Reset() {}

// Pools, defence, attack power, damage over time and result labels: not built yet.
void Calculator::Calc_HP() {}
void Calculator::Calc_MP() {}
void Calculator::Calc_STM() {}
void Calculator::Calc_MP_regen() {}
void Calculator::Calc_defense() {}
void Calculator::Calc_Absorption() {}
void Calculator::Calc_AtkRtg() {}
void Calculator::Calc_Critical() {}
void Calculator::Calc_Block() {}
void Calculator::Calc_weight() {}
void Calculator::Calc_dmg() {}
void Calculator::Calc_DoT() {}
void Calculator::Calc_Speed() {}
void Calculator::display_final_results() {}

}  // namespace brennick
