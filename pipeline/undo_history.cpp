#include "pipeline/undo_history.h"

#include <algorithm>

namespace brennick {

void UndoHistory::begin(const Calculator& calc, std::optional<Ctl> typing) {
  before_ = Snapshot{calc.sheet, calc.state};
  typing_ = typing;
}

bool UndoHistory::end(const Calculator& calc) {
  if (!before_) return false;
  const Snapshot before = std::move(*before_);
  before_.reset();
  const std::optional<Ctl> typing = typing_;
  typing_.reset();

  std::vector<ControlChange> changes;
  for (Ctl id : all_controls()) {
    const Control& was = before.sheet[id];
    const Control& now = calc.sheet[id];
    if (!(was == now)) changes.push_back({id, was, now});
  }
  const bool changed = !changes.empty() || !(before.state == calc.state) ||
                       before.sheet.status_panel0 != calc.sheet.status_panel0 ||
                       before.sheet.status_panel1 != calc.sheet.status_panel1;
  if (!changed) {
    if (!typing || !typing_open_ || done_.empty() || done_.back().typing != typing) typing_open_ = false;
    return false;
  }
  modified_ = true;
  undone_.clear();

  // Another keystroke in the box of the open step: the step grows.
  if (typing && typing_open_ && !done_.empty() && done_.back().typing == typing) {
    Step& step = done_.back();
    for (ControlChange& c : changes) {
      auto kept = std::find_if(step.controls.begin(), step.controls.end(),
                               [&](const ControlChange& k) { return k.id == c.id; });
      if (kept != step.controls.end()) {
        kept->after = std::move(c.after);
      } else {
        step.controls.push_back(std::move(c));
      }
    }
    step.state_after = calc.state;
    step.panel0_after = calc.sheet.status_panel0;
    step.panel1_after = calc.sheet.status_panel1;
    return true;
  }

  Step step;
  step.controls = std::move(changes);
  step.state_before = before.state;
  step.state_after = calc.state;
  step.panel0_before = before.sheet.status_panel0;
  step.panel0_after = calc.sheet.status_panel0;
  step.panel1_before = before.sheet.status_panel1;
  step.panel1_after = calc.sheet.status_panel1;
  step.typing = typing;
  done_.push_back(std::move(step));
  typing_open_ = typing.has_value();
  while (done_.size() > depth_) done_.pop_front();
  return true;
}

void UndoHistory::put(Calculator& calc, const Step& step, bool after) {
  bool class_changed = false;
  for (const ControlChange& c : step.controls) {
    calc.sheet.restore(c.id, after ? c.after : c.before);
    class_changed = class_changed || (c.id == Ctl::Select_class && c.before.row != c.after.row);
  }
  calc.state = after ? step.state_after : step.state_before;
  calc.sheet.status_panel0 = after ? step.panel0_after : step.panel0_before;
  calc.sheet.status_panel1 = after ? step.panel1_after : step.panel1_before;
  calc.changeEvents();  // the handlers follow calc_ready, as after the pass
  // The browsers and the skill window show the class the sheet has again.
  if (class_changed) calc.pre_set_class();
}

bool UndoHistory::undo(Calculator& calc) {
  if (done_.empty()) return false;
  typing_open_ = false;
  put(calc, done_.back(), false);
  undone_.push_back(std::move(done_.back()));
  done_.pop_back();
  modified_ = true;
  return true;
}

bool UndoHistory::redo(Calculator& calc) {
  if (undone_.empty()) return false;
  typing_open_ = false;
  put(calc, undone_.back(), true);
  done_.push_back(std::move(undone_.back()));
  undone_.pop_back();
  modified_ = true;
  return true;
}

void UndoHistory::clear() {
  done_.clear();
  undone_.clear();
  before_.reset();
  typing_open_ = false;
}

}  // namespace brennick
