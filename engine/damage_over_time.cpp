// Damage over time: what one minute of attacking deals in each column, split
// into normal hits, critical hits and the damage of pets or summons.
#include <cmath>
#include <cstdint>

#include "data/vocabulary.h"
#include "engine/calculator.h"
#include "base/evaluation.h"

namespace brennick {
namespace {

// Hits per minute by the row of the speed list ("7", "8", "0").
std::int64_t hits_per_minute(int speed_row, bool fast_weapon) {
  switch (speed_row) {
    case 0: return fast_weapon ? 60 : 51;
    case 1: return fast_weapon ? 68 : 57;
    default: return 0;
  }
}

// Damage per minute the class's pets and summons add.
std::int64_t pet_term(int class_no, const CalcState& s) {
  const auto& d = s.dot_extra;
  switch (class_no) {
    // Golden Falcon's damage replaces the Falcon's while it has any.
    case Archer:
      return std::int64_t{d[kWolverineDamage]} +
             (d[kGoldenFalconDamage] != 0 ? d[kGoldenFalconDamage] : d[kFalconDamage]);
    case Mechanician: return std::int64_t{d[kMagneticSphereDamage]} + d[kMetalGolemDamage];
    case Magician: return std::int64_t{d[kDancingSwordDamage]} + d[kFireElementalDamage];
    case Priestess: return d[kMuspellDamage];
    default: return 0;
  }
}

}  // namespace

void Calculator::Calc_DoT() {
  struct Column {
    std::int32_t min, max, crit;
    Ctl speed, kind;
    bool two_handed;
    Ctl avg_label, normal_label, critical_label, total_label, pet_label;
  };
  const Column columns[] = {
      {state.final_atkpow_min, state.final_atkpow_max, state.final_crit, Ctl::stat_weap_spd, Ctl::Select_weapon,
       false, Ctl::Lbl_dot_1h_1, Ctl::Lbl_dot_1h_2, Ctl::Lbl_dot_1h_3, Ctl::Lbl_dot_1h_4, Ctl::Lbl_dot_1h_5},
      {state.final_atkpow_min_2, state.final_atkpow_max_2, state.final_crit_2, Ctl::stat_weap_spd_2,
       Ctl::Select_weapon_2, true, Ctl::Lbl_dot_2h_1, Ctl::Lbl_dot_2h_2, Ctl::Lbl_dot_2h_3, Ctl::Lbl_dot_2h_4,
       Ctl::Lbl_dot_2h_5},
  };
  const ext pets_per_minute = static_cast<ext>(pet_term(class_row(), state));
  for (const Column& c : columns) {
    const int kind = sheet.row(c.kind);
    // Every one-handed set-up and a two-handed bow strike at the fast rate.
    const std::int64_t h = hits_per_minute(sheet.row(c.speed), !c.two_handed || kind == Bow);
    const ext avg = stored(static_cast<ext>(std::int64_t{c.min} + c.max) / 2);
    const ext k = stored(trunc_x(static_cast<ext>(stored(static_cast<ext>(h * c.crit) / 100))));
    ext normal = stored(h * avg - avg * k);
    ext critical = stored(k * avg * 2);
    ext pets = pets_per_minute;
    ext total = stored(normal + critical + pets);
    // Unarmed, the critical share is not shown, though the total keeps it.
    if (kind == NoWeapon) critical = 0;
    normal = floor_x(normal);
    critical = floor_x(critical);
    pets = floor_x(pets);
    total = floor_x(total);
    sheet.set_text(c.avg_label, format_general(avg, format_));
    sheet.set_text(c.normal_label, format_general(normal, format_));
    sheet.set_text(c.critical_label, format_general(critical, format_));
    sheet.set_text(c.pet_label, format_general(pets, format_));
    sheet.set_text(c.total_label, format_general(total, format_));
  }
}

}  // namespace brennick
