#include "pipeline/pass_trace.h"

#include <string_view>

namespace brennick {

const std::vector<Ctl>& result_labels() {
  static const std::vector<Ctl> labels = [] {
    std::vector<Ctl> out;
    for (Ctl id : all_controls()) {
      const ControlSpec& spec = control_spec(id);
      if (spec.kind != ControlKind::Label) continue;
      const Ctl p = spec.parent;
      if (p == Ctl::pnl_one_hand || p == Ctl::pnl_two_hand || p == Ctl::grp_final || p == Ctl::grp_dot_1h ||
          p == Ctl::grp_dot_2h)
        out.push_back(id);
    }
    return out;
  }();
  return labels;
}

namespace {

std::vector<std::string> label_texts(const Sheet& sheet) {
  std::vector<std::string> out;
  out.reserve(result_labels().size());
  for (Ctl id : result_labels()) out.push_back(sheet.text(id));
  return out;
}

bool shown_field(std::string_view name) { return name != "app_dir" && name != "open_dialog_file"; }

}  // namespace

void PassTrace::pass_begins(const Calculator& calc) {
  recorded_ = true;
  before_ = calc.state;
  labels_before_ = label_texts(calc.sheet);
  steps_.clear();
}

void PassTrace::step_done(int step, const char* operation, const Calculator& calc) {
  record(step, operation, calc, false);
}

void PassTrace::step_failed(int step, const char* operation, const Calculator& calc) {
  record(step, operation, calc, true);
}

void PassTrace::record(int step, const char* operation, const Calculator& calc, bool failed) {
  steps_.push_back(Step{step, operation, calc.state, label_texts(calc.sheet), failed});
}

const PassTrace::Step* PassTrace::at(int step) const {
  for (const Step& s : steps_)
    if (s.step == step) return &s;
  return nullptr;
}

nlohmann::ordered_json changed_fields(const CalcState& a, const CalcState& b) {
  nlohmann::ordered_json out = nlohmann::ordered_json::object();
#define STATE(type, name, initial) \
  if (shown_field(#name) && a.name != b.name) out[#name] = b.name;
#define STATE_ARRAY(type, name, size) \
  if (a.name != b.name) out[#name] = b.name;
#include "engine/calc_state.def"
#undef STATE
#undef STATE_ARRAY
  return out;
}

nlohmann::ordered_json trace_json(const PassTrace& trace) {
  nlohmann::ordered_json out = nlohmann::ordered_json::array();
  const CalcState* previous = &trace.before();
  for (const PassTrace::Step& s : trace.steps()) {
    nlohmann::ordered_json entry = nlohmann::ordered_json::object();
    entry["step"] = s.step;
    entry["operation"] = s.operation;
    entry["changed"] = changed_fields(*previous, s.state);
    out.push_back(std::move(entry));
    previous = &s.state;
  }
  return out;
}

}  // namespace brennick
