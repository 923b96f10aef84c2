// The Priestess's skill report (class 7, skills 113 to 128), slot by slot in
// the order the report handles them. Every skill that depends on the weapon
// fits only a Wand/Staff; the heals and spells take the skill's range plus
// the weapon's own power. Meditation comes first, so Regeneration Field
// adds to the regeneration Meditation has already raised.
#include "data/calc_skill.h"
#include "base/evaluation.h"
#include "skills/report_framework.h"

namespace brennick::skills {
namespace {

constexpr WeaponSet kWand{WandStaff};

// A range text split by character counts.
Range split(const std::string& t, std::size_t lo_chars, std::size_t hi_chars) {
  return split_range(t, static_cast<int>(lo_chars), static_cast<int>(hi_chars));
}

// Splits of row 1 by skill.
Range heal_split(const std::string& t) { return split(t, t.size() == 7 ? 3 : 2, t.size() == 5 ? 2 : 3); }
Range two_and_two(const std::string& t) { return split(t, 2, 2); }  // Holy Bolt, Divine Lightning, Vigor Ball
Range spark_split(const std::string& t) { return split(t, t.size() == 4 ? 1 : 2, 2); }
Range two_and_two_or_three(const std::string& t) { return split(t, 2, t.size() == 5 ? 2 : 3); }  // Grand Healing, Muspell
Range glacial_split(const std::string& t) { return split(t, t.size() == 6 ? 2 : 3, 3); }
Range three_and_three(const std::string& t) { return split(t, 3, 3); }  // Chain Lightning

// Range plus the weapon's power, per fitting column.
Pairs plain(Slot& s, const Range& r) { return s.plain_pairs(kWand, r); }

// Range plus the weapon's power plus Spirit div 8 (lower end) and div 4
// (upper end), times n, per fitting column.
Pairs spell(Slot& s, const Range& r, std::int32_t n) { return s.spell_pairs(kWand, r, n); }

// A fraction shown in percent, held as a double; 0 when no column fits.
std::string percent_if_wand(Slot& s, int row) {
  const double p = s.fits_either(kWand) ? static_cast<double>(s.F(row) * 100) : 0.0;
  return s.real(p) + " %";
}

// "Atk-Pow 1h: k x(min - max)" lines and their totals for k bolts.
std::string bolts_block(std::int32_t k, const Pairs& p) {
  const auto bolt = [&](const Pair& x) { return num(k) + "x(" + num(x.min) + " - " + num(x.max) + ")"; };
  const auto total = [&](const Pair& x) {
    return num(static_cast<std::int64_t>(k) * x.min) + " - " + num(static_cast<std::int64_t>(k) * x.max);
  };
  return groups({lines({"Atk-Pow 1h: " + bolt(p.one), "Atk-Pow 2h: " + bolt(p.two)}),
                 lines({"total 1h: " + total(p.one), "total 2h: " + total(p.two)})});
}

void meditation(Slot& s) {
  const double f = static_cast<double>(s.F(1));
  CalcState& st = s.state();
  s.add("Add MP Regen 1h/2h: " + s.real(f));
  st.final_mp_regen = stored(static_cast<ext>(st.final_mp_regen) + f);
  st.final_mp_regen_2 = stored(static_cast<ext>(st.final_mp_regen_2) + f);
}

void heal(Slot& s) { s.add(pair_lines("Heal HP", plain(s, heal_split(s.T(1))))); }

void holy_bolt(Slot& s) { s.add(attack_block(plain(s, two_and_two(s.T(1))))); }

// Multi-Spark: the fewest and the most sparks of a cast, per column.
void multi_spark(Slot& s) {
  const Range r = spark_split(s.T(1));
  const Range sparks = split(s.T(2), 1, 1);
  const Pairs hit = plain(s, r);
  const auto two_lines = [&](const char* column, const Pair& p) {
    const auto times = [&](std::int32_t n) {
      return "AP " + num(n) + " Sparks " + column + ": " + num(static_cast<std::int64_t>(p.min) * n) + " - " +
             num(static_cast<std::int64_t>(p.max) * n);
    };
    return lines({times(sparks.lo), times(sparks.hi)});
  };
  s.add(two_lines("1h", hit.one) + std::string(CRLF));
  s.add(groups({two_lines("2h", hit.two), "Sparks: " + s.T(2)}));
}

void holy_mind(Slot& s) { s.add(lines({"-eAtk-Pow: " + percent_if_wand(s, 1), "Duration: 15"})); }

// Divine Lightning: k bolts, whatever the weapons; the undead take half as
// much again.
void divine_lightning(Slot& s) {
  const std::int32_t k = s.I(3);
  const Pairs p = spell(s, two_and_two(s.T(1)), 1);
  const auto undead = [&](const Pair& x) {
    return num(floor_of(static_cast<ext>(k) * x.min * 1.5L)) + " - " + num(floor_of(static_cast<ext>(k) * x.max * 1.5L));
  };
  s.add(bolts_block(k, p) + std::string(CRLF) +
        lines({"to Undead 1h: " + undead(p.one), "to Undead 2h: " + undead(p.two)}));
}

void holy_reflection(Slot& s) {
  const std::string d = s.fits_either(kWand) ? s.T(2) : "0";
  s.add(lines({"UAPReflect: " + percent_if_wand(s, 1), "Duration: " + d}));
}

void grand_healing(Slot& s) { s.add(pair_lines("Party Heal", plain(s, two_and_two_or_three(s.T(1))))); }

void vigor_ball(Slot& s) { s.add(attack_block(spell(s, two_and_two(s.T(1)), 2))); }

void resurrection(Slot& s) { s.add("Success Rate: " + percent_if_wand(s, 1)); }

// Extinction: the chance to hit grows with the character level ("60+lv/5").
void extinction(Slot& s) {
  double h = 0;
  std::int32_t u = 0;
  if (s.fits_either(kWand)) {
    const std::int32_t b = skill_int_of_text(left_chars(s.T(1), 2));
    u = floor_of(s.F(2) * 100);
    const double g = static_cast<double>(static_cast<ext>(s.sheet().value(Ctl::stat_level)) / 5);
    h = static_cast<double>(static_cast<ext>(b) + static_cast<ext>(100 - b) * (static_cast<ext>(g) / 100));
  }
  s.add(lines({"% Hit: " + format_fixed(h, 2, s.format()) + " %", "-Undead HP: " + num(u) + " %"}));
}

void vitual_life(Slot& s) {
  const CalcSkill cs = s.calc_skill();
  CalcState& st = s.state();
  const std::int32_t h1 = cs.skill_boost(s.skill(), 1, s.level(), st.final_hp, 1);
  const std::int32_t h2 = cs.skill_boost(s.skill(), 1, s.level(), st.final_hp_2, 1);
  s.add(groups({lines({"HP 1h: " + num(h1) + " (+" + num(static_cast<std::int64_t>(h1) - st.final_hp) + ")",
                       "HP 2h: " + num(h2) + " (+" + num(static_cast<std::int64_t>(h2) - st.final_hp_2) + ")"}),
                "Duration: " + s.T(2)}));
  if (s.on()) {
    st.final_hp = h1;
    st.final_hp_2 = h2;
  }
}

void glacial_spike(Slot& s) { s.add(attack_block(spell(s, glacial_split(s.T(1)), 1))); }

// Regeneration Field shows its "+MP R." text as written in the user's locale.
void regeneration_field(Slot& s) {
  CalcState& st = s.state();
  const std::string m = skill_value_text(s.skill(), 2, s.level(), ".", ",", st.locale_decimal_comma == 1);
  const long double v = ext_of_text(m, s.format());
  const double r1 = stored(static_cast<ext>(st.final_mp_regen) + v);
  const double r2 = stored(static_cast<ext>(st.final_mp_regen_2) + v);
  s.add(groups({lines({"MP Regen 1h: " + s.real(r1) + " (+" + m + ")", "MP Regen 2h: " + s.real(r2) + " (+" + m + ")"}),
                "Duration: " + s.T(3)}));
  if (s.on()) {
    st.final_mp_regen = r1;
    st.final_mp_regen_2 = r2;
  }
}

void chain_lightning(Slot& s) {
  const std::int32_t k = s.fits_either(kWand) ? s.I(2) : 0;
  s.add(bolts_block(k, spell(s, three_and_three(s.T(1)), 1)));
}

// Summon Muspell: its own power, the block it gives both columns and the
// absorption against the undead it shows. Its hits per minute follow its
// attack delay.
void summon_muspell(Slot& s) {
  const Range r = two_and_two_or_three(s.T(1));
  const std::int32_t delay = s.I(2), b = s.I(4);
  const double f = static_cast<double>(s.F(3));
  CalcState& st = s.state();
  const std::int32_t m1 = add_saturated(st.final_blk, b), m2 = add_saturated(st.final_blk_2, b);
  const auto undead = [&](double abs) {
    const ext a = static_cast<ext>(abs);
    return s.real(round_abs(a + a * static_cast<ext>(f))) + " (+" + s.real(round_abs(a * static_cast<ext>(f))) + ")";
  };
  s.add(groups({lines({"Atk-Pow: " + num(r.lo) + " - " + num(r.hi), "Block 1h: " + num(m1) + "% (+" + num(b) + ")",
                       "Block 2h: " + num(m2) + "% (+" + num(b) + ")", "Undead Abs 1h: " + undead(st.final_abs),
                       "Undead Abs 2h: " + undead(st.final_abs_2)}),
                "Duration: " + s.T(5)}));
  std::int64_t hits = 0;
  switch (delay) {
    case 4: hits = 15; break;
    case 5: hits = 12; break;
    case 6: hits = 10; break;
    case 7: hits = 8; break;
    default: break;
  }
  if (s.on()) {
    st.dot_extra[kMuspellDamage] = floor_of(static_cast<ext>(hits * (static_cast<std::int64_t>(r.lo) + r.hi)) / 2);
    st.final_blk = m1;
    st.final_blk_2 = m2;
  } else {
    st.dot_extra[kMuspellDamage] = 0;
  }
}

}  // namespace

namespace {

const SlotRow kPriestessSlots[] = {
    {tier(2, 1), kHiddenUsage, meditation},
    {tier(1, 1), 2, heal},
    {tier(1, 2), 2, holy_bolt},
    {tier(1, 3), 3, multi_spark},
    {tier(1, 4), 3, holy_mind},
    {tier(2, 2), 4, divine_lightning},
    {tier(2, 3), kHiddenUsage, holy_reflection},
    {tier(2, 4), 3, grand_healing},
    {tier(3, 1), 2, vigor_ball},
    {tier(3, 2), 2, resurrection},
    {tier(3, 3), 3, extinction},
    {tier(3, 4), kHiddenUsage, vitual_life},
    {tier(4, 1), 3, glacial_spike},
    {tier(4, 2), kHiddenUsage, regeneration_field},
    {tier(4, 3), 4, chain_lightning},
    {tier(4, 4), kHiddenUsage, summon_muspell, clear_pet<kMuspellDamage>},
};

}  // namespace

void priestess_report(ReportRun& run) { run.slots(kPriestessSlots); }

}  // namespace brennick::skills
