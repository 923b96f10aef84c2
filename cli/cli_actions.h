// The dialogs brennick-cli answers, and the --set and --click arguments the
// commands that enter a character share.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <CLI/CLI.hpp>

#include "pipeline/session.h"
#include "pipeline/user_action.h"

namespace brennick {

// Answers the file dialogs of the planner with the build file named on the
// command line; every other question is answered "No".
class CliDialogs : public SilentDialogs {
 public:
  explicit CliDialogs(std::optional<std::string> build) : build_(std::move(build)) {}
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return build_; }

 private:
  std::optional<std::string> build_;
};

}  // namespace brennick

namespace brennick::cli {

// A --set or --click as given on the command line, or an --undo or --redo
// (eval's, which replay the window's Edit menu).
struct GivenAction {
  enum class Kind { Action, Undo, Redo };
  std::string text;  // the argument: "Select_class=5", "Axe05@TabSheet5", "--undo"
  UserAction action;
  Kind kind = Kind::Action;
};

// The BUILD.brk argument of a command that enters a character: a file that
// does not exist (or a folder) is a bad argument, named with the file, so
// that a typo never passes as an empty build.
CLI::Option* add_build_option(CLI::App* cmd, std::optional<std::string>& build);

// Checks the argument of --set (true) or --click (false): a bad one fails
// the parse with a message naming what is wrong.
CLI::Validator action_check(bool set);

// The --set NAME=VALUE and --click NAME[@PAGE] options of a command that
// enters a character; returns the --set option (for actions_in_order).
CLI::Option* add_action_options(CLI::App* cmd, std::vector<std::string>& sets, std::vector<std::string>& clicks);

// The --set and --click arguments in the order given; `set` is the --set option.
std::vector<GivenAction> actions_in_order(const CLI::App& cmd, const std::vector<std::string>& sets,
                                          const std::vector<std::string>& clicks, const CLI::Option* set);

// Applies the first `count` actions in order as the user would, each one
// step of the session's history; --undo / --redo take back and do again as
// Edit -> Undo and Redo do (nothing when there is no step, or the session
// keeps no history). False (with the message on stderr) when a clicked
// menu item does not exist.
bool apply_actions(Session& session, const std::vector<GivenAction>& actions, std::size_t count);

// The --undo and --redo flags of eval, in order among --set and --click.
void add_history_options(CLI::App* cmd);

}  // namespace brennick::cli
