// brennick-cli: the planner without windows. `brennick-cli --help` lists the
// commands, `brennick-cli COMMAND --help` the options of one.
//
// Exit status: 0 done, 1 when the run ended with an error (the last pass's
// status), 2 on bad arguments.
#include <filesystem>
#include <iostream>

#include "base/program_places.h"
#include "base/version.h"
#include "cli/command.h"
#include "data/table_overrides.h"

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
    add_data_command,
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
  program.set_version_flag("--version", std::string(brennick::program_version()), "Print the version and exit");
  brennick::set_program_places(
      brennick::find_program_places(executable_dir(argv[0]), brennick::PlaceEnvironment::of_process()));
  CommandContext context;
  context.app_dir = brennick::program_places().data_dir;
  std::string data_dir;
  program
      .add_option("--data", data_dir,
                  "A folder of corrected item tables (before the command; also the BRENNICK_DATA variable)")
      ->envname("BRENNICK_DATA");
  // Before any command runs: the player's corrections replace the built-in
  // tables; a refused one is said on standard error and the built-in table used.
  program.parse_complete_callback([&data_dir] {
    std::vector<std::string> folders{brennick::program_places().tables_dir};
    if (!data_dir.empty()) folders.push_back(data_dir);
    brennick::TableOverrides overrides = brennick::read_table_overrides(folders);
    for (const std::string& refusal : overrides.refusals) std::cerr << "brennick-cli: " << refusal << "\n";
    brennick::use_table_overrides(std::move(overrides));
  });
  for (AddCommand add : kCommands) add(program, context);
  try {
    program.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return program.exit(e);
  } catch (const CLI::CallForAllHelp& e) {
    return program.exit(e);
  } catch (const CLI::CallForVersion& e) {
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
