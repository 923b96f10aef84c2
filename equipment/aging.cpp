// Aging: each level raises the slot's values by fixed steps; defence grows by
// a factor per level, floored after every level.
//
// The arithmetic runs in 80-bit extended precision with the factors as long
// double literals. For the armour factor this is what gives the right
// integers: 1.05L lies just below 1.05, so 60 * 1.05L stays a hair below 63
// and ages to 62, while 80 * 1.05L rounds up to exactly 84. The floor is
// taken of the extended product itself, not of a double.
#include "equipment/aging.h"

#include <cmath>
#include <cstdint>

#include "equipment/slot_boxes.h"

namespace brennick {
namespace {

constexpr int kMaxAge = 11;

bool valid_level(int level) { return level >= 1 && level <= kMaxAge; }

// D := floor(D * factor), `times` times, saturating at the 32-bit range.
std::int32_t grow(std::int32_t d, ext factor, int times) {
  for (int i = 0; i < times; ++i) d = saturate_i32(std::floor(static_cast<ext>(d) * factor));
  return d;
}

void add_int(Sheet& sheet, Ctl box, std::int64_t n) {
  write_int_box(sheet, box, std::int64_t{read_int_box(sheet, box)} + n);
}

struct WeaponBoxes {
  Ctl kind, min, max, rtg, crit, gem_mp;
};
constexpr WeaponBoxes kOneHand{Ctl::Select_weapon, Ctl::stat_weap_min_pow, Ctl::stat_weap_max_pow,
                               Ctl::stat_weap_rtg, Ctl::stat_weap_crit, Ctl::stat_gem_MP};
constexpr WeaponBoxes kTwoHand{Ctl::Select_weapon_2, Ctl::stat_weap_min_pow_2, Ctl::stat_weap_max_pow_2,
                               Ctl::stat_weap_rtg_2, Ctl::stat_weap_crit_2, Ctl::stat_gem_MP_2};

}  // namespace

void Age_weapon(Calculator& calc, bool two_handed, int level) {
  change_then_recalculate(calc, [&] {
    if (!valid_level(level)) return;
    const WeaponBoxes& b = two_handed ? kTwoHand : kOneHand;
    Sheet& sheet = calc.sheet;
    const std::int64_t n = level;
    const std::int64_t half = level / 2;  // floor(N * 0.5)
    switch (sheet.row(b.kind)) {
      case Axe:
      case Mace:
        add_int(sheet, b.min, n);
        add_int(sheet, b.max, n);
        add_int(sheet, b.rtg, 10 * n);
        break;
      case Bow:
      case Javelin:
        add_int(sheet, b.min, n);
        add_int(sheet, b.max, n);
        add_int(sheet, b.crit, half);
        break;
      case Scythe:
      case Claw:
      case Sword:
        add_int(sheet, b.min, n);
        add_int(sheet, b.max, n);
        add_int(sheet, b.crit, half);
        add_int(sheet, b.rtg, 5 * n);
        break;
      case WandStaff:
        add_int(sheet, b.min, n);
        add_int(sheet, b.max, n);
        write_int_box(sheet, b.gem_mp, 10 * n);
        add_int(sheet, b.rtg, 10 * n);
        break;
      case NoWeapon:
        calc.dialogs().information("Age your fist...?");
        break;
      default:  // no kind chosen
        break;
    }
  });
}

void Age_Armor(Calculator& calc, int level) {
  change_then_recalculate(calc, [&] {
    if (!valid_level(level)) return;
    Sheet& sheet = calc.sheet;
    const std::int32_t d = read_int_box(sheet, Ctl::stat_armor_def);
    const double a = read_real_box(sheet, Ctl::stat_armor_abs, calc.format());
    write_int_box(sheet, Ctl::stat_armor_def, grow(d, 1.05L, level));
    write_real_box(sheet, Ctl::stat_armor_abs, level * 0.5L + a, calc.format());
  });
}

void Age_Shield(Calculator& calc, int level) {
  change_then_recalculate(calc, [&] {
    if (!valid_level(level)) return;
    Sheet& sheet = calc.sheet;
    const double a = read_real_box(sheet, Ctl::stat_shield_abs, calc.format());
    const std::int32_t b = read_int_box(sheet, Ctl::stat_shield_blk);
    write_real_box(sheet, Ctl::stat_shield_abs, level * 0.2L + a, calc.format());
    write_int_box(sheet, Ctl::stat_shield_blk, std::int64_t{b} + level / 2);
  });
}

void Age_Orb(Calculator& calc, int level) {
  change_then_recalculate(calc, [&] {
    if (!valid_level(level)) return;
    Sheet& sheet = calc.sheet;
    const double a = read_real_box(sheet, Ctl::stat_orb_abs, calc.format());
    const std::int32_t d = read_int_box(sheet, Ctl::stat_orb_def);
    write_int_box(sheet, Ctl::stat_orb_def, grow(d, 1.1L, level));
    write_real_box(sheet, Ctl::stat_orb_abs, level * 0.5L + a, calc.format());
  });
}

}  // namespace brennick
