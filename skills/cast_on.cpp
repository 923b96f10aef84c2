// Buffs other players cast on the character: eight slots, each with the
// caster's skill level and an on/off switch. A class never receives its own
// skill this way; its slots are disabled and never act.
#include "skills/cast_on.h"

#include "data/calc_skill.h"
#include "base/evaluation.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

// Buff slot index (slot - 1) and its skill number.
enum CastOn : int {
  ForceOfNature = 0,      // skill 32
  HolyValor = 1,          // skill 85
  HolyMind = 2,           // skill 116: no switch and no effect
  EnchantWeapon = 3,      // skill 103
  TriumphOfValhalla = 4,  // skill 74
  HallOfValhalla = 5,     // skill 77
  RegenerationField = 6,  // skill 126
  VirtualLife = 7,        // skill 124
};

SkillContext context(const Calculator& calc) {
  SkillContext ctx = SkillContext::for_locale(calc.format());
  ctx.locale_decimal_comma = calc.state.locale_decimal_comma == 1;
  ctx.character_level = calc.sheet.value(Ctl::stat_level);
  ctx.spirit = calc.sheet.value(Ctl::stat_spirit);
  ctx.class_is_magician = calc.class_row() == Magician;
  ctx.magician_skill_value = calc.state.magician_skill_value;
  return ctx;
}

// The level of a buff slot when it acts (class may receive it, switch on,
// level 1..10), otherwise 0.
int acting_level(const Calculator& calc, int slot) {
  if (!may_receive(calc.class_row(), slot)) return 0;
  if (calc.state.cast_on_on[static_cast<std::size_t>(slot)] != 1) return 0;
  const int level = calc.sheet.value(cast_on_controls(slot).spin);
  return level >= 1 && level <= kSkillLevelCount ? level : 0;
}

// Triumph of Valhalla's attack bonus at a level: ("N+lv/9" read as N + 10) div 2.
std::int32_t valhalla_max_bonus(const Calculator& calc, int level) {
  const std::int32_t v =
      skill_int_of_text(skill_value_text(74, 1, level, "+lv/9", "", calc.state.locale_decimal_comma == 1));
  return (v + 10) / 2;
}

}  // namespace

bool may_receive(int class_no, int slot) {
  switch (slot) {
    case ForceOfNature: return class_no != Archer;
    case HolyValor: return class_no != Knight;
    case HolyMind: return false;
    case EnchantWeapon: return class_no != Magician;
    case TriumphOfValhalla: return class_no != Atalanta;
    case HallOfValhalla: return class_no != Archer && class_no != Pikeman && class_no != Atalanta;
    case RegenerationField:
    case VirtualLife: return class_no != Priestess;
    default: return false;
  }
}

void Reset_castOn(Calculator& calc) {
  const int cls = calc.class_row();
  for (int slot = 0; slot < kCastOnCount; ++slot) {
    if (slot == HolyMind) continue;  // always disabled
    const CastOnControls& c = cast_on_controls(slot);
    const bool available = may_receive(cls, slot);
    calc.sheet.set_enabled(c.label, available);
    calc.sheet.set_enabled(c.spin, available);
    // A disabled switch takes no clicks.
    calc.sheet.set_enabled(c.stat_img, available);
  }
  // The undead picture shows Holy Valor's note, except to a Knight.
  calc.sheet.set_enabled(Ctl::img_holy_valor_special, may_receive(cls, HolyValor));
}

}  // namespace brennick::skills

namespace brennick {

using namespace skills;

void Calc_castOn(Calculator& calc, bool first_pass) {
  Reset_castOn(calc);
  const CalcSkill cs(context(calc));
  CalcState& st = calc.state;

  if (!first_pass) {
    if (!may_receive(calc.class_row(), HolyValor)) return;  // a Knight keeps the last text
    const int level = acting_level(calc, HolyValor);
    if (level == 0) {
      st.holy_valor_text = "increase the Level and/or enable it.";
      return;
    }
    Pairs undead = skills::attack_power(st);
    for (Column c : kColumns)
      undead[c] = {cs.skill_boost(85, 1, level, undead[c].min, 1), cs.skill_boost(85, 1, level, undead[c].max, 1)};
    st.holy_valor_text =
        groups({attack_block(undead), "Duration: " + skill_value_text(85, 3, level), "only to undead!"});
    return;
  }

  if (const int level = acting_level(calc, ForceOfNature)) {
    set_attack_power(st, raised_by(skills::attack_power(st), cs.integer(32, 1, level)));
    add_to_both(st, kRating, cs.integer(32, 2, level));
  }
  if (const int level = acting_level(calc, EnchantWeapon)) {
    // The lightning row (3) is the one that counts.
    for (Column c : kColumns) {
      at(st, kAtkMin, c) = cs.enchant_weapon_bound(3, level, at(st, kAtkMin, c), true);
      at(st, kAtkMax, c) = cs.enchant_weapon_bound(3, level, at(st, kAtkMax, c), false);
    }
  }
  if (const int level = acting_level(calc, TriumphOfValhalla)) add_to_both(st, kAtkMax, valhalla_max_bonus(calc, level));
  // Hall of Valhalla decides the evasion of every class that may receive
  // it; the others set their evasion in their own reports.
  if (may_receive(calc.class_row(), HallOfValhalla)) {
    if (const int level = acting_level(calc, HallOfValhalla)) {
      add_to_both(st, kAtkMax, valhalla_max_bonus(calc, level));
      st.final_eva = cs.integer(77, 1, level) / 2;
    } else {
      st.final_eva = 0;
    }
  }
  if (const int level = acting_level(calc, RegenerationField)) {
    const long double m = cs.fraction(126, 2, level);
    for (Column c : kColumns) at(st, kMpRegen, c) = stored(static_cast<ext>(at(st, kMpRegen, c)) + m);
  }
  if (const int level = acting_level(calc, VirtualLife))
    for (Column c : kColumns) at(st, kHP, c) = cs.skill_boost(124, 1, level, at(st, kHP, c), 1);
}

namespace {

int cast_on_slot_of(Ctl id) {
  for (int i = 0; i < kCastOnCount; ++i)
    if (cast_on_controls(i).stat_img == id) return i;
  return -1;
}

}  // namespace

bool toggle_cast_on(Calculator& calc, Ctl sender) {
  CalcState& state = calc.state;
  Sheet& sheet = calc.sheet;
  const int i = cast_on_slot_of(sender);
  if (i < 0 || i == kCastOnWithoutSwitch) return false;
  auto show = [&](int slot, bool on) {
    calc.load_picture(cast_on_controls(slot).stat_img, on ? "on.bmp" : "off.bmp");
    state.cast_on_on[slot] = on ? 1 : 0;
    sheet.set_text(cast_on_controls(slot).label, on ? "enabled" : "disabled");
  };
  const bool on = state.cast_on_on[i] == 0;
  show(i, on);
  // Triumph of Valhalla (5) and Hall of Valhalla (6) exclude each other.
  if (on && (i == 4 || i == 5)) {
    const int other = i == 4 ? 5 : 4;
    if (state.cast_on_on[other]) show(other, false);
  }
  return true;
}

}  // namespace brennick
