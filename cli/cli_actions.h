// The --set and --click actions of brennick-cli, applied as the user's.
#pragma once

#include <optional>
#include <string>

#include "engine/calculator.h"

namespace brennick {

struct CliAction {
  bool set = false;   // --set NAME=VALUE, else --click NAME[@PAGE]
  std::optional<Ctl> control;  // empty for a right-click menu item
  std::string value;  // --set: the value; --click: a menu item's name when it is no sheet control
  std::optional<Ctl> page;
};

// Parses "NAME=VALUE" (set) or "NAME[@PAGE]" (click); nothing when the
// name is unknown or the value does not suit the control.
std::optional<CliAction> parse_cli_action(bool set, const std::string& argument);

// False when a menu item named by --click does not exist (or is disabled).
bool apply_cli_action(Calculator& calc, const CliAction& action);

// Answers the file dialogs of the planner with the build file named on the
// command line; every other question is answered "No".
class CliDialogs : public SilentDialogs {
 public:
  explicit CliDialogs(std::optional<std::string> build) : build_(std::move(build)) {}
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return build_; }

 private:
  std::optional<std::string> build_;
};

int print_catalog(const std::vector<std::string>& args);

}  // namespace brennick
