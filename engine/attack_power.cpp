// Attack power of both columns: a weapon formula chosen by class and weapon
// kind, with the level and weapon-mastery bonuses where the kind suits the
// class, the weapon's special level divisor and the force orb.
//
// Every line of a formula is stored before the next one starts; trunc cuts
// the extended value of its line and the result is stored as a real.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "data/calc_skill.h"
#include "data/skill_catalog.h"
#include "data/vocabulary.h"
#include "engine/calculator.h"
#include "base/evaluation.h"

namespace brennick {
namespace {

enum class Formula : std::uint8_t { None, A, B, K, D, E, F, G, H, I };

struct Rule {
  Formula formula = Formula::None;
  bool level = false;    // +L: the level bonus
  bool mastery = false;  // +M: the weapon-mastery bonus
};

constexpr int kKinds = NoWeapon + 1;  // every row of the weapon-kind lists

using F = Formula;
constexpr Rule k0{};
constexpr Rule kLM(F f) { return {f, true, true}; }
constexpr Rule kL(F f) { return {f, true, false}; }
constexpr Rule kM(F f) { return {f, false, true}; }
constexpr Rule kPlain(F f) { return {f, false, false}; }

// Formula per class (rows) and weapon kind (columns).
constexpr Rule kRules[kClassCount][kKinds] = {
    // Axe, Bow, Scythe, Claw, Javelin, Sword, Wand/Staff, Mace, no Weapon
    {kLM(F::A), kPlain(F::B), kPlain(F::A), kM(F::A), kPlain(F::B), kM(F::A), k0, kPlain(F::A), kPlain(F::H)},  // Fighter
    {kPlain(F::D), kLM(F::E), kPlain(F::D), kPlain(F::D), kPlain(F::E), kPlain(F::D), k0, kPlain(F::D),
     kPlain(F::I)},  // Archer
    {kPlain(F::A), kPlain(F::B), kL(F::A), kPlain(F::A), kPlain(F::B), kPlain(F::A), k0, kPlain(F::A),
     kPlain(F::H)},  // Pikeman
    {kLM(F::K), kLM(F::B), kLM(F::K), kLM(F::K), kLM(F::B), kLM(F::K), k0, kLM(F::K), kPlain(F::H)},  // Mechanician
    {kPlain(F::D), kPlain(F::E), kPlain(F::D), kPlain(F::D), kLM(F::E), kPlain(F::D), k0, kPlain(F::D),
     kPlain(F::I)},  // Atalanta
    {kPlain(F::A), kPlain(F::B), kPlain(F::A), kPlain(F::A), kPlain(F::B), kLM(F::A), k0, kPlain(F::A),
     kPlain(F::H)},                                                 // Knight
    {k0, k0, k0, k0, k0, k0, kPlain(F::F), k0, kPlain(F::I)},  // Magician
    {k0, k0, k0, k0, k0, k0, kPlain(F::G), k0, kPlain(F::I)},  // Priestess
};

// Slot index of the class's weapon-mastery skill, or -1.
constexpr int kMasterySlot[kClassCount] = {0, 1, -1, 10, 2, 8, -1, -1};

// The special power divisor adds L / n to the maximum when n is 3 .. 7.
bool power_divisor_counts(std::int32_t n) { return n >= 3 && n <= 7; }

// trunc of the extended value, stored.
ext trunc_line(ext x) { return stored(trunc_x(x)); }

struct Stats {
  ext L, STR, SPR, TAL, AGI;
  std::int64_t str, tal, agi;  // for the integer sums of two statistics
};

struct Column {
  std::int32_t wmin, wmax, n, fmin, fmax;
};

struct Range {
  std::int32_t min = 0, max = 0;
};

Range weapon_formula(Formula f, bool level_bonus, bool mastery_bonus, const Stats& s, const Column& c,
                     ext mastery) {
  ext g = 0, t = 0;
  bool divisor_term = true;
  switch (f) {
    case F::A:
      g = trunc_line(static_cast<ext>(s.tal + s.agi) / 40), t = s.STR / 130;
      break;
    case F::B:
      g = trunc_line(static_cast<ext>(s.str + s.tal) / 50), t = s.AGI / 190;
      break;
    case F::K:
    case F::D:
      g = trunc_line(static_cast<ext>(s.tal + s.agi) / 45), t = s.STR / 150;
      break;
    case F::E:
      g = trunc_line(static_cast<ext>(s.str + s.tal) / 40), t = s.AGI / 130;
      break;
    case F::F:
      g = trunc_line(s.TAL / 30), t = s.SPR / 150;
      break;
    case F::G:
      g = trunc_line(s.TAL / 45), t = s.SPR / 165;
      break;
    default:
      return {};
  }
  switch (f) {
    case F::D:
      level_bonus = mastery_bonus = false;
      break;
    case F::F:
    case F::G:
      level_bonus = true, mastery_bonus = false, divisor_term = false;
      break;
    default:
      break;
  }
  const ext wmin = c.wmin, wmax = c.wmax;

  ext m = trunc_line((t + 1) * wmin + g);
  m = trunc_line(static_cast<ext>(std::int64_t{c.wmin} + c.wmax) / 16 + m);
  if (mastery_bonus) m = trunc_line(wmin * mastery + m);
  if (level_bonus) m = trunc_line(s.L / 6 + m);
  m = stored(m + 2);
  m = stored(c.fmin + m);

  ext x = trunc_line((t + 1) * wmax + g);
  if (mastery_bonus) x = trunc_line(wmax * mastery + x);
  if (level_bonus) x = trunc_line(s.L / 6 + x);
  if (divisor_term && power_divisor_counts(c.n)) x = trunc_line(s.L / c.n + x);
  x = stored(x + 4);
  x = stored(c.fmax + x);

  return {floor_stored(m), floor_stored(x)};
}

Range unarmed_formula(Formula f, const Stats& s, const Column& c) {
  const ext tal_agi = static_cast<ext>(s.tal + s.agi);
  ext m, x;
  if (f == F::H) {
    m = stored(tal_agi / 40 + s.STR / 130 + 3);
    x = stored(tal_agi / 35 + s.STR / 130 + 4);
  } else {
    m = stored(tal_agi / 50 + s.STR / 200 + 3);
    x = stored(tal_agi / 45 + s.STR / 200 + 4);
  }
  m = stored(m + c.fmin);
  x = stored(x + c.fmax);
  return {floor_stored(m), floor_stored(x)};
}

}  // namespace

Calculator::AttackPower Calculator::attack_power(const ForceOrbAdd& add) const {
  AttackPower out;
  const int cls = class_row();
  if (cls < 0 || cls >= kClassCount) return out;

  // The mastery fraction of this pass, from the skill's current level.
  const int slot = kMasterySlot[cls];
  if (slot >= 0) {
    const std::int32_t level = sheet.value(slot_controls(slot).level);
    if (level <= 0) {
      out.mastery = 0;
    } else {
      // A typed level above the top level reads the top level's value.
      const int row_level = std::min<std::int32_t>(level, kSkillLevelCount);
      out.mastery = real_of_text(skill_value_text(skill_number(cls, slot), 1, row_level, ".", ",",
                                                  state.locale_decimal_comma == 1),
                                 format_);
    }
  }
  const double mastery = out.mastery.value_or(state.fighter_skill_value);

  Stats s{};
  s.str = sheet.value(Ctl::stat_strenght);
  s.tal = sheet.value(Ctl::stat_talent);
  s.agi = sheet.value(Ctl::stat_agility);
  s.L = static_cast<ext>(sheet.value(Ctl::stat_level));
  s.STR = static_cast<ext>(s.str);
  s.SPR = static_cast<ext>(sheet.value(Ctl::stat_spirit));
  s.TAL = static_cast<ext>(s.tal);
  s.AGI = static_cast<ext>(s.agi);

  auto column = [&](Ctl kind_list, const Column& c) -> Range {
    const int kind = sheet.row(kind_list);
    if (kind < 0 || kind >= kKinds) return {};
    const Rule& rule = kRules[cls][kind];
    if (rule.formula == F::None) return {};
    if (kind == NoWeapon) return unarmed_formula(rule.formula, s, c);
    return weapon_formula(rule.formula, rule.level, rule.mastery, s, c, mastery);
  };

  const CalcState& st = state;
  const Range one = column(Ctl::Select_weapon, {st.weap_min_pow, st.weap_max_pow, st.weap_spec_pow, add.min, add.max});
  const Range two =
      column(Ctl::Select_weapon_2, {st.weap_min_pow_2, st.weap_max_pow_2, st.weap_spec_pow_2, add.min_2, add.max_2});
  out.min = one.min;
  out.max = one.max;
  out.min_2 = two.min;
  out.max_2 = two.max;
  return out;
}

void Calculator::Calc_dmg() {
  const AttackPower a = attack_power({state.forceorb_add_min, state.forceorb_add_max, state.forceorb_add_min_2,
                                      state.forceorb_add_max_2});
  if (a.mastery) state.fighter_skill_value = *a.mastery;
  state.final_atkpow_min = a.min;
  state.final_atkpow_max = a.max;
  state.final_atkpow_min_2 = a.min_2;
  state.final_atkpow_max_2 = a.max_2;
}

}  // namespace brennick
