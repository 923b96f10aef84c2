// The item browsers' contents for every kind, class and weapon kind: the
// grid has the window's rows and columns, a click writes every value label
// of the panel and no other, its item is the row's, its picture is one the
// program ships, and the resistances go with the tables that have them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <set>
#include <string>

#include "data/browser_contents.h"
#include "data/vocabulary.h"

namespace brennick {
namespace {

std::string lowered(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return s;
}

// The labels a click must write: every value label of the panel and each
// caption the click names, less those fill_grid writes.
std::multiset<std::string> panel_labels(BrowserKind kind, const BrowserGrid& grid) {
  std::multiset<std::string> out;
  for (const DetailField& f : detail_fields(kind)) {
    out.insert(f.value_name);
    const bool by_grid = std::any_of(grid.labels.begin(), grid.labels.end(),
                                     [&](const auto& l) { return l.first == f.caption_label; });
    if (!f.caption_label.empty() && !by_grid) out.insert(f.caption_label);
  }
  return out;
}

void expect_clicks(BrowserKind kind, const BrowserChoice& choice, const NumberFormat& fmt) {
  const BrowserInfo& info = browser_info(kind);
  const BrowserGrid grid = fill_grid(kind, choice, fmt);
  ASSERT_EQ(static_cast<int>(grid.cells.size()), info.rows);
  for (const auto& row : grid.cells) ASSERT_EQ(static_cast<int>(row.size()), info.columns);
  std::set<std::string> pictures;
  for (const std::string& p : picture_files()) pictures.insert(lowered(p));
  const std::multiset<std::string> expected = panel_labels(kind, grid);
  const auto items = static_cast<int>(std::count_if(grid.cells.begin() + 1, grid.cells.end(),
                                                    [](const auto& row) { return !row[0].empty(); }));
  for (int r = 1; r < info.rows; ++r) {
    const auto d = item_details(kind, choice, grid, r, fmt);
    ASSERT_TRUE(d) << "row " << r;
    std::multiset<std::string> written;
    for (const auto& [name, text] : d->labels) written.insert(name);
    EXPECT_EQ(written, expected) << "row " << r;
    // An empty row of the weapon grid shows the kind's last item.
    EXPECT_EQ(d->item, std::min(r, items)) << "row " << r;
    EXPECT_EQ(d->name, grid.cells[static_cast<std::size_t>(d->item)][0]) << "row " << r;
    EXPECT_TRUE(pictures.count(lowered(d->picture))) << d->picture;
    EXPECT_EQ(d->resistances.has_value(), info.resistances) << "row " << r;
  }
  EXPECT_FALSE(item_details(kind, choice, grid, 0, fmt));
  EXPECT_FALSE(item_details(kind, choice, grid, info.rows, fmt));
}

TEST(BrowserContents, EveryKindClassAndWeaponKindFillsGridAndPanel) {
  for (BrowserKind kind : kAllBrowserKinds) {
    const BrowserInfo& info = browser_info(kind);
    SCOPED_TRACE(std::string(info.key));
    EXPECT_EQ(browser_kind_of(info.key), kind);
    const int kinds = kind == BrowserKind::Weapon ? kWeaponKindCount : 1;
    for (int k = 0; k < kinds; ++k)
      for (int c = -1; c < static_cast<int>(info.class_rows.size()); ++c) {
        SCOPED_TRACE("weapon kind " + std::to_string(k) + ", class row " + std::to_string(c));
        expect_clicks(kind, BrowserChoice{c, k}, NumberFormat::point());
      }
  }
  EXPECT_FALSE(browser_kind_of("weapons"));
}

TEST(BrowserContents, ClassRowsAndCodes) {
  struct Case {
    BrowserKind kind;
    int classes;
    int row, code;  // the class code of a class row (-1 for none)
  };
  const Case cases[] = {{BrowserKind::Armor, 6, 5, Knight},     {BrowserKind::Armor, 6, 6, -1},
                        {BrowserKind::Shield, 6, 0, Fighter},   {BrowserKind::Robe, 2, 0, Magician},
                        {BrowserKind::Orb, 2, 1, Priestess},    {BrowserKind::Orb, 2, 2, -1},
                        {BrowserKind::Boots, 8, 7, Priestess},  {BrowserKind::Weapon, 8, -1, -1},
                        {BrowserKind::Sheltom, 8, 8, -1}};
  for (const Case& c : cases) {
    const BrowserInfo& info = browser_info(c.kind);
    ASSERT_EQ(static_cast<int>(info.class_rows.size()), c.classes) << info.key;
    if (c.code >= 0) {
      EXPECT_EQ(info.class_rows[static_cast<std::size_t>(c.row)], kClassNames[c.code]) << info.key;
    }
    EXPECT_EQ((BrowserChoice{c.row, 0}.class_code(c.kind)), c.code) << info.key << " row " << c.row;
  }
  EXPECT_EQ(browser_info(BrowserKind::Gaunts).click_text,
            "click in the grid to see details of the selected Gauntlets.");
}

}  // namespace
}  // namespace brennick
