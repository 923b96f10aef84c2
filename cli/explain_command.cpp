// brennick-cli explain NAME [--locale point|comma] [BUILD.brk]
//                      [--set NAME=VALUE | --click NAME[@PAGE]]... [--json]
//
// Enters the character as eval does, then prints how the result NAME came
// about (pipeline/breakdown.h): {"label", "value", "floor", "parts":
// [{"source", "amount"}], "rounding"}. NAME is a result label's name, with
// ".min" or ".max" for the ends of an attack-power range. Exit status 0,
// 1 when the last pass ended with an error, 2 on bad arguments.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_actions.h"
#include "cli/command.h"
#include "pipeline/breakdown.h"

namespace brennick::cli {
namespace {

struct ExplainArgs {
  std::string name;
  std::string locale = "point";
  std::optional<std::string> build;
  std::vector<std::string> sets, clicks;
  bool json = false;
};

std::string name_problem(const std::string& name) {
  for (const std::string& n : breakdown_names())
    if (n == name) return "";
  std::string known;
  for (const std::string& n : breakdown_names()) known += (known.empty() ? "" : ", ") + n;
  return "no breakdown for '" + name + "' (one of: " + known + ")";
}

int run_explain(const CLI::App& cmd, const ExplainArgs& a, const CLI::Option* set) {
  const std::vector<GivenAction> actions = actions_in_order(cmd, a.sets, a.clicks, set);
  CliDialogs dialogs(a.build);
  Session session(a.locale == "comma" ? NumberFormat::comma() : NumberFormat::point(), {&dialogs, nullptr, nullptr},
                  {.keep_history = false});
  session.start("");
  if (a.build) session.load();
  Planner& calc = session.planner();
  if (!apply_actions(session, actions, actions.size())) return 2;
  const std::optional<Breakdown> b = explain(calc, a.name);
  if (a.json) {
    std::cout << breakdown_json(*b).dump(2) << "\n";
  } else {
    std::cout << breakdown_text(*b, calc.format()) << "\n";
  }
  return calc.sheet.status_panel1 == "OK" && b->error.empty() ? 0 : 1;
}

}  // namespace

void add_explain_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("explain", "Enter a character and print how one result came about");
  auto a = std::make_shared<ExplainArgs>();
  cmd->add_option("name", a->name, "The result: a result label's name, NAME.min / NAME.max for a range")
      ->required()
      ->check(CLI::Validator([](std::string& v) { return name_problem(v); }, "NAME"));
  add_build_option(cmd, a->build);
  cmd->add_option("--locale", a->locale, "Decimal separator of the number texts")
      ->check(CLI::IsMember({"point", "comma"}));
  CLI::Option* set = add_action_options(cmd, a->sets, a->clicks);
  cmd->add_flag("--json", a->json, "Print {\"label\", \"value\", \"floor\", \"parts\", \"rounding\"} as JSON");
  cmd->callback([cmd, a, set, &context] { context.exit_code = run_explain(*cmd, *a, set); });
}

}  // namespace brennick::cli
