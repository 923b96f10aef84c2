// brennick-cli code BUILD.brk [--json]
//
// Prints the build code of a build file on one line (see
// the build-code layer); --json prints {"code", "characters"}. Exit status
// 1 when the file cannot be read.
#include <iostream>
#include <string>

#include "cli/command.h"
#include "pipeline/session.h"

#include <nlohmann/json.hpp>

namespace brennick::cli {

void add_code_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("code", "Print the build code of a build file on one line");
  auto build = std::make_shared<std::string>();
  auto json = std::make_shared<bool>(false);
  cmd->add_option("build", *build, "Build file (.brk)")->required()->check(CLI::ExistingFile);
  cmd->add_flag("--json", *json, "Print {\"code\", \"characters\"} as JSON");
  cmd->callback([build, json, &context] {
    try {
      const std::string code = build_code_of_file(*build);
      if (*json) {
        nlohmann::ordered_json j;
        j["code"] = code;
        j["characters"] = code.size();
        std::cout << j.dump(2) << "\n";
      } else {
        std::cout << code << "\n";
      }
      context.exit_code = 0;
    } catch (const std::exception& e) {
      std::cerr << "brennick-cli: " << e.what() << "\n";
      context.exit_code = 1;
    }
  });
}

}  // namespace brennick::cli
