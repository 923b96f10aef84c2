// The Atalanta's skill report (class 4, skills 65 to 80), slot by slot in the
// order the report handles them. Every skill with a weapon condition needs a
// javelin in the 1h slot and reports only the 1h column. Triumph of Valhalla,
// Hall of Valhalla and Frost Javelin come before every attack skill, so when
// enabled they raise the base of the later slots; Windy changes the rating
// after Farina has read it and before the two javelins that read it.
#include "base/evaluation.h"
#include "data/calc_skill.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kJavelin{Javelin};

bool fits(const Slot& s) { return s.fits(kJavelin, OneHand); }

std::string attack_line_1h(const Pair& p) { return "Atk-Pow 1h: " + num(p.min) + " - " + num(p.max); }

// Triumph of Valhalla's bonus to the maxima at Triumph's level: "N+lv/9"
// read as N + character level div 9. At level 0 the N part counts as 0.
std::int32_t triumph_bonus(const Slot& s, int triumph_level) {
  const std::int32_t n = triumph_level >= 1 ? skill_int_of_text(s.T(74, 1, triumph_level, "+lv/9")) : 0;
  return n + s.character_level() / 9;
}

Pairs maxima_raised(const Slot& s, std::int32_t bonus) {
  Pairs p = s.base();
  for (Column c : kColumns) p[c].max = add_saturated(p[c].max, bonus);
  return p;
}

// Fire and Lightning Javelin: "lo-hi+lv/3" plus the character level div 3
// and the 1h attack power; the second line against mutants or undead.
void elemental_javelin(Slot& s, const char* against) {
  const Range r = split_range(s.T(1, "+lv/3"), 2, 2);
  Pair attack, bonus;
  if (fits(s)) {
    const Pair b = s.base()[OneHand];
    const std::int32_t q = s.character_level() / 3;
    attack = {clamp_i32(std::int64_t{q} + r.lo + b.min), clamp_i32(std::int64_t{b.max} + q + r.hi)};
    const CalcSkill cs = s.calc_skill();
    bonus = {cs.skill_boost(129, 0, s.level(), attack.min, 1), cs.skill_boost(129, 0, s.level(), attack.max, 1)};
  }
  s.add(lines({attack_line_1h(attack), std::string(against) + num(bonus.min) + " - " + num(bonus.max)}));
}

// The rating line of Twisted and Split Javelin: the boosted weapon rating in
// place of the weapon's own; without a javelin the rating unchanged.
std::string javelin_rating_line(const Slot& s, int row) {
  std::int64_t rating = s.rating(OneHand);
  if (fits(s)) {
    const std::int32_t wr = s.weapon_rating(OneHand);
    rating += std::int64_t{s.calc_skill().skill_boost(s.skill(), row, s.level(), wr, 1)} - wr;
  }
  return "Atk-Rtg 1h: " + num(rating);
}

// A boost of the 1h base with a javelin, 0 - 0 without.
Pair javelin_boost(const Slot& s, const Pair& base, int row, std::int32_t times) {
  return fits(s) ? s.boost(row, times, base) : Pair{};
}

// Throwing Mastery only informs: the attack-power step applies it.
void throwing_mastery(Slot& s) {
  Pair add;
  if (fits(s)) {
    const CalcSkill cs = s.calc_skill();
    const Pair w = s.weapon_power(OneHand);
    add = {cs.skill_fraction_of(s.skill(), s.level(), w.min), cs.skill_fraction_of(s.skill(), s.level(), w.max)};
  }
  s.add("Add to 1h: " + num(add.min) + " - " + num(add.max));
}

void triumph_of_valhalla(Slot& s) {
  const Pairs raised = maxima_raised(s, triumph_bonus(s, s.level()));
  s.add(groups({attack_block(raised), "Duration: " + s.T(2)}));
  if (s.on()) set_attack_power(s.state(), raised);
}

void hall_of_valhalla(Slot& s) {
  const Pairs raised = maxima_raised(s, triumph_bonus(s, s.level_of(tier(3, 2))));
  const std::int32_t evasion = s.I(1);
  s.add(groups({attack_block(raised), lines({"Add Evasion: " + num(evasion) + " %", "Duration: " + s.T(2)})}));
  if (s.on()) set_attack_power(s.state(), raised);
  s.state().final_eva = s.on() ? evasion : 0;
}
void hall_of_valhalla_at_zero(Slot& s) { s.state().final_eva = 0; }

// Frost Javelin without a javelin shows zeros and leaves the state alone.
void frost_javelin(Slot& s) {
  const Range r = s.range(1, 2, 2);
  Pair attack;
  double slow = 0;
  std::string freeze = "0", duration = "0";
  if (fits(s)) {
    const Pair b = s.base()[OneHand];
    attack = {add_saturated(r.lo, b.min), add_saturated(r.hi, b.max)};
    slow = static_cast<double>(s.F(2) * 100);
    freeze = s.T(3);
    duration = s.T(4);
  }
  s.add(groups({lines({attack_line_1h(attack), "-eSpd: " + s.real(slow) + " %", "freeze: " + freeze + "sec"}),
                "Duration: " + duration}));
  if (s.on() && fits(s)) set_attack_power(s.state(), OneHand, attack);
}

void shield_strike(Slot& s) {
  const Range r = split_range(s.T(1, "+lv/5"), Chars::if_length(4, 1, 2), 2);
  const std::int32_t q = s.character_level() / 5;
  s.add("Atk-Pow: " + num(r.lo + q) + " - " + num(r.hi + q));
}

// Farina's "N+cLvl": the character level does not enter.
void farina(Slot& s) {
  std::int32_t bonus = 0, rating = 0;
  std::string speed = "0";
  if (fits(s)) {
    bonus = skill_int_of_text(s.T(1, "+cLvl"));
    speed = s.T(2);
    rating = add_saturated(s.rating(OneHand), bonus);
  }
  s.add(lines({"Atk-Rtg 1h: " + num(rating) + " (+" + num(bonus) + ")", "Add wSpd: " + speed}));
}

void bigger_spear(Slot& s) {
  const Range r = split_range(s.T(1, "+lv/2"), Chars::if_length(4, 1, 2), 2);
  Pair attack;
  if (fits(s)) {
    const Pair b = s.base()[OneHand];
    const std::int32_t q = s.character_level() / 2;
    attack = {clamp_i32(std::int64_t{q} + r.lo + b.min), clamp_i32(std::int64_t{b.max} + q + r.hi)};
  }
  s.add(attack_line_1h(attack));
}

// Windy without a javelin shows zeros and leaves the rating alone.
void windy(Slot& s) {
  const std::string duration = s.T(3);
  std::int32_t gain = 0, rating = 0;
  if (fits(s)) {
    gain = s.weapon_rating_gain(1, OneHand);
    rating = add_saturated(s.rating(OneHand), gain);
  }
  s.add(groups({"Atk-Rtg 1h: " + num(rating) + " (+" + num(gain) + ")", "Duration: " + duration}));
  if (s.on() && fits(s)) s.at(kRating, OneHand) = rating;
}

void twisted_javelin(Slot& s) {
  const Pair attack = javelin_boost(s, s.base()[OneHand], 1, 1);
  // Row 0 of a skill other than 129: the share added against demons.
  const Pair demon = fits(s) ? s.boost(0, 1, attack) : Pair{};
  s.add(groups({lines({attack_line_1h(attack), "to Demon 1h: " + num(demon.min) + " - " + num(demon.max)}),
                javelin_rating_line(s, 2)}));
}

// Soul Sucker shows its note at every level, 0 included.
void soul_sucker(Slot& s) {
  s.add("Waymark say it add X percent OF your HP to your HP but IMO it suck x percent from enemy." + std::string(CRLF) +
        "i wait for a comment here.");
}

void fire_javelin(Slot& s) { elemental_javelin(s, "to Mutant 1h: "); }

void split_javelin(Slot& s) {
  const std::string hits = s.T(3);
  const Pair attack = fits(s) ? s.boost_by_count(1, 3, s.base()[OneHand]) : Pair{};
  s.add(groups({lines({attack_line_1h(attack), javelin_rating_line(s, 2)}), "# of Hits: " + hits}));
}

void lightning_javelin(Slot& s) { elemental_javelin(s, "to Undead 1h: "); }

void storm_javelin(Slot& s) { s.add(attack_line_1h(javelin_boost(s, s.base()[OneHand], 1, 2))); }

void extreme_rage(Slot& s) { s.add(attack_line_1h(javelin_boost(s, s.base_without_orb()[OneHand], 1, 3))); }

void vengeance(Slot& s) {
  const std::string range = s.T(2);
  s.add(lines({attack_line_1h(javelin_boost(s, s.base()[OneHand], 1, 2)), "Add Range: " + range}));
}

// The slots in the order the report handles them.
constexpr SlotRow kAtalantaSlots[] = {
    {tier(1, 3), kHiddenUsage, throwing_mastery},
    {tier(3, 2), kHiddenUsage, triumph_of_valhalla},
    {tier(4, 1), kHiddenUsage, hall_of_valhalla, hall_of_valhalla_at_zero},
    {tier(4, 3), kHiddenUsage, frost_javelin},
    {tier(1, 1), 2, shield_strike},
    {tier(1, 2), 3, farina},
    {tier(1, 4), 2, bigger_spear},
    {tier(2, 1), kHiddenUsage, windy},
    {tier(2, 2), 3, twisted_javelin},
    {tier(2, 3), 2, soul_sucker, soul_sucker},
    {tier(2, 4), 2, fire_javelin},
    {tier(3, 1), 4, split_javelin},
    {tier(3, 3), 2, lightning_javelin},
    {tier(3, 4), 2, storm_javelin},
    {tier(4, 2), 3, extreme_rage},
    {tier(4, 4), 3, vengeance},
};

}  // namespace

void atalanta_report(ReportRun& run) { run.slots(kAtalantaSlots); }

}  // namespace brennick::skills
