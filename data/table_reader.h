// A small strict reader for the game data table files (data/tables/*.tsv).
//
// Format: UTF-8 text, one record per line, cells separated by one tab, the
// first line a header naming the fields in declaration order. No blank lines,
// no comments, no surrounding blanks in a cell; the last line may or may not
// end in a newline; a CR before a line's LF is tolerated. Every deviation --
// a wrong header, a wrong number of cells or rows, a number that does not
// parse or does not fit its field -- throws std::runtime_error naming the
// file (its stem plus ".tsv") and the line, so a broken data file fails
// loudly instead of yielding zeros.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace brennick {

// The error every reader failure throws.
class TableError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws TableError "data/tables/<file>.tsv:<line>: <what>" (line 0 = the whole file).
[[noreturn]] void throw_table_error(std::string_view file, int line, const std::string& what);

struct TableRow {
  int line = 0;                    // 1-based line number in the file
  std::vector<std::string> cells;  // exactly one per header field
};

struct TableText {
  std::string file;  // the file stem, for messages
  std::vector<std::string> header;
  std::vector<TableRow> rows;
};

// Splits `text` into lines and cells. The header must equal `expected_header`
// exactly (names and order); each row must have as many cells; when
// `expected_rows` is given the number of rows must equal it.
TableText read_table_text(std::string_view file, std::string_view text,
                          std::span<const std::string_view> expected_header,
                          std::optional<std::size_t> expected_rows);

// The embedded text of data/tables/<file>.tsv; throws TableError when missing.
std::string_view embedded_table_text(std::string_view file);

// Cell parsers; `field` names the column in messages.
// Integers: an optional '-' and decimal digits only, within [min, max].
std::int64_t parse_table_integer(std::string_view cell, std::int64_t min, std::int64_t max,
                                 std::string_view file, int line, std::string_view field);
// Reals: an optional '-', digits, optionally '.' and digits (no exponent), finite.
double parse_table_real(std::string_view cell, std::string_view file, int line,
                        std::string_view field);
// Texts: non-empty, without leading or trailing blanks and without control characters.
std::string parse_table_text(std::string_view cell, std::string_view file, int line,
                             std::string_view field);

}  // namespace brennick
