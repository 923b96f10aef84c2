// The commands of brennick-cli. A command is one function that adds its
// subcommand, with its options and the callback that runs it, to the
// program's CLI11 parser; cli_main.cpp registers each in one line.
//
// A callback sets `exit_code`: 0 done, 1 the run ended with an error, 2 bad
// arguments. A problem with an argument found while parsing is thrown as a
// CLI11 error that names the argument; brennick-cli prints it and exits 2.
#pragma once

#include <string>

#include <CLI/CLI.hpp>

namespace brennick::cli {

struct CommandContext {
  std::string app_dir;  // the folder of the program's data: images/ and patch.dat
  int exit_code = 0;
};

using AddCommand = void (*)(CLI::App& program, CommandContext& context);

void add_eval_command(CLI::App& program, CommandContext& context);
void add_catalog_command(CLI::App& program, CommandContext& context);
void add_aging_odds_command(CLI::App& program, CommandContext& context);
void add_patch_command(CLI::App& program, CommandContext& context);
void add_browse_command(CLI::App& program, CommandContext& context);
void add_skills_command(CLI::App& program, CommandContext& context);
void add_code_command(CLI::App& program, CommandContext& context);
void add_explain_command(CLI::App& program, CommandContext& context);
void add_delta_command(CLI::App& program, CommandContext& context);
void add_data_command(CLI::App& program, CommandContext& context);

}  // namespace brennick::cli
