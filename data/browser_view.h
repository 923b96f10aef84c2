// How an item browser shows its grid: sorted by a column the user clicked,
// and narrowed to the names that hold the text of the filter box.
//
// The grid itself (data/browser_contents.h) stays in table order; a view is
// the list of its rows in the order shown. Without a sort column and with an
// empty filter that list is every row in table order, so the window shows
// the grid exactly as it is filled.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/number_text.h"
#include "data/browser_contents.h"

namespace brennick {

struct BrowserView {
  int sort_column = -1;     // -1: table order
  bool descending = false;  // the second click on the same column
  std::string filter;       // part of the item's name, in any letter case; empty: every row
};

// A click on the header of `column`: sorts by it, or reverses the order when
// the grid is already sorted by it.
BrowserView header_clicked(BrowserView view, int column);

// What a cell sorts by. Numbers sort as numbers, a range by its upper end
// (then by its lower end), any other text alphabetically without regard to
// letter case; "?", "---" and empty cells come last in either direction.
struct CellKey {
  enum class Rank { Number, Text, Unknown };
  Rank rank = Rank::Unknown;
  std::vector<double> numbers;  // the cell's numbers, the last (the upper end) first
  std::string text;             // lower case
};
// The key of a cell; the name column (0) always sorts as text. Decimal
// separators follow `fmt`.
CellKey cell_key(std::string_view cell, int column, const NumberFormat& fmt);
// Ascending order of two keys of one column ("?" and the like last).
bool key_before(const CellKey& a, const CellKey& b);

// True when `name` holds `filter` (letter case ignored); an empty filter
// matches every name.
bool name_matches(std::string_view name, std::string_view filter);

// The grid rows (1 .. rows - 1) in the order the view shows them. Rows the
// filter does not match are left out; rows without an item (the weapon
// grid's empty rows) come last, and only while the filter is empty. Equal
// keys keep their table order.
std::vector<int> view_rows(const BrowserGrid& grid, const BrowserView& view, const NumberFormat& fmt);

}  // namespace brennick
