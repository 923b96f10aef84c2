// The Archer's skill report (class 1, skills 17 to 32), slot by slot in the
// order the report handles them. Almost every attack skill needs a bow, tested
// per column. Dion`s Eye, Force of Nature and Scout Hawk come first, so the
// rating and attack power they add are the base of the later slots. The
// falcons and Wolverine feed the damage over time through dot_extra.
#include "base/evaluation.h"
#include "data/calc_skill.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kBow{Bow};

// The falcon's attack bonus Force of Nature left in dot_extra.
std::int32_t falcon_bonus(Slot& s) { return s.state().dot_extra[kFalconBonus]; }

// Dion`s Eye raises the rating of each bow column at once.
void dions_eye(Slot& s) {
  const PerColumn<std::int32_t> gain = s.each_fitting(kBow, [&](Column c) { return s.weapon_rating_gain(1, c); });
  for (Column c : kColumns) s.at(kRating, c) = add_saturated(s.at(kRating, c), gain[c]);
  s.add(groups({"Add Atk-Rtg 1h: " + num(gain.one), "Add Atk-Rtg 2h: " + num(gain.two)}));
}

void force_of_nature(Slot& s) {
  const std::int32_t p = s.I(1), q = s.I(2), k = s.I(3);
  const Pairs raised = raised_by(s.base(), p);
  const PerColumn<std::int32_t> rating{add_saturated(s.rating(OneHand), q), add_saturated(s.rating(TwoHand), q)};
  s.add(groups({attack_block(raised),
                lines({"Atk-Rtg 1h: " + num(rating.one), "Atk-Rtg 2h: " + num(rating.two)}),
                "Duration: " + s.T(4)}));
  if (s.on()) {
    set_attack_power(s.state(), raised);
    set_both(s.state(), kRating, rating);
  }
  s.pet(kFalconBonus, k);
}

void scout_hawk(Slot& s) {
  PerColumn<std::int32_t> gain;
  for (Column c : kColumns) gain[c] = s.weapon_rating_gain(1, c);
  s.add(groups({rating_block(s.rating(OneHand), gain.one, s.rating(TwoHand), gain.two), "# of Rounds: " + s.T(2)}));
  if (s.on())
    for (Column c : kColumns) s.at(kRating, c) = add_saturated(s.at(kRating, c), gain[c]);
}

// Shooting Mastery only informs: the attack-power step applies it.
void shooting_mastery(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const Pairs add = s.per_fitting(kBow, [&](Column c, const Pair&) {
    const Pair w = s.weapon_power(c);
    return Pair{cs.skill_fraction_of(s.skill(), s.level(), w.min), cs.skill_fraction_of(s.skill(), s.level(), w.max)};
  });
  s.add(groups({"Add to 1h: " + num(add.one.min) + " - " + num(add.one.max),
                "Add to 2h: " + num(add.two.min) + " - " + num(add.two.max)}));
}

void wind_arrow(Slot& s) {
  const Pairs attack = s.per_fitting(kBow, [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  const std::string speed = s.fits_either(kBow) ? s.T(2) : "0";
  s.add(attack_block(attack) + std::string(CRLF));
  // Row 0: the share every skill adds against normal enemies.
  const Pairs normal = s.per_fitting(kBow, attack, [&](Column, const Pair& v) { return s.boost(0, 1, v); });
  s.add(groups({pair_lines("to Normal", normal), "Add wSpd: " + speed}));
}

void perfect_aim(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const PerColumn<std::int32_t> gain = s.each_fitting(kBow, [&](Column c) { return s.weapon_rating_gain(1, c); });
  const Pairs attack = s.per_fitting(kBow, [&](Column, const Pair& b) {
    return Pair{cs.perfect_aim_bonus(s.level(), b.min), cs.perfect_aim_bonus(s.level(), b.max)};
  });
  s.add(attack_block(attack));
  const Pairs demon = s.per_fitting(kBow, attack, [&](Column, const Pair& v) { return s.boost(0, 1, v); });
  s.add(groups({pair_lines("to Demon", demon), rating_block(s.rating(OneHand), gain.one, s.rating(TwoHand), gain.two)}));
}

void falcon(Slot& s) {
  const Range r = s.range(1, 2, 2);
  const std::int32_t e7 = falcon_bonus(s);
  s.add(groups({"Atk-Pow: " + num(std::int64_t{r.lo} + e7) + " - " + num(std::int64_t{r.hi} + e7), "Duration: " + s.T(2)}));
  s.pet(kFalconDamage, pet_per_minute(r.lo, r.hi, kPetHits));
}

// Arrows of Rage adds the character level divided by its "lv/D" to the
// attack base without force orb.
void arrows_of_rage(Slot& s) {
  const std::int32_t d = skill_int_of_text(s.T(1, "lv/"));
  const std::int32_t add = d != 0 ? s.character_level() / d : 0;
  s.add(attack_block(s.per_fitting(kBow, s.base_without_orb(), [&](Column, const Pair& b) {
          return Pair{add_saturated(b.min, add), add_saturated(b.max, add)};
        })) +
        std::string(CRLF));
}

void avalanche(Slot& s) {
  const Pairs attack = s.per_fitting(kBow, [&](Column, const Pair& b) { return s.boost_by_count(1, 3, b); });
  s.add(groups({attack_block(attack), lines({"Add wSpd: " + s.T(2), "# of Shots: " + s.T(3)})}));
}

void elemental_shot(Slot& s) {
  const Range fire = s.range(1, 2, 2);
  const Pairs fire_ap = s.per_fitting(kBow, [&](Column, const Pair& b) {
    return Pair{clamp_i32(2 * (std::int64_t{b.min} + fire.lo)), clamp_i32(2 * (std::int64_t{b.max} + fire.hi))};
  });
  s.add(lines({"Fire AP 1h: " + num(fire_ap.one.min) + " - " + num(fire_ap.one.max),
               "Fire Ap 2h: " + num(fire_ap.two.min) + " - " + num(fire_ap.two.max)}) +
        std::string(CRLF));
  const std::string splash = s.T(2);
  const Range light = split_range(splash, Chars::if_length(4, 1, 2), 2);
  const Pairs light_ap = s.per_fitting(kBow, [&](Column, const Pair& b) {
    return Pair{clamp_i32(2 * (std::int64_t{b.min} + light.lo) + light.lo),
                clamp_i32(2 * (std::int64_t{b.max} + light.hi) + light.hi)};
  });
  s.add(lines({"Light AP 1h: " + num(light_ap.one.min) + " - " + num(light_ap.one.max),
               "Light Ap 2h: " + num(light_ap.two.min) + " - " + num(light_ap.two.max), "Light Splash: " + splash}));
}

// Golden Falcon raises the Falcon's range; while the Falcon is at level 0
// its range counts as 0 - 0.
void golden_falcon(Slot& s) {
  const int falcon_level = s.level_of(tier(2, 2));
  const Range r = falcon_level >= 1 ? split_range(s.T(22, 1, falcon_level), 2, 2) : Range::zero();
  const double m = static_cast<double>(s.F(1));
  const std::int32_t e7 = falcon_bonus(s);
  const std::int32_t lo = add_saturated(floor_of(static_cast<long double>(r.lo) * m), e7);
  const std::int32_t hi = add_saturated(floor_of(static_cast<long double>(r.hi) * m), e7);
  s.add(groups({"Atk-Pow: " + num(lo) + " - " + num(hi), "Duration: " + s.T(3)}));
  s.pet(kGoldenFalconDamage, pet_per_minute(lo, hi, kPetHits));
}

void bomb_shot(Slot& s) {
  const Pairs hits = s.per_fitting(kBow, [&](Column, const Pair& b) { return s.boost(1, 2, b); });
  s.add(attack_block(hits) + std::string(CRLF));
  const Pairs demon = s.per_fitting(kBow, hits, [&](Column, const Pair& m) { return s.boost(2, 1, m); });
  const std::string splash =
      s.fits_either(kBow) ? s.calc_skill().doubled_range_text(s.skill(), 3, s.level(), false) : "0 - 0";
  s.add(groups({pair_lines("to Demon", demon), "Splash Dmg: " + splash}));
}

void perforation(Slot& s) {
  const Pairs attack =
      s.per_fitting(kBow, s.base_without_orb(), [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  const PerColumn<std::int32_t> crit = s.each_fitting(kBow, [&](Column) { return s.I(2); });
  s.add(groups({attack_block(attack), critical_block(s.critical(OneHand), crit.one, s.critical(TwoHand), crit.two)}));
}

void wolverine(Slot& s) {
  const Range r = s.range(1, 2, Chars::if_length(5, 2, 3));
  s.add(lines({"Atk-Pow: " + num(r.lo) + " - " + num(r.hi), "Atk-Rtg: " + s.T(2),
               "Defense: " + num(static_cast<std::int64_t>(s.I(3)) + 2 * std::int64_t{s.stat(Ctl::stat_agility)}),
               "HP: " + s.T(4)}));
  s.pet(kWolverineDamage, pet_per_minute(r.lo, r.hi, kPetHits));
}

void evasion_mastery(Slot& s) {
  s.add("Add Evasion: " + s.T(1) + " %");
  s.state().final_eva = s.I(1);
}
void evasion_mastery_at_zero(Slot& s) { s.state().final_eva = 0; }

void phoenix_shot(Slot& s) {
  const Pairs attack =
      s.per_fitting(kBow, s.base_without_orb(), [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  const std::string speed = s.fits_either(kBow) ? s.T(2) : "0";
  s.add(lines({attack_block(attack), "Add wSpd: " + speed + " %"}));
}

// The slots in the order the report handles them.
constexpr SlotRow kArcherSlots[] = {
    {tier(2, 1), kHiddenUsage, dions_eye},
    {tier(4, 4), kHiddenUsage, force_of_nature, clear_pet<kFalconBonus>},
    {tier(1, 1), kHiddenUsage, scout_hawk},
    {tier(1, 2), kHiddenUsage, shooting_mastery},
    {tier(1, 3), 3, wind_arrow},
    {tier(1, 4), 3, perfect_aim},
    {tier(2, 2), kHiddenUsage, falcon, clear_pet<kFalconDamage>},
    {tier(2, 3), 3, arrows_of_rage},
    {tier(2, 4), 4, avalanche},
    {tier(3, 1), 3, elemental_shot},
    {tier(3, 2), kHiddenUsage, golden_falcon, clear_pet<kGoldenFalconDamage>},
    {tier(3, 3), 5, bomb_shot},
    {tier(3, 4), 4, perforation},
    {tier(4, 1), kHiddenUsage, wolverine, clear_pet<kWolverineDamage>},
    {tier(4, 2), kHiddenUsage, evasion_mastery, evasion_mastery_at_zero},
    {tier(4, 3), 3, phoenix_shot},
};

}  // namespace

void archer_report(ReportRun& run) { run.slots(kArcherSlots); }

}  // namespace brennick::skills
