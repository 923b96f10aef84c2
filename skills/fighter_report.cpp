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
  s.add(pair_lines("Add to", s.per_fitting(kMeleeMastery, [&](Column c, const Pair&) {
    const Pair w = s.weapon_power(c);
    return Pair{cs.skill_fraction_of(s.skill(), s.level(), w.min), cs.skill_fraction_of(s.skill(), s.level(), w.max)};
  })));
}
void melee_mastery_at_zero(Slot& s) { s.state().fighter_skill_value = 0; }

void fire_attribute(Slot& s) { s.add("Add to Fire Res: " + s.T(1)); }

void beserker(Slot& s) {
  const std::int32_t p = s.I(1), q = s.I(2);
  const Pairs raised = raised_by(s.base(), p);
  PerColumn<double> absorption;
  for (Column c : kColumns) absorption[c] = round_abs(static_cast<long double>(s.at(kAbsorption, c)) + q);
  s.add(groups({attack_block(raised),
                lines({"New Abs 1h: " + s.real(absorption.one), "New Abs 2h: " + s.real(absorption.two)}),
                "Duration: " + s.T(3)}));
  if (s.on()) {
    set_attack_power(s.state(), raised);
    add_to_both(s.state(), kAbsorption, q);  // without the rounding
  }
}

void concentration(Slot& s) {
  PerColumn<std::string> bonus;
  for (Column c : kColumns) bonus[c] = s.fits(kConcentration, c) ? s.T(1) : "0";
  s.add(groups({rating_block(s.rating(OneHand), bonus.one, s.rating(TwoHand), bonus.two), "Duration: " + s.T(2)}));
  if (s.on())
    for (Column c : kColumns) s.at(kRating, c) = add_saturated(s.at(kRating, c), skill_int_of_text(bonus[c]));
}

void raving(Slot& s) {
  const Pairs attack = s.per_fitting(kRaving, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); });
  PerColumn<double> loss;  // the HP-loss fraction, held as a double
  for (Column c : kColumns)
    if (s.fits(kRaving, c)) loss[c] = static_cast<double>(s.F(3));
  const auto hp_loss = [&](Column c) { return num(floor_of(static_cast<long double>(s.at(kHP, c)) * loss[c])); };
  s.add(groups({attack_block(attack),
                lines({"HP loss/cast 1h: " + hp_loss(OneHand), "HP loss/cast 2h: " + hp_loss(TwoHand)})}));
}

void impact(Slot& s) {
  const Pairs attack = s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  const PerColumn<std::int32_t> bonus = s.each_fitting(kImpacts, [&](Column) { return s.I(2); });
  s.add(groups({attack_block(attack),
                rating_block(s.rating(OneHand), bonus.one, s.rating(TwoHand), bonus.two)}));
}

void triple_impact(Slot& s) {
  s.add(attack_block(s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); })));
}

void brutal_swing(Slot& s) {
  const Pairs attack = s.per_fitting(kImpacts, [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  const PerColumn<std::int32_t> crit = s.each_fitting(kImpacts, [&](Column) { return s.I(2); });
  s.add(groups({attack_block(attack),
                critical_block(s.critical(OneHand), crit.one, s.critical(TwoHand), crit.two)}));
}

void roar(Slot& s) { s.add(lines({"Range: " + s.T(1), "Duration: " + s.T(2)})); }

void rage_of_zecram(Slot& s) {
  s.add(attack_block(s.per_fitting(kRageOfZecram, [&](Column, const Pair& b) { return s.boost(2, 1, s.boost(1, 1, b)); })));
}

void avenging_crash(Slot& s) {
  const Pairs attack = s.per_fitting(kCrashes, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  // the share of the weapon's rating added
  const PerColumn<std::int32_t> gain = s.each_fitting(kCrashes, [&](Column c) { return s.weapon_rating_gain(2, c); });
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
  const PerColumn<std::int32_t> crit = s.each_fitting(kDestroyer, [&](Column) { return s.I(2); });
  s.add(groups({attack_block(attack),
                critical_block(s.critical(OneHand), crit.one, s.critical(TwoHand), crit.two)}));
}

// Cyclone Strike adds twice its "aAP" range (such as "120-150") to one boosted hit.
void cyclone_strike(Slot& s) {
  const Range r = s.range(2, 3, 3);
  s.add(attack_block(s.per_fitting(kCyclone, [&](Column, const Pair& b) {
    const Pair hit = s.boost(1, 1, b);
    return Pair{clamp_i32(hit.min + 2 * std::int64_t{r.lo}), clamp_i32(hit.max + 2 * std::int64_t{r.hi})};
  })));
}

void boost_health(Slot& s) {
  const std::string v = s.T(1);
  s.add("Add to HP: " + v);
  add_to_both(s.state(), kHP, skill_int_of_text(v));
}

// The slots in the order the report handles them.
constexpr SlotRow kFighterSlots[] = {
    {tier(1, 1), kHiddenUsage, melee_mastery, melee_mastery_at_zero},
    {tier(1, 2), kHiddenUsage, fire_attribute},
    {tier(4, 2), kHiddenUsage, beserker},
    {tier(3, 1), kHiddenUsage, concentration},
    {tier(1, 3), 4, raving},
    {tier(1, 4), 3, impact},
    {tier(2, 1), 3, triple_impact},
    {tier(2, 2), 3, brutal_swing},
    {tier(2, 3), kHiddenUsage, roar},
    {tier(2, 4), 3, rage_of_zecram},
    {tier(3, 2), 3, avenging_crash},
    {tier(3, 3), kHiddenUsage, swift_axe},
    {tier(3, 4), 3, bone_crush},
    {tier(4, 1), 3, destroyer},
    {tier(4, 3), 5, cyclone_strike},
    {tier(4, 4), kHiddenUsage, boost_health},
};

}  // namespace

void fighter_report(ReportRun& run) { run.slots(kFighterSlots); }

}  // namespace brennick::skills
