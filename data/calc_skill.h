// Lookups of skill value texts and the common skill formulas.
//
// Every value of the catalog is a text with "." as decimal separator. The
// operations here read those texts, convert them (reals to the nearest
// extended value, read with the user's separator after the "." has been
// adapted), and evaluate in 80-bit extended precision, flooring toward minus
// infinity. A text that does not convert throws ConversionError.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "data/skill_catalog.h"
#include "base/number_text.h"

namespace brennick {

// The window and calculation-state values the skill formulas read.
struct SkillContext {
  // The user's separators; every text-to-real conversion reads `format.decimal`.
  NumberFormat format = NumberFormat::point();
  // The locale flag: the user's locale writes decimals with a comma.
  bool locale_decimal_comma = false;
  int character_level = 0;  // the value of stat_level
  int spirit = 0;           // the value of stat_spirit
  bool class_is_magician = false;     // the selected class is the Magician
  double magician_skill_value = 0.0;  // set by the Magician's report

  // A context whose locale flag follows the separator of `fmt`.
  static SkillContext for_locale(const NumberFormat& fmt) {
    SkillContext c;
    c.format = fmt;
    c.locale_decimal_comma = fmt.decimal_comma();
    return c;
  }
};

// The text at (skill 1..129, row 1..7, level 1..10). With `from` empty the
// text is returned as stored. With `from` "." and the locale flag off it is
// returned unchanged as well. Otherwise every occurrence of `from`, left to
// right and without overlap, is replaced by `to` (empty `to` deletes it).
std::string skill_value_text(int skill, int row, int level, std::string_view from,
                             std::string_view to, bool locale_decimal_comma,
                             const SkillCatalog& catalog = skill_catalog());

// The stored text, without rewriting.
std::string skill_value_text(int skill, int row, int level,
                             const SkillCatalog& catalog = skill_catalog());

// The signed 32-bit integer of a text, as the catalog's integer reads are
// done: optional blanks, an optional sign, digits. Throws
// ConversionError("'<text>' is not a valid integer value") otherwise.
std::int32_t skill_int_of_text(std::string_view text);

// The first and the last n characters of a text (all of it when shorter).
std::string_view left_chars(std::string_view text, std::size_t n);
std::string_view right_chars(std::string_view text, std::size_t n);

// The common skill formulas. The object holds no state of its own: only the
// context values passed in and the read-only catalog.
class CalcSkill {
 public:
  explicit CalcSkill(const SkillContext& context, const SkillCatalog& catalog = skill_catalog())
      : ctx_(context), catalog_(catalog) {}

  // F(s, r, l): the real of the text, the stored "." read as decimal separator.
  long double fraction(int skill, int row, int level) const;
  // I(s, r, l): the integer of the text as stored.
  std::int32_t integer(int skill, int row, int level) const;

  // floor(F(skill, 1, level) * base); always row 1.
  std::int32_t skill_fraction_of(int skill, int level, std::int32_t base) const;
  // (base + floor(base * f)) * times with f = F(skill, row, level) for rows
  // 1..7; for row 0 the pseudo-skill's fraction: "0.50" when skill is 129,
  // "0.30" otherwise (the level is ignored).
  std::int32_t skill_boost(int skill, int row, int level, std::int32_t base, std::int32_t times) const;
  // (base + floor(base * F(skill, fraction_row, level))) * I(skill, count_row, level).
  std::int32_t skill_boost_by_count(int skill, int fraction_row, int count_row, int level,
                                    std::int32_t base) const;
  // (b + floor(b * m)) * times, b = base plus, when add_spirit, Spirit div 8
  // (eighth) or div 4; m = magician_skill_value for the Magician, else 0.
  std::int32_t spirit_boost(std::int32_t base, std::int32_t times, bool eighth, bool add_spirit) const;
  // base + floor(N + character level / D) for Perfect Aim's "+AP" text N+lv/D.
  std::int32_t perfect_aim_bonus(int level, std::int32_t base) const;
  // "2lo - 2hi" of a range text split by character counts.
  std::string doubled_range_text(int skill, int row, int level, bool two_digit) const;
  // The lower or upper bound of Magnetic Sphere's "AP" range.
  std::int32_t magnetic_sphere_bound(int level, bool lower) const;
  // base plus the lower or upper bound of one of Enchant Weapon's element rows (1..3).
  std::int32_t enchant_weapon_bound(int row, int level, std::int32_t base, bool lower) const;

 private:
  std::string text(int skill, int row, int level) const;

  SkillContext ctx_;
  const SkillCatalog& catalog_;
};

}  // namespace brennick
