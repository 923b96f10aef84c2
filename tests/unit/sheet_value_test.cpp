// The integers of the sheet's texts are read once per change of a text:
// every way a text changes must be seen by the next read.
#include <gtest/gtest.h>

#include "engine/sheet.h"

using namespace brennick;

TEST(SheetValue, EveryTextChangeIsReadAgain) {
  Sheet s;
  const Ctl field = Ctl::stat_health;
  const std::int32_t min = s[field].min;
  s.set_text(field, "42");
  EXPECT_EQ(s.value(field), 42);
  EXPECT_EQ(s.int_of(field), 42);
  s.set_text(field, " -7");
  EXPECT_EQ(s.int_of(field), -7);
  s.set_text(field, "4x");
  EXPECT_EQ(s.value(field), min);  // not an integer: the field's minimum
  EXPECT_EQ(s.int_of(field), 0);
  EXPECT_EQ(s.int_of(field, 9), 9);
  s.set_value(field, 30);
  EXPECT_EQ(s.value(field), 30);
  s.set_text(field, "2147483648");  // beyond 32 bits
  EXPECT_EQ(s.int_of(field, -1), -1);

  // A list's shown text follows its row.
  const Ctl list = Ctl::stat_weap_spd;
  s.set_row(list, 1);
  EXPECT_EQ(s.int_of(list), 8);
  s.set_row(list, 0);
  EXPECT_EQ(s.int_of(list), 7);
  s.set_rows(list, {"5"});
  EXPECT_EQ(s.int_of(list, -3), 0);  // no row selected: the list's own text "0"

  // A copy reads its own texts.
  Sheet copy = s;
  copy.set_text(field, "11");
  EXPECT_EQ(copy.value(field), 11);
  EXPECT_EQ(s.value(field), s.int_of(field, min));
}
