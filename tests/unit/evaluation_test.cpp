// The evaluation model and the number texts of the sheet.
#include <gtest/gtest.h>

#include <cmath>

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
