// The tools' commands of brennick-cli: the exact aging odds and the bitmap
// patcher, each a function of its arguments (after the command's name).
#pragma once

#include <string>
#include <vector>

namespace brennick {

// aging-odds [--from L] [--item N] [--price-raident G] [--price-transparo G]
//            [--price-murky G] [--price-devine G] [--price-celesto G] [--json]
// Exit status 0, or 2 on bad arguments.
int aging_odds_command(const std::vector<std::string>& args);

// patch ROOT: patches every bitmap below ROOT with Patch.dat beside the
// program and prints the log lines. Exit status 0 when every file was
// patched, 1 when a file failed or the run ended with an error, 2 on bad
// arguments.
int patch_command(const std::vector<std::string>& args, const std::string& app_dir);

}  // namespace brennick
