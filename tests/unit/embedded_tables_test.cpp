#include <gtest/gtest.h>

#include "data/embedded_tables.h"

TEST(EmbeddedTables, EveryTableFileIsCompiledIn) {
  auto t = brennick::embedded_table("zz_embed_selftest");
  ASSERT_TRUE(t.has_value());
  EXPECT_EQ(*t, "name\tvalue\nexample\t1\n");
  EXPECT_FALSE(brennick::embedded_table("no_such_table").has_value());
}
