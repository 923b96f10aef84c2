// A planner for trying things out: a copy of another calculator's sheet
// and state that answers every dialog "No", writes no error log and tells
// no window, so nothing done to it reaches the user's sheet or files.
#pragma once

#include "pipeline/planner.h"

namespace brennick {

class ScratchPlanner {
 public:
  explicit ScratchPlanner(const Calculator& from)
      : planner_(from.format(), {&dialogs_, nullptr, nullptr}) {
    reset_from(from);
  }
  ScratchPlanner(const ScratchPlanner&) = delete;
  ScratchPlanner& operator=(const ScratchPlanner&) = delete;

  // The copy becomes the sheet and state of `from` again.
  void reset_from(const Calculator& from) {
    planner_.sheet = from.sheet;
    planner_.state = from.state;
  }
  Planner& planner() { return planner_; }

 private:
  SilentDialogs dialogs_;
  Planner planner_;
};

}  // namespace brennick
