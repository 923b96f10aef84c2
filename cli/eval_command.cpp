// brennick-cli eval [--locale point|comma] [BUILD.brk | --code CODE]
//                   [--set NAME=VALUE | --click NAME[@PAGE] | --undo | --redo]... [--save OUT.brk] [--json]
//
// eval starts from the sheet as the window shows it after start-up, loads
// BUILD as "Load Character" would, applies each --set and --click in the
// order given as the user's change or click would, saves the sheet to OUT as
// "Save Character" would (extension ".brk", the label shows OUT), and prints
// the sheet. --undo and --redo, in order among them, take back and do again
// one change each as Edit -> Undo and Redo do: the load, each --set and each
// --click is one step. With --code, the build code is loaded as "Paste Build Code"
// would instead of a file; a code that is refused leaves the start sheet,
// its message is the status, and no --set or --click is applied. Exit
// status 0 when the last pass completed, 1 when it ended with an error.
#include <algorithm>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_actions.h"
#include "cli/command.h"
#include "engine/sheet_json.h"
#include "pipeline/pass_trace.h"

namespace brennick::cli {
namespace {

// The file dialogs answered from the command line: the open dialog with
// BUILD, the save dialog with OUT.
class EvalDialogs : public CliDialogs {
 public:
  EvalDialogs(std::optional<std::string> build, std::optional<std::string> out)
      : CliDialogs(std::move(build)), out_(std::move(out)) {}
  std::optional<std::string> save_file(const std::string&, const std::string&, const std::string&) override {
    return out_;
  }

 private:
  std::optional<std::string> out_;
};

void print_text(const Calculator& calc) {
  std::cout << "status: " << calc.sheet.status_panel1 << "\n";
  for (Ctl id : all_controls()) {
    const ControlSpec& spec = control_spec(id);
    const Control& c = calc.sheet[id];
    if (spec.kind == ControlKind::Group || spec.kind == ControlKind::Page || spec.kind == ControlKind::PageSet ||
        spec.kind == ControlKind::MenuItem || spec.kind == ControlKind::ToolButton)
      continue;
    std::string text = c.text;
    for (char& ch : text)
      if (ch == '\r') ch = ' ';
    std::string shown;
    for (char ch : text) shown += ch == '\n' ? std::string(" | ") : std::string(1, ch);
    std::cout << spec.name << ": " << shown;
    if (spec.kind == ControlKind::Picture) std::cout << c.picture;
    std::cout << "\n";
  }
}

struct EvalArgs {
  std::string locale = "point";
  std::optional<std::string> build, save_to, code;
  std::vector<std::string> sets, clicks;
  bool json = false;
  bool trace = false;
};

int run_eval(const CLI::App& cmd, const EvalArgs& a, const CLI::Option* set, const std::string& app_dir) {
  const std::vector<GivenAction> actions = actions_in_order(cmd, a.sets, a.clicks, set);
  EvalDialogs cli_dialogs(a.build, a.save_to);
  // With --undo or --redo, the load and every action are steps of one
  // history, as in the window; without them no step is kept.
  const bool edits = std::any_of(actions.begin(), actions.end(),
                                 [](const GivenAction& g) { return g.kind != GivenAction::Kind::Action; });
  Session session(a.locale == "comma" ? NumberFormat::comma() : NumberFormat::point(),
                  {&cli_dialogs, nullptr, nullptr}, {.keep_history = edits});
  session.start(app_dir);
  Planner& calc = session.planner();
  PassTrace trace;
  if (a.trace) calc.pass_observer = &trace;
  if (a.build) session.load();
  const bool code_loaded = !a.code || session.paste_build_code(*a.code);
  if (code_loaded && !apply_actions(session, actions, actions.size())) return 2;
  calc.pass_observer = nullptr;
  // A failed save shows in the status, so the exit status is 1.
  if (a.save_to && code_loaded) session.save();

  if (a.json) {
    nlohmann::ordered_json out = sheet_json(calc);
    if (a.trace) out["trace"] = trace_json(trace);
    std::cout << out.dump(2) << "\n";
  } else {
    print_text(calc);
  }
  return calc.sheet.status_panel1 == "OK" ? 0 : 1;
}

}  // namespace

void add_eval_command(CLI::App& program, CommandContext& context) {
  CLI::App* cmd = program.add_subcommand("eval", "Enter a character and print every control and the state");
  auto a = std::make_shared<EvalArgs>();
  cmd->add_option("--locale", a->locale, "Decimal separator of the number texts")
      ->check(CLI::IsMember({"point", "comma"}));
  CLI::Option* build = add_build_option(cmd, a->build);
  cmd->add_option("--code", a->code, "Build code loaded as \"Paste Build Code\" would")
      ->type_name("CODE")
      ->excludes(build)
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  CLI::Option* set = add_action_options(cmd, a->sets, a->clicks);
  add_history_options(cmd);
  cmd->add_option("--save", a->save_to, "Save the sheet as \"Save Character\" would")
      ->check([](const std::string& v) { return v.empty() ? std::string("--save needs a file name") : std::string(); })
      ->multi_option_policy(CLI::MultiOptionPolicy::Throw);
  cmd->add_flag("--json", a->json, "Print {\"status\", \"controls\", \"state\"} as JSON");
  cmd->add_flag("--trace", a->trace, "With --json: add \"trace\", what each step of the last pass changed")
      ->needs("--json");
  cmd->callback([cmd, a, set, &context] { context.exit_code = run_eval(*cmd, *a, set, context.app_dir); });
}

}  // namespace brennick::cli
