// brennick-cli: the planner without windows. `brennick-cli --help` lists the
// commands, `brennick-cli COMMAND --help` the options of one.
//
// Exit status: 0 done, 1 when the run ended with an error (the last pass's
// status), 2 on bad arguments.
#include <filesystem>
#include <iostream>

#include "cli/command.h"

namespace {

using namespace brennick::cli;

// Every command, one line each (cli/command.h).
constexpr AddCommand kCommands[] = {
    add_eval_command,
    add_catalog_command,
    add_aging_odds_command,
    add_patch_command,
    add_browse_command,
    add_skills_command,
    add_code_command,
    add_explain_command,
    add_delta_command,
};

std::string executable_dir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App program("The planner without windows", "brennick-cli");
  program.require_subcommand(1);
  CommandContext context;
  context.app_dir = executable_dir(argv[0]);
  for (AddCommand add : kCommands) add(program, context);
  try {
    program.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return program.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return program.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "brennick-cli: " << e.what() << "\nRun brennick-cli --help (or COMMAND --help) for the usage.\n";
    return 2;
  } catch (const std::exception& e) {
    std::cerr << "brennick-cli: " << e.what() << "\n";
    return 1;
  }
  return context.exit_code;
}
