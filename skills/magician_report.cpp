// The Magician's skill report (class 6, skills 97 to 112), slot by slot in
// the order the report handles them. Spirit Elemental comes first and sets
// magician_skill_value, which every later spell of the same run adds
// through spirit_boost; Mental Mastery comes before Agony, which reads the
// raised mana. The attack spells take the skill's range plus the weapon's
// own power, with a Wand/Staff in the column.
#include "data/calc_skill.h"
#include "base/evaluation.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kSpell{WandStaff};

// A range text split by character counts.
Range split(const std::string& t, std::size_t lo_chars, std::size_t hi_chars) {
  return split_range(t, static_cast<int>(lo_chars), static_cast<int>(hi_chars));
}

// Splits of row 1 by spell.
Range two_and_two(const std::string& t) { return split(t, 2, 2); }                        // Fire Bolt, Dancing Sword
Range two_and_two_or_three(const std::string& t) { return split(t, 2, t.size() == 5 ? 2 : 3); }  // Fireball ..
Range fire_wave_split(const std::string& t) { return split(t, t.size() > 6 ? 3 : 2, t.size() == 5 ? 2 : 3); }
Range meteorite_split(const std::string& t) { return split(t, t.size() == 6 ? 2 : 3, 3); }

// The pair of an attack spell per fitting column: range plus weapon, plus
// Spirit div 8 at the lower end and div 4 at the upper (when `add_spirit`),
// each raised by the Spirit Elemental's fraction and times n.
Pairs spell(Slot& s, const Range& r, std::int32_t n, bool add_spirit = true) {
  return s.spell_pairs(kSpell, r, n, add_spirit);
}

// A fraction shown in percent, held as a double.
std::string percent(Slot& s, long double fraction) { return s.real(static_cast<double>(fraction * 100)) + " %"; }

void spirit_elemental(Slot& s) {
  const double f = static_cast<double>(s.F(1));
  s.add(groups({"Add Skill Atk-Pow: " + s.real(static_cast<double>(static_cast<ext>(f) * 100)) + " %",
                "Duration: " + s.T(2)}));
  s.state().magician_skill_value = s.on() ? f : 0.0;
}

void mental_mastery(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  CalcState& st = s.state();
  const std::int32_t m1 = cs.skill_boost(s.skill(), 1, s.level(), st.final_mp, 1);
  const std::int32_t m2 = cs.skill_boost(s.skill(), 1, s.level(), st.final_mp_2, 1);
  s.add("MP 1h: " + num(m1) + " (+" + num(static_cast<std::int64_t>(m1) - st.final_mp) + ")");
  s.add("MP 2h: " + num(m2) + " (+" + num(static_cast<std::int64_t>(m2) - st.final_mp_2) + ")");
  st.final_mp = m1;
  st.final_mp_2 = m2;
}

void agony(Slot& s) {
  const double f = static_cast<double>(s.F(1));
  const CalcState& st = s.state();
  const std::int32_t hp[2] = {st.final_hp, st.final_hp_2}, mp[2] = {st.final_mp, st.final_mp_2};
  std::string line[2];
  for (Column c : kColumns) {
    std::int32_t h = 0, p = 0;
    if (s.fits(kSpell, c)) {
      h = floor_of(static_cast<ext>(hp[c]) * f);
      p = floor_of(static_cast<ext>(mp[c]) * f);
    }
    line[c] = num(h) + " -> " + num(p);
  }
  s.add(lines({"HP->MP 1h: " + line[0], "HP->MP 2h: " + line[1]}));
}

// Fire Bolt adds no Spirit at either end.
void fire_bolt(Slot& s) { s.add(attack_block(spell(s, two_and_two(s.T(1)), 1, false))); }

void zenith(Slot& s) { s.add(groups({"Add to all Res: " + s.T(1), "Duration: " + s.T(2)})); }

void fireball(Slot& s) { s.add(attack_block(spell(s, two_and_two_or_three(s.T(1)), 1))); }
void watornado(Slot& s) { s.add(attack_block(spell(s, two_and_two_or_three(s.T(1)), 1))); }

// Enchant Weapon shows the three elements on the base; switched on, the
// third element row counts.
void enchant_weapon(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  const Pairs base = s.base();
  Pairs element[3];
  for (int row = 1; row <= 3; ++row)
    for (Column c : kColumns)
      element[row - 1][c] = {cs.enchant_weapon_bound(row, s.level(), base[c].min, true),
                             cs.enchant_weapon_bound(row, s.level(), base[c].max, false)};
  static constexpr std::string_view kLabels[3] = {"Fire AP", "Light AP", "Ice AP"};
  for (int i = 0; i < 3; ++i) {
    const std::string l(kLabels[i]);
    const Pairs& p = element[i];
    s.add(lines({l + " 1h:  " + num(p.one.min) + " - " + num(p.one.max),
                 l + " 2h:  " + num(p.two.min) + " - " + num(p.two.max)}));
  }
  if (s.on()) {
    CalcState& st = s.state();
    st.final_atkpow_min = element[2].one.min;
    st.final_atkpow_max = element[2].one.max;
    st.final_atkpow_min_2 = element[2].two.min;
    st.final_atkpow_max_2 = element[2].two.max;
  }
}

void death_ray(Slot& s) { s.add(attack_block(spell(s, two_and_two_or_three(s.T(1)), 1))); }

void energy_shield(Slot& s) { s.add(groups({"Dmg to MP: " + percent(s, s.F(1)), "Duration: " + s.T(2)})); }

void diatrophism(Slot& s) { s.add(attack_block(spell(s, two_and_two_or_three(s.T(1)), 2))); }

// Dancing Sword strikes with the 1h weapon's power plus its ice range; its
// hits per minute grow with the level.
void dancing_sword(Slot& s) {
  const Range fire = two_and_two(s.T(1)), ice = two_and_two(s.T(2));
  const CalcState& st = s.state();
  const auto pair = [&](const Range& r, Column c) {
    const Pair w = s.weapon_power(c);
    return num(static_cast<std::int64_t>(r.lo) + w.min) + " - " + num(static_cast<std::int64_t>(r.hi) + w.max);
  };
  s.add(lines({"Fire AP 1h: " + pair(fire, OneHand), "Fire AP 2h: " + pair(fire, TwoHand)}) + std::string(CRLF));
  s.add(groups({lines({"Ice AP 1h: " + pair(ice, OneHand), "Ice AP 2h: " + pair(ice, TwoHand)}),
                "Duration: " + s.T(3)}));
  const std::int64_t hits = s.level() <= 4 ? 12 : s.level() <= 8 ? 15 : 20;
  const std::int64_t sum = static_cast<std::int64_t>(ice.lo) + st.weap_min_pow + ice.hi + st.weap_max_pow;
  s.state().dot_extra[kDancingSwordDamage] = s.on() ? floor_of(static_cast<ext>(sum * hits) / 2) : 0;
}

// Fire Elemental's own power; 22 hits a minute while it is summoned.
void fire_elemental(Slot& s) {
  const Range r = fire_wave_split(s.T(1));
  s.add(groups({lines({"Atk-Pow: " + num(r.lo) + " - " + num(r.hi), "Atk-Rtg: " + s.T(2), "HP: " + s.T(3)}),
                "Duration: 360"}));
  s.state().dot_extra[kFireElementalDamage] =
      s.on() ? floor_of(static_cast<ext>((static_cast<std::int64_t>(r.lo) + r.hi) * 22) / 2) : 0;
}

void fire_wave(Slot& s) { s.add(attack_block(spell(s, fire_wave_split(s.T(1)), 2))); }

void distortion(Slot& s) {
  s.add(groups({lines({"-eSpeed: " + percent(s, s.F(1)), "-eAtk-Pow: " + percent(s, s.F(2))}),
                "Duration: " + s.T(4)}));
}

void meteorite(Slot& s) { s.add(attack_block(spell(s, meteorite_split(s.T(1)), 3))); }

}  // namespace

namespace {

const SlotRow kMagicianSlots[] = {
    {tier(3, 3), kHiddenUsage, spirit_elemental, [](Slot& s) { s.state().magician_skill_value = 0; }},
    {tier(2, 1), kHiddenUsage, mental_mastery},
    {tier(1, 1), kHiddenUsage, agony},
    {tier(1, 2), 2, fire_bolt},
    {tier(1, 3), kHiddenUsage, zenith},
    {tier(1, 4), 4, fireball},
    {tier(2, 2), 4, watornado},
    {tier(2, 3), kHiddenUsage, enchant_weapon},
    {tier(2, 4), 3, death_ray},
    {tier(3, 1), kHiddenUsage, energy_shield},
    {tier(3, 2), 3, diatrophism},
    {tier(3, 4), kHiddenUsage, dancing_sword, clear_pet<kDancingSwordDamage>},
    {tier(4, 1), kHiddenUsage, fire_elemental, clear_pet<kFireElementalDamage>},
    {tier(4, 2), 3, fire_wave},
    {tier(4, 3), kHiddenUsage, distortion},
    {tier(4, 4), 3, meteorite},
};

}  // namespace

void magician_report(ReportRun& run) { run.slots(kMagicianSlots); }

}  // namespace brennick::skills
