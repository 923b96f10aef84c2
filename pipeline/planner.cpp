#include "pipeline/planner.h"

#include "buildfile/build_code.h"

#include <algorithm>

#include "buildfile/build_file.h"
#include "equipment/force_orb.h"
#include "equipment/item_selection.h"
#include "skills/cast_on.h"
#include "skills/skill_steps.h"

namespace brennick {
namespace {

// The steps 1 .. 24 of the pass, in their fixed order.
struct PassStep {
  const char* operation;
  void (*run)(Calculator& c);
};
constexpr PassStep kPassSteps[kPassStepCount] = {
    {"get_data_from_fields", [](Calculator& c) { c.get_data_from_fields(); }},
    {"set_level_regs", [](Calculator& c) { c.set_level_regs(); }},
    {"handle_quests", [](Calculator& c) { c.handle_quests(); }},
    {"calc_free_stat_points", [](Calculator& c) { c.calc_free_stat_points(); }},
    {"calc_free_skill_points", [](Calculator& c) { c.calc_free_skill_points(); }},
    {"calc_free_t4skill_points", [](Calculator& c) { c.calc_free_t4skill_points(); }},
    {"Calc_HP", [](Calculator& c) { c.Calc_HP(); }},
    {"Calc_MP", [](Calculator& c) { c.Calc_MP(); }},
    {"Calc_STM", [](Calculator& c) { c.Calc_STM(); }},
    {"Calc_MP_regen", [](Calculator& c) { c.Calc_MP_regen(); }},
    {"Calc_defense", [](Calculator& c) { c.Calc_defense(); }},
    {"Calc_Absorption", [](Calculator& c) { c.Calc_Absorption(); }},
    {"Calc_AtkRtg", [](Calculator& c) { c.Calc_AtkRtg(); }},
    {"Calc_Critical", [](Calculator& c) { c.Calc_Critical(); }},
    {"Calc_Block", [](Calculator& c) { c.Calc_Block(); }},
    {"Calc_weight", [](Calculator& c) { c.Calc_weight(); }},
    {"handle_ForceOrb", [](Calculator& c) { handle_ForceOrb(c); }},
    {"Calc_dmg", [](Calculator& c) { c.Calc_dmg(); }},
    {"Calc_castOn", [](Calculator& c) { Calc_castOn(c, true); }},
    {"Calc_skills", [](Calculator& c) { Calc_skills(c); }},
    {"Calc_castOn", [](Calculator& c) { Calc_castOn(c, false); }},
    {"Calc_DoT", [](Calculator& c) { c.Calc_DoT(); }},
    {"Calc_Speed", [](Calculator& c) { c.Calc_Speed(); }},
    {"display_final_results", [](Calculator& c) { c.display_final_results(); }},
};

// The table runs the operations the header names, in its order.
constexpr bool steps_match_their_names() {
  for (int i = 0; i < kPassStepCount; ++i)
    if (std::string_view(kPassSteps[i].operation) != kPassStepOperations[i]) return false;
  return true;
}
static_assert(steps_match_their_names());

}  // namespace

const char* pass_step_operation(int step) {
  return step >= 1 && step <= kPassStepCount ? kPassSteps[step - 1].operation : "";
}

void run_pass(Calculator& c, Ctl sender) { run_pass_with(c, sender, nullptr); }

void Planner::planner_pass(Calculator& c, Ctl sender) {
  // Only a Planner runs this pass (its constructor gives it).
  run_pass_with(c, sender, static_cast<const Planner&>(c).pasted_);
}

void run_pass_with(Calculator& c, Ctl sender, const IniDocument* pasted) {
  CalcState& state = c.state;
  state.class_setup_done = 1;
  state.calc_ready = 0;
  c.changeEvents();

  if (sender == Ctl::MainMenu_file_load) {
    c.reset_modifers();
    load_branch(c, pasted);
    state.class_setup_done = 0;
    c.pre_set_class();
  }
  if (sender == Ctl::Select_class) {
    c.reset_modifers();
    c.set_stat_min_values();
    c.Insert_start_values();
    state.class_setup_done = 0;
    c.pre_set_class();
  }
  toggle_timed_skill(c, sender);
  toggle_cast_on(c, sender);
  if (state.class_setup_done == 0) {
    c.class_setup();
    state.class_setup_done = 1;
  }

  PassObserver* const observer = c.pass_observer;
  if (observer) observer->pass_begins(c);
  int step = 0;
  try {
    for (; step < kPassStepCount; ++step) {
      kPassSteps[step].run(c);
      if (observer) observer->step_done(step + 1, kPassSteps[step].operation, c);
    }
  } catch (...) {
    if (observer) observer->step_failed(step + 1, kPassSteps[step].operation, c);
    throw;
  }

  state.calc_ready = 1;
  c.changeEvents();
  c.sheet.status_panel1 = "OK";
}

template <class Action>
void Planner::guarded(Ctl sender, Action&& action) {
  try {
    action();
  } catch (const std::exception& e) {
    AppException(sender, e.what());
  }
}

// --- user actions --------------------------------------------------------------

void Planner::user_set_text(Ctl id, const std::string& text) {
  if (sheet.text(id) == text) return;
  sheet.set_text(id, text);
  if (attached(id)) guarded(id, [&] { run_calculation(id); });
}

void Planner::user_set_value(Ctl id, std::int64_t value) {
  const Control& c = sheet[id];
  user_set_text(id, int_text(std::clamp<std::int64_t>(value, c.min, c.max)));
}

void Planner::user_select_row(Ctl id, int row) {
  if (row < 0 || row >= static_cast<int>(sheet[id].rows.size())) return;
  sheet.set_row(id, row);
  if (!attached(id)) return;
  if (is_item_list(id)) {
    guarded(id, [&] { item_selected(*this, id); });
  } else {
    guarded(id, [&] { run_calculation(id); });
  }
  // Choosing a class, the same one too, installs its start values.
  if (id == Ctl::Select_class) sheet.status_panel0 = kClassStartValuesHint;
}

void Planner::user_set_checked(Ctl id, bool checked) {
  if (sheet.checked(id) == checked) return;
  sheet.set_checked(id, checked);
  if (attached(id)) guarded(id, [&] { run_calculation(id); });
}

void Planner::user_click(Ctl id) {
  if (!sheet[id].enabled) return;
  if (id == Ctl::MainMenu_file_reset) {
    guarded(id, [&] { Reset(); });
  } else if (id == Ctl::Btn_FileOpen) {
    // The tool button performs the menu item's command, with the menu item as sender.
    guarded(Ctl::MainMenu_file_load, [&] { run_calculation(Ctl::MainMenu_file_load); });
  } else if (id == Ctl::img_holy_valor_special) {
    // Holy Valor's attack power against undead (the picture is disabled for a Knight).
    dialogs().information(state.holy_valor_text);
  } else if (attached(id)) {
    guarded(id, [&] { run_calculation(id); });
  }
}

namespace {

// The open dialog answering one file; everything else goes to the real dialogs.
class ChosenFile : public ForwardingDialogs {
 public:
  ChosenFile(Dialogs& real, std::string path) : ForwardingDialogs(real), path_(std::move(path)) {}
  std::optional<std::string> open_file(const std::string&, const std::string&) override { return path_; }

 private:
  std::string path_;
};

}  // namespace

bool Planner::user_paste_build_code(std::string_view code) {
  IniDocument doc;
  try {
    doc = document_of_build_code(code);
  } catch (const std::exception& e) {
    // Refused before any control changes: the message is shown and logged,
    // and the state stays as it was (the sheet may not have had its first
    // pass yet, so the pass is not marked done).
    const auto calc_ready = state.calc_ready;
    AppException(kPasteOwner, kPasteDetail, e.what());
    state.calc_ready = calc_ready;
    return false;
  }
  // The pass's load branch, with the code's document in place of a file.
  pasted_ = &doc;
  try {
    run_calculation(Ctl::MainMenu_file_load);
  } catch (const std::exception& e) {
    AppException(kPasteOwner, kPasteDetail, e.what());
  }
  pasted_ = nullptr;
  return true;
}

void Planner::user_load_file(const std::string& path) {
  ChosenFile chosen(dialogs(), path);
  ScopedDialogs swap(*this, chosen);
  guarded(Ctl::MainMenu_file_load, [&] { run_calculation(Ctl::MainMenu_file_load); });
}

void Planner::user_leave(Ctl id) {
  const std::uint8_t flags = control_spec(id).flags;
  const std::string& text = sheet.text(id);
  if (control_spec(id).kind == ControlKind::NumberField) {
    // A number field takes its range when the user leaves it.
    const Control& c = sheet[id];
    const std::string clamped = int_text(std::clamp(sheet.value(id), c.min, c.max));
    if (text != clamped) user_set_text(id, clamped);
    return;
  }
  bool bad = false;
  if (flags & cflag::IntCheck) {
    bad = !is_int_text(text) || int_of_text(text) == -2147483647 - 1;
  } else if (flags & cflag::RealCheck) {
    bad = !is_real_text(text, format()) || real_of_text(text, format()) == -2147483648.0;
  }
  // Putting "0" back is a change like any other: it recalculates.
  if (bad) user_set_text(id, "0");
}

}  // namespace brennick
