#include "skills/report_framework.h"

#include <cmath>

#include "base/evaluation.h"
#include "skills/skill_steps.h"

namespace brennick::skills {
namespace {

// Passive and timed slots of each class; every other slot is active.
struct KindRow {
  std::initializer_list<int> passive, timed;
};
const KindRow& kind_row(int class_no) {
  static const KindRow kRows[kClassCount] = {
      // Fighter
      {{tier(1, 1), tier(1, 2), tier(4, 4)}, {tier(3, 1), tier(3, 3), tier(4, 2)}},
      // Archer
      {{tier(1, 2), tier(2, 1), tier(4, 2)}, {tier(1, 1), tier(2, 2), tier(3, 2), tier(4, 1), tier(4, 4)}},
      // Pikeman
      {{tier(1, 2), tier(2, 3), tier(3, 3)}, {tier(4, 1), tier(4, 3)}},
      // Mechanician
      {{tier(1, 3), tier(3, 3)},
       {tier(1, 1), tier(1, 4), tier(2, 2), tier(2, 3), tier(3, 1), tier(3, 4), tier(4, 2), tier(4, 3), tier(4, 4)}},
      // Atalanta
      {{tier(1, 3)}, {tier(2, 1), tier(3, 2), tier(4, 1), tier(4, 3)}},
      // Knight
      {{tier(1, 3), tier(3, 1)}, {tier(1, 2), tier(2, 1), tier(2, 4), tier(3, 2), tier(4, 2), tier(4, 3)}},
      // Magician
      {{tier(2, 1)}, {tier(1, 3), tier(2, 3), tier(3, 1), tier(3, 3), tier(3, 4), tier(4, 1), tier(4, 3)}},
      // Priestess
      {{tier(2, 1)}, {tier(2, 3), tier(3, 4), tier(4, 2), tier(4, 4)}},
  };
  return kRows[class_no];
}

bool contains(std::initializer_list<int> list, int v) {
  for (int x : list)
    if (x == v) return true;
  return false;
}

std::string joined(std::initializer_list<std::string> parts, std::string_view sep) {
  std::string out;
  bool first = true;
  for (const std::string& p : parts) {
    if (!first) out += sep;
    out += p;
    first = false;
  }
  return out;
}

}  // namespace

SlotKind slot_kind(int class_no, int slot_index) {
  const KindRow& row = kind_row(class_no);
  if (contains(row.passive, slot_index)) return SlotKind::Passive;
  if (contains(row.timed, slot_index)) return SlotKind::Timed;
  return SlotKind::Active;
}

// --- texts -------------------------------------------------------------------------

std::string num(std::int64_t value) { return int_text(value); }

std::string real(long double value, const NumberFormat& format) { return format_general(value, format); }

std::string groups(std::initializer_list<std::string> parts) {
  return joined(parts, std::string(CRLF) + std::string(CRLF));
}

std::string lines(std::initializer_list<std::string> parts) { return joined(parts, CRLF); }

std::string pair_lines(std::string_view label, const Pairs& p) {
  const std::string l(label);
  return lines({l + " 1h: " + num(p.one.min) + " - " + num(p.one.max),
                l + " 2h: " + num(p.two.min) + " - " + num(p.two.max)});
}

std::string attack_block(const Pairs& p) { return pair_lines("Atk-Pow", p); }

std::string rating_block(std::int32_t rtg1, const std::string& bonus1, std::int32_t rtg2,
                         const std::string& bonus2) {
  const std::int64_t b1 = skill_int_of_text(bonus1), b2 = skill_int_of_text(bonus2);
  return lines({"Atk-Rtg 1h: " + num(rtg1 + b1) + " (+" + bonus1 + ")",
                "Atk-Rtg 2h: " + num(rtg2 + b2) + " (+" + bonus2 + ")"});
}

std::string rating_block(std::int32_t rtg1, std::int32_t bonus1, std::int32_t rtg2, std::int32_t bonus2) {
  return rating_block(rtg1, num(bonus1), rtg2, num(bonus2));
}

std::string critical_block(std::int32_t crit1, std::int32_t k1, std::int32_t crit2, std::int32_t k2) {
  return lines({"Critical 1h: " + num(static_cast<std::int64_t>(crit1) + k1) + " % (+" + num(k1) + ")",
                "Critical 2h: " + num(static_cast<std::int64_t>(crit2) + k2) + " % (+" + num(k2) + ")"});
}

double round_abs(long double value) { return round2(static_cast<ext>(stored(value))); }

std::int32_t floor_of(long double value) { return saturate_i32(floor_x(value)); }

std::int32_t pet_per_minute(std::int32_t lo, std::int32_t hi, std::int32_t hits) {
  const std::int64_t total = (std::int64_t{lo} + hi) * hits;
  // Floor division: the sum is never negative for the catalog's ranges, but
  // a negative one must not round toward zero.
  return saturate_i32(static_cast<ext>(total >= 0 ? total / 2 : (total - 1) / 2));
}

// --- state values ----------------------------------------------------------------------

Pairs attack_power(const CalcState& s) {
  Pairs p;
  for (Column c : kColumns) p[c] = {at(s, kAtkMin, c), at(s, kAtkMax, c)};
  return p;
}

void set_attack_power(CalcState& s, Column c, const Pair& p) {
  at(s, kAtkMin, c) = p.min;
  at(s, kAtkMax, c) = p.max;
}

void set_attack_power(CalcState& s, const Pairs& p) {
  for (Column c : kColumns) set_attack_power(s, c, p[c]);
}

Pairs raised_by(const Pairs& p, std::int32_t amount) {
  Pairs out;
  for (Column c : kColumns) out[c] = {add_saturated(p[c].min, amount), add_saturated(p[c].max, amount)};
  return out;
}

// --- ranges ------------------------------------------------------------------------------

Range split_range(std::string_view text, Chars left, Chars right) {
  Range r;
  r.lo_text = std::string(left_chars(text, left.of(text.size())));
  r.hi_text = std::string(right_chars(text, right.of(text.size())));
  r.lo = skill_int_of_text(r.lo_text);
  r.hi = skill_int_of_text(r.hi_text);
  return r;
}

// --- slot operations -----------------------------------------------------------------

void show_level_req(Sheet& sheet, Ctl label, int slot_number, int level) {
  std::int64_t required = skill_catalog().level_req(slot_number - 1);
  if (level >= 1 && level <= kSkillLevelCount) required += 2 * level - 2;
  sheet.set_text(label, "Level " + int_text(required));
}

void calc_skill_usage(Calculator& calc, int skill, int level, Ctl label, int mp_row) {
  if (skill < 1 || level < 1 || level > kSkillLevelCount || mp_row < 1) {
    calc.sheet.set_visible(label, false);
    calc.sheet.set_text(label, "");
    return;
  }
  calc.sheet.set_visible(label, true);
  const std::int32_t cost = skill_int_of_text(skill_value_text(skill, mp_row, level));
  const auto count = [&](std::int32_t mp) { return floor_of(static_cast<ext>(mp) / static_cast<ext>(cost)); };
  calc.sheet.set_text(label, num(count(calc.state.final_mp)) + " / " + num(count(calc.state.final_mp_2)));
}

int mp_row_of(int skill) {
  const SkillCatalog& catalog = skill_catalog();
  for (int r = 1; r <= kSkillRowCount; ++r)
    if (catalog.row_label(skill, r) == "MP") return r;
  return 0;
}

// --- Slot ----------------------------------------------------------------------------

Slot::Slot(ReportRun& run, int slot_index, int skill, int level)
    : run_(run), index_(slot_index), skill_(skill), level_(level) {}

bool Slot::on() const { return run_.calc().state.skill_on[static_cast<std::size_t>(index_)] == 1; }
Calculator& Slot::calc() { return run_.calc(); }
CalcState& Slot::state() { return run_.calc().state; }
Sheet& Slot::sheet() { return run_.calc().sheet; }
const NumberFormat& Slot::format() const { return run_.calc().format(); }

CalcSkill Slot::calc_skill() const {
  Calculator& c = run_.calc();
  SkillContext ctx = SkillContext::for_locale(c.format());
  ctx.locale_decimal_comma = c.state.locale_decimal_comma == 1;
  ctx.character_level = c.sheet.value(Ctl::stat_level);
  ctx.spirit = c.sheet.value(Ctl::stat_spirit);
  ctx.class_is_magician = run_.class_no() == Magician;
  ctx.magician_skill_value = c.state.magician_skill_value;
  return CalcSkill(ctx);
}

const CalcState& Slot::cstate() const { return run_.calc().state; }

std::string Slot::T(int row) const { return skill_value_text(skill_, row, level_); }
std::string Slot::T(int row, std::string_view erase) const { return T(skill_, row, level_, erase); }
std::string Slot::T(int skill, int row, int level, std::string_view erase) const {
  if (erase.empty()) return skill_value_text(skill, row, level);
  return skill_value_text(skill, row, level, erase, "", cstate().locale_decimal_comma == 1);
}
int Slot::level_of(int slot_index) const {
  const int l = run_.level(slot_index);
  return l >= 1 && l <= kSkillLevelCount ? l : 0;
}
int Slot::character_level() const { return run_.calc().sheet.value(Ctl::stat_level); }
int Slot::stat(Ctl field) const { return run_.calc().sheet.value(field); }
long double Slot::F(int row) const { return calc_skill().fraction(skill_, row, level_); }
std::int32_t Slot::I(int row) const { return calc_skill().integer(skill_, row, level_); }

int Slot::weapon(Column c) const {
  return run_.calc().sheet.row(c == OneHand ? Ctl::Select_weapon : Ctl::Select_weapon_2);
}

Pairs Slot::base() const { return attack_power(cstate()); }

Pairs Slot::base_without_orb() const {
  Pairs p = base();
  for (Column c : kColumns) p[c] = {sub_saturated(p[c].min, at(kOrbMin, c)), sub_saturated(p[c].max, at(kOrbMax, c))};
  return p;
}

Pair Slot::weapon_power(Column c) const { return {at(kWeaponMin, c), at(kWeaponMax, c)}; }

Pair Slot::boost(int row, std::int32_t times, const Pair& of) const {
  const CalcSkill cs = calc_skill();
  return {cs.skill_boost(skill_, row, level_, of.min, times), cs.skill_boost(skill_, row, level_, of.max, times)};
}

Pair Slot::boost_by_count(int fraction_row, int count_row, const Pair& of) const {
  const CalcSkill cs = calc_skill();
  return {cs.skill_boost_by_count(skill_, fraction_row, count_row, level_, of.min),
          cs.skill_boost_by_count(skill_, fraction_row, count_row, level_, of.max)};
}

Pairs Slot::per_fitting(const WeaponSet& set, const std::function<Pair(Column, const Pair&)>& f) const {
  return per_fitting(set, base(), f);
}

Pairs Slot::per_fitting(const WeaponSet& set, const Pairs& from,
                        const std::function<Pair(Column, const Pair&)>& f) const {
  Pairs out;
  for (Column c : kColumns)
    if (fits(set, c)) out[c] = f(c, from[c]);
  return out;
}

PerColumn<std::int32_t> Slot::each_fitting(const WeaponSet& set, const std::function<std::int32_t(Column)>& f) const {
  PerColumn<std::int32_t> out;
  for (Column c : kColumns)
    if (fits(set, c)) out[c] = f(c);
  return out;
}

Pairs Slot::spell_pairs(const WeaponSet& set, const Range& r, std::int32_t hits, bool add_spirit) const {
  const CalcSkill cs = calc_skill();
  return per_fitting(set, [&](Column c, const Pair&) {
    const Pair w = weapon_power(c);
    return Pair{cs.spirit_boost(add_saturated(r.lo, w.min), hits, true, add_spirit),
                cs.spirit_boost(add_saturated(r.hi, w.max), hits, false, add_spirit)};
  });
}

Pairs Slot::plain_pairs(const WeaponSet& set, const Range& r) const {
  return per_fitting(set, [&](Column c, const Pair&) {
    const Pair w = weapon_power(c);
    return Pair{add_saturated(r.lo, w.min), add_saturated(r.hi, w.max)};
  });
}

std::int32_t Slot::weapon_rating_gain(int row, Column c) const {
  const std::int32_t wr = weapon_rating(c);
  return sub_saturated(calc_skill().skill_boost(skill_, row, level_, wr, 1), wr);
}

void Slot::pet(DotExtra entry, std::int32_t per_minute) {
  state().dot_extra[static_cast<std::size_t>(entry)] = on() ? per_minute : 0;
}

// --- ReportRun -------------------------------------------------------------------------

ReportRun::ReportRun(Calculator& calc) : calc_(calc), class_no_(calc.class_row()) {
  for (int i = 0; i < kSlotCount; ++i) levels_.push_back(calc.sheet.value(slot_controls(i).level));
}

void ReportRun::slot(int slot_index, int usage_row, const SlotBody& body, const SlotBody& at_zero) {
  const SlotControls& controls = slot_controls(slot_index);
  const int level = this->level(slot_index);
  const bool learned = level >= 1 && level <= kSkillLevelCount;
  const int skill = skill_number(class_no_, slot_index);

  // The kind picture and the usage label come before the slot's state
  // changes, so the usage label reads the pools as they were when the slot
  // was reached.
  const SlotKind kind = slot_kind(class_no_, slot_index);
  int shown = static_cast<int>(kind);
  if (kind == SlotKind::Timed) shown = calc_.state.skill_on[static_cast<std::size_t>(slot_index)] == 1 ? 3 : 4;
  set_skill_type(calc_, slot_index, shown);
  if (usage_row == kHiddenUsage) {
    calc_skill_usage(calc_, 0, 0, controls.mana, 0);
  } else {
    calc_skill_usage(calc_, skill, level, controls.mana, usage_row);
  }

  Slot s(*this, slot_index, skill, learned ? level : 0);
  try {
    if (learned) {
      if (body) body(s);
    } else if (level <= 0 && at_zero) {
      at_zero(s);  // a typed level above the top level neither reports nor resets
    }
  } catch (...) {
    // The box was emptied when the slot was reached; a failing body leaves it empty.
    calc_.sheet.set_text(controls.info, "");
    throw;
  }
  std::size_t size = 0;
  for (const std::string& t : s.texts()) size += t.size() + CRLF.size();
  if (size == 0) {
    calc_.sheet.set_text(controls.info, "");
    return;
  }
  std::string box;
  box.reserve(size);
  for (const std::string& t : s.texts()) {
    box += t;
    box += CRLF;
  }
  calc_.sheet.set_text(controls.info, std::move(box));
}

void ReportRun::slots(std::span<const SlotRow> table) {
  for (const SlotRow& row : table) {
    SlotBody at_zero;
    if (row.at_zero) at_zero = row.at_zero;
    slot(row.slot, row.usage_row, row.body, at_zero);
  }
}

}  // namespace brennick::skills

namespace brennick {

void Calc_skills(Calculator& calc) {
  const int c = calc.class_row();
  if (c < 0 || c >= kClassCount) return;  // no class: the boxes keep their texts
  skills::ReportRun run(calc);
  skills::kClassReports[c](run);
}

}  // namespace brennick
