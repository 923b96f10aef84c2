// The value lookup and the common skill formulas, with the worked examples of
// the skill catalog and of the reports that use them, under both decimal
// separators.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "data/calc_skill.h"
#include "data/skill_catalog.h"
#include "base/evaluation.h"
#include "base/number_text.h"

namespace brennick {
namespace {

SkillContext point_ctx() { return SkillContext::for_locale(NumberFormat::point()); }
SkillContext comma_ctx() { return SkillContext::for_locale(NumberFormat::comma()); }

// Both locales, for the cases whose result must not depend on the separator.
std::vector<SkillContext> both_locales() { return {point_ctx(), comma_ctx()}; }

// A catalog with hand-set texts, for the arithmetic independent of the data.
SkillCatalog small_catalog() {
  SkillCatalog c;
  auto set = [&c](int s, int r, int l, const char* t) {
    c.skill_values[static_cast<std::size_t>((s - 1) * 70 + (r - 1) * 10 + (l - 1))] = t;
  };
  set(1, 1, 1, "0.29");
  set(1, 1, 2, "0.13");
  set(1, 1, 3, "-0.20");
  set(1, 1, 4, "1.50");
  set(1, 2, 1, "3");
  set(1, 2, 2, "x");
  set(2, 1, 1, "aaaa");
  set(2, 1, 2, "1.0.0");
  set(129, 1, 1, "0.30");
  set(129, 1, 2, "0.50");
  return c;
}

// ---------------------------------------------------------------- skill_value_text

TEST(SkillValueText, DecimalPointFollowsTheLocaleFlag) {
  EXPECT_EQ(skill_value_text(1, 1, 1, ".", ",", false), "0.06");
  EXPECT_EQ(skill_value_text(1, 1, 1, ".", ",", true), "0,06");
  EXPECT_EQ(skill_value_text(1, 1, 1), "0.06");
  EXPECT_EQ(skill_value_text(3, 3, 2, ".", ",", true), "0,012");
  // Texts without a point are untouched either way.
  EXPECT_EQ(skill_value_text(3, 2, 4, ".", ",", true), "3");
  EXPECT_EQ(skill_value_text(15, 2, 1, ".", ",", true), "120-150");
}

TEST(SkillValueText, DeletesLevelTermsUnderEitherFlag) {
  for (bool flag : {false, true}) {
    EXPECT_EQ(skill_value_text(33, 1, 1, "+lv/5", "", flag), "3-20");
    EXPECT_EQ(skill_value_text(33, 1, 5, "+lv/5", "", flag), "11-48");
    EXPECT_EQ(skill_value_text(66, 1, 10, "+cLvl", "", flag), "120");
    EXPECT_EQ(skill_value_text(23, 1, 1, "lv/", "", flag), "6");
    EXPECT_EQ(skill_value_text(74, 1, 5, "+lv/9", "", flag), "20");
    // A term that is not there leaves the text as it is.
    EXPECT_EQ(skill_value_text(33, 1, 1, "+lv/2", "", flag), "3-20+lv/5");
    // An empty `from` returns the text as stored.
    EXPECT_EQ(skill_value_text(1, 1, 1, "", ",", flag), "0.06");
  }
}

TEST(SkillValueText, ReplacesLeftToRightWithoutOverlap) {
  const SkillCatalog c = small_catalog();
  EXPECT_EQ(skill_value_text(2, 1, 1, "aa", "b", false, c), "bb");
  EXPECT_EQ(skill_value_text(2, 1, 1, "aaa", "b", false, c), "ba");
  EXPECT_EQ(skill_value_text(2, 1, 1, "a", "", false, c), "");
  EXPECT_EQ(skill_value_text(2, 1, 2, ".", ",", true, c), "1,0,0");
  EXPECT_EQ(skill_value_text(2, 1, 2, ".", ",", false, c), "1.0.0");
  EXPECT_EQ(skill_value_text(2, 1, 2, "0", "", false, c), "1..");
}

// ---------------------------------------------------------------- conversions

TEST(SkillConversions, StoredTextsReadWithAPointInBothLocales) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    EXPECT_EQ(calc.fraction(1, 1, 1), 0.06L);
    EXPECT_EQ(calc.fraction(3, 3, 2), 0.012L);
    EXPECT_EQ(calc.fraction(73, 2, 1), -0.20L);
    EXPECT_EQ(calc.fraction(129, 1, 2), 0.5L);
    EXPECT_EQ(calc.integer(14, 2, 3), -6);
    EXPECT_EQ(calc.integer(29, 3, 1), 1000);
  }
}

TEST(SkillConversions, MalformedOrEmptyTextsFail) {
  const SkillCatalog c = small_catalog();
  const CalcSkill calc(point_ctx(), c);
  // a row the skill does not have
  EXPECT_THROW((void)CalcSkill(point_ctx()).fraction(1, 2, 1), ConversionError);
  EXPECT_THROW((void)CalcSkill(point_ctx()).integer(1, 2, 1), ConversionError);
  // a range or a level term is not a number
  EXPECT_THROW((void)CalcSkill(point_ctx()).integer(15, 2, 1), ConversionError);
  EXPECT_THROW((void)CalcSkill(point_ctx()).fraction(20, 2, 1), ConversionError);
  // an integer read of a decimal text
  EXPECT_THROW((void)CalcSkill(point_ctx()).integer(1, 1, 1), ConversionError);
  EXPECT_THROW((void)calc.fraction(2, 1, 2), ConversionError);
  try {
    (void)calc.integer(1, 2, 2);
    FAIL() << "no conversion error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'x' is not a valid integer value");
  }
  // The locale flag and the separator go together: a flag on with a point
  // locale leaves "0,06", which does not read.
  SkillContext mismatched = point_ctx();
  mismatched.locale_decimal_comma = true;
  try {
    (void)CalcSkill(mismatched).fraction(1, 1, 1);
    FAIL() << "no conversion error";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'0,06' is not a valid floating point value");
  }
  // Level 0 is outside the catalog.
  EXPECT_THROW((void)CalcSkill(point_ctx()).skill_boost(3, 1, 0, 100, 1), std::out_of_range);
}

TEST(SkillConversions, IntegerTextsAndCharacterSplits) {
  EXPECT_EQ(skill_int_of_text("-2"), -2);
  EXPECT_EQ(skill_int_of_text("+7"), 7);
  EXPECT_EQ(skill_int_of_text(" 9"), 9);
  EXPECT_EQ(skill_int_of_text("2147483647"), 2147483647);
  EXPECT_THROW((void)skill_int_of_text("2147483648"), ConversionError);
  EXPECT_THROW((void)skill_int_of_text(""), ConversionError);
  EXPECT_THROW((void)skill_int_of_text("5-"), ConversionError);
  EXPECT_THROW((void)skill_int_of_text("9 "), ConversionError);
  EXPECT_EQ(left_chars("120-150", 3), "120");
  EXPECT_EQ(right_chars("120-150", 3), "150");
  EXPECT_EQ(left_chars("3-5", 7), "3-5");
  EXPECT_EQ(right_chars("3-5", 7), "3-5");
}

// ---------------------------------------------------------------- fractions and boosts

TEST(SkillFractionOf, FloorsTheExtendedProduct) {
  const SkillCatalog c = small_catalog();
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx, c);
    // "0.29" x 100 is 29 (a double product would be 28.999... and floor to 28).
    EXPECT_EQ(calc.skill_fraction_of(1, 1, 100), 29);
    // "0.13" is slightly below 0.13 as an extended value: x 900 floors to 116.
    EXPECT_EQ(calc.skill_fraction_of(1, 2, 900), 116);
    EXPECT_EQ(calc.skill_fraction_of(1, 3, 101), -21);
    EXPECT_EQ(calc.skill_fraction_of(1, 4, 3), 4);
  }
  EXPECT_EQ(std::floor(0.29 * 100.0), 28.0);  // why the arithmetic is extended
}

TEST(SkillFractionOf, CatalogExamples) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    EXPECT_EQ(calc.skill_fraction_of(3, 1, 900), 116);  // Raving level 1, "0.13"
    EXPECT_EQ(calc.skill_fraction_of(83, 9, 100), 29);  // Physical Training level 9, "0.29"
    // Automation level 1 with weapon powers 50 - 90: 15 and 27.
    EXPECT_EQ(calc.skill_fraction_of(55, 1, 50), 15);
    EXPECT_EQ(calc.skill_fraction_of(55, 1, 90), 27);
    EXPECT_EQ(calc.skill_fraction_of(1, 10, 1000), 320);  // always row 1
  }
}

TEST(SkillBoost, PseudoSkillFractionsForRowZero) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    for (int l = 1; l <= 10; ++l) {
      EXPECT_EQ(calc.skill_boost(19, 0, l, 100, 1), 130) << l;
      EXPECT_EQ(calc.skill_boost(129, 0, l, 100, 1), 150) << l;
    }
    // The level is ignored for row 0, even outside 1..10.
    EXPECT_EQ(calc.skill_boost(1, 0, 0, 100, 1), 130);
    EXPECT_EQ(calc.skill_boost(72, 0, 1, 100, 1), 130);
    EXPECT_EQ(calc.skill_boost(129, 0, 1, 101, 2), (101 + 50) * 2);
  }
}

struct BoostCase {
  const char* what;
  int skill, row, level, base, times, expected;
};

TEST(SkillBoost, WorkedExamples) {
  const std::vector<BoostCase> cases = {
      {"Raving level 1", 3, 1, 1, 57, 1, 64},
      {"Wind Arrow level 4, min", 19, 1, 4, 100, 1, 139},
      {"Wind Arrow level 4, max", 19, 1, 4, 120, 1, 166},
      {"Dion's Eye level 3 on rating 200", 21, 1, 3, 200, 1, 260},
      {"Split Javelin level 1, negative fraction", 73, 2, 1, 101, 1, 80},
      {"Physical Training level 10", 83, 1, 10, 300, 1, 396},
      {"Drastic Spirit level 1", 88, 1, 1, 1055, 1, 1118},
      {"Mental Mastery level 10", 101, 1, 10, 1000, 1, 1320},
      {"Vitual Life level 1", 124, 1, 1, 1000, 1, 1030},
      {"Godly Shield level 5", 94, 1, 5, 20, 1, 22},
      {"times multiplies the whole", 3, 1, 4, 100, 3, 366},
      {"zero base", 3, 1, 10, 0, 5, 0},
  };
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    for (const BoostCase& c : cases)
      EXPECT_EQ(calc.skill_boost(c.skill, c.row, c.level, c.base, c.times), c.expected) << c.what;
  }
}

TEST(SkillBoostByCount, RavingHits) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    // level 4: "0.22" and 3 hits
    EXPECT_EQ(calc.skill_boost_by_count(3, 1, 2, 4, 100), 366);
    EXPECT_EQ(calc.skill_boost_by_count(3, 1, 2, 4, 120), 438);
    // level 1: "0.13" and 2 hits: (57 + 7) x 2
    EXPECT_EQ(calc.skill_boost_by_count(3, 1, 2, 1, 57), 128);
  }
  const SkillCatalog c = small_catalog();
  const CalcSkill calc(point_ctx(), c);
  EXPECT_EQ(calc.skill_boost_by_count(1, 1, 2, 1, 100), (100 + 29) * 3);
  EXPECT_THROW((void)calc.skill_boost_by_count(1, 2, 2, 2, 100), ConversionError);  // count "x"
}

TEST(SpiritBoost, SpiritShareAndMagicianFraction) {
  SkillContext ctx = point_ctx();
  ctx.spirit = 100;
  // Fireball level 1 ("16-40") with a wand of 20 - 30 and Spirit 100:
  // 16 + 20 + 100 div 8 = 48 and 40 + 30 + 100 div 4 = 95.
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(36, 1, true, true), 48);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(70, 1, false, true), 95);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(70, 1, true, false), 70);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(70, 3, false, false), 210);
  // Spirit Elemental at level 5 ("0.10") makes them 52 and 104, for the Magician only.
  ctx.magician_skill_value = 0.10;
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(36, 1, true, true), 48);
  ctx.class_is_magician = true;
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(36, 1, true, true), 52);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(70, 1, false, true), 104);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(70, 2, false, true), 208);
  // Spirit div 8 and div 4 truncate.
  ctx.magician_skill_value = 0.0;
  ctx.spirit = 15;
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(0, 1, true, true), 1);
  EXPECT_EQ(CalcSkill(ctx).spirit_boost(0, 1, false, true), 3);
}

// ---------------------------------------------------------------- text-shape readers

TEST(PerfectAimBonus, ReadsHeadAndDivisorFromTheText) {
  SkillContext ctx = point_ctx();
  ctx.character_level = 50;
  // level 5 "12+lv/7": 100 + floor(12 + 50 / 7) = 119; max 120 gives 139
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(5, 100), 119);
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(5, 120), 139);
  // level 1 "4+lv/8" (six characters) at character level 10: base + floor(5.25)
  ctx.character_level = 10;
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(1, 100), 105);
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(1, 0), 5);
  // level 10 "20+lv/6": 48 / 6 is exactly 8
  ctx.character_level = 48;
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(10, 0), 28);
  ctx.character_level = 47;
  EXPECT_EQ(CalcSkill(comma_ctx()).perfect_aim_bonus(10, 0), 20);
  EXPECT_EQ(CalcSkill(ctx).perfect_aim_bonus(10, 0), 27);
}

TEST(DoubledRangeText, SplitsByCharacterCount) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    // Falcon level 1 "10-36"
    EXPECT_EQ(calc.doubled_range_text(22, 1, 1, true), "20 - 72");
    EXPECT_EQ(calc.doubled_range_text(22, 1, 1, false), "20 - 72");
    // Bomb Shot level 1 "5-27" (four characters): one-digit lower bound
    EXPECT_EQ(calc.doubled_range_text(27, 3, 1, false), "10 - 54");
    // level 6 "10-42"
    EXPECT_EQ(calc.doubled_range_text(27, 3, 6, false), "20 - 84");
    // The two-digit flag on "5-27" reads "5-", which is no number.
    EXPECT_THROW((void)calc.doubled_range_text(27, 3, 1, true), ConversionError);
  }
}

TEST(MagneticSphereBound, BoundsOfTwoAndThreeDigits) {
  const CalcSkill calc(point_ctx());
  struct Case {
    int level, lo, hi;
  };
  for (const Case& c : {Case{1, 30, 40}, Case{6, 80, 90}, Case{7, 90, 100}, Case{8, 100, 110}, Case{10, 120, 130}}) {
    EXPECT_EQ(calc.magnetic_sphere_bound(c.level, true), c.lo) << c.level;
    EXPECT_EQ(calc.magnetic_sphere_bound(c.level, false), c.hi) << c.level;
  }
  EXPECT_EQ(CalcSkill(comma_ctx()).magnetic_sphere_bound(7, false), 100);
}

TEST(EnchantWeaponBound, BasePlusBound) {
  for (const SkillContext& ctx : both_locales()) {
    const CalcSkill calc(ctx);
    // row 2 level 3 "7-11"
    EXPECT_EQ(calc.enchant_weapon_bound(2, 3, 0, true), 7);
    EXPECT_EQ(calc.enchant_weapon_bound(2, 3, 0, false), 11);
    // row 1 level 1 "3-5"
    EXPECT_EQ(calc.enchant_weapon_bound(1, 1, 10, true), 13);
    EXPECT_EQ(calc.enchant_weapon_bound(1, 1, 10, false), 15);
    // row 3 level 4 "8-16": 100 - 120 becomes 108 - 136
    EXPECT_EQ(calc.enchant_weapon_bound(3, 4, 100, true), 108);
    EXPECT_EQ(calc.enchant_weapon_bound(3, 4, 120, false), 136);
    // row 3 level 3 "6-12"; row 1 level 10 "30-50"
    EXPECT_EQ(calc.enchant_weapon_bound(3, 3, 0, true), 6);
    EXPECT_EQ(calc.enchant_weapon_bound(3, 3, 0, false), 12);
    EXPECT_EQ(calc.enchant_weapon_bound(1, 10, -5, true), 25);
    EXPECT_EQ(calc.enchant_weapon_bound(1, 10, -5, false), 45);
  }
}

}  // namespace
}  // namespace brennick
