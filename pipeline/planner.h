// The planner: the calculator with its recalculation pass composed from the
// steps of every layer, and the user actions that start it.
//
// A user action enters through the user_* functions, which change the
// control and run what its change starts (usually the pass), with errors
// reported like the application-wide handler does.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/calculator.h"

namespace brennick {

class IniDocument;

// The hint of status-bar panel 0 after a class was chosen.
inline constexpr const char* kClassStartValuesHint = "Statistics set to the class's start values (Ctrl+Z to undo)";

// The recalculation pass: the class branch, then the steps 1 .. 24 in their
// fixed order. Throws on a conversion error.
// A PassObserver set on the calculator sees each step complete or fail.
void run_pass(Calculator& calc, Ctl sender);
// The same pass; a load (sender "MainMenu_file_load") copies `pasted` into
// the sheet when it is given, instead of the file the open dialog chooses.
void run_pass_with(Calculator& calc, Ctl sender, const IniDocument* pasted);

// The steps of the pass and the operation each runs ("get_data_from_fields"
// .. "display_final_results"; steps 19 and 21 are both "Calc_castOn").
inline constexpr int kPassStepCount = 24;
inline constexpr const char* kPassStepOperations[kPassStepCount] = {
    "get_data_from_fields", "set_level_regs", "handle_quests", "calc_free_stat_points", "calc_free_skill_points",
    "calc_free_t4skill_points", "Calc_HP", "Calc_MP", "Calc_STM", "Calc_MP_regen", "Calc_defense",
    "Calc_Absorption", "Calc_AtkRtg", "Calc_Critical", "Calc_Block", "Calc_weight", "handle_ForceOrb", "Calc_dmg",
    "Calc_castOn", "Calc_skills", "Calc_castOn", "Calc_DoT", "Calc_Speed", "display_final_results"};
const char* pass_step_operation(int step);  // "" outside 1 .. 24

// The number (1 .. 24) of the `nth` step that runs `operation`; 0 when
// there is none. Usable in constant expressions.
constexpr int pass_step(std::string_view operation, int nth = 1) {
  for (int i = 0; i < kPassStepCount; ++i)
    if (operation == kPassStepOperations[i] && --nth == 0) return i + 1;
  return 0;
}

class Planner : public Calculator {
 public:
  Planner(NumberFormat format, Services services) : Calculator(format, services, &planner_pass) {}

  // Each changes the control as the user would and runs what that change
  // starts while the control's handler is attached. Errors are caught and
  // reported (status bar, error log); none escapes.
  void user_set_text(Ctl id, const std::string& text);   // text boxes and number fields
  void user_set_value(Ctl id, std::int64_t value);       // number fields (arrows)
  void user_select_row(Ctl id, int row);                 // drop-down lists
  void user_set_checked(Ctl id, bool checked);           // check boxes
  void user_click(Ctl id);                               // pictures, menu items, buttons
  void user_leave(Ctl id);                               // leaving a text box: CheckInt/CheckFloat
  // "Load Character" with the file chosen already (the recent-files list):
  // the open dialog answers `path` without showing.
  void user_load_file(const std::string& path);
  // "Paste Build Code": loads the code as "Load Character" loads a file,
  // through the same branch of the pass (the build, then the class set-up
  // and the steps); `lbl_filename` shows "none". A code the reader refuses
  // loads nothing: the sheet stays as it was, and the message shows in the
  // status bar and goes to the error log with the paste command's names
  // ("MainMenu_file", "MainMenu_file_paste_code"). True when the code loaded.
  bool user_paste_build_code(std::string_view code);
  // The document of the code being pasted, while its pass runs.
  const IniDocument* pasted_build() const { return pasted_; }

  static constexpr const char* kPasteOwner = "MainMenu_file";
  static constexpr const char* kPasteDetail = "MainMenu_file_paste_code";

 private:
  static void planner_pass(Calculator& calc, Ctl sender);
  const IniDocument* pasted_ = nullptr;

  template <class Action>
  void guarded(Ctl sender, Action&& action);
};

}  // namespace brennick
