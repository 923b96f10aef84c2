// Item deltas: what a change or click would do to the result labels,
// measured by running it on a scratch copy of the sheet through the same
// operations the user's change or click runs.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include <array>

#include "pipeline/menu_model.h"
#include "pipeline/scratch_planner.h"
#include "pipeline/user_action.h"

namespace brennick {

struct LabelChange {
  Ctl label;
  std::string before, after;  // the label's texts without and with the action
};

// Measures many actions against one sheet, reusing its scratch copy. The
// calculator must outlive it and stay unchanged while it is used.
class DeltaProbe {
 public:
  explicit DeltaProbe(const Calculator& calc) : calc_(calc), copy_(calc) {}

  // Every result label whose text the action changes, in table order;
  // nothing when the action cannot be run (no such menu item, or a
  // disabled one).
  std::optional<std::vector<LabelChange>> changes(const UserAction& action);

 private:
  bool run(const UserAction& action);

  const Calculator& calc_;
  ScratchPlanner copy_;
  bool fresh_ = true;
  // The right-click menus as they open on the sheet (prepared once per
  // menu and page), for the menu items measured.
  PopupMenus menus_;
  std::array<std::optional<std::optional<Ctl>>, kAllPopups.size()> prepared_for_;
};

// The changes as the tooltips show them, one line per value: signed
// differences ("HP +12", "Def 2h +40", "Atk-Pow 1h +5 - +8"); a value that
// changes alike in both columns is shown once, without the column.
std::vector<std::string> delta_lines(const std::vector<LabelChange>& changes, const NumberFormat& fmt);

// The lines joined as a tooltip shows them; "no change" when there are none.
std::string delta_text(const std::vector<LabelChange>& changes, const NumberFormat& fmt);

// {"action": TEXT, "changes": {CONTROL: {"before": TEXT, "after": TEXT}, ...}}
nlohmann::ordered_json delta_json(const std::string& action, const std::vector<LabelChange>& changes);

// The action a row of a drop-down list runs, and an item of a right-click
// menu (opened on `page` for the weapon menu).
UserAction select_row_action(Ctl list, int row);
UserAction menu_item_action(const std::string& item, std::optional<Ctl> page);

}  // namespace brennick
