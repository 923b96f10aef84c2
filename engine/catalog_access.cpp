// Reads of the game data catalog that the sheet needs.
#include "data/skill_catalog.h"
#include "engine/calculator.h"
#include "engine/startup.h"

namespace brennick {

std::string skill_name(int skill_no) { return skill_catalog().name(skill_no); }

}  // namespace brennick

namespace brennick {

// The item lists are filled from the item tables once those are built in.
void fill_item_lists(Calculator&) {}

}  // namespace brennick
