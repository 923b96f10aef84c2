// brennick-cli: the planner without windows.
//
//   brennick-cli eval [--locale point|comma] [BUILD.brk]
//                     [--set NAME=VALUE | --click NAME[@PAGE]]... [--save OUT.brk] [--json]
//   brennick-cli catalog --json
//   brennick-cli browse KIND [--kind K] [--class N] [--row R] [--json]
//   brennick-cli skills CLASS TIER [--json]
//
// eval starts from the sheet as the window shows it after start-up, loads
// BUILD as "Load Character" would, applies each --set and --click in order
// as the user's change or click would, saves the sheet to OUT as "Save
// Character" would (extension ".brk", the label shows OUT), and prints the
// sheet. Exit status: 0
// when the last pass completed, 1 when it ended with an error, 2 on bad
// arguments.
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

#include "buildfile/build_file.h"
#include "cli/browse_command.h"
#include "cli/cli_actions.h"
#include "engine/sheet_json.h"
#include "engine/startup.h"

namespace {

using namespace brennick;

int usage(const std::string& problem) {
  std::cerr << "brennick-cli: " << problem << "\n"
            << "usage: brennick-cli eval [--locale point|comma] [BUILD.brk]\n"
            << "                         [--set NAME=VALUE | --click NAME[@PAGE]]... [--save OUT.brk] [--json]\n"
            << "       brennick-cli catalog --json\n"
            << "       brennick-cli browse KIND [--kind K] [--class N] [--row R] [--locale point|comma] [--json]\n"
            << "       brennick-cli skills CLASS TIER [--locale point|comma] [--json]\n";
  return 2;
}

std::string executable_dir(const char* argv0) {
  std::error_code ec;
  auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) self = std::filesystem::absolute(argv0, ec);
  return self.parent_path().string();
}

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

int eval(const std::vector<std::string>& args, const char* argv0) {
  NumberFormat format = NumberFormat::point();
  bool json = false;
  std::optional<std::string> build;
  std::optional<std::string> save_to;
  std::vector<UserAction> actions;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto next = [&]() -> std::optional<std::string> {
      if (i + 1 >= args.size()) return std::nullopt;
      return args[++i];
    };
    if (a == "--json") {
      json = true;
    } else if (a == "--locale") {
      auto v = next();
      if (!v || (*v != "point" && *v != "comma")) return usage("--locale takes point or comma");
      format = *v == "comma" ? NumberFormat::comma() : NumberFormat::point();
    } else if (a == "--save") {
      auto v = next();
      if (!v || v->empty()) return usage("--save needs a file name");
      if (save_to) return usage("--save given more than once");
      save_to = *v;
    } else if (a == "--set" || a == "--click") {
      auto v = next();
      if (!v) return usage(a + " needs an argument");
      auto action = parse_user_action(a == "--set", *v);
      if (!action) return usage("unknown control or bad value in " + a + " " + *v);
      actions.push_back(*action);
    } else if (!a.empty() && a[0] == '-') {
      return usage("unknown option " + a);
    } else if (!build) {
      build = a;
    } else {
      return usage("more than one build file given");
    }
  }

  EvalDialogs cli_dialogs(build, save_to);
  Calculator calc(format, {&cli_dialogs, nullptr, nullptr});
  calc.state.app_dir = executable_dir(argv0);
  start_sheet(calc);
  if (build) calc.user_click(Ctl::MainMenu_file_load);
  for (const UserAction& action : actions) {
    if (!apply_user_action(calc, action)) return usage("no such menu item: " + action.value);
  }
  // A failed save shows in the status, so the exit status is 1.
  if (save_to) file_saveClick(calc);

  if (json) {
    std::cout << sheet_json(calc).dump(2) << "\n";
  } else {
    print_text(calc);
  }
  return calc.sheet.status_panel1 == "OK" ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  if (args.empty()) return usage("no command given");
  const std::string command = args.front();
  args.erase(args.begin());
  try {
    if (command == "eval") return eval(args, argv[0]);
    if (command == "catalog") return print_catalog(args);
    if (command == "browse") return browse_command(args);
    if (command == "skills") return skills_command(args);
  } catch (const std::exception& e) {
    std::cerr << "brennick-cli: " << e.what() << "\n";
    return 1;
  }
  return usage("unknown command " + command);
}
