// brennick-cli catalog --json: every built-in table as JSON.
#include <iostream>

#include <nlohmann/json.hpp>

#include "cli/command.h"
#include "data/item_catalog_json.h"
#include "data/skill_catalog_json.h"
#include "data/table_overrides.h"

namespace brennick::cli {

void add_catalog_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("catalog", "Print every table (with the player's corrections) and where each came from");
  static bool json = false;
  cmd->add_flag("--json", json, "Print the tables as JSON (the only format)")->required();
  cmd->callback([&context] {
    nlohmann::ordered_json out;
    out["items"] = item_catalog_json();
    out["skills"] = skill_catalog_json();
    // Where each item table came from: "built-in" or the corrected file's path.
    out["sources"] = table_overrides().sources;
    std::cout << out.dump(2) << "\n";
    context.exit_code = 0;
  });
}

}  // namespace brennick::cli
