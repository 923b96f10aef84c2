// The skill report framework: what every class report does for each of its
// sixteen slots, and the pieces the class reports share (weapon sets and
// fits per column, attack-power pairs and boosts, the attack, rating and
// critical blocks, CRLF joins and the number formats).
//
// A class report is a function that walks its slots in the class's order:
//
//   void fighter_report(ReportRun& run) {
//     run.slot(tier(1, 1), kHiddenUsage, [](Slot& s) { ... s.add(text); ... });
//     ...
//   }
//
// For each slot `ReportRun::slot` empties the report box, shows the kind
// picture (from the kind table, with the slot's switch for timed skills) and
// the usage label, and then, when the slot's level is 1..10, runs the body,
// which builds the texts and applies the slot's changes to the calculation
// state (the text is always built first). A body for level 0 may be given
// for what a level of 0 resets.
#pragma once

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

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

// Rows of Select_weapon and Select_weapon_2.
enum Weapon : int { Axe = 0, Bow, Scythe, Claw, Javelin, Sword, WandStaff, Mace, NoWeapon };

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
};
using Pairs = PerColumn<Pair>;

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
  // Another skill's rows (at a level of 1..10).
  std::string T(int skill, int row, int level) const;

  // The formulas of the skill catalog, with the context of this moment.
  CalcSkill calc_skill() const;

  // Weapon kind of a column (row of Select_weapon / Select_weapon_2, -1 none).
  int weapon(Column c) const;
  bool fits(const WeaponSet& set, Column c) const { return set.has(weapon(c)); }
  bool fits_either(const WeaponSet& set) const { return fits(set, OneHand) || fits(set, TwoHand); }

  // The base attack power of the columns as it is now.
  Pairs base() const;
  // boost(row, times) of a pair; boost by count(fraction row, count row).
  Pair boost(int row, std::int32_t times, const Pair& of) const;
  Pair boost_by_count(int fraction_row, int count_row, const Pair& of) const;
  // Per fitting column f(base of the column); a column that does not fit gets 0, 0.
  Pairs per_fitting(const WeaponSet& set, const std::function<Pair(Column, const Pair&)>& f) const;

  // Ratings, criticals of a column.
  std::int32_t rating(Column c) const;
  std::int32_t critical(Column c) const;
  std::int32_t weapon_rating(Column c) const;

  std::string real(long double value) const { return skills::real(value, format()); }

  void add(std::string text) { texts_.push_back(std::move(text)); }
  const std::vector<std::string>& texts() const { return texts_; }

 private:
  ReportRun& run_;
  int index_, skill_, level_;
  std::vector<std::string> texts_;
};

using SlotBody = std::function<void(Slot&)>;

// The usage row passed for a slot whose usage label stays hidden.
inline constexpr int kHiddenUsage = 0;

class ReportRun {
 public:
  explicit ReportRun(Calculator& calc);

  Calculator& calc() { return calc_; }
  int class_no() const { return class_no_; }
  int level(int slot_index) const { return levels_[static_cast<std::size_t>(slot_index)]; }

  // Handles one slot: box emptied, kind picture, usage label (row 0 hides
  // it), then `body` when the level is 1..10 or `at_zero` when it is 0.
  void slot(int slot_index, int usage_row, const SlotBody& body, const SlotBody& at_zero = {});

 private:
  Calculator& calc_;
  int class_no_;
  std::vector<int> levels_;
};

// The class reports. Only the Fighter's is built; the other classes run
// `report_not_built_yet`, which leaves every report box empty and only shows
// the kind pictures and usage labels.
void fighter_report(ReportRun& run);
void knight_report(ReportRun& run);
void magician_report(ReportRun& run);
void priestess_report(ReportRun& run);
void report_not_built_yet(ReportRun& run);

// The skill's "MP" row (its row labelled "MP"), 0 when it has none.
int mp_row_of(int skill);

}  // namespace brennick::skills
