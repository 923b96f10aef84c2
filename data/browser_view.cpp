#include "data/browser_view.h"

#include <algorithm>
#include <cctype>

namespace brennick {
namespace {

bool is_digit(char c) { return c >= '0' && c <= '9'; }
bool is_blank(char c) { return c == ' ' || c == '\t'; }

std::string lower(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && is_blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && is_blank(s.back())) s.remove_suffix(1);
  return s;
}

// The texts that say a value is not known or does not apply.
bool is_unknown(std::string_view s) { return s.empty() || s == "?" || s == "---"; }

// A minus sign is one that starts the text or a word and stands before a
// digit: the dash of "8 - 12" and of "Lvl/1-3" joins the ends of a range.
bool is_minus_at(std::string_view s, std::size_t i) {
  return s[i] == '-' && i + 1 < s.size() && is_digit(s[i + 1]) && (i == 0 || is_blank(s[i - 1]) || s[i - 1] == '(');
}

// Every number of a text, in reading order: digits with at most one decimal
// separator between digits, and a minus sign where one can stand.
std::vector<double> numbers_of(std::string_view s, const NumberFormat& fmt) {
  std::vector<double> out;
  std::size_t i = 0;
  while (i < s.size()) {
    const bool minus = is_minus_at(s, i);
    if (!minus && !is_digit(s[i])) {
      ++i;
      continue;
    }
    std::size_t j = minus ? i + 1 : i;
    // The digits as one integer over a power of ten: "0.9" is 9 / 10, the
    // double nearest to what the text says.
    double digits = 0, scale = 1;
    for (; j < s.size() && is_digit(s[j]); ++j) digits = digits * 10 + (s[j] - '0');
    if (j + 1 < s.size() && s[j] == fmt.decimal && is_digit(s[j + 1]))
      for (++j; j < s.size() && is_digit(s[j]); ++j, scale *= 10) digits = digits * 10 + (s[j] - '0');
    out.push_back((minus ? -digits : digits) / scale);
    i = j;
  }
  return out;
}

}  // namespace

BrowserView header_clicked(BrowserView view, int column) {
  if (view.sort_column == column) {
    view.descending = !view.descending;
  } else {
    view.sort_column = column;
    view.descending = false;
  }
  return view;
}

CellKey cell_key(std::string_view cell, int column, const NumberFormat& fmt) {
  CellKey key;
  const std::string_view t = trimmed(cell);
  if (is_unknown(t)) return key;
  if (column != 0) {
    key.numbers = numbers_of(t, fmt);
    if (!key.numbers.empty()) {
      std::reverse(key.numbers.begin(), key.numbers.end());
      key.rank = CellKey::Rank::Number;
      return key;
    }
  }
  key.rank = CellKey::Rank::Text;
  key.text = lower(t);
  return key;
}

bool key_before(const CellKey& a, const CellKey& b) {
  if (a.rank != b.rank) return a.rank < b.rank;
  switch (a.rank) {
    case CellKey::Rank::Number:
      return a.numbers < b.numbers;
    case CellKey::Rank::Text:
      return a.text < b.text;
    case CellKey::Rank::Unknown:
      break;
  }
  return false;
}

bool name_matches(std::string_view name, std::string_view filter) {
  return lower(name).find(lower(trimmed(filter))) != std::string::npos;
}

std::vector<int> view_rows(const BrowserGrid& grid, const BrowserView& view, const NumberFormat& fmt) {
  std::vector<int> items, empty;
  const bool filtered = !trimmed(view.filter).empty();
  for (int r = 1; r < static_cast<int>(grid.cells.size()); ++r) {
    const std::string& name = grid.cell(0, r);
    if (trimmed(name).empty()) {
      if (!filtered) empty.push_back(r);
    } else if (name_matches(name, view.filter)) {
      items.push_back(r);
    }
  }
  const int columns = grid.cells.empty() ? 0 : static_cast<int>(grid.cells.front().size());
  if (view.sort_column >= 0 && view.sort_column < columns) {
    std::vector<CellKey> keys(grid.cells.size());
    for (int r : items) keys[static_cast<std::size_t>(r)] = cell_key(grid.cell(view.sort_column, r), view.sort_column, fmt);
    std::stable_sort(items.begin(), items.end(), [&](int x, int y) {
      const CellKey& a = keys[static_cast<std::size_t>(x)];
      const CellKey& b = keys[static_cast<std::size_t>(y)];
      // What is not known stays at the end in either direction.
      const bool a_unknown = a.rank == CellKey::Rank::Unknown, b_unknown = b.rank == CellKey::Rank::Unknown;
      if (a_unknown || b_unknown) return !a_unknown && b_unknown;
      return view.descending ? key_before(b, a) : key_before(a, b);
    });
  }
  items.insert(items.end(), empty.begin(), empty.end());
  return items;
}

}  // namespace brennick
