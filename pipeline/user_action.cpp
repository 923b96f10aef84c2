#include "pipeline/user_action.h"

#include "base/number_text.h"
#include "pipeline/menu_items.h"

namespace brennick {

std::optional<UserAction> parse_user_action(bool set, const std::string& argument) {
  UserAction a;
  a.set = set;
  std::string name = argument;
  if (set) {
    const auto eq = argument.find('=');
    if (eq == std::string::npos) return std::nullopt;
    name = argument.substr(0, eq);
    a.value = argument.substr(eq + 1);
  } else if (const auto at = argument.find('@'); at != std::string::npos) {
    name = argument.substr(0, at);
    auto page = control_by_name(argument.substr(at + 1));
    if (!page) return std::nullopt;
    a.page = page;
  }
  auto id = control_by_name(name);
  if (!id) {
    if (set) return std::nullopt;
    a.value = name;  // a right-click menu item, resolved when it is clicked
    return a;
  }
  a.control = *id;
  const ControlKind kind = control_spec(*id).kind;
  if (set) {
    switch (kind) {
      case ControlKind::NumberField:
      case ControlKind::DropDown:
        if (!is_int_text(a.value)) return std::nullopt;
        break;
      case ControlKind::CheckBox:
        if (a.value != "0" && a.value != "1") return std::nullopt;
        break;
      case ControlKind::TextBox:
        break;
      default:
        return std::nullopt;
    }
  }
  return a;
}

bool apply_user_action(Planner& calc, const UserAction& a) {
  if (!a.control) return click_menu_item(calc, a.value, a.page);
  const Ctl id = *a.control;
  if (!a.set) {
    calc.user_click(id);
    return true;
  }
  switch (control_spec(id).kind) {
    case ControlKind::NumberField:
      calc.user_set_value(id, int_of_text(a.value));
      break;
    case ControlKind::DropDown:
      calc.user_select_row(id, int_of_text(a.value));
      break;
    case ControlKind::CheckBox:
      calc.user_set_checked(id, a.value == "1");
      break;
    default:
      calc.user_set_text(id, a.value);
      break;
  }
  return true;
}

}  // namespace brennick
