// The pass trace: the calculation state after each step of a pass, and
// what each step changed.
//
// A PassTrace set as the calculator's pass observer records every pass and
// keeps the last one: the state before step 1 (after the class branch),
// then the state and the result labels' texts after each completed step.
// A pass that fails ends with the failing step, holding what it wrote
// before the error.
#pragma once

#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "engine/calculator.h"

namespace brennick {

// The labels of the results: both columns, the common values and the
// damage-over-time groups, in the order of the controls table.
const std::vector<Ctl>& result_labels();

class PassTrace : public PassObserver {
 public:
  struct Step {
    int step = 0;           // 1 .. 24
    const char* operation;  // the pass step's operation
    CalcState state;        // after the step (after the error for a failed step)
    std::vector<std::string> labels;  // texts of result_labels() after the step
    bool failed = false;
  };

  void pass_begins(const Calculator& calc) override;
  void step_done(int step, const char* operation, const Calculator& calc) override;
  void step_failed(int step, const char* operation, const Calculator& calc) override;

  bool recorded() const { return recorded_; }
  const CalcState& before() const { return before_; }
  const std::vector<std::string>& labels_before() const { return labels_before_; }
  const std::vector<Step>& steps() const { return steps_; }
  // The last step's entry with that number, or null when the pass did not reach it.
  const Step* at(int step) const;

 private:
  void record(int step, const char* operation, const Calculator& calc, bool failed);
  bool recorded_ = false;
  CalcState before_;
  std::vector<std::string> labels_before_;
  std::vector<Step> steps_;
};

// The names and new values of the state fields that differ between `a` and
// `b`, in table order (an array that changed is shown whole). app_dir and
// open_dialog_file are left out, as in the eval output.
nlohmann::ordered_json changed_fields(const CalcState& a, const CalcState& b);

// [{"step", "operation", "changed"}, ...]: one entry per step of the
// recorded pass, each with the fields that step changed.
nlohmann::ordered_json trace_json(const PassTrace& trace);

}  // namespace brennick
