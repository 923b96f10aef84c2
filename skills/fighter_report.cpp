// The Fighter's skill report (class 0, skills 1 to 16), slot by slot in the
// order the report handles them. Beserker and Concentration come before the
// attack skills, so when enabled they raise the attack power and rating the
// later slots start from.
#include "data/calc_skill.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kMeleeMastery{Axe, Claw, Sword};
constexpr WeaponSet kConcentration{Axe, Sword};
constexpr WeaponSet kRaving{Axe, Scythe, Claw, Sword, Mace};
constexpr WeaponSet kImpacts{Axe, Scythe, Claw, Sword};  // Impact, Triple Impact, Brutal Swing
constexpr WeaponSet kRageOfZecram{Axe, Sword};
constexpr WeaponSet kCrashes{Axe, Scythe, Sword};  // Avenging Crash, Bone Crush
constexpr WeaponSet kDestroyer{Axe, Mace};
constexpr WeaponSet kCyclone{Axe, Scythe, Sword, Mace};
constexpr WeaponSet kSwiftAxe{Axe};

// Melee Mastery: the share of the weapon's power the mastery adds; the
// attack-power step applies it through fighter_skill_value.
void melee_mastery(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const CalcState& st = s.state();
  const std::int32_t weapon_pow[2][2] = {{st.weap_min_pow, st.weap_max_pow}, {st.weap_min_pow_2, st.weap_max_pow_2}};
  Pairs add;
  for (Column c : kColumns)
    if (s.fits(kMeleeMastery, c))
      add[c] = {cs.skill_fraction_of(s.skill(), s.level(), weapon_pow[c][0]),
                cs.skill_fraction_of(s.skill(), s.level(), weapon_pow[c][1])};
  s.add(pair_lines("Add to", add));
}

void fire_attribute(Slot& s) { s.add("Add to Fire Res: " + s.T(1)); }

void beserker(Slot& s) {
  const std::int32_t p = s.I(1), q = s.I(2);
  CalcState& st = s.state();
  Pairs raised = s.base();
  for (Column c : kColumns) raised[c] = {raised[c].min + p, raised[c].max + p};
  const double abs1 = round_abs(static_cast<long double>(st.final_abs) + q);
  const double abs2 = round_abs(static_cast<long double>(st.final_abs_2) + q);
  s.add(groups({attack_block(raised),
                lines({"New Abs 1h: " + s.real(abs1), "New Abs 2h: " + s.real(abs2)}),
                "Duration: " + s.T(3)}));
  if (s.on()) {
    st.final_atkpow_min = raised.one.min;
    st.final_atkpow_max = raised.one.max;
    st.final_atkpow_min_2 = raised.two.min;
    st.final_atkpow_max_2 = raised.two.max;
    st.final_abs = st.final_abs + q;
    st.final_abs_2 = st.final_abs_2 + q;
  }
}

void concentration(Slot& s) {
  PerColumn<std::string> bonus;
  for (Column c : kColumns) bonus[c] = s.fits(kConcentration, c) ? s.T(1) : "0";
  CalcState& st = s.state();
  s.add(groups({rating_block(st.final_rtg, bonus.one, st.final_rtg_2, bonus.two), "Duration: " + s.T(2)}));
  if (s.on()) {
    st.final_rtg += skill_int_of_text(bonus.one);
    st.final_rtg_2 += skill_int_of_text(bonus.two);
  }
}

void raving(Slot& s) {
  const Pairs attack = s.per_fitting(kRaving, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); });
  PerColumn<double> loss;  // the HP-loss fraction, held as a double
  for (Column c : kColumns)
    if (s.fits(kRaving, c)) loss[c] = static_cast<double>(s.F(3));
  const CalcState& st = s.state();
  s.add(groups({attack_block(attack),
                lines({"HP loss/cast 1h: " + num(floor_of(static_cast<long double>(st.final_hp) * loss.one)),
                       "HP loss/cast 2h: " + num(floor_of(static_cast<long double>(st.final_hp_2) * loss.two))})}));
}

void impact(Slot& s) {
  const Pairs attack = s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  PerColumn<std::int32_t> bonus;
  for (Column c : kColumns)
    if (s.fits(kImpacts, c)) bonus[c] = s.I(2);
  s.add(groups({attack_block(attack),
                rating_block(s.rating(OneHand), bonus.one, s.rating(TwoHand), bonus.two)}));
}

void triple_impact(Slot& s) {
  s.add(attack_block(s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); })));
}

void brutal_swing(Slot& s) {
  const Pairs attack = s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  PerColumn<std::int32_t> crit;
  for (Column c : kColumns)
    if (s.fits(kImpacts, c)) crit[c] = s.I(2);
  s.add(groups({attack_block(attack),
                critical_block(s.critical(OneHand), crit.one, s.critical(TwoHand), crit.two)}));
}

void roar(Slot& s) { s.add(lines({"Range: " + s.T(1), "Duration: " + s.T(2)})); }

void rage_of_zecram(Slot& s) {
  s.add(attack_block(s.per_fitting(kRageOfZecram, [&](Column, const Pair& b) { return s.boost(2, 1, s.boost(1, 1, b)); })));
}

void avenging_crash(Slot& s) {
  const Pairs attack = s.per_fitting(kCrashes, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  const CalcSkill cs = s.calc_skill();
  PerColumn<std::int32_t> gain;  // the share of the weapon's rating added
  for (Column c : kColumns) {
    if (!s.fits(kCrashes, c)) continue;
    const std::int32_t wr = s.weapon_rating(c);
    gain[c] = cs.skill_boost(s.skill(), 2, s.level(), wr, 1) - wr;
  }
  s.add(groups({attack_block(attack), lines({"Atk-Rtg 1h: " + num(static_cast<std::int64_t>(s.rating(OneHand)) + gain.one),
                                             "Atk-Rtg 2h: " + num(static_cast<std::int64_t>(s.rating(TwoHand)) + gain.two)})}));
}

// Swift Axe shows its speed gain with an axe in either hand; at levels 9 and
// 10 it sets the speed list of each axe column: "8" when on, "7" when off.
// Selecting a row starts no recalculation.
void swift_axe(Slot& s) {
  const double speed = s.fits_either(kSwiftAxe) ? static_cast<double>(s.F(1) * 100) : 0.0;
  s.add(lines({"Add Spd: " + s.real(speed) + " %", "Duration: " + s.T(2)}));
  if (s.level() < 9) return;
  for (Column c : kColumns)
    if (s.fits(kSwiftAxe, c)) s.sheet().set_row(c == OneHand ? Ctl::stat_weap_spd : Ctl::stat_weap_spd_2, s.on() ? 1 : 0);
}

void bone_crush(Slot& s) {
  const Pairs hits = s.per_fitting(kCrashes, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  Pairs demon;
  for (Column c : kColumns)
    if (s.fits(kCrashes, c)) demon[c] = s.boost(2, 1, hits[c]);
  s.add(attack_block(hits) + std::string(CRLF));
  s.add(pair_lines("to Demon", demon));
}

void destroyer(Slot& s) {
  const Pairs attack = s.per_fitting(kDestroyer, [&](Column, const Pair& b) { return s.boost(1, 3, b); });
  PerColumn<std::int32_t> crit;
  for (Column c : kColumns)
    if (s.fits(kDestroyer, c)) crit[c] = s.I(2);
  s.add(groups({attack_block(attack),
                critical_block(s.critical(OneHand), crit.one, s.critical(TwoHand), crit.two)}));
}

// Cyclone Strike adds twice its "aAP" range (such as "120-150") to one boosted hit.
void cyclone_strike(Slot& s) {
  const std::string range = s.T(2);
  const std::int32_t lo = skill_int_of_text(left_chars(range, 3));
  const std::int32_t hi = skill_int_of_text(right_chars(range, 3));
  s.add(attack_block(s.per_fitting(kCyclone, [&](Column, const Pair& b) {
    const Pair hit = s.boost(1, 1, b);
    return Pair{hit.min + 2 * lo, hit.max + 2 * hi};
  })));
}

void boost_health(Slot& s) {
  const std::string v = s.T(1);
  s.add("Add to HP: " + v);
  const std::int32_t hp = skill_int_of_text(v);
  s.state().final_hp += hp;
  s.state().final_hp_2 += hp;
}

}  // namespace

void fighter_report(ReportRun& run) {
  run.slot(tier(1, 1), kHiddenUsage, melee_mastery, [](Slot& s) { s.state().fighter_skill_value = 0; });
  run.slot(tier(1, 2), kHiddenUsage, fire_attribute);
  run.slot(tier(4, 2), kHiddenUsage, beserker);
  run.slot(tier(3, 1), kHiddenUsage, concentration);
  run.slot(tier(1, 3), 4, raving);
  run.slot(tier(1, 4), 3, impact);
  run.slot(tier(2, 1), 3, triple_impact);
  run.slot(tier(2, 2), 3, brutal_swing);
  run.slot(tier(2, 3), kHiddenUsage, roar);
  run.slot(tier(2, 4), 3, rage_of_zecram);
  run.slot(tier(3, 2), 3, avenging_crash);
  run.slot(tier(3, 3), kHiddenUsage, swift_axe);
  run.slot(tier(3, 4), 3, bone_crush);
  run.slot(tier(4, 1), 3, destroyer);
  run.slot(tier(4, 3), 5, cyclone_strike);
  run.slot(tier(4, 4), kHiddenUsage, boost_health);
}

}  // namespace brennick::skills
