// Sorting and filtering the item browsers' grids: the keys of every kind of
// cell (both decimal separators), the order of whole grids both ways, the
// rows a filter keeps, and the weapon grid's empty rows.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "data/browser_contents.h"
#include "data/browser_view.h"
#include "data/vocabulary.h"

namespace brennick {
namespace {

const NumberFormat kPoint = NumberFormat::point();
const NumberFormat kComma = NumberFormat::comma();

using Rank = CellKey::Rank;

std::vector<std::string> names_in(const BrowserGrid& g, const std::vector<int>& rows) {
  std::vector<std::string> out;
  for (int r : rows) out.push_back(g.cell(0, r));
  return out;
}

std::vector<std::string> column_in(const BrowserGrid& g, const std::vector<int>& rows, int column) {
  std::vector<std::string> out;
  for (int r : rows) out.push_back(g.cell(column, r));
  return out;
}

bool before(std::string_view a, std::string_view b, int column = 1, const NumberFormat& fmt = kPoint) {
  return key_before(cell_key(a, column, fmt), cell_key(b, column, fmt));
}

}  // namespace

TEST(BrowserView, CellKeysOfNumbersRangesTextsAndUnknowns) {
  EXPECT_EQ(cell_key("42", 1, kPoint).numbers, (std::vector<double>{42}));
  EXPECT_EQ(cell_key("8 - 12", 1, kPoint).numbers, (std::vector<double>{12, 8})) << "the upper end first";
  EXPECT_EQ(cell_key("0.6 - 0.9", 1, kPoint).numbers, (std::vector<double>{0.9, 0.6}));
  EXPECT_EQ(cell_key("0,6 - 0,9", 1, kComma).numbers, (std::vector<double>{0.9, 0.6}));
  EXPECT_EQ(cell_key("5 - 10 %", 1, kPoint).numbers, (std::vector<double>{10, 5}));
  EXPECT_EQ(cell_key("20(25) - 33(37)", 1, kPoint).numbers, (std::vector<double>{37, 33, 25, 20}));
  EXPECT_EQ(cell_key("Lvl/1-3", 1, kPoint).numbers, (std::vector<double>{3, 1})) << "the dash joins a range";
  EXPECT_EQ(cell_key(" -1", 1, kPoint).numbers, (std::vector<double>{-1})) << "a minus sign before a digit";
  EXPECT_EQ(cell_key("-3 - -1", 1, kPoint).numbers, (std::vector<double>{-1, -3}));
  EXPECT_EQ(cell_key("42", 1, kPoint).rank, Rank::Number);

  for (const char* unknown : {"?", "---", "", " ", "  ", " ? "}) EXPECT_EQ(cell_key(unknown, 1, kPoint).rank, Rank::Unknown) << unknown;
  EXPECT_EQ(cell_key(" X", 5, kPoint).rank, Rank::Text);
  EXPECT_EQ(cell_key(" X", 5, kPoint).text, "x");
  // The name column sorts as text, digits and all.
  const CellKey name = cell_key("Armor 2", 0, kPoint);
  EXPECT_EQ(name.rank, Rank::Text);
  EXPECT_EQ(name.text, "armor 2");
  EXPECT_TRUE(name.numbers.empty());
}

TEST(BrowserView, KeysOrderNumbersAsNumbersAndUnknownsLast) {
  EXPECT_TRUE(before("9", "10")) << "not as texts";
  EXPECT_FALSE(before("10", "9"));
  EXPECT_TRUE(before("8 - 12", "5 - 13")) << "by the upper end";
  EXPECT_TRUE(before("5 - 12", "8 - 12")) << "then by the lower end";
  EXPECT_TRUE(before("0.9 - 1.2", "1.0 - 1.3"));
  EXPECT_TRUE(before("0,9 - 1,2", "1,0 - 1,3", 1, kComma));
  EXPECT_TRUE(before("-1", "0"));
  EXPECT_TRUE(before("999", "?"));
  EXPECT_TRUE(before("1", "---"));
  EXPECT_FALSE(before("?", "---")) << "unknowns are equal";
  EXPECT_FALSE(before("---", "?"));
  EXPECT_TRUE(before("12", "abc")) << "numbers before texts";
  EXPECT_TRUE(before("Axe", "blade", 0)) << "texts without regard to case";
  EXPECT_FALSE(before("Blade", "axe", 0));
}

TEST(BrowserView, HeaderClicksSortThenReverseAndAnotherColumnStartsAscending) {
  BrowserView v;
  EXPECT_EQ(v.sort_column, -1);
  v = header_clicked(v, 3);
  EXPECT_EQ(v.sort_column, 3);
  EXPECT_FALSE(v.descending);
  v = header_clicked(v, 3);
  EXPECT_EQ(v.sort_column, 3);
  EXPECT_TRUE(v.descending);
  v = header_clicked(v, 3);
  EXPECT_FALSE(v.descending) << "a third click sorts ascending again";
  v = header_clicked(header_clicked(v, 3), 5);
  EXPECT_EQ(v.sort_column, 5);
  EXPECT_FALSE(v.descending);
  v.filter = "suit";
  EXPECT_EQ(header_clicked(v, 1).filter, "suit") << "sorting keeps the filter";
}

TEST(BrowserView, WithoutSortOrFilterEveryRowInTableOrder) {
  for (BrowserKind k : kAllBrowserKinds) {
    const BrowserGrid g = fill_grid(k, {}, kPoint);
    const std::vector<int> rows = view_rows(g, {}, kPoint);
    ASSERT_EQ(rows.size(), g.cells.size() - 1) << browser_info(k).key;
    for (std::size_t i = 0; i < rows.size(); ++i) EXPECT_EQ(rows[i], static_cast<int>(i) + 1);
  }
}

TEST(BrowserView, SheltomsSortedByPriceBothWaysWithTheUnknownPriceLast) {
  const BrowserGrid g = fill_grid(BrowserKind::Sheltom, {}, kPoint);
  const int price = 8;
  ASSERT_EQ(g.cell(price, 0), "NPC buy");
  const BrowserView up = header_clicked({}, price);
  EXPECT_EQ(column_in(g, view_rows(g, up, kPoint), price),
            (std::vector<std::string>{"200", "400", "800", "1600", "3000", "6000", "10000", "14000", "?"}));
  const BrowserView down = header_clicked(up, price);
  EXPECT_EQ(column_in(g, view_rows(g, down, kPoint), price),
            (std::vector<std::string>{"14000", "10000", "6000", "3000", "1600", "800", "400", "200", "?"}));
  // By name: alphabetically.
  EXPECT_EQ(names_in(g, view_rows(g, header_clicked({}, 0), kPoint)),
            (std::vector<std::string>{"Celesto", "Devine", "Fadeo", "Lucidy", "Murky", "Raident", "Sereno", "Sparky",
                                      "Transparo"}));
}

TEST(BrowserView, LevelsSortAsNumbersWithTheItemsWithoutALevelLastAndTiesInTableOrder) {
  const BrowserGrid g = fill_grid(BrowserKind::Amulet, {}, kPoint);
  const int level = 4;
  ASSERT_EQ(g.cell(level, 0), "Level");
  for (bool descending : {false, true}) {
    BrowserView v{level, descending, {}};
    const std::vector<int> rows = view_rows(g, v, kPoint);
    ASSERT_EQ(rows.size(), 18u);
    const std::vector<std::string> levels = column_in(g, rows, level);
    // Rows 1 .. 4 have no level: they close the list, in table order.
    EXPECT_EQ(std::vector<int>(rows.end() - 4, rows.end()), (std::vector<int>{1, 2, 3, 4}));
    for (std::size_t i = 0; i + 5 < levels.size(); ++i) {
      const int a = std::stoi(levels[i]), b = std::stoi(levels[i + 1]);
      EXPECT_TRUE(descending ? a >= b : a <= b) << levels[i] << " then " << levels[i + 1];
      if (a == b) {
        EXPECT_LT(rows[i], rows[i + 1]) << "equal levels keep the table order";
      }
    }
  }
}

TEST(BrowserView, TheFilterKeepsTheNamesThatHoldItsTextInAnyCase) {
  const BrowserGrid g = fill_grid(BrowserKind::Weapon, {-1, Sword}, kPoint);
  EXPECT_EQ(names_in(g, view_rows(g, {-1, false, "sword"}, kPoint)),
            (std::vector<std::string>{"Sword Breaker", "Short Sword", "Long Sword", "Broad Sword", "Templar Sword",
                                      "Shield Sword", "Plated Sword", "Gigantic Sword", "Bastard Sword", "Fatal Sword",
                                      "Ancient Sword", "Twin Sword", "Salamander Sword", "Avenger Sword"}));
  EXPECT_EQ(view_rows(g, {-1, false, "TWIN"}, kPoint), (std::vector<int>{18}));
  EXPECT_EQ(view_rows(g, {-1, false, "  twin "}, kPoint), (std::vector<int>{18})) << "blanks around are ignored";
  EXPECT_TRUE(view_rows(g, {-1, false, "no such blade"}, kPoint).empty());
  // Filtered and sorted: the swords by weight, heaviest first, those
  // without a weight last; equal weights in table order.
  ASSERT_EQ(g.cell(15, 0), "Weight");
  EXPECT_EQ(names_in(g, view_rows(g, {15, true, "sword"}, kPoint)),
            (std::vector<std::string>{"Twin Sword", "Ancient Sword", "Bastard Sword", "Gigantic Sword", "Fatal Sword",
                                      "Shield Sword", "Plated Sword", "Templar Sword", "Long Sword", "Broad Sword",
                                      "Sword Breaker", "Short Sword", "Salamander Sword", "Avenger Sword"}));

  EXPECT_TRUE(name_matches("Battle Suit", ""));
  EXPECT_TRUE(name_matches("Battle Suit", "tle s"));
  EXPECT_FALSE(name_matches("Battle Suit", "suits"));
}

TEST(BrowserView, TheWeaponGridsEmptyRowsComeLastAndGoWithAFilter) {
  const BrowserGrid g = fill_grid(BrowserKind::Weapon, {-1, Axe}, kPoint);
  ASSERT_EQ(g.cells.size(), 21u);
  // Axes: 17 items, rows 18 .. 20 empty.
  const std::vector<int> by_name = view_rows(g, header_clicked({}, 0), kPoint);
  ASSERT_EQ(by_name.size(), 20u);
  EXPECT_EQ(std::vector<int>(by_name.end() - 3, by_name.end()), (std::vector<int>{18, 19, 20}));
  const std::vector<int> reversed = view_rows(g, header_clicked(header_clicked({}, 0), 0), kPoint);
  EXPECT_EQ(std::vector<int>(reversed.end() - 3, reversed.end()), (std::vector<int>{18, 19, 20}));
  EXPECT_EQ(g.cell(0, reversed.front()), g.cell(0, by_name[16]));
  const std::vector<int> filtered = view_rows(g, {-1, false, "axe"}, kPoint);
  for (int r : filtered) EXPECT_LE(r, 17);
  // A sort column the grid does not have leaves the table order.
  EXPECT_EQ(view_rows(g, {99, false, {}}, kPoint).size(), 20u);
  EXPECT_EQ(view_rows(g, {99, false, {}}, kPoint).front(), 1);
}

}  // namespace brennick
