#include "base/version.h"

#ifndef BRENNICK_VERSION
#error "BRENNICK_VERSION is set by the build from the project version"
#endif

namespace brennick {

std::string_view program_version() { return BRENNICK_VERSION; }

std::string program_title() { return "Brennick v" + std::string(program_version()) + " beta"; }

}  // namespace brennick
