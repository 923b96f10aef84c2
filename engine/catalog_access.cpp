// Reads of the game data catalog that the sheet needs.
#include "engine/calculator.h"
#include "engine/startup.h"

namespace brennick {

// The skill names come with the skill catalog; until then slots have no name.
std::string skill_name(int) { return {}; }

}  // namespace brennick

namespace brennick {

// The item lists are filled from the item tables once those are built in.
void fill_item_lists(Calculator&) {}

}  // namespace brennick
