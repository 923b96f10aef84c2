// brennick-cli browse and skills: the item browsers' grids and details and
// the skill window's tables, printed from the same core code as the windows.
#pragma once

#include <string>
#include <vector>

namespace brennick {

//   brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]
// KIND: armor, robe, shield, orb, boots, gaunts, armlets, amulet, ring,
// sheltom, weapon. K: weapon kind 0..7 or its name (Axe .. Mace). N: class
// number 0..7 or its name (robe and orb windows: 6 or 7 only). R: grid row.
int browse_command(const std::vector<std::string>& args);

//   brennick-cli skills CLASS TIER [--locale point|comma] [--json]
int skills_command(const std::vector<std::string>& args);

}  // namespace brennick
