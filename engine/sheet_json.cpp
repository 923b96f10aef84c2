#include "engine/sheet_json.h"

#include <cstdio>

namespace brennick {
namespace {

std::string color_text(std::uint32_t rgb) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%06x", static_cast<unsigned>(rgb & 0xFFFFFF));
  return buf;
}

nlohmann::ordered_json control_json(const Sheet& sheet, Ctl id) {
  const Control& c = sheet[id];
  const ControlSpec& spec = control_spec(id);
  nlohmann::ordered_json j;
  j["text"] = c.text;
  switch (spec.kind) {
    case ControlKind::DropDown:
      j["row"] = c.row;
      break;
    case ControlKind::NumberField:
      j["value"] = sheet.value(id);
      j["min"] = c.min;
      j["max"] = c.max;
      break;
    case ControlKind::CheckBox:
      j["checked"] = c.checked;
      break;
    case ControlKind::Label:
      j["color"] = color_text(c.color);
      j["visible"] = c.visible;
      break;
    case ControlKind::Picture:
      j["picture"] = c.picture;
      break;
    default:
      break;
  }
  j["enabled"] = c.enabled;
  if (!c.hint.empty()) j["hint"] = c.hint;
  return j;
}

}  // namespace

nlohmann::ordered_json sheet_json(const Calculator& calc) {
  nlohmann::ordered_json out;
  out["status"] = calc.sheet.status_panel1;
  nlohmann::ordered_json controls = nlohmann::ordered_json::object();
  for (Ctl id : all_controls()) controls[std::string(control_spec(id).name)] = control_json(calc.sheet, id);
  out["controls"] = std::move(controls);
  nlohmann::ordered_json state = nlohmann::ordered_json::object();
  // app_dir is where the program runs and open_dialog_file where a build
  // came from, not part of the character: left out so the same build prints
  // the same on every machine.
  for_each_state_value(calc.state, [&](const char* name, const auto& value) {
    const std::string_view n(name);
    if (n != "app_dir" && n != "open_dialog_file") state[name] = value;
  });
  out["state"] = std::move(state);
  return out;
}

}  // namespace brennick
