// Loading a build file is not built yet: the load branch of the pass reads nothing.
#include "engine/calculator.h"

namespace brennick {

void Calculator::file_loadClick() {}

}  // namespace brennick
