// spec_requirement against an independent derivation: the table of
// the rules transcribed as text, each form evaluated with exact rational
// arithmetic on v, for every statistic, every class and every raw value 0..255.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "data/spec_requirement.h"

namespace brennick {
namespace {

// An exact rational number num/den with den > 0.
struct Rational {
  std::int64_t num;
  std::int64_t den;
};

Rational normalized(std::int64_t num, std::int64_t den) {
  if (den < 0) num = -num, den = -den;
  const std::int64_t g = std::gcd(num < 0 ? -num : num, den);
  return g > 1 ? Rational{num / g, den / g} : Rational{num, den};
}
Rational operator+(Rational a, Rational b) {
  return normalized(a.num * b.den + b.num * a.den, a.den * b.den);
}
Rational operator-(Rational a, Rational b) {
  return normalized(a.num * b.den - b.num * a.den, a.den * b.den);
}
Rational operator*(Rational a, Rational b) { return normalized(a.num * b.num, a.den * b.den); }

std::int64_t floor_of(Rational q) {
  std::int64_t f = q.num / q.den;
  if (q.num % q.den != 0 && q.num < 0) --f;
  return f;
}
std::int64_t ceil_of(Rational q) {
  std::int64_t c = q.num / q.den;
  if (q.num % q.den != 0 && q.num > 0) ++c;
  return c;
}

// A decimal text such as "0.15" as an exact rational.
Rational decimal(const std::string& text) {
  const std::size_t dot = text.find('.');
  std::string digits = text.substr(0, dot) + text.substr(dot + 1);
  std::int64_t den = 1;
  for (std::size_t i = dot + 1; i < text.size(); ++i) den *= 10;
  return normalized(std::stoll(digits), den);
}

// A form as the rules write it: "up by 0.10", "down by 0.25" or "unchanged".
std::int64_t exact(const std::string& form, int value) {
  const Rational v{value, 1};
  if (form == "unchanged") return value;
  if (form.rfind("up by ", 0) == 0) return floor_of(v + v * decimal(form.substr(6)));
  if (form.rfind("down by ", 0) == 0) return ceil_of(v - v * decimal(form.substr(8)));
  ADD_FAILURE() << "unknown form " << form;
  return -1;
}

// The same form in extended floating point, the way the system evaluates it
// (decimal constants as their nearest extended values).
std::int64_t extended(const std::string& form, int value) {
  const long double v = value;
  if (form == "unchanged") return value;
  if (form.rfind("up by ", 0) == 0) {
    const long double k = std::stold(form.substr(6));
    return static_cast<std::int64_t>(std::floor(v + v * k));
  }
  const long double k = std::stold(form.substr(8));
  return static_cast<std::int64_t>(std::ceil(v - v * k));
}

const std::vector<std::string> kClassNames = {"Fighter",  "Archer", "Pikeman",  "Mechanician",
                                              "Atalanta", "Knight", "Magician", "Priestess"};

int class_code(const std::string& name) {
  for (std::size_t i = 0; i < kClassNames.size(); ++i)
    if (kClassNames[i] == name) return static_cast<int>(i);
  ADD_FAILURE() << "unknown class " << name;
  return -1;
}

struct SpecLine {
  int stat;
  std::vector<std::string> classes;
  std::string lower;
  std::string upper;
};

// The table of the rules, line by line.
const std::vector<SpecLine> kSpecTable = {
    {1, {"Fighter", "Pikeman"}, "up by 0.10", "up by 0.15"},
    {1, {"Archer"}, "down by 0.25", "down by 0.15"},
    {1, {"Mechanician", "Knight"}, "up by 0.05", "up by 0.15"},
    {1, {"Atalanta"}, "down by 0.20", "down by 0.15"},
    {1, {"Magician", "Priestess"}, "down by 0.25", "down by 0.20"},
    {2, {"Fighter", "Pikeman"}, "down by 0.20", "down by 0.15"},
    {2, {"Archer", "Mechanician", "Atalanta"}, "down by 0.20", "down by 0.10"},
    {2, {"Knight"}, "down by 0.15", "down by 0.10"},
    {2, {"Magician"}, "up by 0.15", "up by 0.25"},
    {2, {"Priestess"}, "up by 0.15", "up by 0.20"},
    {3, {"Knight"}, "up by 0.05", "up by 0.10"},
    {3, {"Magician", "Priestess"}, "down by 0.15", "down by 0.10"},
    {3, {"Fighter", "Archer", "Pikeman", "Mechanician", "Atalanta"}, "unchanged", "unchanged"},
    {4, {"Fighter", "Magician", "Priestess"}, "down by 0.20", "down by 0.15"},
    {4, {"Archer", "Atalanta"}, "up by 0.15", "up by 0.25"},
    {4, {"Pikeman", "Mechanician", "Knight"}, "down by 0.25", "down by 0.15"},
};

TEST(SpecRequirement, TableCoversEveryStatAndClassOnce) {
  int seen[5][8] = {};
  for (const SpecLine& line : kSpecTable)
    for (const std::string& c : line.classes) ++seen[line.stat][class_code(c)];
  for (int stat = 1; stat <= 4; ++stat)
    for (int k = 0; k < 8; ++k) EXPECT_EQ(seen[stat][k], 1) << "stat " << stat << " class " << k;
}

TEST(SpecRequirement, MatchesExactArithmeticForEveryStatClassAndValue) {
  for (const SpecLine& line : kSpecTable) {
    for (const std::string& name : line.classes) {
      const int k = class_code(name);
      for (int v = 0; v <= 255; ++v) {
        ASSERT_EQ(spec_requirement(v, line.stat, k, true), exact(line.lower, v))
            << "stat " << line.stat << " " << name << " v " << v << " lower";
        ASSERT_EQ(spec_requirement(v, line.stat, k, false), exact(line.upper, v))
            << "stat " << line.stat << " " << name << " v " << v << " upper";
      }
    }
  }
}

TEST(SpecRequirement, ExtendedFloatingPointGivesTheSameIntegers) {
  // The system evaluates in extended precision; over 0..255 that agrees with
  // exact arithmetic.
  for (const SpecLine& line : kSpecTable)
    for (int v = 0; v <= 255; ++v) {
      EXPECT_EQ(extended(line.lower, v), exact(line.lower, v)) << line.lower << " v " << v;
      EXPECT_EQ(extended(line.upper, v), exact(line.upper, v)) << line.upper << " v " << v;
    }
}

TEST(SpecRequirement, LowerEndNeverAboveUpperEnd) {
  for (int stat = 1; stat <= 4; ++stat)
    for (int k = 0; k < 8; ++k)
      for (int v = 0; v <= 255; ++v)
        EXPECT_LE(spec_requirement(v, stat, k, true), spec_requirement(v, stat, k, false))
            << "stat " << stat << " class " << k << " v " << v;
}

TEST(SpecRequirement, WorkedExamples) {
  // Strength 100 for a Fighter gives 110 (lower) and 115 (upper).
  EXPECT_EQ(spec_requirement(100, kStatStrength, 0, true), 110);
  EXPECT_EQ(spec_requirement(100, kStatStrength, 0, false), 115);
  // Strength 52 for an Archer: ceil(52 − 13) = 39 and ceil(52 − 7.8) = 45.
  EXPECT_EQ(spec_requirement(52, kStatStrength, 1, true), 39);
  EXPECT_EQ(spec_requirement(52, kStatStrength, 1, false), 45);
  // Spirit 60 for a Magician: floor(60 + 9) = 69 and floor(60 + 15) = 75.
  EXPECT_EQ(spec_requirement(60, kStatSpirit, 6, true), 69);
  EXPECT_EQ(spec_requirement(60, kStatSpirit, 6, false), 75);
  // Strength 13 for a Knight: floor(13.65) = 13 and floor(14.95) = 14.
  EXPECT_EQ(spec_requirement(13, kStatStrength, 5, true), 13);
  EXPECT_EQ(spec_requirement(13, kStatStrength, 5, false), 14);
  // Spirit 13 for a Fighter: ceil(10.4) = 11 and ceil(11.05) = 12.
  EXPECT_EQ(spec_requirement(13, kStatSpirit, 0, true), 11);
  EXPECT_EQ(spec_requirement(13, kStatSpirit, 0, false), 12);
  // "Doom Armor" (Strength 184, Talent 80) in the armour browser: Knight
  // 193 - 211 and 84 - 88; Fighter 202 - 211 and 80.
  EXPECT_EQ(spec_requirement(184, kStatStrength, 5, true), 193);
  EXPECT_EQ(spec_requirement(184, kStatStrength, 5, false), 211);
  EXPECT_EQ(spec_requirement(80, kStatTalent, 5, true), 84);
  EXPECT_EQ(spec_requirement(80, kStatTalent, 5, false), 88);
  EXPECT_EQ(spec_requirement(184, kStatStrength, 0, true), 202);
  EXPECT_EQ(spec_requirement(184, kStatStrength, 0, false), 211);
  EXPECT_EQ(spec_requirement(80, kStatTalent, 0, true), 80);
  EXPECT_EQ(spec_requirement(80, kStatTalent, 0, false), 80);
  // "Eagle Claw" with Knight chosen: Talent (raw 22) reads 23 - 24.
  EXPECT_EQ(spec_requirement(22, kStatTalent, 5, true), 23);
  EXPECT_EQ(spec_requirement(22, kStatTalent, 5, false), 24);
}

TEST(SpecRequirement, ZeroStaysZeroForEveryStatAndClass) {
  for (int stat = 1; stat <= 4; ++stat)
    for (int k = 0; k < 8; ++k) {
      EXPECT_EQ(spec_requirement(0, stat, k, true), 0);
      EXPECT_EQ(spec_requirement(0, stat, k, false), 0);
    }
}

TEST(SpecRequirement, TalentUnchangedForClassesZeroToFour) {
  for (int k = 0; k <= 4; ++k)
    for (int v = 0; v <= 255; ++v) {
      EXPECT_EQ(spec_requirement(v, kStatTalent, k, true), v);
      EXPECT_EQ(spec_requirement(v, kStatTalent, k, false), v);
    }
}

TEST(SpecRequirement, NoClassMakesStrengthSpiritAgilityUnmeetable) {
  // The weapon menu relies on class −1 giving a value above any statistic
  // (the statistic fields hold 0..1000); Talent stays unchanged.
  for (int k : {-1, -2, 8, 100}) {
    for (int v = 0; v <= 255; ++v) {
      for (int stat : {kStatStrength, kStatSpirit, kStatAgility}) {
        for (bool lower : {true, false}) {
          EXPECT_GT(spec_requirement(v, stat, k, lower), 1000) << "class " << k << " v " << v;
          EXPECT_EQ(spec_requirement(v, stat, k, lower), kRequirementNeverMet);
        }
      }
      EXPECT_EQ(spec_requirement(v, kStatTalent, k, true), v);
      EXPECT_EQ(spec_requirement(v, kStatTalent, k, false), v);
    }
  }
}

}  // namespace
}  // namespace brennick
