// The armour-class item tables, the strict table reader and the
// JSON export: counts, names, the rows the game data fixes, every fixed item fact, the rules that hold for whole tables, and the shape of
// the authored rows.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "data/embedded_tables.h"
#include "data/item_catalog_json.h"
#include "data/item_tables.h"
#include "data/record_fields.h"
#include "data/table_reader.h"
#include "engine/sheet.h"
#include "equipment/force_orb.h"
#include "item_catalog_test_util.h"

namespace brennick {
namespace {

using test::cell;
using test::value_is;

// ---------------------------------------------------------------- reader

struct Mini {
  std::string name;
  std::uint8_t a = 0;
  std::int8_t b = 0;
  double c = 0.0;
};

std::vector<std::string_view> mini_header() { return {"name", "a", "b", "c"}; }

std::string reader_error(std::string_view text, std::size_t rows = 2) {
  try {
    TableText t = read_table_text("mini", text, mini_header(), rows);
    for (const TableRow& r : t.rows) {
      parse_table_text(r.cells[0], "mini", r.line, "name");
      parse_table_integer(r.cells[1], 0, 255, "mini", r.line, "a");
      parse_table_integer(r.cells[2], -128, 127, "mini", r.line, "b");
      parse_table_real(r.cells[3], "mini", r.line, "c");
    }
  } catch (const TableError& e) {
    return e.what();
  }
  return "";
}

TEST(TableReader, ReadsAWellFormedTable) {
  TableText t = read_table_text("mini", "name\ta\tb\tc\nOne\t1\t-5\t0.5\nTwo Words\t255\t127\t12\n",
                                mini_header(), 2);
  ASSERT_EQ(t.rows.size(), 2u);
  EXPECT_EQ(t.rows[0].line, 2);
  EXPECT_EQ(t.rows[1].line, 3);
  EXPECT_EQ(t.rows[1].cells[0], "Two Words");
  EXPECT_EQ(parse_table_integer("-5", -128, 127, "mini", 2, "b"), -5);
  EXPECT_EQ(parse_table_real("0.5", "mini", 2, "c"), 0.5);
  EXPECT_EQ(parse_table_real("12", "mini", 2, "c"), 12.0);
  // No final newline and CR LF line ends are accepted.
  EXPECT_EQ(reader_error("name\ta\tb\tc\r\nOne\t1\t-5\t0.5\r\nTwo\t2\t0\t1.0"), "");
}

TEST(TableReader, RejectsEveryMalformedInputWithFileAndLine) {
  struct Case {
    std::string text;
    std::string where;  // expected in the message
  };
  const std::vector<Case> cases = {
      {"", "data/tables/mini.tsv: the file is empty"},
      {"name\ta\tc\tb\nOne\t1\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:1: header"},
      {"name\ta\tb\nOne\t1\t1\nTwo\t2\t2\n", "mini.tsv:1: header"},
      {"name\ta\tb\tc\tx\nOne\t1\t1\t1\t1\nTwo\t2\t2\t2\t2\n", "mini.tsv:1: header"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\n", "expected 2 rows, found 1"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\nTwo\t2\t2\t2\nThree\t3\t3\t3\n", "expected 2 rows, found 3"},
      {"name\ta\tb\tc\nOne\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: expected 4 cells, found 3"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\nTwo\t2\t2\t2\t\n", "mini.tsv:3: expected 4 cells, found 5"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\n\nTwo\t2\t2\t2\n", "mini.tsv:3: blank line"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\nTwo\t2\t2\t2\n\n", "mini.tsv:4: blank line"},
      {"name\ta\tb\tc\nOne\t256\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field a: \"256\" is out of range 0..255"},
      {"name\ta\tb\tc\nOne\t-1\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field a: \"-1\" is out of range"},
      {"name\ta\tb\tc\nOne\t1\t-129\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field b: \"-129\" is out of range"},
      {"name\ta\tb\tc\nOne\t1\t128\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field b"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\nTwo\tx\t2\t2\n", "mini.tsv:3: field a: \"x\" is not an integer"},
      {"name\ta\tb\tc\nOne\t\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field a: \"\" is not an integer"},
      {"name\ta\tb\tc\nOne\t+1\t1\t1\nTwo\t2\t2\t2\n", "field a: \"+1\" is not an integer"},
      {"name\ta\tb\tc\nOne\t1.0\t1\t1\nTwo\t2\t2\t2\n", "field a: \"1.0\" is not an integer"},
      {"name\ta\tb\tc\nOne\t 1\t1\t1\nTwo\t2\t2\t2\n", "field a: \" 1\" is not an integer"},
      {"name\ta\tb\tc\nOne\t1\t1\t0,5\nTwo\t2\t2\t2\n", "field c: \"0,5\" is not a decimal number"},
      {"name\ta\tb\tc\nOne\t1\t1\t.5\nTwo\t2\t2\t2\n", "field c: \".5\" is not a decimal number"},
      {"name\ta\tb\tc\nOne\t1\t1\t1.\nTwo\t2\t2\t2\n", "field c: \"1.\" is not a decimal number"},
      {"name\ta\tb\tc\nOne\t1\t1\t1e3\nTwo\t2\t2\t2\n", "field c: \"1e3\" is not a decimal number"},
      {"name\ta\tb\tc\nOne\t1\t1\tnan\nTwo\t2\t2\t2\n", "field c: \"nan\" is not a decimal number"},
      {"name\ta\tb\tc\n\t1\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field name is empty"},
      {"name\ta\tb\tc\nOne \t1\t1\t1\nTwo\t2\t2\t2\n", "mini.tsv:2: field name: \"One \" has surrounding blanks"},
      {"name\ta\tb\tc\nOne\t1\t1\t1\nTw\ro\t2\t2\t2\n", "mini.tsv:3: stray carriage return"},
  };
  for (const Case& c : cases) {
    const std::string msg = reader_error(c.text);
    EXPECT_NE(msg.find(c.where), std::string::npos)
        << "input:\n" << c.text << "\nmessage: " << msg << "\nexpected to contain: " << c.where;
  }
}

TEST(TableReader, TableErrorIsARuntimeError) {
  EXPECT_THROW(read_table_text("mini", "", mini_header(), 0), std::runtime_error);
  EXPECT_THROW(embedded_table_text("no_such_table_file"), std::runtime_error);
}

// ---------------------------------------------------------------- loading

// The embedded table files, with one of them replaced.
TableSource with_replaced(std::string stem, std::string text) {
  return [stem, text = std::move(text)](std::string_view s) -> std::optional<std::string_view> {
    if (s == stem) return std::string_view(text);
    return embedded_table(s);
  };
}

std::string load_error(const TableSource& source) {
  try {
    load_item_catalog(source);
  } catch (const TableError& e) {
    return e.what();
  }
  return "";
}

// The text of an embedded table with line `line` (1-based) changed by `edit`.
std::string edited(std::string_view stem, int line,
                   const std::function<std::string(std::string)>& edit) {
  std::string text(*embedded_table(stem));
  std::size_t start = 0;
  for (int i = 1; i < line; ++i) start = text.find('\n', start) + 1;
  std::size_t end = text.find('\n', start);
  return text.substr(0, start) + edit(text.substr(start, end - start)) + text.substr(end);
}

std::string replace_cell(std::string line, int index, const std::string& value) {
  std::size_t start = 0;
  for (int i = 0; i < index; ++i) start = line.find('\t', start) + 1;
  std::size_t end = line.find('\t', start);
  if (end == std::string::npos) end = line.size();
  return line.substr(0, start) + value + line.substr(end);
}

TEST(ItemCatalogLoad, EveryTableFileIsCompiledIn) {
  for (std::string_view stem : kItemTableFiles)
    EXPECT_TRUE(embedded_table(stem).has_value()) << stem;
  EXPECT_NO_THROW(load_item_catalog([](std::string_view s) { return embedded_table(s); }));
}

TEST(ItemCatalogLoad, BrokenFilesFailLoudly) {
  for (std::string_view stem : kItemTableFiles) {
    const std::string s(stem);
    // A missing file.
    EXPECT_NE(load_error([s](std::string_view x) -> std::optional<std::string_view> {
                if (x == s) return std::nullopt;
                return embedded_table(x);
              }).find("data/tables/" + s + ".tsv: no such table file"),
              std::string::npos)
        << s;
    // A value that is not a number (the price, or for sheltoms the first real).
    EXPECT_NE(load_error(with_replaced(s, edited(s, 5, [](std::string l) {
                             return replace_cell(l, 1, "x");
                           }))).find(s + ".tsv:5: field"),
              std::string::npos)
        << s;
    // A renamed header field.
    EXPECT_NE(load_error(with_replaced(s, edited(s, 1, [](std::string l) {
                             return replace_cell(l, 1, "prize");
                           }))).find(s + ".tsv:1: header"),
              std::string::npos)
        << s;
    // A missing row.
    EXPECT_NE(load_error(with_replaced(s, edited(s, 3, [](std::string) { return std::string(); })))
                  .find(s + ".tsv:3: blank line"),
              std::string::npos)
        << s;
    // A row too many.
    std::string extra(*embedded_table(s));
    extra += extra.substr(extra.find('\n') + 1, extra.find('\n', extra.find('\n') + 1) - extra.find('\n'));
    EXPECT_NE(load_error(with_replaced(s, extra)).find("rows, found"), std::string::npos) << s;
    // A name with nothing in it.
    EXPECT_NE(load_error(with_replaced(s, edited(s, 2, [](std::string l) {
                             return replace_cell(l, 0, "");
                           }))).find(s + ".tsv:2: field name is empty"),
              std::string::npos)
        << s;
  }
}

TEST(ItemCatalogLoad, ValuesOutsideTheirFieldFail) {
  // Armour defence is 16-bit, requirements 8-bit, resistances signed 8-bit.
  auto armor_cell = [](int index, std::string value) {
    return load_error(with_replaced("items_armor", edited("items_armor", 4, [&](std::string l) {
                                      return replace_cell(l, index, value);
                                    })));
  };
  EXPECT_EQ(armor_cell(3, "65535"), "");
  EXPECT_NE(armor_cell(3, "65536").find("items_armor.tsv:4: field def_hi: \"65536\" is out of range 0..65535"),
            std::string::npos);
  EXPECT_NE(armor_cell(21, "256").find("items_armor.tsv:4: field str_req: \"256\" is out of range 0..255"),
            std::string::npos);
  EXPECT_NE(armor_cell(12, "-129").find("field res_flame_lo: \"-129\" is out of range -128..127"),
            std::string::npos);
  EXPECT_NE(armor_cell(6, "2,0").find("field abs_lo: \"2,0\" is not a decimal number"),
            std::string::npos);
}

// ---------------------------------------------------------------- counts and names

struct NameList {
  std::string table;
  std::vector<std::string> names;
};

// "Row names, in table order".
const std::vector<NameList> kNames = {
    {"armor_table", {"Battle Suit", "Leather Armor", "Brigandine", "Steel Armor", "Rounded Armor", "Breast Plate", "Ring Armor", "Scale Armor", "Synthetic Armor", "Full Plate Armor", "Full Metal Armor", "Supreme Armor", "Spiked Armor", "Titan Armor", "Extreme Armor", "Minotaur Armor", "Ancient Armor", "Doom Armor"}},
    {"robe_table", {"Robe", "Enhanced Robe", "Battle Robe", "Elven Robe", "Dryad Robe", "Nymph Robe", "Apprentice Robe", "Disciples Robe", "Master Robe", "Arch Robe", "Saint Robe", "Royal Robe", "Mystic Robe", "Devine Robe", "Bishop Robe", "Celestial Robe", "Salvation Robe", "Alchemist Robe"}},
    {"shield_table", {"Wooden Shield", "Targe", "Steel Buckler", "Kite Shield", "Tower Shield", "Metal Shield", "Scutum", "Blaze Shield", "Claw Shield", "Wing Shield", "Great Shield", "Spiked Shield", "Grand Shield", "Extreme Shield", "Gladiator Shield", "Fury Shield", "Titan Shield"}},
    {"orb_table", {"Pearl Beads", "Crystal Sphere", "Prism Sphere", "Bone Beads", "Skull Beads", "Orb", "Holy Orb", "Arc Orb", "Dark Moon", "Ceremonial Sphere", "Orbital Beads", "Harmony Sphere", "Angel", "Lucifer", "Astral Orb", "Rune Beads", "Creation Beads", "Mundane"}},
    {"boots_table", {"Leather Boots", "Elven Boots", "Steel Boots", "Long Boots", "Chain Boots", "Plated Boots", "Brass Boots", "War Boots", "Mechanic Boots", "Chaos Boots", "Holy Boots", "Spike Boots", "Grand Boots", "Wing Boots", "Titan Boots", "Saint Boots", "Wyvern Boots"}},
    {"gaunts_table", {"Leather Gloves", "Leather Half Gloves", "Steel Half Gauntlets", "Clamshell Gauntlets", "Finger Gauntlets", "Gothic Gauntlets", "War Gauntlets", "Metal Gauntlets", "Holy Gauntlets", "Great Gauntlets", "Brass Gauntlets", "Giant Gauntlets", "Titan Gauntlets", "Grand Gauntlets", "Ivory Gauntlets", "Saint Gauntlets", "Diamond Gauntlets"}},
    {"armlet_table", {"Leather Armlet", "Long Armlet", "Wide Armlet", "Fold Armlet", "Scale Armlet", "Elven Armlet", "Solid Armlet", "Mechanic Armlet", "Winged Bracelet", "Great Bracelet", "Grand Bracelet", "Magical Armlet", "Spiked Bracelet", "Justice Bracelets", "Minotaur Bracelets", "Metal Bracelet", "Titan Bracelet"}},
    {"ring_table", {"Round Ring", "Round Ring +1", "Round Ring +2", "Round Ring +3", "Gem Ring", "Gem Ring +1", "Gem Ring +2", "Gem Ring +3", "Magic Ring", "Magic Ring +1", "Magic Ring +2", "Magic Ring +3", "Rune Ring", "Rune Ring +1", "Rune Ring +2", "Rune Ring +3", "Sealed Ring", "Sealed Ring +1"}},
    {"amulet_table", {"Round Amulet", "Round Amulet +1", "Round Amulet +2", "Round Amulet +3", "Gem Amulet", "Gem Amulet +1", "Gem Amulet +2", "Gem Amulet +3", "Magic Amulet", "Magic Amulet +1", "Magic Amulet +2", "Magic Amulet +3", "Rune Amulet", "Rune Amulet +1", "Rune Amulet +2", "Rune Amulet +3", "Sealed Amulet", "Sealed Amulet +1"}},
    {"sheltom_table", {"Lucidy", "Sereno", "Fadeo", "Sparky", "Raident", "Transparo", "Murky", "Devine", "Celesto"}},
};

std::vector<std::string> names_of(std::string_view table) {
  std::vector<std::string> out;
  for (int r = 1;; ++r) {
    try {
      out.push_back(std::get<std::string>(cell(table, r, "name")));
    } catch (const std::out_of_range&) {
      return out;
    }
  }
}

TEST(ItemTables, RowCountsAsDeclared) {
  const ItemCatalog& c = item_catalog();
  EXPECT_EQ(c.armor_table.size(), 18u);
  EXPECT_EQ(c.robe_table.size(), 18u);
  EXPECT_EQ(c.shield_table.size(), 17u);
  EXPECT_EQ(c.orb_table.size(), 18u);
  EXPECT_EQ(c.boots_table.size(), 17u);
  EXPECT_EQ(c.gaunts_table.size(), 17u);
  EXPECT_EQ(c.armlet_table.size(), 17u);
  EXPECT_EQ(c.ring_table.size(), 18u);
  EXPECT_EQ(c.amulet_table.size(), 18u);
  EXPECT_EQ(c.sheltom_table.size(), 9u);
  // 158 rows besides the sheltoms.
  EXPECT_EQ(c.armor_table.size() + c.robe_table.size() + c.shield_table.size() + c.orb_table.size() +
                c.boots_table.size() + c.gaunts_table.size() + c.armlet_table.size() + c.ring_table.size() +
                c.amulet_table.size(),
            158u);
}

TEST(ItemTables, RowNamesInTableOrder) {
  ASSERT_EQ(kNames.size(), 10u);
  for (const NameList& list : kNames) EXPECT_EQ(names_of(list.table), list.names) << list.table;
}

TEST(ItemTables, NamesUniqueWithinEachTable) {
  for (const NameList& list : kNames) {
    std::vector<std::string> names = names_of(list.table);
    std::set<std::string> unique(names.begin(), names.end());
    EXPECT_EQ(unique.size(), names.size()) << list.table;
  }
}

// ---------------------------------------------------------------- accessors

TEST(ItemTables, RowsAreOneBasedCopiesAndOutOfRangeRowsAreRefused) {
  const ItemCatalog& c = item_catalog();
  ASSERT_TRUE(armor_row(1).has_value());
  EXPECT_EQ(armor_row(1)->name, "Battle Suit");
  EXPECT_EQ(armor_row(18)->name, "Doom Armor");
  for (int r : {0, -1, 19, 1000}) EXPECT_FALSE(armor_row(r).has_value()) << r;
  EXPECT_FALSE(has_row(c.armor_table, 0));
  EXPECT_TRUE(has_row(c.armor_table, 18));
  EXPECT_FALSE(has_row(c.armor_table, 19));
  EXPECT_TRUE(robe_row(18) && !robe_row(19));
  EXPECT_TRUE(shield_row(17) && !shield_row(18));
  EXPECT_TRUE(orb_row(18) && !orb_row(19));
  EXPECT_TRUE(boots_row(17) && !boots_row(18));
  EXPECT_TRUE(gaunts_row(17) && !gaunts_row(18));
  EXPECT_TRUE(armlet_row(17) && !armlet_row(18));
  EXPECT_TRUE(ring_row(18) && !ring_row(19));
  EXPECT_TRUE(amulet_row(18) && !amulet_row(19));
  EXPECT_TRUE(sheltom_row(9) && !sheltom_row(10));
  EXPECT_FALSE(sheltom_row(0));
  // A copy: changing it leaves the table alone.
  ArmorR copy = *armor_row(1);
  copy.def_hi = 999;
  EXPECT_EQ(armor_row(1)->def_hi, 12);
  EXPECT_EQ(&item_catalog(), &c);  // built once
}

// ---------------------------------------------------------------- the rows the game data fixes

struct GivenRows {
  std::string table;
  std::string_view header;
  std::vector<std::string_view> rows;
};

// "Table contents", copied unchanged.
const std::vector<GivenRows> kGivenRows = {
    {"armor_table",
     R"(| row | `name` | price | def_lo | def_hi | spec_def_lo | spec_def_hi | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | res | level_req | str_req | tal_req | weight |)",
     {R"(| 1 | "Battle Suit" | 80 | 8 | 12 | 5 | 10 | 0.6 | 0.9 | 0.1 | 0.2 | 1..4 / -1..-1 / 1..4 / -1..-1 / 1..4 | 0 | 0 | 0 | 10 |)",
      R"(| 3 | "Brigandine" | 500 | 16 | 38 | 14 | 18 | 1.7 | 2.0 | 0.2 | 0.3 | 2..5 / -2..-2 / 2..5 / -2..-2 / 2..5 | 10 | 52 | 30 | 15 |)",
      R"(| 18 | "Doom Armor" | 0 | 310 | 330 | 41 | 47 | 13.8 | 14.2 | 1.0 | 1.4 | 7..13 / 7..13 / 9..13 / 9..13 / 8..13 | 80 | 184 | 80 | 0 |)"}},
    {"robe_table",
     R"(| row | `name` | price | def_lo | def_hi | spec_def_lo | spec_def_hi | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | mp_regen_lo | mp_regen_hi | res | level_req | spi_req | tal_req | weight |)",
     {R"(| 1 | "Robe" | 80 | 6 | 10 | 4 | 8 | 0.5 | 0.8 | 0.2 | 0.3 | 0.1 | 0.4 | 1..3 / -3..-3 / 1..3 / -3..-3 / 1..3 | 0 | 0 | 0 | 8 |)",
      R"(| 4 | "Elven Robe" | 1000 | 18 | 30 | 6 | 10 | 1.8 | 2.2 | 0.2 | 0.5 | 0.4 | 0.8 | 5..13 / -5..-5 / 5..13 / -5..-5 / 5..13 | 17 | 60 | 30 | 16 |)",
      R"(| 18 | "Alchemist Robe" | 0 | 255 | 270 | 35 | 35 | 12.2 | 12.6 | 1.1 | 1.2 | 2.3 | 2.4 | 11..14 / 9..11 / 12..15 / 10..11 / 13..14 | 80 | 182 | 90 | 0 |)"}},
    {"shield_table",
     R"(| row | `name` | price | def_lo | def_hi | spec_def_lo | spec_def_hi | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | res | blk_lo | blk_hi | spec_blk | level_req | str_req | tal_req | weight |)",
     {R"(| 1 | "Wooden Shield" | 12 | 4 | 7 | 0 | 0 | 0.8 | 1.1 | 0.1 | 0.2 | 1..3 / -2..-2 / 1..3 / -2..-2 / 1..3 | 6 | 8 | 2 | 0 | 0 | 0 | 2 |)",
      R"(| 4 | "Kite Shield" | 660 | 25 | 45 | 4 | 10 | 1.4 | 1.9 | 0.3 | 0.4 | 2..3 / 2..3 / 2..3 / 2..3 / 2..3 | 8 | 13 | 4 | 9 | 50 | 30 | 12 |)",
      R"(| 17 | "Titan Shield" | 0 | 142 | 165 | 28 | 28 | 7.1 | 7.4 | 1.0 | 1.0 | 5..5 / 3..3 / 3..3 / 4..4 / 3..3 | 17 | 20 | 3 | 80 | 130 | 75 | 0 |)"}},
    {"orb_table",
     R"(| row | `name` | price | def_lo | def_hi | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | mp_regen_lo | mp_regen_hi | res | mp_lo | mp_hi | level_req | spi_req | weight |)",
     {R"(| 1 | "Pearl Beads" | 30 | 2 | 5 | 0.2 | 0.4 | 0.3 | 0.3 | 0.3 | 0.4 | 1..3 / 1..3 / 1..3 / 1..3 / 1..3 | 5 | 10 | 0 | 0 | 2 |)",
      R"(| 9 | "Dark Moon" | 6400 | 28 | 52 | 1.0 | 1.5 | 0.6 | 0.8 | 0.6 | 0.9 | 3..5 / 3..5 / 3..5 / 3..5 / 3..5 | 16 | 28 | 44 | 80 | 8 |)",
      R"(| 18 | "Mundane" | 0 | 96 | 108 | 4.0 | 4.3 | 1.0 | 1.0 | 0.9 | 0.9 | 6..6 / 7..7 / 4..4 / 7..7 / 6..6 | 45 | 58 | 80 | 133 | 0 |)"}},
    {"boots_table",
     R"(| row | `name` | price | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | spd_lo | spd_hi | spec_spd_lo | spec_spd_hi | res | level_req | str_req | spi_req | agi_req | weight | def_lo | def_hi |)",
     {R"(| 1 | "Leather Boots" | 22 | 0.1 | 0.2 | 0.1 | 0.2 | 0.4 | 0.6 | 0.1 | 0.1 | 1..2 / 0..0 / 1..2 / 0..0 / 1..2 | 0 | 0 | 0 | 0 | 2 | 4 | 6 |)",
      R"(| 10 | "Chaos Boots" | 8200 | 1.9 | 2.4 | 0.3 | 0.5 | 2.1 | 2.4 | 0.3 | 0.6 | 2..4 / 2..4 / 1..4 / 1..5 / 1..4 | 50 | 60 | 35 | 65 | 17 | 38 | 70 |)",
      R"(| 17 | "Wyvern Boots" | 0 | 5.9 | 6.2 | 0.5 | 0.7 | 3.2 | 3.6 | 0.5 | 0.7 | 2..5 / 2..5 / 2..5 / 2..5 / 2..5 | 80 | 90 | 40 | 90 | 0 | 97 | 115 |)"}},
    {"gaunts_table",
     R"(| row | `name` | price | abs_lo | abs_hi | spec_abs_lo | spec_abs_hi | res | level_req | str_req | tal_req | agi_req | spi_req | weight | def_lo | def_hi | spec_def_lo | spec_def_hi |)",
     {R"(| 1 | "Leather Gloves" | 20 | 0.2 | 0.3 | 0.1 | 0.2 | 1..2 / -2..-2 / 1..2 / -2..-2 / 1..2 | 0 | 0 | 0 | 0 | 0 | 3 | 3 | 5 | 4 | 8 |)",
      R"(| 9 | "Holy Gauntlets" | 6400 | 1.7 | 2.1 | 0.4 | 0.6 | 3..4 / 3..4 / 3..4 / -2..-2 / 3..4 | 44 | 60 | 50 | 0 | 30 | 18 | 50 | 62 | 16 | 20 |)",
      R"(| 17 | "Diamond Gauntlets" | 0 | 5.5 | 5.8 | 0.6 | 0.8 | 4..6 / 3..6 / 4..6 / 3..4 / 3..6 | 80 | 100 | 70 | 74 | 0 | 0 | 105 | 120 | 37 | 38 |)"}},
    {"armlet_table",
     R"(| row | `name` | price | level_req | str_req | agi_req | weight | def_lo | def_hi | rtg_lo | rtg_hi | potions |)",
     {R"(| 1 | "Leather Armlet" | 30 | 0 | 0 | 0 | 2 | 3 | 5 | 10 | 16 | 20 |)",
      R"(| 4 | "Fold Armlet" | 500 | 9 | 40 | 22 | 10 | 8 | 12 | 20 | 28 | 26 |)",
      R"(| 17 | "Titan Bracelet" | 0 | 80 | 90 | 68 | 0 | 72 | 80 | 80 | 88 | 60 |)"}},
    {"ring_table",
     R"(| row | `name` | price | level_req | spi_req | weight | stm_lo | stm_hi | hp_lo | hp_hi | hp_regen_lo | hp_regen_hi |)",
     {R"(| 1 | "Round Ring" | 20 | 0 | 0 | 1 | 0 | 0 | 0 | 0 | 0.1 | 0.2 |)",
      R"(| 13 | "Rune Ring" | 3000 | 45 | 52 | 4 | 30 | 40 | 1 | 4 | 0.1 | 0.2 |)",
      R"(| 18 | "Sealed Ring +1" | 0 | 70 | 70 | 0 | 40 | 55 | 11 | 14 | 0.1 | 0.3 |)"}},
    {"amulet_table",
     R"(| row | `name` | price | level_req | spi_req | weight | mp_lo | mp_hi | hp_lo | hp_hi | regen_lo | regen_hi |)",
     {R"(| 1 | "Round Amulet" | 20 | 0 | 0 | 1 | 0 | 0 | 0 | 0 | 0.1 | 0.2 |)",
      R"(| 13 | "Rune Amulet" | 3000 | 45 | 52 | 4 | 9 | 15 | 2 | 5 | 0.2 | 0.5 |)",
      R"(| 18 | "Sealed Amulet +1" | 0 | 70 | 70 | 0 | 22 | 28 | 14 | 18 | 0.2 | 0.6 |)"}},
    {"sheltom_table",
     R"(| row | `name` | hp_regen_lo | hp_regen_hi | spec_hp_regen | mp_regen_lo | mp_regen_hi | spec_mp_regen_lo | spec_mp_regen_hi | level_req | spi_req | weight | price |)",
     {R"(| 1 | "Lucidy" | 0.1 | 0.2 | 0.1 | 0.2 | 0.3 | 0.1 | 0.2 | 5 | 0 | 2 | 200 |)",
      R"(| 2 | "Sereno" | 0.2 | 0.3 | 0.1 | 0.2 | 0.4 | 0.1 | 0.2 | 12 | 0 | 2 | 400 |)",
      R"(| 3 | "Fadeo" | 0.3 | 0.4 | 0.1 | 0.2 | 0.5 | 0.2 | 0.3 | 20 | 30 | 2 | 800 |)",
      R"(| 4 | "Sparky" | 0.3 | 0.5 | 0.1 | 0.4 | 0.7 | 0.2 | 0.4 | 30 | 40 | 2 | 1600 |)",
      R"(| 5 | "Raident" | 0.3 | 0.6 | 0.1 | 0.5 | 0.7 | 0.2 | 0.5 | 40 | 50 | 2 | 3000 |)",
      R"(| 6 | "Transparo" | 0.4 | 0.7 | 0.2 | 0.5 | 0.8 | 0.3 | 0.6 | 45 | 65 | 2 | 6000 |)",
      R"(| 7 | "Murky" | 0.5 | 0.9 | 0.3 | 0.6 | 0.9 | 0.4 | 0.9 | 50 | 80 | 2 | 10000 |)",
      R"(| 8 | "Devine" | 0.6 | 1.0 | 0.4 | 0.8 | 1.1 | 1.1 | 1.2 | 55 | 90 | 2 | 14000 |)",
      R"(| 9 | "Celesto" | 0.9 | 1.2 | 0.8 | 1.0 | 1.3 | 0.9 | 1.3 | 60 | 100 | 2 | 0 |)"}},
};

TEST(ItemTables, RowsGivenByTheSpecExactly) {
  ASSERT_EQ(kGivenRows.size(), 10u);
  for (const GivenRows& g : kGivenRows) test::expect_md_rows(g.table, g.header, g.rows);
}

TEST(ItemTables, SheltomTableGivenInFull) {
  // The given rows are rows 1 .. 9 in order, and the loaded table has no
  // other row, so the check above covers every sheltom.
  const GivenRows& g = kGivenRows.back();
  ASSERT_EQ(g.table, "sheltom_table");
  ASSERT_EQ(item_catalog().sheltom_table.size(), g.rows.size());
  for (std::size_t i = 0; i < g.rows.size(); ++i) EXPECT_EQ(test::md_cells(g.rows[i]).at(0), std::to_string(i + 1));
  EXPECT_FALSE(sheltom_row(static_cast<int>(g.rows.size()) + 1).has_value());
}

// ---------------------------------------------------------------- facts (fixed game data)

struct Fact {
  std::string table;
  int row;
  std::string field;
  std::string value;
  std::string evidence;
};

const std::vector<Fact> kItemFacts = {
    // Choosing "Battle Suit" for a Fighter writes 12, 0.9, 10, 0.2 (Equipping armour-class items).
    {"armor_table", 1, "name", "Battle Suit", "Equipping: Battle Suit is row 1"},
    {"armor_table", 1, "def_hi", "12", "Equipping: writes 12"},
    {"armor_table", 1, "abs_hi", "0.9", "Equipping: writes 0.9"},
    {"armor_table", 1, "spec_def_hi", "10", "Equipping: writes 10"},
    {"armor_table", 1, "spec_abs_hi", "0.2", "Equipping: writes 0.2"},
    // Armour browser row 1: 8 - 12, 0.6 - 0.9, 5 - 10, 0.1 - 0.2, ---, ---, ---, 10, 80; flame -1..-1.
    {"armor_table", 1, "def_lo", "8", "Browser row 1"},
    {"armor_table", 1, "abs_lo", "0.6", "Browser row 1"},
    {"armor_table", 1, "spec_def_lo", "5", "Browser row 1"},
    {"armor_table", 1, "spec_abs_lo", "0.1", "Browser row 1"},
    {"armor_table", 1, "level_req", "0", "Browser row 1: ---"},
    {"armor_table", 1, "str_req", "0", "Browser row 1: ---"},
    {"armor_table", 1, "tal_req", "0", "Browser row 1: ---"},
    {"armor_table", 1, "weight", "10", "Browser row 1"},
    {"armor_table", 1, "price", "80", "Browser row 1"},
    {"armor_table", 1, "res_flame_lo", "-1", "flame -1..-1 of Battle Suit"},
    {"armor_table", 1, "res_flame_hi", "-1", "flame -1..-1 of Battle Suit"},
    // Armour browser row 18.
    {"armor_table", 18, "name", "Doom Armor", "Browser row 18"},
    {"armor_table", 18, "str_req", "184", "Browser: Strength 184"},
    {"armor_table", 18, "tal_req", "80", "Browser: Talent 80"},
    {"armor_table", 18, "weight", "0", "Browser: weight 0"},
    {"armor_table", 18, "price", "0", "Browser: price 0"},
    // Aging simulator sample items at age level 0 (their upper ends, the values equipping copies).
    {"armor_table", 15, "name", "Extreme Armor", "Aging simulator sample 0"},
    {"armor_table", 15, "def_hi", "270", "Aging simulator: Defense 270"},
    {"armor_table", 15, "abs_hi", "10.6", "Aging simulator: absorption 10.6"},
    {"robe_table", 1, "name", "Robe", "Equipping: Robe is row 1"},
    {"robe_table", 1, "mp_regen_hi", "0.4", "Equipping: writes 0.4 into stat_robe_regen"},
    {"robe_table", 15, "name", "Bishop Robe", "Aging simulator sample 1"},
    {"robe_table", 15, "def_hi", "210", "Aging simulator: Defense 210"},
    {"robe_table", 15, "abs_hi", "8.9", "Aging simulator: absorption 8.9"},
    {"shield_table", 15, "name", "Gladiator Shield", "Aging simulator sample 2"},
    {"shield_table", 15, "blk_hi", "19", "Aging simulator: Block 19"},
    {"shield_table", 15, "abs_hi", "5.7", "Aging simulator: absorption 5.7"},
    {"orb_table", 15, "name", "Astral Orb", "Aging simulator sample 3"},
    {"orb_table", 15, "def_hi", "85", "Aging simulator: Defense 85"},
    {"orb_table", 15, "abs_hi", "3", "Aging simulator: absorption 3"},
    // Amulet and ring windows, rows 1 .. 4: level and Spirit 0.
    {"ring_table", 1, "level_req", "0", "Ring window rows 1..4"},
    {"ring_table", 1, "spi_req", "0", "Ring window rows 1..4"},
    {"ring_table", 2, "level_req", "0", "Ring window rows 1..4"},
    {"ring_table", 2, "spi_req", "0", "Ring window rows 1..4"},
    {"ring_table", 3, "level_req", "0", "Ring window rows 1..4"},
    {"ring_table", 3, "spi_req", "0", "Ring window rows 1..4"},
    {"ring_table", 4, "level_req", "0", "Ring window rows 1..4"},
    {"ring_table", 4, "spi_req", "0", "Ring window rows 1..4"},
    {"amulet_table", 1, "level_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 1, "spi_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 2, "level_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 2, "spi_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 3, "level_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 3, "spi_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 4, "level_req", "0", "Amulet window rows 1..4"},
    {"amulet_table", 4, "spi_req", "0", "Amulet window rows 1..4"},
    // Sheltom window, row 1 "Lucidy": "Spec HP Rec" holds one number (0.1).
    {"sheltom_table", 1, "name", "Lucidy", "Sheltom window row 1"},
    {"sheltom_table", 1, "spec_hp_regen", "0.1", "Sheltom window: Spec HP Rec 0.1"},
    // Sheltom prices of the simulator's sheltoms in the table (not the gold prices).
    {"sheltom_table", 3, "price", "800", "fixed sheltom price"},
    {"sheltom_table", 4, "price", "1600", "fixed sheltom price"},
    {"sheltom_table", 5, "price", "3000", "fixed sheltom price"},
    {"sheltom_table", 6, "price", "6000", "fixed sheltom price"},
    {"sheltom_table", 7, "price", "10000", "fixed sheltom price"},
    {"sheltom_table", 8, "price", "14000", "fixed sheltom price"},
    {"sheltom_table", 9, "price", "0", "fixed sheltom price"},
};

TEST(ItemTables, EveryItemFactOfTheCatalogFacts) {
  for (const Fact& f : kItemFacts)
    EXPECT_TRUE(value_is(cell(f.table, f.row, f.field), f.value))
        << f.table << " row " << f.row << " " << f.field << " (" << f.evidence << ")";
}

// The shortest general format with up to 15 significant digits, as the
// sheltom insertion writes the value.
std::string general_text(double v) {
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

TEST(ItemTables, SheltomInsertionValues) {
  // "The inserted values are, in sheltom order: 0.5, 0.6, 0.8, 1.1, 1.2, 1.4, 1.8, 2.3, 2.6."
  const std::vector<std::string> expected = {"0.5", "0.6", "0.8", "1.1", "1.2",
                                             "1.4", "1.8", "2.3", "2.6"};
  for (int r = 1; r <= 9; ++r) {
    const SheltomR s = *sheltom_row(r);
    EXPECT_EQ(general_text(s.mp_regen_hi + s.spec_mp_regen_hi), expected[static_cast<std::size_t>(r - 1)])
        << s.name;
  }
}

TEST(ItemTables, ForceOrbRowsCarryTheSheltomNamesInOrder) {
  // Select_ForceOrb: "none", then one row per sheltom of the table, and the
  // force orb of each row is named after it.
  const std::vector<std::string> rows = initial_rows(Ctl::Select_ForceOrb);
  const std::vector<std::string> sheltoms = names_of("sheltom_table");
  ASSERT_EQ(rows.size(), sheltoms.size() + 1);
  EXPECT_EQ(rows.front(), "none");
  EXPECT_EQ(std::vector<std::string>(rows.begin() + 1, rows.end()), sheltoms);
  ASSERT_EQ(kForceOrbRows, static_cast<int>(sheltoms.size()));
  for (int r = 1; r <= kForceOrbRows; ++r)
    EXPECT_EQ(force_orb_rule(r).name, sheltoms[static_cast<std::size_t>(r - 1)]) << "row " << r;
}

// ---------------------------------------------------------------- whole-table rules

template <class R, std::size_t N, class F>
void each(const std::array<R, N>& t, F f) {
  for (std::size_t i = 0; i < N; ++i) f(t[i], static_cast<int>(i) + 1);
}

template <class R>
void expect_res_rules(const R& r, const std::string& table) {
  for (int e = 0; e < kElementCount; ++e) {
    EXPECT_LE(r.res[e].lo, r.res[e].hi) << table << " " << r.name << " element " << e;
    EXPECT_GE(r.res[e].lo, -5) << table << " " << r.name << " element " << e;
    // Negative resistances are single values in the data ("-1..-1").
    if (r.res[e].lo < 0) {
      EXPECT_EQ(r.res[e].lo, r.res[e].hi) << table << " " << r.name;
    }
    EXPECT_LE(r.res[e].hi, 15) << table << " " << r.name;
  }
}

TEST(ItemTables, RangesOrderedAndResistancesInRange) {
  const ItemCatalog& c = item_catalog();
  each(c.armor_table, [](const ArmorR& r, int) {
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.spec_def_lo, r.spec_def_hi) << r.name;
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    expect_res_rules(r, "armor_table");
  });
  each(c.robe_table, [](const RobeR& r, int) {
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.spec_def_lo, r.spec_def_hi) << r.name;
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    EXPECT_LE(r.mp_regen_lo, r.mp_regen_hi) << r.name;
    expect_res_rules(r, "robe_table");
  });
  each(c.shield_table, [](const ShieldR& r, int) {
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.spec_def_lo, r.spec_def_hi) << r.name;
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    EXPECT_LE(r.blk_lo, r.blk_hi) << r.name;
    EXPECT_LE(r.blk_hi, 100) << r.name;
    expect_res_rules(r, "shield_table");
  });
  each(c.orb_table, [](const OrbR& r, int) {
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    EXPECT_LE(r.mp_regen_lo, r.mp_regen_hi) << r.name;
    EXPECT_LE(r.mp_lo, r.mp_hi) << r.name;
    expect_res_rules(r, "orb_table");
  });
  each(c.boots_table, [](const BootsR& r, int) {
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    EXPECT_LE(r.spd_lo, r.spd_hi) << r.name;
    EXPECT_LE(r.spec_spd_lo, r.spec_spd_hi) << r.name;
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    expect_res_rules(r, "boots_table");
  });
  each(c.gaunts_table, [](const GauntsR& r, int) {
    EXPECT_LE(r.abs_lo, r.abs_hi) << r.name;
    EXPECT_LE(r.spec_abs_lo, r.spec_abs_hi) << r.name;
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.spec_def_lo, r.spec_def_hi) << r.name;
    expect_res_rules(r, "gaunts_table");
  });
  each(c.armlet_table, [](const ArmletR& r, int) {
    EXPECT_LE(r.def_lo, r.def_hi) << r.name;
    EXPECT_LE(r.rtg_lo, r.rtg_hi) << r.name;
  });
  each(c.ring_table, [](const RingsR& r, int) {
    EXPECT_LE(r.stm_lo, r.stm_hi) << r.name;
    EXPECT_LE(r.hp_lo, r.hp_hi) << r.name;
    EXPECT_LE(r.hp_regen_lo, r.hp_regen_hi) << r.name;
  });
  each(c.amulet_table, [](const AmuletR& r, int) {
    EXPECT_LE(r.mp_lo, r.mp_hi) << r.name;
    EXPECT_LE(r.hp_lo, r.hp_hi) << r.name;
    EXPECT_LE(r.regen_lo, r.regen_hi) << r.name;
  });
  each(c.sheltom_table, [](const SheltomR& r, int) {
    EXPECT_LE(r.hp_regen_lo, r.hp_regen_hi) << r.name;
    EXPECT_LE(r.mp_regen_lo, r.mp_regen_hi) << r.name;
    EXPECT_LE(r.spec_mp_regen_lo, r.spec_mp_regen_hi) << r.name;
  });
}

TEST(ItemTables, NegativeResistancesOccurButAreRare) {
  // "Negative values occur (−1 to −5)": mostly small, occasionally negative.
  const ItemCatalog& c = item_catalog();
  int negative = 0, total = 0;
  auto count = [&](const auto& t) {
    for (const auto& r : t)
      for (const ResRange& p : r.res) {
        ++total;
        if (p.lo < 0) ++negative;
      }
  };
  count(c.armor_table);
  count(c.robe_table);
  count(c.shield_table);
  count(c.orb_table);
  count(c.boots_table);
  count(c.gaunts_table);
  EXPECT_GT(negative, 0);
  EXPECT_LT(negative * 4, total);
}

// ---------------------------------------------------------------- shape of the authored rows

// Values of one field down a table, by a projection.
template <class R, std::size_t N, class P>
std::vector<double> column(const std::array<R, N>& t, P p) {
  std::vector<double> out;
  for (const R& r : t) out.push_back(static_cast<double>(p(r)));
  return out;
}

::testing::AssertionResult non_decreasing(const std::vector<double>& v) {
  for (std::size_t i = 1; i < v.size(); ++i)
    if (v[i] < v[i - 1])
      return ::testing::AssertionFailure() << "row " << i + 1 << " (" << v[i] << ") below row " << i
                                           << " (" << v[i - 1] << ")";
  return ::testing::AssertionSuccess();
}

// Prices rise down a table; 0 ("none recorded") only for the top drops at its end.
template <class R, std::size_t N>
::testing::AssertionResult prices_rise(const std::array<R, N>& t) {
  std::uint32_t last = 0;
  bool zero_seen = false;
  for (std::size_t i = 0; i < N; ++i) {
    const std::uint32_t p = t[i].price;
    if (p == 0) {
      zero_seen = true;
      continue;
    }
    if (zero_seen)
      return ::testing::AssertionFailure() << t[i].name << " has a price after a row without one";
    if (p <= last) return ::testing::AssertionFailure() << t[i].name << " is not dearer than the row before";
    last = p;
  }
  if (!zero_seen) return ::testing::AssertionFailure() << "no top drop without a price";
  return ::testing::AssertionSuccess();
}

// Weight 0 ("none recorded") exactly for the rows without a price.
template <class R, std::size_t N>
::testing::AssertionResult weight_only_with_price(const std::array<R, N>& t) {
  for (const R& r : t)
    if ((r.weight == 0) != (r.price == 0))
      return ::testing::AssertionFailure() << r.name << ": weight " << int(r.weight) << ", price " << r.price;
  return ::testing::AssertionSuccess();
}

TEST(ItemTablesShape, ValuesRiseWithTheRowAndTheLevel) {
  const ItemCatalog& c = item_catalog();
  const auto& a = c.armor_table;
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.def_lo; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.spec_def_hi; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.spec_abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.str_req; })));
  EXPECT_TRUE(non_decreasing(column(a, [](const ArmorR& r) { return r.tal_req; })));
  const auto& ro = c.robe_table;
  EXPECT_TRUE(non_decreasing(column(ro, [](const RobeR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(ro, [](const RobeR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(ro, [](const RobeR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(ro, [](const RobeR& r) { return r.mp_regen_hi; })));
  EXPECT_TRUE(non_decreasing(column(ro, [](const RobeR& r) { return r.spi_req; })));
  const auto& sh = c.shield_table;
  EXPECT_TRUE(non_decreasing(column(sh, [](const ShieldR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(sh, [](const ShieldR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(sh, [](const ShieldR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(sh, [](const ShieldR& r) { return r.blk_hi; })));
  EXPECT_TRUE(non_decreasing(column(sh, [](const ShieldR& r) { return r.str_req; })));
  const auto& o = c.orb_table;
  EXPECT_TRUE(non_decreasing(column(o, [](const OrbR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(o, [](const OrbR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(o, [](const OrbR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(o, [](const OrbR& r) { return r.mp_hi; })));
  EXPECT_TRUE(non_decreasing(column(o, [](const OrbR& r) { return r.spi_req; })));
  const auto& b = c.boots_table;
  EXPECT_TRUE(non_decreasing(column(b, [](const BootsR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(b, [](const BootsR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(b, [](const BootsR& r) { return r.spd_hi; })));
  EXPECT_TRUE(non_decreasing(column(b, [](const BootsR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(b, [](const BootsR& r) { return r.agi_req; })));
  const auto& g = c.gaunts_table;
  EXPECT_TRUE(non_decreasing(column(g, [](const GauntsR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(g, [](const GauntsR& r) { return r.abs_hi; })));
  EXPECT_TRUE(non_decreasing(column(g, [](const GauntsR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(g, [](const GauntsR& r) { return r.spec_def_hi; })));
  EXPECT_TRUE(non_decreasing(column(g, [](const GauntsR& r) { return r.str_req; })));
  const auto& al = c.armlet_table;
  EXPECT_TRUE(non_decreasing(column(al, [](const ArmletR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(al, [](const ArmletR& r) { return r.def_hi; })));
  EXPECT_TRUE(non_decreasing(column(al, [](const ArmletR& r) { return r.rtg_hi; })));
  EXPECT_TRUE(non_decreasing(column(al, [](const ArmletR& r) { return r.potions; })));
  const auto& ri = c.ring_table;
  EXPECT_TRUE(non_decreasing(column(ri, [](const RingsR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(ri, [](const RingsR& r) { return r.spi_req; })));
  EXPECT_TRUE(non_decreasing(column(ri, [](const RingsR& r) { return r.stm_hi; })));
  EXPECT_TRUE(non_decreasing(column(ri, [](const RingsR& r) { return r.hp_hi; })));
  const auto& am = c.amulet_table;
  EXPECT_TRUE(non_decreasing(column(am, [](const AmuletR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(am, [](const AmuletR& r) { return r.spi_req; })));
  EXPECT_TRUE(non_decreasing(column(am, [](const AmuletR& r) { return r.mp_hi; })));
  EXPECT_TRUE(non_decreasing(column(am, [](const AmuletR& r) { return r.hp_hi; })));
  const auto& st = c.sheltom_table;
  EXPECT_TRUE(non_decreasing(column(st, [](const SheltomR& r) { return r.level_req; })));
  EXPECT_TRUE(non_decreasing(column(st, [](const SheltomR& r) { return r.mp_regen_hi; })));
}

TEST(ItemTablesShape, PricesRiseAndTopDropsHaveNone) {
  const ItemCatalog& c = item_catalog();
  EXPECT_TRUE(prices_rise(c.armor_table));
  EXPECT_TRUE(prices_rise(c.robe_table));
  EXPECT_TRUE(prices_rise(c.shield_table));
  EXPECT_TRUE(prices_rise(c.orb_table));
  EXPECT_TRUE(prices_rise(c.boots_table));
  EXPECT_TRUE(prices_rise(c.gaunts_table));
  EXPECT_TRUE(prices_rise(c.armlet_table));
  EXPECT_TRUE(prices_rise(c.ring_table));
  EXPECT_TRUE(prices_rise(c.amulet_table));
  EXPECT_TRUE(prices_rise(c.sheltom_table));
  EXPECT_TRUE(weight_only_with_price(c.armor_table));
  EXPECT_TRUE(weight_only_with_price(c.robe_table));
  EXPECT_TRUE(weight_only_with_price(c.shield_table));
  EXPECT_TRUE(weight_only_with_price(c.orb_table));
  EXPECT_TRUE(weight_only_with_price(c.boots_table));
  EXPECT_TRUE(weight_only_with_price(c.gaunts_table));
  EXPECT_TRUE(weight_only_with_price(c.armlet_table));
  EXPECT_TRUE(weight_only_with_price(c.ring_table));
  EXPECT_TRUE(weight_only_with_price(c.amulet_table));
}

TEST(ItemTablesShape, PlusItemsAreStrongerThanTheirBase) {
  // Rings and amulets come in families "X", "X +1", "X +2", "X +3" (the
  // sealed family only up to +1); each step is stronger than the one before.
  const ItemCatalog& c = item_catalog();
  for (int base : {1, 5, 9, 13, 17}) {
    const int last = base == 17 ? 18 : base + 3;
    for (int r = base + 1; r <= last; ++r) {
      const RingsR lo = *ring_row(r - 1), hi = *ring_row(r);
      EXPECT_EQ(hi.name.substr(0, hi.name.find(" +")), lo.name.substr(0, lo.name.find(" +")));
      EXPECT_GT(hi.stm_hi, lo.stm_hi) << hi.name;
      EXPECT_GE(hi.hp_hi, lo.hp_hi) << hi.name;
      EXPECT_GE(hi.hp_regen_hi, lo.hp_regen_hi) << hi.name;
      EXPECT_GE(hi.level_req, lo.level_req) << hi.name;
      const AmuletR alo = *amulet_row(r - 1), ahi = *amulet_row(r);
      EXPECT_GT(ahi.mp_hi, alo.mp_hi) << ahi.name;
      EXPECT_GE(ahi.hp_hi, alo.hp_hi) << ahi.name;
      EXPECT_GE(ahi.regen_hi, alo.regen_hi) << ahi.name;
    }
  }
  (void)c;
}

TEST(ItemTablesShape, EveryItemAboveRowOneHasARequirement) {
  // Only beginner items (level 0) are free of requirements.
  const ItemCatalog& c = item_catalog();
  each(c.armor_table, [](const ArmorR& r, int) {
    if (r.level_req > 0) {
      EXPECT_GT(r.str_req, 0) << r.name;
    }
  });
  each(c.robe_table, [](const RobeR& r, int) {
    if (r.level_req > 0) {
      EXPECT_GT(r.spi_req, 0) << r.name;
    }
  });
  each(c.shield_table, [](const ShieldR& r, int) {
    if (r.level_req > 0) {
      EXPECT_GT(r.str_req, 0) << r.name;
    }
  });
  each(c.orb_table, [](const OrbR& r, int) {
    if (r.level_req > 0) {
      EXPECT_GT(r.spi_req, 0) << r.name;
    }
  });
}

// ---------------------------------------------------------------- JSON

TEST(ItemCatalogJson, EveryTableWithFieldsAndRows) {
  const nlohmann::json j = item_catalog_json();
  const std::vector<std::pair<std::string, std::size_t>> tables = {
      {"armor_table", 18}, {"robe_table", 18},   {"shield_table", 17},  {"orb_table", 18},
      {"boots_table", 17}, {"gaunts_table", 17}, {"armlet_table", 17},  {"ring_table", 18},
      {"amulet_table", 18}, {"sheltom_table", 9}, {"axe_table", 17},     {"bow_table", 19},
      {"scythe_table", 18}, {"claw_table", 17},   {"javelin_table", 18}, {"sword_table", 20},
      {"wand_table", 18},  {"mace_table", 18}};
  ASSERT_TRUE(j.is_array());
  ASSERT_EQ(j.size(), tables.size());
  for (std::size_t t = 0; t < tables.size(); ++t) {
    const nlohmann::json& table = j[t];
    EXPECT_EQ(table["name"], tables[t].first);
    const nlohmann::json& fields = table["fields"];
    const nlohmann::json& rows = table["rows"];
    ASSERT_EQ(rows.size(), tables[t].second) << tables[t].first;
    for (std::size_t r = 0; r < rows.size(); ++r) {
      ASSERT_EQ(rows[r].size(), fields.size());
      for (std::size_t f = 0; f < fields.size(); ++f) {
        const FieldValue v = cell(tables[t].first, static_cast<int>(r) + 1, fields[f].get<std::string>());
        const nlohmann::json& x = rows[r][f];
        if (const auto* s = std::get_if<std::string>(&v)) {
          EXPECT_EQ(x, *s);
        }
        else if (const auto* i = std::get_if<std::int64_t>(&v)) EXPECT_TRUE(x.is_number_integer() && x == *i);
        else EXPECT_TRUE(x.is_number_float() && x.get<double>() == std::get<double>(v));
      }
    }
  }
  // Field names are the declared ones, in order, with res as ten columns.
  std::vector<std::string> armor_fields;
  for (std::string_view f : field_names<ArmorR>()) armor_fields.emplace_back(f);
  EXPECT_EQ(j[0]["fields"].get<std::vector<std::string>>(), armor_fields);
  EXPECT_EQ(armor_fields.front(), "name");
  EXPECT_EQ(armor_fields[10], "res_organic_lo");
  EXPECT_EQ(armor_fields[19], "res_poison_hi");
  EXPECT_EQ(armor_fields.back(), "weight");
  EXPECT_EQ(j[0]["rows"][0][0], "Battle Suit");
  EXPECT_EQ(j[0]["rows"][0][12], -1);  // res_flame_lo
  EXPECT_EQ(j[0]["rows"][0][6], 0.6);  // abs_lo
}

TEST(ItemCatalogJson, HeadersOfTheDataFilesAreTheFieldLists) {
  auto header = [](std::string_view stem) {
    std::string_view text = *embedded_table(stem);
    std::string line(text.substr(0, text.find('\n')));
    std::vector<std::string> out;
    std::size_t start = 0;
    while (true) {
      std::size_t tab = line.find('\t', start);
      out.push_back(line.substr(start, tab == std::string::npos ? std::string::npos : tab - start));
      if (tab == std::string::npos) return out;
      start = tab + 1;
    }
  };
  auto names = [](auto v) { return std::vector<std::string>(v.begin(), v.end()); };
  EXPECT_EQ(header("items_armor"), names(field_names<ArmorR>()));
  EXPECT_EQ(header("items_robe"), names(field_names<RobeR>()));
  EXPECT_EQ(header("items_shield"), names(field_names<ShieldR>()));
  EXPECT_EQ(header("items_orb"), names(field_names<OrbR>()));
  EXPECT_EQ(header("items_boots"), names(field_names<BootsR>()));
  EXPECT_EQ(header("items_gaunts"), names(field_names<GauntsR>()));
  EXPECT_EQ(header("items_armlet"), names(field_names<ArmletR>()));
  EXPECT_EQ(header("items_ring"), names(field_names<RingsR>()));
  EXPECT_EQ(header("items_amulet"), names(field_names<AmuletR>()));
  EXPECT_EQ(header("items_sheltom"), names(field_names<SheltomR>()));
  EXPECT_EQ(header("weapons"), names(field_names<WeaponR>()));
}

}  // namespace
}  // namespace brennick
