// Aging and mixing are not built yet: their menu entries change nothing.
#include <string>

#include "equipment/aging.h"
#include "equipment/mixing.h"

namespace brennick {

void Age_weapon(Calculator&, bool, int) {}
void Age_Armor(Calculator&, int) {}
void Age_Shield(Calculator&, int) {}
void Age_Orb(Calculator&, int) {}

int recipe_count(MixTarget) { return 0; }
const std::string& recipe_caption(MixTarget, int) {
  static const std::string none;
  return none;
}
void Gem_Weapon(Calculator&, bool, int) {}
void Gem_Armor(Calculator&, int) {}
void Gem_Shield(Calculator&, int) {}
void Gem_Orb(Calculator&, int) {}

}  // namespace brennick
