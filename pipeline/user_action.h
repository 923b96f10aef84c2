// A change or click named by text, as scripts and the command-line tool
// give them: "NAME=VALUE" sets a control (text boxes take text, number
// fields values, lists row numbers, check boxes 0/1) and "NAME[@PAGE]"
// clicks a picture, a menu item, or an item of a right-click menu opened on
// PAGE. Applied exactly as the user's change or click would be.
#pragma once

#include <optional>
#include <string>

#include "pipeline/planner.h"

namespace brennick {

struct UserAction {
  bool set = false;            // a change, else a click
  std::optional<Ctl> control;  // empty for a right-click menu item
  std::string value;           // the value set, or the name of the menu item clicked
  std::optional<Ctl> page;     // the page a right-click menu was opened on
};

// Parses "NAME=VALUE" (set) or "NAME[@PAGE]" (click); nothing when the
// name is unknown or the value does not suit the control.
std::optional<UserAction> parse_user_action(bool set, const std::string& argument);

// False when a right-click menu item does not exist or is disabled.
bool apply_user_action(Planner& calc, const UserAction& action);

}  // namespace brennick
