// The Pikeman's skill report (class 2, skills 33 to 48), slot by slot in the
// order the report handles them. Most skills need a scythe, some per column,
// others when either column holds one. The three critical skills come first,
// so Critical Hit starts from the criticals they raised. The report raises
// the 2h block, both criticals and the evasion; it changes no attack power.
#include <algorithm>

#include "data/calc_skill.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kScythe{Scythe};
constexpr WeaponSet kWeaponDefMastery{Axe, Scythe, Sword, Mace};  // the 2h column only
constexpr WeaponSet kCriticalHit{Scythe, Claw, Sword, Mace};
constexpr WeaponSet kJumpingCrash{Axe, Scythe, Sword};
constexpr WeaponSet kExpansion{Axe, Scythe, Mace};
constexpr WeaponSet kChainLance{Scythe, Claw, Sword};
constexpr WeaponSet kScytheOrSword{Scythe, Sword};  // Charging Strike, Shadow Master

// A range "lo-hi" with the character level div 5 added to both ends.
std::string range_plus_level(const Range& r, const Slot& s) {
  const std::int32_t q = s.character_level() / 5;
  return num(r.lo + q) + " - " + num(r.hi + q);
}

// Row 0 of skill 129: the share added against demons and mutants.
Pairs against_half(const Slot& s, const WeaponSet& set, const Pairs& values) {
  const CalcSkill cs = s.calc_skill();
  return s.per_fitting(set, values, [&](Column, const Pair& v) {
    return Pair{cs.skill_boost(129, 0, s.level(), v.min, 1), cs.skill_boost(129, 0, s.level(), v.max, 1)};
  });
}

void weapon_def_mastery(Slot& s) {
  const std::string bonus = s.fits(kWeaponDefMastery, TwoHand) ? s.T(1) : "0";
  const std::int32_t block = add_saturated(s.at(kBlock, TwoHand), skill_int_of_text(bonus));
  s.add("Block 2h: " + num(block) + " %" + " (+" + bonus + ")");
  s.at(kBlock, TwoHand) = block;
}

void critical_mastery(Slot& s) {
  PerColumn<std::string> bonus;
  PerColumn<std::int32_t> crit;
  for (Column c : kColumns) {
    bonus[c] = s.fits(kScythe, c) ? s.T(1) : "0";
    crit[c] = add_saturated(s.critical(c), skill_int_of_text(bonus[c]));
  }
  s.add(lines({"Crit 1h: " + num(crit.one) + " %" + " (+" + bonus.one + ")",
               "Crit 2h: " + num(crit.two) + " %" + " (+" + bonus.two + ")"}));
  set_both(s.state(), kCritical, crit);
}

void assassin_eye(Slot& s) {
  const bool scythe = s.fits_either(kScythe);
  const std::string k = scythe ? s.T(1) : "0", e = scythe ? s.T(2) : "0", d = scythe ? s.T(3) : "0";
  s.add(groups({lines({"Add Crit: " + k + " %", "take eCrit: " + e + " %"}), "Duration: " + d}));
  if (s.on()) add_to_both(s.state(), kCritical, skill_int_of_text(k));
}

void pike_wind(Slot& s) {
  const std::string range = s.fits_either(kScythe)
                                ? range_plus_level(split_range(s.T(1, "+lv/5"), Chars::if_length(4, 1, 2), 2), s)
                                : "0 - 0";
  s.add("Atk-Pow: " + range);
}

void ice_attribute(Slot& s) { s.add("Add to Ice Res: " + s.T(1)); }

// Critical Hit shows the critical it would give, capped at 100; the state
// is not changed.
void critical_hit(Slot& s) {
  PerColumn<std::int32_t> crit;
  for (Column c : kColumns) {
    const std::int64_t raised = std::int64_t{s.critical(c)} + (s.fits(kCriticalHit, c) ? s.I(1) : 0);
    crit[c] = static_cast<std::int32_t>(std::min<std::int64_t>(raised, 100));
  }
  const auto line = [&](Column c, const char* label) {
    return std::string(label) + num(crit[c]) + " % (+" + num(std::int64_t{crit[c]} - s.critical(c)) + ")";
  };
  s.add(lines({line(OneHand, "Crit 1h: "), line(TwoHand, "Crit 2h: ")}));
}

void jumping_crash(Slot& s) {
  const Pairs attack = s.per_fitting(kJumpingCrash, [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  const PerColumn<std::int32_t> gain =
      s.each_fitting(kJumpingCrash, [&](Column c) { return s.weapon_rating_gain(2, c); });
  s.add(groups({rating_block(s.rating(OneHand), gain.one, s.rating(TwoHand), gain.two), attack_block(attack)}));
  s.add(pair_lines("to Demon", against_half(s, kJumpingCrash, attack)));
}

void ground_pike(Slot& s) {
  std::string range = "0 - 0", frozen = "0";
  if (s.fits_either(kScythe)) {
    range = range_plus_level(split_range(s.T(1, "+lv/5"), 2, 2), s);
    frozen = s.T(3);
  }
  s.add(lines({"Atk-Pow: " + range, "Frozen Time: " + frozen}));
}

void tornado(Slot& s) {
  s.add(attack_block(s.per_fitting(kScythe, s.base_without_orb(), [&](Column, const Pair& b) { return s.boost(1, 1, b); })));
}

void expansion(Slot& s) {
  const Pairs attack = s.per_fitting(kExpansion, [&](Column, const Pair& b) { return s.boost(1, 1, b); });
  s.add(attack_block(attack) + std::string(CRLF));
  s.add(pair_lines("to Mutant", against_half(s, kExpansion, attack)));
}

// Venom Spear reports only with a scythe; without one its box stays empty.
void venom_spear(Slot& s) {
  if (!s.fits_either(kScythe)) return;
  const Range r = s.range(1, 2, 2);
  const std::int64_t spears = s.I(2), seconds = s.I(3);
  s.add(groups({lines({"Atk-Pow: " + num(seconds * r.lo) + " - " + num(seconds * r.hi) + " in " + num(seconds) + " sec",
                       "max Targets: " + num(spears)}),
                "Atk-Pow count for each poisoned Monster, not all together."}));
}

void vanish(Slot& s) {
  Pairs attack = s.base();
  for (Column c : kColumns) attack[c] = s.boost(1, 1, attack[c]);
  s.add(groups({attack_block(attack), lines({"Visibility: " + s.T(2) + " %", "Duration: " + s.T(3)})}));
}

void chain_lance(Slot& s) {
  s.add(attack_block(s.per_fitting(kChainLance, [&](Column, const Pair& b) { return s.boost(1, 3, b); })));
}

// Two normal hits and one charged hit.
void charging_strike(Slot& s) {
  const Pairs attack = s.per_fitting(kScytheOrSword, [&](Column, const Pair& b) {
    const Pair normal = s.boost(1, 2, b), charged = s.boost(2, 1, b);
    return Pair{add_saturated(normal.min, charged.min), add_saturated(normal.max, charged.max)};
  });
  s.add(attack_block(attack) + std::string(CRLF) + std::string(CRLF));
}

void vague(Slot& s) {
  const bool scythe = s.fits_either(kScythe);
  const std::string v = scythe ? s.T(1) : "0", d = scythe ? s.T(2) : "0";
  s.add(groups({"Add Evasion: " + v + " %", "Duration: " + d}));
  s.state().final_eva = s.on() ? skill_int_of_text(v) : 0;
}
void vague_at_zero(Slot& s) { s.state().final_eva = 0; }

void shadow_master(Slot& s) {
  const Pairs attack = s.per_fitting(kScytheOrSword, [&](Column, const Pair& b) { return s.boost_by_count(1, 2, b); });
  const std::string hits = s.fits_either(kScytheOrSword) ? s.T(2) : "0";
  s.add(groups({attack_block(attack), "# of Hits: " + hits}));
}

// The slots in the order the report handles them.
constexpr SlotRow kPikemanSlots[] = {
    {tier(2, 3), kHiddenUsage, weapon_def_mastery},
    {tier(3, 3), kHiddenUsage, critical_mastery},
    {tier(4, 1), kHiddenUsage, assassin_eye},
    {tier(1, 1), 3, pike_wind},
    {tier(1, 2), kHiddenUsage, ice_attribute},
    {tier(1, 3), 2, critical_hit},
    {tier(1, 4), 3, jumping_crash},
    {tier(2, 1), 4, ground_pike},
    {tier(2, 2), 3, tornado},
    {tier(2, 4), 3, expansion},
    {tier(3, 1), 5, venom_spear},
    {tier(3, 2), 4, vanish},
    {tier(3, 4), 2, chain_lance},
    {tier(4, 2), 4, charging_strike},
    {tier(4, 3), kHiddenUsage, vague, vague_at_zero},
    {tier(4, 4), 3, shadow_master},
};

}  // namespace

void pikeman_report(ReportRun& run) { run.slots(kPikemanSlots); }

}  // namespace brennick::skills
