// The force orb step of the pass.
//
// The ten-per-cent orbs (Murky, Devine, Celesto) add a tenth of the column's
// maximum attack power. That maximum is the one of this same pass, computed
// from the sheet without any force-orb addition and before skills and buffs
// raise it, so a pass gives the same result however often it is repeated and
// whatever pass came before.
#include "equipment/force_orb.h"

#include <string>

#include "engine/calculator.h"
#include "base/evaluation.h"
#include "engine/image_files.h"

namespace brennick {
namespace {

constexpr std::array<ForceOrbRule, kForceOrbRows> kOrbs{{
    {"Lucidy", "Level: 1-19\r\nAdd Atk-Pow: 2/2", false, 19, 2, false},
    {"Sereno", "Level: 1-29\r\nAdd Atk-Pow: 4/4", false, 29, 4, false},
    {"Fadeo", "Level: 1-39\r\nAdd Atk-Pow: 7/7", false, 39, 7, false},
    {"Sparky", "Level: 1-49\r\nAdd Atk-Pow: 10/10", false, 49, 10, false},
    {"Raident", "Level: 50+\r\nAdd Atk-Pow: 15/15", true, 0, 15, false},
    {"Transparo", "Level: 50+\r\nAdd Atk-Pow: 25/25", true, 0, 25, false},
    {"Murky", "Level: 50+\r\nAdd Atk-Pow: 40/40 +10%", true, 0, 40, true},
    {"Devine", "Level: 50+\r\nAdd Atk-Pow: 60/60 +10%", true, 0, 60, true},
    {"Celesto", "Level: 50+\r\nAdd Atk-Pow: 80/80 +10%", true, 0, 80, true},
}};

constexpr std::uint32_t kWorks = colors::green;  // red 0, green 128, blue 0
constexpr std::uint32_t kFails = colors::red;

}  // namespace

const ForceOrbRule& force_orb_rule(int row) {
  if (row < 1 || row > kForceOrbRows) row = 1;
  return kOrbs[static_cast<std::size_t>(row - 1)];
}

bool force_orb_works(int row, std::int32_t level) {
  if (row < 1 || row > kForceOrbRows) return false;
  const ForceOrbRule& orb = force_orb_rule(row);
  return orb.from_level_50 ? level >= 50 : level <= orb.max_level;
}

std::int32_t force_orb_tenth_max(std::uint8_t power, std::int32_t column_max) {
  return floor_stored(static_cast<ext>(power) + static_cast<ext>(column_max) * 0.1L);
}

void handle_ForceOrb(Calculator& calc) {
  Sheet& sheet = calc.sheet;
  CalcState& state = calc.state;
  const int r = sheet.row(Ctl::Select_ForceOrb);

  // The set-values step: colour, and the additions of the 1h column (both
  // columns for the ten-per-cent orbs).
  auto set_values = [&](std::uint8_t p, bool tenth) {
    if (p == 0) {
      sheet.set_color(Ctl::lbl_forceorb, kFails);
      state.forceorb_add_min = state.forceorb_add_max = 0;
      state.forceorb_add_min_2 = state.forceorb_add_max_2 = 0;
      return;
    }
    sheet.set_color(Ctl::lbl_forceorb, kWorks);
    state.forceorb_add_min = p;
    if (!tenth) {
      state.forceorb_add_max = p;
      return;
    }
    const Calculator::AttackPower base = calc.attack_power(Calculator::ForceOrbAdd{});
    state.forceorb_add_max = force_orb_tenth_max(p, base.max);
    state.forceorb_add_min_2 = p;
    state.forceorb_add_max_2 = force_orb_tenth_max(p, base.max_2);
  };

  if (r == 0) {
    set_values(0, false);
    sheet.set_text(Ctl::lbl_forceorb, "");
    sheet.set_picture(Ctl::img_forceorb, "");
  } else if (r >= 1 && r <= kForceOrbRows) {
    const ForceOrbRule& orb = force_orb_rule(r);
    sheet.set_text(Ctl::lbl_forceorb, std::string(orb.label));
    if (force_orb_works(r, sheet.value(Ctl::stat_level))) {
      set_values(orb.power, orb.tenth);
    } else {
      set_values(0, false);
    }
  }

  if (r >= 1 && r <= kForceOrbRows) {
    // A picture that cannot be found is logged and the pass goes on; the
    // picture box keeps what it showed.
    const std::string picture = "Sheltom_" + std::to_string(r) + ".bmp";
    if (state.app_dir.empty() || image_exists(state.app_dir, picture)) {
      sheet.set_picture(Ctl::img_forceorb, picture);
    } else if (calc.error_log()) {
      calc.error_log()->write_error_log("Cannot open file \"" + calc.image_path(picture) + "\"", "MainForm",
                                           "ForceOrb_Image");
    }
  }

  // The flat orbs, and an orb that does not work, give the 2h column what
  // the 1h column has.
  if (r < 7) {
    state.forceorb_add_min_2 = state.forceorb_add_min;
    state.forceorb_add_max_2 = state.forceorb_add_max;
  }
}

}  // namespace brennick
