// The game data table files (data/tables/*.tsv), compiled into the program.
#pragma once

#include <optional>
#include <string_view>

namespace brennick {

// The whole text of data/tables/<name>.tsv, or nothing when there is no such table.
std::optional<std::string_view> embedded_table(std::string_view name);

}  // namespace brennick
