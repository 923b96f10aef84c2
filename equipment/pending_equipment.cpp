// Equipment operations not built yet: the force orb step and the item list
// handlers do nothing for now.
#include "engine/calculator.h"

namespace brennick {

void Calculator::handle_ForceOrb() {}
void Calculator::item_selected(Ctl) {}

}  // namespace brennick
