// The player's corrections of the item tables: a table file found in a
// corrections folder replaces the built-in table of the same name (the
// stems of kItemTableFiles, "items_armor.tsv" ... "weapons.tsv").
//
// A correction is read by the same strict reader as the built-in tables and
// must keep the built-in table's header and row count, because build files
// and codes store row numbers. Each cell must pass its column's type and
// range rules, and every lo/hi pair must have lo <= hi. A file that fails is
// refused whole, with its path, line and cell, and the built-in table stays.
// (The fixed facts and the rising values the built-in tables keep are a
// property of our own data, not a rule for corrections.)
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace brennick {

// The largest table file read (1 MiB; the built-in ones are a few KiB).
inline constexpr std::size_t kTableFileMaxBytes = std::size_t{1} << 20;

// The text put for a table's source when no correction replaces it.
inline constexpr std::string_view kBuiltInSource = "built-in";

struct TableOverrides {
  std::map<std::string, std::string> texts;    // stem -> accepted file text
  std::map<std::string, std::string> sources;  // "items_armor.tsv" -> "built-in" or the file's path
  std::vector<std::string> refusals;           // "PATH:LINE: message", one per refused file
};

// Checks the text of a correction of table `stem`; throws TableError whose
// message begins with `path` (and the line, when one is at fault).
void check_table_override(std::string_view stem, std::string_view text, const std::string& path);

// Reads the correction files of every folder in order; a file of a later
// folder takes the place of one of an earlier folder. Folders that do not
// exist are passed over; a file that cannot be read is refused. Files of
// other names are ignored.
TableOverrides read_table_overrides(const std::vector<std::string>& folders);

// Every fault of the table files in one folder, "FILE:LINE: message" (the
// file by its name in the folder), for `brennick-cli data check`. A file of
// another name is a fault too, so that a misspelt name does not pass
// unnoticed. Empty when every file passes.
std::vector<std::string> check_table_folder(const std::string& folder);

// The corrections item_catalog() is built from. Takes effect only before
// the catalogue's first use: false (and nothing changes) after it.
bool use_table_overrides(TableOverrides overrides);

// The corrections in use (none until use_table_overrides), with `sources`
// naming every table.
const TableOverrides& table_overrides();

namespace detail {
// The text item_catalog() builds table `stem` from; from the first call on,
// use_table_overrides refuses.
std::optional<std::string_view> catalog_table_text(std::string_view stem);
}  // namespace detail

}  // namespace brennick
