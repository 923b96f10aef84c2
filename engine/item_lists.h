// The rows of the item lists of the sheet: "none/manual input", then the
// item names in table order, so that row r is table entry r.
#pragma once

#include <string>
#include <vector>

namespace brennick {

// The armour list: the robes for Magician and Priestess, the armours otherwise.
std::vector<std::string> armour_list_rows(bool robes);

}  // namespace brennick
