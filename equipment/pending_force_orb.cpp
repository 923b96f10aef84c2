// The force orb step is not built yet: it adds nothing.
#include "engine/calculator.h"

namespace brennick {

void Calculator::handle_ForceOrb() {}

}  // namespace brennick
