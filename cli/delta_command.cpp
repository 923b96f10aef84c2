// brennick-cli delta [--locale point|comma] [BUILD.brk]
//                    [--set NAME=VALUE | --click NAME[@PAGE]]... [--json]
//
// Enters the character as eval does with every change and click but the
// last, then prints what the last one would change (pipeline/item_delta.h),
// measured on a copy: {"action": the last argument, "changes": {label:
// {"before", "after"}}} for every result label whose text changes. Exit
// status 0, 1 when the pass before the last action ended with an error, 2
// on bad arguments (no --set or --click is one).
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_actions.h"
#include "cli/command.h"
#include "pipeline/item_delta.h"

namespace brennick::cli {
namespace {

struct DeltaArgs {
  std::string locale = "point";
  std::optional<std::string> build;
  std::vector<std::string> sets, clicks;
  bool json = false;
};

int run_delta(const CLI::App& cmd, const DeltaArgs& a, const CLI::Option* set) {
  const std::vector<GivenAction> actions = actions_in_order(cmd, a.sets, a.clicks, set);
  if (actions.empty()) {
    std::cerr << "brennick-cli: delta needs a --set or --click: the last one is measured\n";
    return 2;
  }
  CliDialogs dialogs(a.build);
  Session session(a.locale == "comma" ? NumberFormat::comma() : NumberFormat::point(), {&dialogs, nullptr, nullptr},
                  {.keep_history = false});
  session.start("");
  if (a.build) session.load();
  Planner& calc = session.planner();
  if (!apply_actions(session, actions, actions.size() - 1)) return 2;
  const GivenAction& last = actions.back();
  DeltaProbe probe(calc);
  const std::optional<std::vector<LabelChange>> measured = probe.changes(last.action);
  if (!measured) {
    std::cerr << "brennick-cli: --click " << last.text << ": no such menu item\n";
    return 2;
  }
  const std::vector<LabelChange>& changes = *measured;
  if (a.json) {
    std::cout << delta_json(last.text, changes).dump(2) << "\n";
  } else {
    std::cout << last.text << "\n";
    for (const std::string& line : delta_lines(changes, calc.format())) std::cout << line << "\n";
  }
  return calc.sheet.status_panel1 == "OK" ? 0 : 1;
}

}  // namespace

void add_delta_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("delta", "Print what the last change or click would change");
  auto a = std::make_shared<DeltaArgs>();
  add_build_option(cmd, a->build);
  cmd->add_option("--locale", a->locale, "Decimal separator of the number texts")
      ->check(CLI::IsMember({"point", "comma"}));
  CLI::Option* set = add_action_options(cmd, a->sets, a->clicks);
  cmd->add_flag("--json", a->json, "Print {\"action\", \"changes\"} as JSON");
  cmd->callback([cmd, a, set, &context] { context.exit_code = run_delta(*cmd, *a, set); });
}

}  // namespace brennick::cli
