// Helpers shared by the item and weapon catalogue tests: generic access to a
// table cell by table name, row and field name, and checks of rows
// transcribed from the reference tables of the game data.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "data/item_tables.h"
#include "data/record_fields.h"

namespace brennick::test {

inline std::string trim(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return std::string(s.substr(b, e - b));
}

// Cells of a markdown table line "| a | b | c |", trimmed, backticks and
// surrounding double quotes removed.
inline std::vector<std::string> md_cells(std::string_view line) {
  std::vector<std::string> out;
  std::string cur;
  std::string s = trim(line);
  if (!s.empty() && s.front() == '|') s.erase(0, 1);
  if (!s.empty() && s.back() == '|') s.pop_back();
  std::stringstream ss(s);
  while (std::getline(ss, cur, '|')) {
    std::string c = trim(cur);
    std::string d;
    for (char ch : c)
      if (ch != '`') d += ch;
    if (d.size() >= 2 && d.front() == '"' && d.back() == '"') d = d.substr(1, d.size() - 2);
    out.push_back(d);
  }
  return out;
}

// The value of a cell of the named table ("armor_table", ..., "mace_table").
// Throws std::out_of_range for an unknown table, row or field.
inline FieldValue cell(std::string_view table, int r, std::string_view field) {
  const ItemCatalog& c = item_catalog();
  auto get = [&](const auto& t) -> FieldValue {
    auto rec = row(t, r);
    if (!rec) throw std::out_of_range(std::string(table) + " has no row " + std::to_string(r));
    return get_field(*rec, field);
  };
  if (table == "armor_table") return get(c.armor_table);
  if (table == "robe_table") return get(c.robe_table);
  if (table == "shield_table") return get(c.shield_table);
  if (table == "orb_table") return get(c.orb_table);
  if (table == "boots_table") return get(c.boots_table);
  if (table == "gaunts_table") return get(c.gaunts_table);
  if (table == "armlet_table") return get(c.armlet_table);
  if (table == "ring_table") return get(c.ring_table);
  if (table == "amulet_table") return get(c.amulet_table);
  if (table == "sheltom_table") return get(c.sheltom_table);
  if (table == "axe_table") return get(c.axe_table);
  if (table == "bow_table") return get(c.bow_table);
  if (table == "scythe_table") return get(c.scythe_table);
  if (table == "claw_table") return get(c.claw_table);
  if (table == "javelin_table") return get(c.javelin_table);
  if (table == "sword_table") return get(c.sword_table);
  if (table == "wand_table") return get(c.wand_table);
  if (table == "mace_table") return get(c.mace_table);
  throw std::out_of_range("no table " + std::string(table));
}

// Whether a cell value equals the text the reference tables write for it: a text
// exactly, an integer in decimal, a real as the double nearest the decimal.
inline ::testing::AssertionResult value_is(const FieldValue& v, const std::string& expected) {
  if (const auto* s = std::get_if<std::string>(&v)) {
    if (*s == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "text \"" << *s << "\", expected \"" << expected << "\"";
  }
  if (const auto* i = std::get_if<std::int64_t>(&v)) {
    if (std::to_string(*i) == expected) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "integer " << *i << ", expected " << expected;
  }
  const double d = std::get<double>(v);
  char* end = nullptr;
  const double e = std::strtod(expected.c_str(), &end);
  if (end == expected.c_str() || *end != '\0')
    return ::testing::AssertionFailure() << "expected text \"" << expected << "\" is no number";
  if (d == e) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "real " << d << ", expected " << expected;
}

// Splits a resistance cell "1..4 / -1..-1 / 1..4 / -1..-1 / 1..4" into the
// ten texts res_organic_lo .. res_poison_hi.
inline std::vector<std::string> res_texts(const std::string& text) {
  std::vector<std::string> out;
  std::stringstream ss(text);
  std::string part;
  while (std::getline(ss, part, '/')) {
    std::string p = trim(part);
    std::size_t dots = p.find("..");
    if (dots == std::string::npos) {
      out.push_back(p);
      out.push_back(p);
    } else {
      out.push_back(trim(p.substr(0, dots)));
      out.push_back(trim(p.substr(dots + 2)));
    }
  }
  return out;
}

inline const char* const kResColumns[10] = {
    "res_organic_lo", "res_organic_hi", "res_flame_lo",     "res_flame_hi",     "res_ice_lo",
    "res_ice_hi",     "res_lightning_lo", "res_lightning_hi", "res_poison_lo", "res_poison_hi"};

// Checks rows of a reference table written as markdown: `header` is the header
// line ("| row | `name` | price | ... |"), `rows` the data lines; the column
// "row" gives the row number, "res" holds the five resistance pairs.
inline void expect_md_rows(std::string_view table, std::string_view header,
                           const std::vector<std::string_view>& rows) {
  const std::vector<std::string> names = md_cells(header);
  ASSERT_FALSE(names.empty());
  ASSERT_EQ(names[0], "row");
  for (std::string_view line : rows) {
    const std::vector<std::string> cells = md_cells(line);
    ASSERT_EQ(cells.size(), names.size()) << line;
    const int r = std::stoi(cells[0]);
    for (std::size_t k = 1; k < names.size(); ++k) {
      if (names[k] == "res") {
        const std::vector<std::string> res = res_texts(cells[k]);
        ASSERT_EQ(res.size(), 10u) << line;
        for (int e = 0; e < 10; ++e)
          EXPECT_TRUE(value_is(cell(table, r, kResColumns[e]), res[static_cast<std::size_t>(e)]))
              << table << " row " << r << " " << kResColumns[e];
      } else {
        EXPECT_TRUE(value_is(cell(table, r, names[k]), cells[k]))
            << table << " row " << r << " " << names[k];
      }
    }
  }
}

}  // namespace brennick::test
