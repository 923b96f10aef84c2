// Every table file of data/tables is compiled into the program, byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "data/embedded_tables.h"

TEST(EmbeddedTables, EveryTableFileIsCompiledIn) {
  namespace fs = std::filesystem;
  int tables = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(BRENNICK_SOURCE_DIR) / "data" / "tables")) {
    if (entry.path().extension() != ".tsv") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    const auto embedded = brennick::embedded_table(entry.path().stem().string());
    ASSERT_TRUE(embedded.has_value()) << entry.path();
    EXPECT_EQ(*embedded, text) << entry.path();
    ++tables;
  }
  EXPECT_EQ(tables, 15);
  EXPECT_FALSE(brennick::embedded_table("no_such_table").has_value());
  EXPECT_FALSE(brennick::embedded_table("").has_value());
}
