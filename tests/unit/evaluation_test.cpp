// The evaluation model and the number texts of the sheet.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "base/evaluation.h"
#include "base/number_text.h"

using namespace brennick;

TEST(Evaluation, Round2RoundsHalfToEvenOnTheStoredQuotient) {
  EXPECT_EQ(round2(0.125L), 0.12);
  EXPECT_EQ(round2(static_cast<long double>(0.135)), 0.14);
  EXPECT_EQ(round2(static_cast<long double>(1.005)), 1.0);
  EXPECT_EQ(round2(2.5L), 2.5);
  EXPECT_EQ(round2(-0.125L), -0.12);
}

TEST(Evaluation, StoringBeforeFloorMatters) {
  // A Fighter's hit-point class term at level 2 with Strength 28 and Health 1
  // lies just below 19 in extended precision and is exactly 19 once stored.
  const ext x = 2 * 2.1L + 28 * 0.8L + 1 * 2.4L - 10;
  EXPECT_LT(x, 19.0L);
  EXPECT_EQ(std::floor(x), 18.0L);
  EXPECT_EQ(floor_stored(x), 19);
  // Level 1, Strength 28, Health 27: 79.3.
  EXPECT_EQ(floor_stored(1 * 2.1L + 28 * 0.8L + 27 * 2.4L - 10), 79);
}

TEST(Evaluation, FloorAndTruncSaturateInsteadOfOverflowing) {
  EXPECT_EQ(floor_stored(-0.5L), -1);
  EXPECT_EQ(trunc_stored(-0.5L), 0);
  EXPECT_EQ(floor_stored(1e30L), 2147483647);
  EXPECT_EQ(floor_stored(-1e30L), -2147483647 - 1);
  EXPECT_EQ(trunc_stored(std::numeric_limits<long double>::quiet_NaN()), 0);
}

TEST(NumberText, IntegerBoxesReadNonIntegersAsZero) {
  EXPECT_EQ(int_of_text("42"), 42);
  EXPECT_EQ(int_of_text("-7"), -7);
  EXPECT_EQ(int_of_text("+7"), 7);
  EXPECT_EQ(int_of_text("2147483647"), 2147483647);
  EXPECT_EQ(int_of_text("-2147483648"), -2147483647 - 1);
  for (const char* bad : {"", " ", "abc", "2.5", "1,5", "2147483648", "12a", "-", "99999999999999999999"})
    EXPECT_EQ(int_of_text(bad), 0) << bad;
  EXPECT_EQ(field_value("abc", 17), 17);
  EXPECT_EQ(field_value("30", 17), 30);
}

TEST(NumberText, RealsFollowTheInjectedSeparator) {
  const auto point = NumberFormat::point();
  const auto comma = NumberFormat::comma();
  EXPECT_EQ(real_of_text("1.5", point), 1.5);
  EXPECT_EQ(real_of_text("1,5", comma), 1.5);
  EXPECT_EQ(real_of_text(" -0.25 ", point), -0.25);
  EXPECT_EQ(real_of_text("3", comma), 3.0);
  EXPECT_EQ(real_of_text("1e3", point), 1000.0);
  EXPECT_THROW(real_of_text("1,5", point), ConversionError);
  EXPECT_THROW(real_of_text("1.5", comma), ConversionError);
  EXPECT_THROW(real_of_text("", point), ConversionError);
  EXPECT_THROW(real_of_text("1,2,3", comma), ConversionError);
  EXPECT_THROW(real_of_text("1e999999", point), ConversionError);
  try {
    real_of_text("abc", point);
    FAIL();
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'abc' is not a valid floating point value");
  }
}

TEST(NumberText, GeneralFormatHasNoTrailingZerosAndNoNegativeZero) {
  const auto point = NumberFormat::point();
  const auto comma = NumberFormat::comma();
  EXPECT_EQ(format_general(0.0L, point), "0");
  EXPECT_EQ(format_general(-0.0L, point), "0");
  EXPECT_EQ(format_general(2.48L, point), "2.48");
  EXPECT_EQ(format_general(2.48L, comma), "2,48");
  EXPECT_EQ(format_general(static_cast<double>(0.1 + 0.2), point), "0.3");
  EXPECT_EQ(format_general(100.0L, point), "100");
  EXPECT_EQ(format_general(-12.5L, point), "-12.5");
  EXPECT_EQ(format_general(0.0001L, point), "0.0001");
  EXPECT_EQ(format_general(1e15L, point), "1E+15");
}

TEST(NumberText, FixedPatternsRoundHalfUpOnEighteenDigits) {
  const auto point = NumberFormat::point();
  EXPECT_EQ(format_fixed(0.5L * 1.3L, 1, point), "0.7");
  EXPECT_EQ(format_fixed(2.5L * 1.3L, 1, point), "3.3");
  EXPECT_EQ(format_fixed(3.0L * 1.3L, 1, point), "3.9");
  EXPECT_EQ(format_fixed(10.0L * 1.3L, 1, point), "13.0");
  EXPECT_EQ(format_fixed(0.0L, 2, point), "0.00");
  EXPECT_EQ(format_fixed(-0.001L, 2, point), "0.00");
  EXPECT_EQ(format_fixed(9.96L, 1, NumberFormat::comma()), "10,0");
}

TEST(NumberText, GroupedPatternUsesTheThousandsSeparator) {
  EXPECT_EQ(format_grouped(1234567.0L, NumberFormat::point()), "1,234,567");
  EXPECT_EQ(format_grouped(1234567.0L, NumberFormat::comma()), "1.234.567");
  EXPECT_EQ(format_grouped(999.0L, NumberFormat::point()), "999");
  EXPECT_EQ(format_grouped(0.0L, NumberFormat::point()), "");
}

// floor_x, trunc_x and ceil_x step a nearest rounding instead of switching
// the rounding mode; they must agree with the library in every case,
// signed zeros included.
TEST(Evaluation, FloorTruncCeilWithoutModeSwitchAgreeWithTheLibrary) {
  std::vector<long double> values = {0.0L, -0.0L, 0.5L, -0.5L, 1.5L, -1.5L, 2.5L, -2.5L,
                                     0.49999999999999999999L, -0.49999999999999999999L,
                                     std::ldexp(1.0L, 62) - 0.5L, -(std::ldexp(1.0L, 62) - 0.5L),
                                     std::ldexp(1.0L, 63), -std::ldexp(1.0L, 63), std::ldexp(1.0L, 63) + 2,
                                     1e20L, -1e20L, 1e4000L, -1e4000L, 1e-4000L, -1e-4000L,
                                     std::numeric_limits<long double>::infinity(),
                                     -std::numeric_limits<long double>::infinity(), 116.99999999999999L};
  for (int k = -41; k <= 41; ++k) values.push_back(static_cast<long double>(k) / 4);
  for (int k = 1; k <= 20; ++k) values.push_back(static_cast<long double>(0.13 * k * 900) / 7);
  auto same = [](long double a, long double b) {
    return (std::isnan(a) && std::isnan(b)) || (a == b && std::signbit(a) == std::signbit(b));
  };
  for (long double v : values) {
    EXPECT_TRUE(same(floor_x(v), std::floor(v))) << static_cast<double>(v);
    EXPECT_TRUE(same(trunc_x(v), std::trunc(v))) << static_cast<double>(v);
    EXPECT_TRUE(same(ceil_x(v), std::ceil(v))) << static_cast<double>(v);
  }
  const long double nan = std::numeric_limits<long double>::quiet_NaN();
  EXPECT_TRUE(std::isnan(floor_x(nan)) && std::isnan(trunc_x(nan)) && std::isnan(ceil_x(nan)));
  EXPECT_EQ(saturate_i32(-7.0L), -7);
  EXPECT_EQ(saturate_i32(2147483646.0L), 2147483646);
  EXPECT_EQ(saturate_i32(-2147483647.0L), -2147483647);
}

TEST(NumberText, GeneralFormatExponentsFractionsAndExtendedValues) {
  const auto point = NumberFormat::point();
  const auto comma = NumberFormat::comma();
  EXPECT_EQ(format_general(1.5e-7L, point), "1.5E-07");
  EXPECT_EQ(format_general(1.5e-7L, comma), "1,5E-07");
  EXPECT_EQ(format_general(-1.23e-6L, point), "-1.23E-06");
  EXPECT_EQ(format_general(0.00001234L, point), "0.00001234");
  EXPECT_EQ(format_general(1.234e20L, point), "1.234E+20");
  EXPECT_EQ(format_general(1e100L, point), "1E+100");
  EXPECT_EQ(format_general(1000000000000000.5L, point), "1E+15");
  EXPECT_EQ(format_general(999999999999999.0L, point), "999999999999999");
  EXPECT_EQ(format_general(-3.0L, point), "-3");
  EXPECT_EQ(format_general(1.0L / 3, point), "0.333333333333333");
  EXPECT_EQ(format_general(-2.0L / 3, comma), "-0,666666666666667");
  EXPECT_EQ(format_general(123456789.125L, point), "123456789.125");
  EXPECT_EQ(format_general(12345.678L, comma), "12345,678");
  EXPECT_EQ(format_general(100.00000000000000001L, point), "100");
  EXPECT_EQ(format_general(-1e-7L, point), "-1E-07");
}
