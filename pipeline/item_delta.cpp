#include "pipeline/item_delta.h"

#include <algorithm>
#include <cmath>
#include <array>

#include "pipeline/menu_items.h"
#include "pipeline/breakdown.h"
#include "pipeline/pass_trace.h"

namespace brennick {

std::optional<std::vector<LabelChange>> DeltaProbe::changes(const UserAction& action) {
  if (!fresh_) copy_.reset_from(calc_);
  fresh_ = false;
  Planner& p = copy_.planner();
  std::vector<LabelChange> out;
  if (!run(action)) return std::nullopt;
  for (Ctl id : result_labels())
    if (p.sheet.text(id) != calc_.sheet.text(id)) out.push_back({id, calc_.sheet.text(id), p.sheet.text(id)});
  return out;
}

bool DeltaProbe::run(const UserAction& action) {
  Planner& p = copy_.planner();
  if (action.control) return apply_user_action(p, action);
  // A menu item: the menu prepared as it opens on the user's sheet, then
  // the item's click.
  const std::optional<FoundEntry> found = menus_.find(action.value);
  if (!found) return false;
  auto& prepared = prepared_for_[static_cast<std::size_t>(found->menu)];
  if (prepared != action.page) {
    if (found->menu == Popup::Weapon && action.page != Ctl::TabSheet5 && action.page != Ctl::TabSheet6) return false;
    menus_.handle_popup(calc_, found->menu, action.page);
    prepared = action.page;
  }
  return click_prepared_menu_item(p, menus_, action.value, action.page);
}

namespace {

std::string signed_text(double v, const NumberFormat& fmt) {
  return (v >= 0 ? "+" : "") + format_general(v, fmt);
}

// The difference of a label's texts as "+A" or, for a range, "+A - +B".
std::string difference(const LabelChange& c, const NumberFormat& fmt) {
  const bool range = c.before.find(" - ") != std::string::npos;
  std::string out;
  for (int part : range ? std::vector<int>{1, 2} : std::vector<int>{0}) {
    const auto a = label_number(c.before, part, fmt);
    const auto b = label_number(c.after, part, fmt);
    if (!a || !b) return c.before + " -> " + c.after;
    if (!out.empty()) out += " - ";
    out += signed_text(std::round((*b - *a) * 1e6) / 1e6, fmt);
  }
  return out;
}

}  // namespace

std::vector<std::string> delta_lines(const std::vector<LabelChange>& changes, const NumberFormat& fmt) {
  // name -> the difference text of each column (0, 1; 2 for a value of both)
  std::vector<std::pair<std::string, std::array<std::string, 3>>> values;
  for (const LabelChange& c : changes) {
    const std::string name = result_name(c.label);
    if (name.empty()) continue;
    auto it = std::find_if(values.begin(), values.end(), [&](const auto& v) { return v.first == name; });
    if (it == values.end()) it = values.insert(values.end(), {name, {}});
    const int column = result_column(c.label);
    it->second[static_cast<std::size_t>(column < 0 ? 2 : column)] = difference(c, fmt);
  }
  std::vector<std::string> lines;
  for (const auto& [name, d] : values) {
    if (!d[2].empty()) {
      lines.push_back(name + " " + d[2]);
    } else if (!d[0].empty() && d[0] == d[1]) {
      lines.push_back(name + " " + d[0]);
    } else {
      if (!d[0].empty()) lines.push_back(name + " 1h " + d[0]);
      if (!d[1].empty()) lines.push_back(name + " 2h " + d[1]);
    }
  }
  return lines;
}

std::string delta_text(const std::vector<LabelChange>& changes, const NumberFormat& fmt) {
  std::string out;
  for (const std::string& line : delta_lines(changes, fmt)) out += (out.empty() ? "" : "\n") + line;
  return out.empty() ? "no change" : out;
}

nlohmann::ordered_json delta_json(const std::string& action, const std::vector<LabelChange>& changes) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
  out["action"] = action;
  nlohmann::ordered_json by_label = nlohmann::ordered_json::object();
  for (const LabelChange& c : changes)
    by_label[std::string(control_spec(c.label).name)] = {{"before", c.before}, {"after", c.after}};
  out["changes"] = std::move(by_label);
  return out;
}

UserAction select_row_action(Ctl list, int row) {
  UserAction a;
  a.set = true;
  a.control = list;
  a.value = std::to_string(row);
  return a;
}

UserAction menu_item_action(const std::string& item, std::optional<Ctl> page) {
  UserAction a;
  a.value = item;
  a.page = page;
  return a;
}

}  // namespace brennick
