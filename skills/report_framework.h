// The skill report framework: what every class report does for each of its
// sixteen slots, and the pieces the eight class reports share: weapon sets
// and fits per column, the per-column state values (one table,
// report_values.def), attack-power pairs, boosts and spell pairs, range texts
// split by character counts, the pets' damage entries of dot_extra, the
// attack, rating and critical blocks, CRLF joins and the number formats.
//
// A class report is an ordered table of its slots, one small function per
// skill (skills/fighter_report.cpp):
//
//   constexpr SlotRow kFighterSlots[] = {
//       {tier(1, 1), kHiddenUsage, melee_mastery, melee_mastery_at_zero},
//       {tier(1, 3), 4, raving},
//       ...
//   };
//   void fighter_report(ReportRun& run) { run.slots(kFighterSlots); }
//
// For each slot the run empties the report box, shows the kind picture (from
// the kind table, with the slot's switch for timed skills) and the usage
// label, and then, when the slot's level is 1..10, runs the body, which
// builds the texts and applies the slot's changes to the calculation state
// (the text is always built first). The body for level 0 applies what a
// level of 0 resets. `kClassReports` (class_reports.cpp) names the report of
// each class; Calc_skills runs the selected one.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include "base/evaluation.h"
#include "data/calc_skill.h"
#include "engine/calculator.h"

namespace brennick::skills {

inline constexpr std::string_view CRLF = "\r\n";

// Slot index of tier t, position n (both 1..4).
constexpr int tier(int t, int n) { return (t - 1) * 4 + (n - 1); }

// --- slot kinds ------------------------------------------------------------------

enum class SlotKind { Passive = 1, Active = 2, Timed = 3 };

// The kind of a class's slot (class 0..7, slot index 0..15).
SlotKind slot_kind(int class_no, int slot_index);

// --- weapons -----------------------------------------------------------------------

// Rows of Select_weapon and Select_weapon_2 (data/vocabulary.h).
using Weapon = brennick::Weapon;

// A set of weapon kinds a skill fits. "No weapon" and no selection fit nothing.
class WeaponSet {
 public:
  constexpr WeaponSet(std::initializer_list<Weapon> kinds) {
    for (Weapon w : kinds)
      if (w != NoWeapon) bits_ |= static_cast<std::uint16_t>(1u << w);
  }
  constexpr bool has(int kind) const { return kind >= 0 && kind < NoWeapon && ((bits_ >> kind) & 1u) != 0; }

 private:
  std::uint16_t bits_ = 0;
};

// --- the two columns ---------------------------------------------------------------

enum Column : int { OneHand = 0, TwoHand = 1 };
inline constexpr Column kColumns[] = {OneHand, TwoHand};

// An attack-power range.
struct Pair {
  std::int32_t min = 0, max = 0;
  friend bool operator==(const Pair&, const Pair&) = default;
};

// A value per column: [OneHand] and [TwoHand].
template <class T>
struct PerColumn {
  T one{}, two{};
  T& operator[](Column c) { return c == OneHand ? one : two; }
  const T& operator[](Column c) const { return c == OneHand ? one : two; }
  friend bool operator==(const PerColumn&, const PerColumn&) = default;
};
using Pairs = PerColumn<Pair>;

// --- per-column state values -----------------------------------------------------

// A value of the calculation state per column: the member of each column.
template <class T>
struct ColumnValue {
  T CalcState::*member[2];
};

#define REPORT_VALUE(type, name, one, two) inline constexpr ColumnValue<type> name{{&CalcState::one, &CalcState::two}};
#include "skills/report_values.def"
#undef REPORT_VALUE

template <class T>
T& at(CalcState& s, const ColumnValue<T>& v, Column c) {
  return s.*(v.member[c]);
}
template <class T>
const T& at(const CalcState& s, const ColumnValue<T>& v, Column c) {
  return s.*(v.member[c]);
}
// The value of both columns.
template <class T>
PerColumn<T> both(const CalcState& s, const ColumnValue<T>& v) {
  return {at(s, v, OneHand), at(s, v, TwoHand)};
}
// Adds an amount to the value of each column (in the value's own type; an
// integer saturates at the ends of its 32-bit range).
template <class T, class A>
void add_to_both(CalcState& s, const ColumnValue<T>& v, A amount) {
  for (Column c : {OneHand, TwoHand}) {
    T& x = at(s, v, c);
    if constexpr (std::is_integral_v<T>) {
      static_assert(std::is_same_v<T, std::int32_t> && std::is_integral_v<A> && sizeof(A) <= 4);
      x = clamp_i32(std::int64_t{x} + amount);
    } else {
      x = static_cast<T>(x + amount);
    }
  }
}
// Writes a value per column.
template <class T>
void set_both(CalcState& s, const ColumnValue<T>& v, const PerColumn<T>& values) {
  at(s, v, OneHand) = values.one;
  at(s, v, TwoHand) = values.two;
}

// The attack power of the columns, and writing it back.
Pairs attack_power(const CalcState& s);
void set_attack_power(CalcState& s, const Pairs& p);
void set_attack_power(CalcState& s, Column c, const Pair& p);
// Adds `amount` to both ends of both columns.
Pairs raised_by(const Pairs& p, std::int32_t amount);

// --- ranges split by character counts ------------------------------------------------

// How many characters a bound of a range text takes: a fixed count, or one
// count when the text has a given length (or is longer than it) and another
// otherwise. "Left(t, 1) if t has 4 characters, else Left(t, 2)" is
// Chars::if_length(4, 1, 2).
struct Chars {
  constexpr Chars(int n) : n_(n), otherwise_(n) {}  // NOLINT: a plain count reads best
  static constexpr Chars if_length(std::size_t length, int n, int otherwise) {
    return Chars(length, n, otherwise, false);
  }
  static constexpr Chars above_length(std::size_t length, int n, int otherwise) {
    return Chars(length, n, otherwise, true);
  }
  constexpr std::size_t of(std::size_t text_length) const {
    const bool match = above_ ? text_length > length_ : text_length == length_;
    return static_cast<std::size_t>(length_ != 0 && match ? n_ : otherwise_);
  }

 private:
  constexpr Chars(std::size_t length, int n, int otherwise, bool above)
      : n_(n), otherwise_(otherwise), length_(length), above_(above) {}
  int n_, otherwise_;
  std::size_t length_ = 0;
  bool above_ = false;
};

// The two bounds of a range text such as "10-36": the texts of its first and
// last characters and their integers.
struct Range {
  std::string lo_text, hi_text;
  std::int32_t lo = 0, hi = 0;
  // The range as read when the catalog has no text for it: 0 - 0.
  static Range zero() { return {"0", "0", 0, 0}; }
};
Range split_range(std::string_view text, Chars left, Chars right);

// --- number formats and texts --------------------------------------------------------

// Integers in plain decimal.
std::string num(std::int64_t value);
// Reals in the general format with the user's separator.
std::string real(long double value, const NumberFormat& format);

// Groups of a report joined by an empty line (CRLF CRLF).
std::string groups(std::initializer_list<std::string> parts);
// Lines joined by CRLF.
std::string lines(std::initializer_list<std::string> parts);

// "Atk-Pow 1h: " min1 " - " max1 CRLF "Atk-Pow 2h: " min2 " - " max2
std::string attack_block(const Pairs& p);
// "Atk-Rtg 1h: " (rtg1 + b1) " (+" b1 ")" CRLF "Atk-Rtg 2h: " ... with the bonus shown as given.
std::string rating_block(std::int32_t rtg1, const std::string& bonus1, std::int32_t rtg2, const std::string& bonus2);
std::string rating_block(std::int32_t rtg1, std::int32_t bonus1, std::int32_t rtg2, std::int32_t bonus2);
// "Critical 1h: " (crit1 + k1) " % (+" k1 ")" CRLF "Critical 2h: " ...
std::string critical_block(std::int32_t crit1, std::int32_t k1, std::int32_t crit2, std::int32_t k2);
// "<label> 1h: " min1 " - " max1 CRLF "<label> 2h: " min2 " - " max2 (the attack block's shape).
std::string pair_lines(std::string_view label, const Pairs& p);

// Absorption rounded to 2 decimals, half to even, held as a double.
double round_abs(long double value);

// Floor of an extended value as a 32-bit integer.
std::int32_t floor_of(long double value);

// A pet's damage per minute from its attack range: floor((lo + hi) x hits / 2).
std::int32_t pet_per_minute(std::int32_t lo, std::int32_t hi, std::int32_t hits);
// The hits per minute of most pets.
inline constexpr std::int32_t kPetHits = 22;

// --- slot operations (kind picture, Level label, usage label) -----------------------

// The Level label of slot number n (slot index + 1, 1..16) at skill level 0..10.
void show_level_req(Sheet& sheet, Ctl label, int slot_number, int level);

// The usage label: hidden and empty for level 0 (or skill 0); otherwise
// "floor(final_mp / cost) / floor(final_mp_2 / cost)" with cost the integer
// of the skill's MP row at the level.
void calc_skill_usage(Calculator& calc, int skill, int level, Ctl label, int mp_row);

// --- one run of a class report ------------------------------------------------------

class ReportRun;

// What a slot's body sees: its skill, level and switch, the lookups of its
// rows, the column pieces, and the state. Texts added with `add` go to the
// slot's report box, each followed by a line end.
class Slot {
 public:
  Slot(ReportRun& run, int slot_index, int skill, int level);

  int index() const { return index_; }
  ReportRun& run() const { return run_; }
  int skill() const { return skill_; }
  int level() const { return level_; }
  // The timed skill's switch (skill_on of the slot).
  bool on() const;

  Calculator& calc();
  CalcState& state();
  Sheet& sheet();
  const NumberFormat& format() const;

  // Rows of this slot's skill at its level.
  std::string T(int row) const;
  long double F(int row) const;
  std::int32_t I(int row) const;
  // The text of a row with every `erase` deleted, such as "+lv/5" from "3-20+lv/5".
  std::string T(int row, std::string_view erase) const;
  // Another skill's rows (at a level of 1..10), optionally with `erase` deleted.
  std::string T(int skill, int row, int level, std::string_view erase = {}) const;
  // A row of this slot's skill split into its two bounds.
  Range range(int row, Chars left, Chars right) const { return split_range(T(row), left, right); }
  // The level of another slot of the class (its number field, 0..10).
  int level_of(int slot_index) const;
  // The character level (stat_level) and the statistics the reports read.
  int character_level() const;
  int stat(Ctl field) const;

  // The formulas of the skill catalog, with the context of this moment.
  CalcSkill calc_skill() const;

  // Weapon kind of a column (row of Select_weapon / Select_weapon_2, -1 none).
  int weapon(Column c) const;
  bool fits(const WeaponSet& set, Column c) const { return set.has(weapon(c)); }
  bool fits_either(const WeaponSet& set) const { return fits(set, OneHand) || fits(set, TwoHand); }

  // The base attack power of the columns as it is now.
  Pairs base() const;
  // The base without the force orb's addition.
  Pairs base_without_orb() const;
  // The weapon's own power of a column (weap_min_pow, weap_max_pow or the _2 values).
  Pair weapon_power(Column c) const;
  // boost(row, times) of a pair; boost by count(fraction row, count row).
  Pair boost(int row, std::int32_t times, const Pair& of) const;
  Pair boost_by_count(int fraction_row, int count_row, const Pair& of) const;
  // Per fitting column f(base of the column); a column that does not fit gets 0, 0.
  Pairs per_fitting(const WeaponSet& set, const std::function<Pair(Column, const Pair&)>& f) const;
  // The same from another base (the base without force orb, for one).
  Pairs per_fitting(const WeaponSet& set, const Pairs& from,
                    const std::function<Pair(Column, const Pair&)>& f) const;
  // Per fitting column a value; a column that does not fit gets 0.
  PerColumn<std::int32_t> each_fitting(const WeaponSet& set, const std::function<std::int32_t(Column)>& f) const;
  // The spell pair of a column with n hits: the range plus the weapon's power,
  // the lower end through spirit_boost with Spirit div 8, the upper end with
  // Spirit div 4 (when add_spirit), each multiplied by n. Per fitting column.
  Pairs spell_pairs(const WeaponSet& set, const Range& r, std::int32_t hits, bool add_spirit = true) const;
  // The range plus the weapon's power, per fitting column.
  Pairs plain_pairs(const WeaponSet& set, const Range& r) const;
  // The share of a column's weapon rating a row adds: skill_boost of the
  // weapon rating, less the weapon rating (floor(weapon rating x F(row))).
  std::int32_t weapon_rating_gain(int row, Column c) const;

  // The per-column state values (report_values.def).
  template <class T>
  T& at(const ColumnValue<T>& v, Column c) { return skills::at(state(), v, c); }
  template <class T>
  T at(const ColumnValue<T>& v, Column c) const { return skills::at(cstate(), v, c); }

  // A pet's dot_extra entry: its damage per minute when the slot's switch is
  // on, otherwise 0.
  void pet(DotExtra entry, std::int32_t per_minute);

  // Ratings, criticals of a column.
  std::int32_t rating(Column c) const { return at(kRating, c); }
  std::int32_t critical(Column c) const { return at(kCritical, c); }
  std::int32_t weapon_rating(Column c) const { return at(kWeaponRating, c); }

  std::string real(long double value) const { return skills::real(value, format()); }

  void add(std::string text) { texts_.push_back(std::move(text)); }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  const CalcState& cstate() const;

  ReportRun& run_;
  int index_, skill_, level_;
  std::vector<std::string> texts_;
};

using SlotBody = std::function<void(Slot&)>;

// The usage row passed for a slot whose usage label stays hidden.
inline constexpr int kHiddenUsage = 0;

// One row of a class report's slot table: the slot, the row its usage label
// divides the mana by (kHiddenUsage hides it), the body for levels 1..10 and
// what a level of 0 resets.
struct SlotRow {
  int slot;
  int usage_row;
  void (*body)(Slot&);
  void (*at_zero)(Slot&) = nullptr;
};

// A level-0 body that clears a pet's dot_extra entry.
template <DotExtra entry>
void clear_pet(Slot& s) {
  s.state().dot_extra[entry] = 0;
}

class ReportRun {
 public:
  explicit ReportRun(Calculator& calc);

  Calculator& calc() { return calc_; }
  int class_no() const { return class_no_; }
  int level(int slot_index) const { return levels_[static_cast<std::size_t>(slot_index)]; }

  // Handles one slot: box emptied, kind picture, usage label (row 0 hides
  // it), then `body` when the level is 1..10 or `at_zero` when it is 0.
  void slot(int slot_index, int usage_row, const SlotBody& body, const SlotBody& at_zero = {});
  // Handles the slots of a table in its order.
  void slots(std::span<const SlotRow> table);

 private:
  Calculator& calc_;
  int class_no_;
  std::vector<int> levels_;
};

// The class reports, one file each.
void fighter_report(ReportRun& run);
void archer_report(ReportRun& run);
void pikeman_report(ReportRun& run);
void mechanician_report(ReportRun& run);
void atalanta_report(ReportRun& run);
void knight_report(ReportRun& run);
void magician_report(ReportRun& run);
void priestess_report(ReportRun& run);

// The report of each class, by class row (class_reports.cpp).
using ClassReport = void (*)(ReportRun&);
extern const ClassReport kClassReports[kClassCount];

// The skill's "MP" row (its row labelled "MP"), 0 when it has none.
int mp_row_of(int skill);

}  // namespace brennick::skills
