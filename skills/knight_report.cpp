// The Knight's skill report (class 5, skills 81 to 96), slot by slot in the
// order the report handles them. The passive skills and the timed skills
// that change the state come first (Sword Mastery, Physical Training,
// Drastic Spirit, God´s Bless, Divine Shield, Godly Shield), so the attack
// skills start from the raised values. Brandish, Piercing and Sword of
// Justice boost the attack power without the force orb's addition.
#include "data/calc_skill.h"
#include "base/evaluation.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kSword{Sword};  // Sword Mastery, Sword Blast, Piercing, Sword of Justice, Divine Piercing
constexpr WeaponSet kDoubleCrash{Axe, Claw, Sword};
constexpr WeaponSet kBrandish{Claw, Sword};
constexpr WeaponSet kGrandCross{Sword, Mace};

// Mutant and normal enemies take 1.3 times the damage the texts show.
std::int32_t times_1_3(std::int32_t v) { return floor_of(static_cast<ext>(v) * 1.3L); }

// One hit of row 1 on the base without the force orb's addition, per fitting column.
Pairs boost_without_orb(Slot& s, const WeaponSet& set) {
  return s.per_fitting(set, s.base_without_orb(), [&](Column, const Pair& b) { return s.boost(1, 1, b); });
}

std::string with_gain(std::int64_t total, std::int64_t gain) { return num(total) + " (+" + num(gain) + ")"; }

// Sword Mastery: the share of the weapon's power the mastery adds; the
// attack-power step applies it.
void sword_mastery(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  Pairs add;
  for (Column c : kColumns) {
    if (!s.fits(kSword, c)) continue;
    const Pair w = s.weapon_power(c);
    add[c] = {cs.skill_fraction_of(s.skill(), s.level(), w.min), cs.skill_fraction_of(s.skill(), s.level(), w.max)};
  }
  s.add(pair_lines("Add to", add));
}

// Physical Training raises both stamina pools whenever it is learned; the
// 2h pool is raised after the 1h pool has taken its new value.
void physical_training(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  CalcState& st = s.state();
  const std::int32_t st1 = cs.skill_boost(s.skill(), 1, s.level(), st.final_stm, 1);
  const std::int64_t g1 = std::int64_t{st1} - st.final_stm;
  st.final_stm = st1;
  const std::int32_t st2 = cs.skill_boost(s.skill(), 1, s.level(), st.final_stm_2, 1);
  const std::int64_t g2 = std::int64_t{st2} - st.final_stm_2;
  st.final_stm_2 = st2;
  s.add(groups({"STM 1h: " + with_gain(st1, g1), "STM 2h: " + with_gain(st2, g2)}));
}

void drastic_spirit(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  CalcState& st = s.state();
  const std::int32_t d1 = cs.skill_boost(s.skill(), 1, s.level(), st.final_def, 1);
  const std::int32_t d2 = cs.skill_boost(s.skill(), 1, s.level(), st.final_def_2, 1);
  s.add(groups({lines({"Defense 1h: " + with_gain(d1, static_cast<std::int64_t>(d1) - st.final_def),
                       "Defense 2h: " + with_gain(d2, static_cast<std::int64_t>(d2) - st.final_def_2)}),
                "Duration: " + s.T(2)}));
  if (s.on()) {
    st.final_def = d1;
    st.final_def_2 = d2;
  }
}

void gods_bless(Slot& s) {
  const std::int32_t k = s.I(1);
  const Pairs raised = raised_by(s.base(), k);
  s.add(groups({attack_block(raised), "Duration: " + s.T(2)}));
  if (s.on()) {
    CalcState& st = s.state();
    st.final_atkpow_min = raised.one.min;
    st.final_atkpow_max = raised.one.max;
    st.final_atkpow_min_2 = raised.two.min;
    st.final_atkpow_max_2 = raised.two.max;
  }
}

// Divine Shield raises the 1h block only.
void divine_shield(Slot& s) {
  double h = static_cast<double>(s.F(1));
  h = static_cast<double>(static_cast<ext>(h) * 100);
  const std::int32_t k = s.I(2);
  CalcState& st = s.state();
  const std::int32_t m = add_saturated(st.final_blk, k);
  s.add(groups({lines({"1h Block: " + num(m) + " % (+" + num(k) + ")", "dmg to HP: " + s.real(h) + " %"}),
                "Duration: " + s.T(3)}));
  if (s.on()) st.final_blk = m;
}

// Godly Shield takes its block bonus from Divine Shield's level; with Divine
// Shield not learned the bonus is 0, and the absorption still rises.
void godly_shield(Slot& s) {
  const double f = static_cast<double>(s.F(1));
  const int divine_level = s.run().level(tier(3, 2));
  const std::int32_t k =
      divine_level >= 1 && divine_level <= kSkillLevelCount ? skill_int_of_text(s.T(90, 2, divine_level)) : 0;
  CalcState& st = s.state();
  const std::int32_t m = add_saturated(st.final_blk, k);
  const ext abs = static_cast<ext>(st.final_abs);
  const double a = round_abs(abs * static_cast<ext>(f) + abs);
  const double increase = round_abs(abs * static_cast<ext>(f));
  s.add(groups({lines({"1h Block: " + num(m) + " % (+" + num(k) + ")",
                       "1h Abs: " + s.real(a) + " % (+" + s.real(increase) + ")"}),
                "Duration: " + s.T(2)}));
  if (s.on()) {
    st.final_blk = m;
    st.final_abs = a;
  }
}

// Sword Blast: one value for both columns while either holds a sword; the
// range's "+lv/2" is the character level div 2.
void sword_blast(Slot& s) {
  std::string range = "0 - 0";
  std::int32_t u1 = 0, u2 = 0;
  if (s.fits_either(kSword)) {
    const std::string t =
        skill_value_text(s.skill(), 1, s.level(), "+lv/2", "", s.state().locale_decimal_comma == 1);
    const std::int32_t half_level = s.sheet().value(Ctl::stat_level) / 2;
    const std::int32_t lo = skill_int_of_text(left_chars(t, 2)) + half_level;
    const std::int32_t hi = skill_int_of_text(right_chars(t, 2)) + half_level;
    range = num(lo) + " - " + num(hi);
    u1 = times_1_3(lo);
    u2 = times_1_3(hi);
  }
  const std::string pair = num(u1) + " - " + num(u2);
  s.add(lines({"Atk-Pow 1h/2h: " + range, "to Mutant: " + pair, "to Normal: " + pair}));
}

// Holy Body only shows the absorption against the undead.
void holy_body(Slot& s) {
  const long double f = s.F(1);
  const CalcState& st = s.state();
  const auto undead = [&](double abs) {
    return s.real(round_abs(static_cast<ext>(abs) + f * static_cast<ext>(abs)));
  };
  s.add(lines({"Abs vs Undead 1h: " + undead(st.final_abs), "Abs vs Undead 2h: " + undead(st.final_abs_2)}));
}

// Double Crash shows its critical bonus text in both lines, fitting or not.
void double_crash(Slot& s) {
  const std::string cb = s.T(2);
  const std::int32_t bonus = skill_int_of_text(cb);
  const Pairs attack = s.per_fitting(kDoubleCrash, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  PerColumn<std::int64_t> total;
  for (Column c : kColumns)
    if (s.fits(kDoubleCrash, c)) total[c] = static_cast<std::int64_t>(s.critical(c)) + bonus;
  s.add(groups({attack_block(attack), lines({"Critical 1h: " + num(total.one) + " % (+" + cb + ")",
                                             "Critical 2h: " + num(total.two) + " % (+" + cb + ")"})}));
}

// Holy Valor only shows what it does to the undead, with any weapon.
void holy_valor(Slot& s) {
  Pairs undead = s.base();
  for (Column c : kColumns) undead[c] = s.boost(1, 1, undead[c]);
  s.add(groups({attack_block(undead), "Duration: " + s.T(3), "(only to undead!)"}));
}

void brandish(Slot& s) { s.add(attack_block(boost_without_orb(s, kBrandish))); }

void piercing(Slot& s) {
  const Pairs attack = boost_without_orb(s, kSword);
  Pairs mutant;
  for (Column c : kColumns) mutant[c] = {times_1_3(attack[c].min), times_1_3(attack[c].max)};
  s.add(groups({attack_block(attack), pair_lines("to Mutant", mutant)}));
}

void holy_incantion(Slot& s) {
  const double p = static_cast<double>(s.F(1) * 100);
  const double e = static_cast<double>(s.F(2) * 100);
  s.add(groups({lines({"Success Rate: " + s.real(p) + " %", "Monster HP: " + s.real(e) + " %"}),
                "Duration: " + s.T(3)}));
}

// Grand Cross: two hits, what they do to the undead, and the rating its
// share of the weapon's rating gives. A column it does not fit shows its
// rating unchanged.
void grand_cross(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const Pairs attack = s.per_fitting(kGrandCross, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  Pairs undead;
  PerColumn<std::int64_t> rating;
  for (Column c : kColumns) {
    rating[c] = s.rating(c);
    if (!s.fits(kGrandCross, c)) continue;
    undead[c] = {cs.skill_boost(s.skill(), 2, s.level(), attack[c].min, 1),
                 cs.skill_boost(s.skill(), 2, s.level(), attack[c].max, 1)};
    const std::int32_t wr = s.weapon_rating(c);
    rating[c] = static_cast<std::int64_t>(cs.skill_boost(s.skill(), 3, s.level(), wr, 1)) + s.rating(c) - wr;
  }
  s.add(attack_block(attack));
  s.add(groups({pair_lines("to Undead", undead),
                lines({"Atk-Rtg 1h: " + num(rating.one), "Atk-Rtg 2h: " + num(rating.two)})}));
}

void sword_of_justice(Slot& s) { s.add(attack_block(boost_without_orb(s, kSword))); }

void divine_piercing(Slot& s) {
  const Pairs attack = s.per_fitting(kSword, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); });
  s.add(groups({attack_block(attack), "# of Hits: " + s.T(2)}));
}

}  // namespace

namespace {

const SlotRow kKnightSlots[] = {
    {tier(3, 1), kHiddenUsage, sword_mastery},
    {tier(1, 3), kHiddenUsage, physical_training},
    {tier(2, 4), kHiddenUsage, drastic_spirit},
    {tier(4, 3), kHiddenUsage, gods_bless},
    {tier(3, 2), kHiddenUsage, divine_shield},
    {tier(4, 2), kHiddenUsage, godly_shield},
    {tier(1, 1), 3, sword_blast},
    {tier(1, 2), kHiddenUsage, holy_body},
    {tier(1, 4), 3, double_crash},
    {tier(2, 1), kHiddenUsage, holy_valor},
    {tier(2, 2), 3, brandish},
    {tier(2, 3), 3, piercing},
    {tier(3, 3), kHiddenUsage, holy_incantion},
    {tier(3, 4), 4, grand_cross},
    {tier(4, 1), kHiddenUsage, sword_of_justice},
    {tier(4, 4), kHiddenUsage, divine_piercing},
};

}  // namespace

void knight_report(ReportRun& run) { run.slots(kKnightSlots); }

}  // namespace brennick::skills
