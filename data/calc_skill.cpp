#include "data/calc_skill.h"

#include <array>
#include <cmath>

#include "base/evaluation.h"

namespace brennick {
namespace {

// Integer arithmetic of the formulas is 32-bit and wraps on overflow.
std::int32_t wrap32(std::int64_t v) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(static_cast<std::uint64_t>(v)));
}

// floor of an extended value, as a 32-bit integer (no rounding to double first:
// "0.13" read as an extended value times 900 is just below 117 and floors to 116).
std::int32_t floor_ext(ext x) { return saturate_i32(floor_x(x)); }

// (base + floor(base * f)) * times
std::int32_t boost(std::int32_t base, ext f, std::int64_t times) {
  const std::int64_t b = static_cast<std::int64_t>(base) + floor_ext(static_cast<ext>(base) * f);
  return wrap32(static_cast<std::int64_t>(wrap32(b)) * times);
}

std::string replace_all(std::string_view text, std::string_view from, std::string_view to) {
  std::string out;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t hit = text.find(from, pos);
    if (hit == std::string_view::npos) break;
    out.append(text.substr(pos, hit - pos));
    out.append(to);
    pos = hit + from.size();
  }
  out.append(text.substr(pos));
  return out;
}

}  // namespace

std::string skill_value_text(int skill, int row, int level, std::string_view from, std::string_view to,
                             bool locale_decimal_comma, const SkillCatalog& catalog) {
  const std::string& text = catalog.value(skill, row, level);
  if (from.empty()) return text;
  if (from == "." && !locale_decimal_comma) return text;
  return replace_all(text, from, to);
}

std::string skill_value_text(int skill, int row, int level, const SkillCatalog& catalog) {
  return catalog.value(skill, row, level);
}

std::int32_t skill_int_of_text(std::string_view text) {
  if (!is_int_text(text)) throw ConversionError("'" + std::string(text) + "' is not a valid integer value");
  return int_of_text(text);
}

std::string_view left_chars(std::string_view text, std::size_t n) { return text.substr(0, n); }

std::string_view right_chars(std::string_view text, std::size_t n) {
  return n >= text.size() ? text : text.substr(text.size() - n);
}

std::string CalcSkill::text(int skill, int row, int level) const {
  return skill_value_text(skill, row, level, catalog_);
}

long double CalcSkill::fraction(int skill, int row, int level) const {
  // The catalog never changes: where the locale flag and the separator
  // agree, a text reads as the same value every time, so each is read once.
  constexpr int kCells = kPseudoSkill * kSkillRowCount * kSkillLevelCount;
  struct Cache {
    std::array<long double, kCells> value{};
    std::array<bool, kCells> known{};
  };
  static Cache cache;
  const bool cacheable = &catalog_ == &skill_catalog() && ctx_.locale_decimal_comma == ctx_.format.decimal_comma() &&
                         skill >= 1 && skill <= kPseudoSkill && row >= 1 && row <= kSkillRowCount && level >= 1 &&
                         level <= kSkillLevelCount;
  const int cell = cacheable ? ((skill - 1) * kSkillRowCount + (row - 1)) * kSkillLevelCount + (level - 1) : 0;
  if (cacheable && cache.known[static_cast<std::size_t>(cell)]) return cache.value[static_cast<std::size_t>(cell)];
  const long double v =
      ext_of_text(skill_value_text(skill, row, level, ".", ",", ctx_.locale_decimal_comma, catalog_), ctx_.format);
  if (cacheable) {
    cache.value[static_cast<std::size_t>(cell)] = v;
    cache.known[static_cast<std::size_t>(cell)] = true;
  }
  return v;
}

std::int32_t CalcSkill::integer(int skill, int row, int level) const {
  return skill_int_of_text(text(skill, row, level));
}

std::int32_t CalcSkill::skill_fraction_of(int skill, int level, std::int32_t base) const {
  return floor_ext(fraction(skill, 1, level) * static_cast<ext>(base));
}

std::int32_t CalcSkill::skill_boost(int skill, int row, int level, std::int32_t base,
                                    std::int32_t times) const {
  // Row 0 reads the shared fractions of the pseudo-skill: level 2 ("0.50")
  // for the pseudo-skill's own number, level 1 ("0.30") for every other.
  const ext f = row == 0 ? fraction(kPseudoSkill, 1, skill == kPseudoSkill ? 2 : 1)
                         : fraction(skill, row, level);
  return boost(base, f, times);
}

std::int32_t CalcSkill::skill_boost_by_count(int skill, int fraction_row, int count_row, int level,
                                             std::int32_t base) const {
  const ext f = fraction(skill, fraction_row, level);
  return boost(base, f, integer(skill, count_row, level));
}

std::int32_t CalcSkill::spirit_boost(std::int32_t base, std::int32_t times, bool eighth,
                                     bool add_spirit) const {
  std::int32_t b = base;
  if (add_spirit) b = wrap32(static_cast<std::int64_t>(b) + (eighth ? ctx_.spirit / 8 : ctx_.spirit / 4));
  const ext m = ctx_.class_is_magician ? static_cast<ext>(ctx_.magician_skill_value) : 0.0L;
  return boost(b, m, times);
}

std::int32_t CalcSkill::perfect_aim_bonus(int level, std::int32_t base) const {
  // "+AP" of Perfect Aim: N+lv/D with N of one or two digits, D one digit.
  const std::string t = text(20, 2, level);
  const std::int32_t head = skill_int_of_text(left_chars(t, t.size() == 6 ? 1 : 2));
  const std::int32_t divisor = skill_int_of_text(right_chars(t, 1));
  const ext bonus = static_cast<ext>(head) + static_cast<ext>(ctx_.character_level) / static_cast<ext>(divisor);
  return wrap32(static_cast<std::int64_t>(base) + floor_ext(bonus));
}

std::string CalcSkill::doubled_range_text(int skill, int row, int level, bool two_digit) const {
  const std::string t = text(skill, row, level);
  const std::size_t lo_digits = two_digit ? 2 : (t.size() == 4 ? 1 : 2);
  const std::int32_t lo = skill_int_of_text(left_chars(t, lo_digits));
  const std::int32_t hi = skill_int_of_text(right_chars(t, 2));
  return int_text(wrap32(2 * static_cast<std::int64_t>(lo))) + " - " +
         int_text(wrap32(2 * static_cast<std::int64_t>(hi)));
}

std::int32_t CalcSkill::magnetic_sphere_bound(int level, bool lower) const {
  // "AP" of Magnetic Sphere: NN-NN, NN-NNN or NNN-NNN.
  const std::string t = text(63, 1, level);
  if (lower) return skill_int_of_text(left_chars(t, t.size() < 7 ? 2 : 3));
  return skill_int_of_text(right_chars(t, t.size() < 6 ? 2 : 3));
}

std::int32_t CalcSkill::enchant_weapon_bound(int row, int level, std::int32_t base, bool lower) const {
  // Element rows of Enchant Weapon: N-N, N-NN or NN-NN.
  const std::string t = text(103, row, level);
  const std::int32_t n = lower ? skill_int_of_text(left_chars(t, t.size() == 3 || t.size() == 4 ? 1 : 2))
                               : skill_int_of_text(right_chars(t, t.size() == 3 ? 1 : 2));
  return wrap32(static_cast<std::int64_t>(base) + n);
}

}  // namespace brennick
