#include "data/table_reader.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "data/embedded_tables.h"

namespace brennick {

void throw_table_error(std::string_view file, int line, const std::string& what) {
  std::string msg = "data/tables/" + std::string(file) + ".tsv";
  if (line > 0) msg += ":" + std::to_string(line);
  msg += ": " + what;
  throw TableError(msg);
}

namespace {

std::string quoted(std::string_view s) { return "\"" + std::string(s) + "\""; }

std::vector<std::string> split_cells(std::string_view line) {
  std::vector<std::string> cells;
  std::size_t start = 0;
  while (true) {
    std::size_t tab = line.find('\t', start);
    if (tab == std::string_view::npos) {
      cells.emplace_back(line.substr(start));
      return cells;
    }
    cells.emplace_back(line.substr(start, tab - start));
    start = tab + 1;
  }
}

std::string field_context(std::string_view field, std::string_view cell) {
  return "field " + std::string(field) + ": " + quoted(cell);
}

}  // namespace

TableText read_table_text(std::string_view file, std::string_view text,
                          std::span<const std::string_view> expected_header,
                          std::optional<std::size_t> expected_rows) {
  TableText table;
  table.file = std::string(file);
  if (text.empty()) throw_table_error(file, 0, "the file is empty");

  // Split into lines; a final newline ends the last line, it does not start another.
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t nl = text.find('\n', start);
    if (nl == std::string_view::npos) nl = text.size();
    std::string_view line = text.substr(start, nl - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
    start = nl + 1;
  }

  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line_no = static_cast<int>(i) + 1;
    std::string_view line = lines[i];
    if (line.empty()) throw_table_error(file, line_no, "blank line");
    for (char c : line)
      if (c == '\r') throw_table_error(file, line_no, "stray carriage return");
    std::vector<std::string> cells = split_cells(line);
    if (i == 0) {
      table.header = std::move(cells);
      bool same = table.header.size() == expected_header.size();
      for (std::size_t k = 0; same && k < expected_header.size(); ++k)
        same = table.header[k] == expected_header[k];
      if (!same) {
        std::string expected;
        for (std::size_t k = 0; k < expected_header.size(); ++k)
          expected += (k ? " " : "") + std::string(expected_header[k]);
        std::string found;
        for (std::size_t k = 0; k < table.header.size(); ++k)
          found += (k ? " " : "") + table.header[k];
        throw_table_error(file, line_no,
                          "header does not match the record fields; expected [" + expected +
                              "], found [" + found + "]");
      }
      continue;
    }
    if (cells.size() != expected_header.size())
      throw_table_error(file, line_no,
                        "expected " + std::to_string(expected_header.size()) + " cells, found " +
                            std::to_string(cells.size()));
    table.rows.push_back(TableRow{line_no, std::move(cells)});
  }
  if (expected_rows && table.rows.size() != *expected_rows)
    throw_table_error(file, 0,
                      "expected " + std::to_string(*expected_rows) + " rows, found " +
                          std::to_string(table.rows.size()));
  return table;
}

std::string_view embedded_table_text(std::string_view file) {
  std::optional<std::string_view> text = embedded_table(file);
  if (!text) throw_table_error(file, 0, "no such table file is compiled in");
  return *text;
}

std::int64_t parse_table_integer(std::string_view cell, std::int64_t min, std::int64_t max,
                                 std::string_view file, int line, std::string_view field) {
  std::size_t digits_from = (!cell.empty() && cell[0] == '-') ? 1 : 0;
  bool ok = cell.size() > digits_from;
  for (std::size_t i = digits_from; ok && i < cell.size(); ++i)
    ok = cell[i] >= '0' && cell[i] <= '9';
  std::int64_t value = 0;
  if (ok) {
    auto [ptr, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    ok = ec == std::errc() && ptr == cell.data() + cell.size();
  }
  if (!ok) throw_table_error(file, line, field_context(field, cell) + " is not an integer");
  if (value < min || value > max)
    throw_table_error(file, line,
                      field_context(field, cell) + " is out of range " + std::to_string(min) +
                          ".." + std::to_string(max));
  return value;
}

double parse_table_real(std::string_view cell, std::string_view file, int line,
                        std::string_view field) {
  std::size_t i = (!cell.empty() && cell[0] == '-') ? 1 : 0;
  std::size_t int_digits = 0;
  while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9') ++i, ++int_digits;
  bool ok = int_digits > 0;
  if (ok && i < cell.size()) {
    ok = cell[i] == '.';
    ++i;
    std::size_t frac_digits = 0;
    while (i < cell.size() && cell[i] >= '0' && cell[i] <= '9') ++i, ++frac_digits;
    ok = ok && frac_digits > 0 && i == cell.size();
  }
  double value = 0.0;
  if (ok) {
    auto [ptr, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    ok = ec == std::errc() && ptr == cell.data() + cell.size() && std::isfinite(value);
  }
  if (!ok) throw_table_error(file, line, field_context(field, cell) + " is not a decimal number");
  return value;
}

std::string parse_table_text(std::string_view cell, std::string_view file, int line,
                             std::string_view field) {
  if (cell.empty()) throw_table_error(file, line, "field " + std::string(field) + " is empty");
  if (cell.front() == ' ' || cell.back() == ' ')
    throw_table_error(file, line, field_context(field, cell) + " has surrounding blanks");
  for (char c : cell)
    if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
      throw_table_error(file, line, field_context(field, cell) + " holds a control character");
  return std::string(cell);
}

}  // namespace brennick
