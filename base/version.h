// The program's version: one number, the build's project version, shown in
// the window titles and About and printed by `brennick-cli --version`.
#pragma once

#include <string>
#include <string_view>

namespace brennick {

// "0.2.1".
std::string_view program_version();

// The program's name as its windows show it: "Brennick v0.2.1 beta".
std::string program_title();

}  // namespace brennick
