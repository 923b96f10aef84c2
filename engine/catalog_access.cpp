// Reads of the game data catalog that the sheet needs.
#include "data/skill_catalog.h"
#include "engine/calculator.h"

namespace brennick {

std::string skill_name(int skill_no) { return skill_catalog().name(skill_no); }

}  // namespace brennick
