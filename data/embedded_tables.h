// The game data table files (data/tables/*.tsv), compiled into the program.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace brennick {

// The whole text of data/tables/<name>.tsv, or nothing when there is no such table.
std::optional<std::string_view> embedded_table(std::string_view name);

// The names of all embedded tables, in file-name order.
std::vector<std::string_view> embedded_table_names();

}  // namespace brennick
