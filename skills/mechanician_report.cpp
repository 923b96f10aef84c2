// The Mechanician's skill report (class 3, skills 49 to 64), slot by slot in
// the order the report handles them. The timed skills come first, so enabled
// buffs (absorption, defence, attack power, block) are in place before the
// attack skills are reported. Magnetic Sphere and Metal Golem feed the damage
// over time through dot_extra.
#include <algorithm>

#include "data/calc_skill.h"
#include "base/evaluation.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kMastery{Axe, Bow, Scythe, Claw, Javelin, Sword, Mace};  // Mechanic Mastery, Maximize
constexpr WeaponSet kAutomation{Bow, Javelin};
constexpr WeaponSet kGreatSmash{Axe, Scythe, Claw, Sword, Mace};
constexpr WeaponSet kGrandSmash{Axe, Scythe, Claw, Sword};

// "to Mechanic" values: floor(v x 1.3) with 1.3 as its extended value (just
// below 1.3), and floor(v + v x 0.5).
std::int32_t times_1_3(std::int32_t v) { return floor_of(static_cast<ext>(v) * 1.3L); }
std::int32_t and_a_half(std::int32_t v) { return floor_of(static_cast<ext>(v) + static_cast<ext>(v) * 0.5L); }

// Physical Absorption's range "3-4" or "7-13" at a level.
Range absorption_range(const std::string& text) { return split_range(text, 1, Chars::if_length(3, 1, 2)); }

void poisen_attribute(Slot& s) { s.add("Add to Poisen Res: " + s.T(1)); }

// Mechanic Mastery only informs: the attack-power step applies it.
void mechanic_mastery(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const Pairs add = s.per_fitting(kMastery, [&](Column c, const Pair&) {
    const Pair w = s.weapon_power(c);
    return Pair{cs.skill_fraction_of(s.skill(), s.level(), w.min), cs.skill_fraction_of(s.skill(), s.level(), w.max)};
  });
  s.add(groups({"Add to 1h: " + num(add.one.min) + " - " + num(add.one.max),
                "Add to 2h: " + num(add.two.min) + " - " + num(add.two.max)}));
}

void compulsion(Slot& s) {
  s.add(lines({"add Abs: " + s.T(1), "Duration: " + s.T(3)}));
  if (s.on()) add_to_both(s.state(), kAbsorption, s.I(1));
}

void physical_absorption(Slot& s) {
  const Range r = absorption_range(s.T(1));
  s.add(lines({"add Abs: " + r.lo_text + " - " + r.hi_text, "Duration: " + s.T(2)}));
  if (s.on()) add_to_both(s.state(), kAbsorption, r.hi);
}

// Metal Armor carries Physical Absorption's upper bound (at its level, or 1
// when it is not learned) and raises the armour's defence, both only with an
// armour of the class.
void metal_armor(Slot& s) {
  const int pa_level = std::max(1, s.level_of(tier(1, 4)));
  const Range r = absorption_range(s.T(52, 1, pa_level));
  std::int32_t defence = 0, absorption = 0;
  if (s.sheet().checked(Ctl::chk_armor_is_right_spec)) {
    const std::int32_t armor = s.state().armor_def;
    defence = sub_saturated(s.calc_skill().skill_boost(s.skill(), 1, s.level(), armor, 1), armor);
    absorption = r.hi;
  }
  s.add(groups({lines({"Add Defense: " + num(defence), "Add Abs: " + num(absorption)}), "Duration: " + s.T(2)}));
  if (!s.on()) return;
  add_to_both(s.state(), kDefence, defence);
  if (s.state().skill_on[tier(1, 4)] != 1) add_to_both(s.state(), kAbsorption, absorption);
}

void maximize(Slot& s) {
  const PerColumn<std::int32_t> gain = s.each_fitting(kMastery, [&](Column c) {
    const std::int32_t w = s.at(kWeaponMax, c);
    return sub_saturated(s.calc_skill().skill_boost(s.skill(), 1, s.level(), w, 1), w);
  });
  Pairs raised = s.base();
  for (Column c : kColumns) raised[c].max = add_saturated(raised[c].max, gain[c]);
  s.add(groups({attack_block(raised), "Duration: " + s.T(2)}));
  if (s.on()) set_attack_power(s.state(), raised);
}

void automation(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const Pairs gain = s.per_fitting(kAutomation, [&](Column c, const Pair&) {
    const Pair w = s.weapon_power(c);
    return Pair{sub_saturated(cs.skill_boost(s.skill(), 1, s.level(), w.min, 1), w.min),
                sub_saturated(cs.skill_boost(s.skill(), 1, s.level(), w.max, 1), w.max)};
  });
  Pairs raised = s.base();
  for (Column c : kColumns)
    raised[c] = {add_saturated(raised[c].min, gain[c].min), add_saturated(raised[c].max, gain[c].max)};
  s.add(groups({attack_block(raised), lines({"Add wSpd: " + s.T(2), "Duration: " + s.T(3)})}));
  if (s.on()) set_attack_power(s.state(), raised);
}

// Spark Shield reports the sparks of the Spark skill at Spark's level; while
// Spark is at level 0 its range counts as 0 - 0.
void spark_shield(Slot& s) {
  const int spark_level = s.level_of(tier(2, 4));
  const Range r = spark_level >= 1 ? split_range(s.T(56, 1, spark_level), 2, Chars::if_length(5, 2, 3)) : Range::zero();
  const double m = static_cast<double>(s.F(2));
  const std::int32_t lo = floor_of(static_cast<long double>(r.lo) * m);
  const std::int32_t hi = floor_of(static_cast<long double>(r.hi) * m);
  const std::string d = s.T(1);
  s.add(groups({lines({"Defense 1h: " + num(std::int64_t{skill_int_of_text(d)} + s.at(kDefence, OneHand)) + " (+" + d + ")",
                       "Atk-Pow: " + num(lo) + " - " + num(hi),
                       "to Mechanic: " + num(and_a_half(lo)) + " - " + num(and_a_half(hi))}),
                "Duration: " + s.T(3)}));
  if (s.on()) s.at(kDefence, OneHand) = add_saturated(s.at(kDefence, OneHand), skill_int_of_text(d));
}

void magnetic_sphere(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const std::int32_t lo = cs.magnetic_sphere_bound(s.level(), true), hi = cs.magnetic_sphere_bound(s.level(), false);
  s.add(groups({lines({"Atk-Pow: " + num(lo) + " - " + num(hi),
                       "to Mechanic: " + num(times_1_3(lo)) + " - " + num(times_1_3(hi)), "Delay: " + num(s.I(3))}),
                "Duration: " + s.T(4)}));
  const int l = s.level();
  const std::int32_t hits = l <= 3 ? 10 : l <= 6 ? 12 : l <= 9 ? 15 : 20;
  s.pet(kMagneticSphereDamage, static_cast<std::int32_t>((std::int64_t{lo} + hi) / 2 * hits));
}

void extreme_shield(Slot& s) {
  const std::int32_t b = s.I(1);
  const std::int32_t block = add_saturated(s.at(kBlock, OneHand), b);
  s.add(lines({"Block 1h: " + num(block) + " % (+" + num(b) + ")", "Duration: " + s.T(2)}));
  if (s.on()) s.at(kBlock, OneHand) = block;
}

void mechanic_bomb(Slot& s) {
  const Range r = s.range(1, Chars::if_length(4, 1, 2), 2);
  s.add("Atk-Pow: " + r.lo_text + " - " + r.hi_text + std::string(CRLF));
  const std::string pair = num(and_a_half(r.lo)) + " - " + num(and_a_half(r.hi));
  s.add(lines({"to Normal: " + pair, "to Mutant: " + pair}));
}

// Great Smash and Grand Smash: the attack pairs, and the ratings raised by
// the "+AR" text, per fitting column.
void smash(Slot& s, const WeaponSet& set, const Pairs& attack) {
  const std::string q = s.T(2);
  const PerColumn<std::int32_t> rating =
      s.each_fitting(set, [&](Column c) { return add_saturated(s.rating(c), skill_int_of_text(q)); });
  s.add(groups({attack_block(attack), lines({"Atk-Rtg 1h: " + num(rating.one) + " (+" + q + ")",
                                             "Atk-Rtg 2h: " + num(rating.two) + " (+" + q + ")"})}));
}

void great_smash(Slot& s) {
  const std::int32_t p = s.I(1);
  smash(s, kGreatSmash, s.per_fitting(kGreatSmash, [&](Column, const Pair& b) { return Pair{add_saturated(b.min, p), add_saturated(b.max, p)}; }));
}

void grand_smash(Slot& s) {
  smash(s, kGrandSmash, s.per_fitting(kGrandSmash, [&](Column, const Pair& b) { return s.boost(1, 2, b); }));
}

void spark(Slot& s) {
  const Range r = s.range(1, 2, Chars::if_length(5, 2, 3));
  s.add("Atk-Pow: " + r.lo_text + " - " + r.hi_text + std::string(CRLF));
  s.add("to Mechanic: " + num(and_a_half(r.lo)) + " - " + num(and_a_half(r.hi)));
}

void impulsion(Slot& s) {
  const std::string t = s.T(1);
  const Range r = split_range(t, 3, 3);
  std::string shown;
  for (char ch : t) shown += ch == '-' ? std::string(" - ") : std::string(1, ch);
  s.add("Atk-Pow: " + shown);
  s.add(groups({"to Mechanic: " + num(times_1_3(r.lo)) + " - " + num(times_1_3(r.hi)), "max targets: " + s.T(2)}));
}

void metal_golem(Slot& s) {
  const Range r = s.range(1, Chars::if_length(6, 2, 3), 3);
  s.add(lines({"Atk-Pow: " + num(r.lo) + " - " + num(r.hi), "Atk-Rtg: " + s.T(2), "Defense: " + s.T(3),
               "HP: " + num(std::int64_t{s.I(4)} + 2 * std::int64_t{s.stat(Ctl::stat_strenght)})}));
  s.pet(kMetalGolemDamage, pet_per_minute(r.lo, r.hi, kPetHits));
}

// The slots in the order the report handles them.
constexpr SlotRow kMechanicianSlots[] = {
    {tier(1, 3), kHiddenUsage, poisen_attribute},
    {tier(3, 3), kHiddenUsage, mechanic_mastery},
    {tier(4, 2), kHiddenUsage, compulsion},
    {tier(1, 4), kHiddenUsage, physical_absorption},
    {tier(3, 1), kHiddenUsage, metal_armor},
    {tier(2, 2), kHiddenUsage, maximize},
    {tier(2, 3), kHiddenUsage, automation},
    {tier(3, 4), kHiddenUsage, spark_shield},
    {tier(4, 3), kHiddenUsage, magnetic_sphere, clear_pet<kMagneticSphereDamage>},
    {tier(1, 1), kHiddenUsage, extreme_shield},
    {tier(1, 2), 3, mechanic_bomb},
    {tier(2, 1), 3, great_smash},
    {tier(2, 4), 3, spark},
    {tier(3, 2), 3, grand_smash},
    {tier(4, 1), 4, impulsion},
    {tier(4, 4), kHiddenUsage, metal_golem, clear_pet<kMetalGolemDamage>},
};

}  // namespace

void mechanician_report(ReportRun& run) { run.slots(kMechanicianSlots); }

}  // namespace brennick::skills
