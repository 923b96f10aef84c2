#include "cli/cli_actions.h"

#include <iostream>

namespace brennick::cli {
namespace {

// What is wrong with the argument of --set or --click; "" when it is good.
std::string action_problem(bool set, const std::string& argument) {
  if (parse_user_action(set, argument)) return "";
  const std::string name = argument.substr(0, argument.find(set ? '=' : '@'));
  if (set && argument.find('=') == std::string::npos) return "'" + argument + "' is not NAME=VALUE";
  if (!control_by_name(name)) return "unknown control name '" + name + "' (names are case-sensitive)";
  if (!set) return "unknown page in '" + argument + "'";
  return "'" + argument.substr(name.size() + 1) + "' is no value for " + name;
}

}  // namespace

CLI::Option* add_build_option(CLI::App* cmd, std::optional<std::string>& build) {
  return cmd->add_option("build", build, "Build file loaded as \"Load Character\" would")->check(CLI::ExistingFile);
}

CLI::Validator action_check(bool set) {
  return CLI::Validator([set](std::string& v) { return action_problem(set, v); }, "");
}

CLI::Option* add_action_options(CLI::App* cmd, std::vector<std::string>& sets, std::vector<std::string>& clicks) {
  CLI::Option* set = cmd->add_option("--set", sets, "Change a control: text, number, list row or 0/1")
                         ->type_name("NAME=VALUE")
                         ->check(action_check(true));
  cmd->add_option("--click", clicks, "Click a control, or a right-click menu item on PAGE")
      ->type_name("NAME[@PAGE]")
      ->check(action_check(false));
  return set;
}

std::vector<GivenAction> actions_in_order(const CLI::App& cmd, const std::vector<std::string>& sets,
                                          const std::vector<std::string>& clicks, const CLI::Option* set) {
  std::vector<GivenAction> actions;
  std::size_t next_set = 0, next_click = 0;
  for (const CLI::Option* opt : cmd.parse_order()) {
    if (opt->get_name() == "--undo" || opt->get_name() == "--redo") {
      const bool undo = opt->get_name() == "--undo";
      actions.push_back({opt->get_name(), {}, undo ? GivenAction::Kind::Undo : GivenAction::Kind::Redo});
      continue;
    }
    if (opt->get_name() != "--set" && opt->get_name() != "--click") continue;
    const bool is_set = opt == set;
    const std::string& arg = is_set ? sets.at(next_set++) : clicks.at(next_click++);
    actions.push_back({arg, *parse_user_action(is_set, arg)});
  }
  return actions;
}

void add_history_options(CLI::App* cmd) {
  cmd->add_flag("--undo")->description("Take back the last change, as Edit -> Undo does");
  cmd->add_flag("--redo")->description("Do the change taken back last again, as Edit -> Redo does");
}

bool apply_actions(Session& session, const std::vector<GivenAction>& actions, std::size_t count) {
  for (std::size_t i = 0; i < count && i < actions.size(); ++i) {
    const GivenAction& given = actions[i];
    if (given.kind != GivenAction::Kind::Action) {
      given.kind == GivenAction::Kind::Undo ? session.undo() : session.redo();
      continue;
    }
    if (!session.apply(given.action)) {
      std::cerr << "brennick-cli: --click " << actions[i].action.value << ": no such menu item\n";
      return false;
    }
  }
  return true;
}

}  // namespace brennick::cli
